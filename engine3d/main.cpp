#include "engine3d/BatchAnswer.h"
#include "engine3d/MainFrame.h"
#include "translations/Translation.h"
#include "MondrelVersion.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QSurfaceFormat>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char* const kUsage = QT_TRANSLATE_NOOP("relievo",
    "Usage:\n"
    "  relievo            edit the 3D text of \"request.3d\" in the working directory in a\n"
    "                     window; File, Return writes \"reply.3d\" (Mondrel starts it so)\n"
    "  relievo --batch    answer \"request.3d\" in the working directory without a window\n"
    "  relievo --help | --version\n"
    "\n"
    "Relievo renders the 3D lettering of Mondrel, the calendar designer.\n");

QString Tr(const char* text)
{
    return QCoreApplication::translate("relievo", text);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationName(QStringLiteral("Relievo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MONDREL_VERSION));

    // The command line is read before a window system is touched, so help,
    // the version and mistakes are answered without a display.
    bool batch = false, help = false, version = false;
    const char* unknown = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--batch") == 0) batch = true;
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) help = true;
        else if (std::strcmp(argv[i], "--version") == 0) version = true;
        else if (!unknown) unknown = argv[i];
    }
    if (batch || help || version || unknown) {
        // No window and no Qt platform: EGL gives the context directly.
        QCoreApplication app(argc, argv);
        InstallTranslations();
        if (unknown) {
            const QString message = Tr("Unknown argument \"%1\".").arg(QString::fromLocal8Bit(unknown));
            std::fprintf(stderr, "relievo: %s\n%s", qPrintable(message), qPrintable(Tr(kUsage)));
            return 2;
        }
        if (help) {
            std::fputs(qPrintable(Tr(kUsage)), stdout);
            return 0;
        }
        if (version) {
            std::puts("relievo " MONDREL_VERSION);
            return 0;
        }
        std::string error;
        const int status = AnswerRequestInBatch(error);
        if (status != 0) std::fprintf(stderr, "relievo: %s\n", error.c_str());
        return status;
    }

    // The drawing is fixed-function OpenGL, which needs a compatibility
    // context; the format must be the default before the application exists.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication app(argc, argv);
    InstallTranslations();

    auto frame = std::make_unique<CMainFrame>();
    frame->setWindowTitle(QStringLiteral("Relievo Engine"));
    frame->setWindowFlags(frame->windowFlags() & ~Qt::WindowCloseButtonHint);
    frame->resize(640, 480);
    frame->show();
    return app.exec();
}
