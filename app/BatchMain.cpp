#include "app/BatchCommand.h"
#include "app/DataFiles.h"
#include "app/ProgramLibrary.h"
#include "document/DrawDoc.h"
#include "objects/Environment.h"
#include "platform/FontConfiguration.h"
#include "platform/QtSettingsStore.h"
#include "translations/Translation.h"

#include <QtGui/QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

// The toolkit's half of the program for the command line, loaded by main():
// drawing, fonts and the catalogues, without the window's libraries.
extern "C" MONDREL_PROGRAM_ENTRY int MondrelRun(int argc, char** argv, CDrawDoc* opened)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool batch = CBatchCommand::IsBatch(args);
    const auto unknown = CBatchCommand::FirstOption(args);
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
