#include "engine3d/BatchAnswer.h"
#include "engine3d/MainFrame.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtGui/QSurfaceFormat>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

bool WantsBatch(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--batch") == 0) return true;
    return false;
}

void DescribeProgram(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Renders a 3D text for Mondrel. Started in a folder holding \"request.3d\" it writes \"reply.3d\"."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("batch"),
                      QStringLiteral("Answer \"request.3d\" in the working directory without a window.")});
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationName(QStringLiteral("Relievo"));

    if (WantsBatch(argc, argv)) {
        // No window and no Qt platform: EGL gives the context directly.
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        DescribeProgram(parser);
        parser.process(app);
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
    QCommandLineParser parser;
    DescribeProgram(parser);
    parser.process(app);

    auto frame = std::make_unique<CMainFrame>();
    frame->setWindowTitle(QStringLiteral("Relievo Engine"));
    frame->setWindowFlags(frame->windowFlags() & ~Qt::WindowCloseButtonHint);
    frame->resize(640, 480);
    frame->show();
    return app.exec();
}
