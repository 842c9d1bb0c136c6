#include "app/BatchCommand.h"

#include <QtCore/QByteArray>
#include <QtGui/QGuiApplication>

#include <cstdlib>
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
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return CBatchCommand::Run(args, std::cout, std::cerr);
}
