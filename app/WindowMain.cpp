#include "app/BatchCommand.h"
#include "app/DataFiles.h"
#include "app/MondrelApp.h"
#include "app/ProgramLibrary.h"
#include "document/DrawDoc.h"
#include "MondrelVersion.h"
#include "objects/Environment.h"
#include "platform/FontConfiguration.h"
#include "platform/QtSettingsStore.h"
#include "translations/Translation.h"

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

// The toolkit's half of the program, loaded by main() once the work that
// needs no toolkit is under way: the window, and every batch command.
extern "C" MONDREL_PROGRAM_ENTRY int MondrelRun(int argc, char** argv, CDrawDoc* opened)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool batch = CBatchCommand::IsBatch(args);
    const auto unknown = std::find_if(args.begin(), args.end(), [](const std::string& a) {
        return a.size() > 1 && a[0] == '-';
    });
    if (batch || unknown != args.end()) {
        // The fonts' configuration loads beside the toolkit while the
        // document's photos decode.
        if (opened) LoadFontConfigurationAhead();
        // The data files (the default picture of new objects) come from the
        // installation folder, as in the window. A document opened before
        // the settings could be read is opened again when the settings name
        // another folder.
        const std::string early = Environment().m_strInstallDir;
        Environment().m_strInstallDir =
            FindInstallDir(CQtSettingsStore().GetProfileString("Settings", "DestinationPath", ""));
        if (Environment().m_strInstallDir != early) opened = nullptr;
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        InstallTranslations();
        if (!batch) {
            std::cerr << "mondrel: "
                      << QCoreApplication::translate("main", "Unknown option \"%1\".")
                             .arg(QString::fromLocal8Bit(unknown->c_str()))
                             .toStdString()
                      << "\n"
                      << CBatchCommand::Usage();
            return 2;
        }
        const int status = CBatchCommand::Run(args, std::cout, std::cerr, opened);
        // The command's files are complete and renamed into place; what is
        // left to free (the document, the pictures, the toolkit) goes with
        // the process.
        std::cout.flush();
        std::cerr.flush();
        std::fflush(nullptr);
        std::_Exit(status);
    }

    // The documents are resolved against the folder the user started in,
    // before start-up makes the program's folder current.
    const QString startFolder = QDir::currentPath();
    QApplication app(argc, argv);
    InstallTranslations();
    QCoreApplication::setOrganizationName(QStringLiteral("Mondrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Mondrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MONDREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("mondrel"));
    QStringList rest = QCoreApplication::arguments();
    rest.removeFirst();
    CMondrelApp mondrel;
    if (!mondrel.InitInstance(ResolveDocumentArguments(rest, startFolder))) return 1;
    return app.exec();
}
