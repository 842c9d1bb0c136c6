#include "app/BatchCommand.h"

#include <QtCore/QByteArray>
#include <QtGui/QGuiApplication>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!CBatchCommand::IsBatch(args)) {
        std::cerr << "mondrel: the design window is not available in this build.\n"
                  << "Try mondrel --help for what the command line can do.\n";
        return 2;
    }
    // Batch runs need no display: Qt draws off screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a login session there is no runtime folder; give Qt a private
    // one so that a batch run prints only what it has to say.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string dir = "/tmp/runtime-" + std::to_string(getuid());
        if (mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir.c_str());
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return CBatchCommand::Run(args, std::cout, std::cerr);
}
