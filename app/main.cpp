#include "app/BatchCommand.h"
#include "app/DataFiles.h"
#include "app/MondrelApp.h"
#include "objects/Environment.h"
#include "platform/QtSettingsStore.h"

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QApplication>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Without a login session there is no runtime folder; give Qt a private one
// so that a run prints only what it has to say.
void EnsureRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const std::string dir = "/tmp/runtime-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    EnsureRuntimeFolder();
    if (CBatchCommand::IsBatch(args)) {
        // Batch runs need no display: Qt draws off screen unless told otherwise.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        // The data files (the default picture of new objects) come from the
        // installation folder, as in the window.
        const CQtSettingsStore settings;
        Environment().m_strInstallDir = FindInstallDir(settings.GetProfileString("Settings", "DestinationPath", ""));
        return CBatchCommand::Run(args, std::cout, std::cerr);
    }

    // The documents are resolved against the folder the user started in,
    // before start-up makes the program's folder current.
    const QString startFolder = QDir::currentPath();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Mondrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Mondrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("mondrel"));
    QStringList rest = QCoreApplication::arguments();
    rest.removeFirst();
    CMondrelApp mondrel;
    if (!mondrel.InitInstance(ResolveDocumentArguments(rest, startFolder))) return 1;
    return app.exec();
}
