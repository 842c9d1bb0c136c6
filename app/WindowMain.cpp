#include "app/DataFiles.h"
#include "app/MondrelApp.h"
#include "app/ProgramLibrary.h"
#include "MondrelVersion.h"
#include "translations/Translation.h"

#include <QtCore/QDir>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QApplication>

#include <malloc.h>

// The toolkit's half of the program for the window, loaded by main().
extern "C" MONDREL_PROGRAM_ENTRY int MondrelRun(int argc, char** argv, CDrawDoc*)
{
    // The documents are resolved against the folder the user started in,
    // before start-up makes the program's folder current.
    const QString startFolder = QDir::currentPath();
    // Photos are decoded again and dropped as the user zooms and turns pages.
    // Left to the allocator's sliding threshold, their freed blocks stay in
    // the heaps of the threads that decoded them, and the window grew by
    // some 60 MiB with every zoom in and out over a page of camera photos;
    // blocks of 4 MiB or more are mapped on their own instead and go back to
    // the system when freed.
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
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
