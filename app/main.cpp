#include "app/BatchCommand.h"
#include "app/DataFiles.h"
#include "app/MondrelApp.h"
#include "document/DrawDoc.h"
#include "MondrelVersion.h"
#include "objects/Environment.h"
#include "platform/QtSettingsStore.h"
#include "translations/Translation.h"

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <memory>
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
#ifdef MONDREL_SOURCE_DATA_DIR
    UseSourceTreeData(MONDREL_SOURCE_DATA_DIR);
#endif
    // The window takes documents only: an option it does not know is a
    // mistake to report, not a reason to open the window.
    const bool batch = CBatchCommand::IsBatch(args);
    const auto unknown = std::find_if(args.begin(), args.end(), [](const std::string& a) {
        return a.size() > 1 && a[0] == '-';
    });
    if (batch || unknown != args.end()) {
        // Batch runs need no display: Qt draws off screen unless told otherwise.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The data files (the default picture of new objects) come from the
        // installation folder, as in the window.
        Environment().m_strInstallDir =
            FindInstallDir(CQtSettingsStore().GetProfileString("Settings", "DestinationPath", ""));
        // A saved document to export is opened, and its photos start
        // decoding, while the toolkit starts.
        const std::unique_ptr<CDrawDoc> opened = batch ? CBatchCommand::OpenForExport(args) : nullptr;
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
        return CBatchCommand::Run(args, std::cout, std::cerr, opened.get());
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
