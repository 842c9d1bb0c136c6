#include "app/MondrelApp.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "objects/Environment.h"
#include "platform/QtSettingsStore.h"
#include "view/UndoCommands.h"

#if __has_include("properties/PropertySheetsUI.h")
#include "properties/PropertySheetsUI.h"
#define MONDREL_HAS_SHEETS 1
#endif

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QTimer>
#include <QtGui/QPalette>
#include <QtWidgets/QApplication>

namespace {

COLORREF Ref(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

}  // namespace

QStringList ResolveDocumentArguments(const QStringList& args, const QString& startFolder)
{
    QStringList out;
    for (const QString& a : args) {
        if (a.isEmpty() || a.startsWith('-')) continue;
        out << QFileInfo(QDir(startFolder), a).absoluteFilePath();
    }
    return out;
}

CMondrelApp::CMondrelApp() = default;

CMondrelApp::~CMondrelApp() = default;

QString CMondrelApp::AppDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith('/')) dir += '/';
    return dir;
}

bool CMondrelApp::InitInstance(const QStringList& documents, bool showWindow)
{
    // The settings store of the user, and the settings every view reads.
    CEnvironment& env = Environment();
    env.m_settings = std::make_shared<CQtSettingsStore>();
    AppSettings().Load(*env.m_settings);
    const QPalette palette = QApplication::palette();
    env.m_crBtnFace = Ref(palette.color(QPalette::Button));
    env.m_crBtnText = Ref(palette.color(QPalette::ButtonText));
    env.m_crWindow = Ref(palette.color(QPalette::Base));
    env.m_crBtnShadow = Ref(palette.color(QPalette::Dark));
    // The data files come from the installation folder, or from beside the
    // program when none was set.
    env.m_strInstallDir = AppSettings().m_strInstallDir.empty() ? AppDir().toStdString() : AppSettings().m_strInstallDir;

    // The program's folder becomes the current folder; the documents named
    // on the command line were resolved before.
    QDir::setCurrent(AppDir());

    CHistorySink::Install();
#ifdef MONDREL_HAS_SHEETS
    InstallPropertySheets();
#endif
    m_pFrame = std::make_unique<CMainFrame>();
    if (showWindow) m_pFrame->show();

    if (documents.isEmpty()) {
        m_pFrame->NewDocument();
    } else {
        for (const QString& path : documents) m_pFrame->OpenDocument(path);
    }

    m_pRecoveryTimer = new QTimer(this);
    m_pRecoveryTimer->setInterval(2 * 60 * 1000);
    connect(m_pRecoveryTimer, &QTimer::timeout, this, &CMondrelApp::SaveRecoveryCopies);
    m_pRecoveryTimer->start();
    return true;
}

void CMondrelApp::SaveRecoveryCopies() {}
