#include "app/MondrelApp.h"

#include "app/AppSettings.h"
#include "app/DataFiles.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "app/RecoveryStore.h"
#include "app/SplashWindow.h"
#include "app/TipOfDayDialog.h"
#include "document/DrawDoc.h"
#include "view/DesignDocument.h"
#include "objects/Environment.h"
#include "platform/QtSettingsStore.h"
#include "view/UndoCommands.h"

#include "properties/PropertySheetsUI.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QTimer>
#include <QtGui/QPalette>
#include <QtWidgets/QApplication>

#include <algorithm>

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
    env.m_strInstallDir = FindInstallDir(AppSettings().m_strInstallDir);
    // New objects' own texts in the user's language.
    env.m_strNewText = tr("Double-click to change this text").toStdString();
    env.m_strImagePlaceholder = tr("Image Place Holder").toStdString();

    // The program's folder becomes the current folder; the documents named
    // on the command line were resolved before.
    QDir::setCurrent(AppDir());

    CHistorySink::Install();
    InstallPropertySheets();
    m_pFrame = std::make_unique<CMainFrame>();
    if (!m_pRecovery) m_pRecovery = std::make_unique<CRecoveryStore>();
    connect(m_pFrame.get(), &CMainFrame::DocumentClosing, this, &CMondrelApp::DocumentClosed);
    if (showWindow) {
        m_pFrame->show();
        CSplashWindow::ShowSplashScreen(m_pFrame.get());
    }

    // Documents a crash left behind come first; then what the command line
    // asks for, or a new page when nothing was restored or named.
    const int restored = OfferRecovery();
    if (!documents.isEmpty()) {
        for (const QString& path : documents) m_pFrame->OpenDocument(path);
    } else if (restored == 0) {
        m_pFrame->NewDocument();
    }

    const int seconds = std::max(5, Environment().m_settings->GetProfileInt("Settings", "RecoveryInterval", 120));
    m_pRecoveryTimer = new QTimer(this);
    m_pRecoveryTimer->setInterval(seconds * 1000);
    connect(m_pRecoveryTimer, &QTimer::timeout, this, &CMondrelApp::SaveRecoveryCopies);
    m_pRecoveryTimer->start();

    if (showWindow && CAppSettings::ShowTipAtStartup(*Environment().m_settings)) {
        CTipOfDayDialog tips(LocalizedFile(DataFile(QStringLiteral("tips.txt"))), m_pFrame.get());
        tips.exec();
    }
    return true;
}

void CMondrelApp::SaveRecoveryCopies()
{
    if (!m_pFrame || !m_pRecovery) return;
    for (CDesignDocument* design : m_pFrame->Documents()) {
        auto it = m_recoveryIds.find(design);
        if (!design->IsModified()) {
            // Saved (or undone to the saved state): nothing to recover.
            if (it != m_recoveryIds.end()) {
                m_pRecovery->Remove(it.value());
                m_recoveryIds.erase(it);
            }
            continue;
        }
        if (it == m_recoveryIds.end()) it = m_recoveryIds.insert(design, m_pRecovery->NewId());
        m_pRecovery->Save(it.value(), *design->Doc(), design->FilePath());
    }
}

void CMondrelApp::DocumentClosed(CDesignDocument* design)
{
    auto it = m_recoveryIds.find(design);
    if (it == m_recoveryIds.end()) return;
    if (m_pRecovery) m_pRecovery->Remove(it.value());
    m_recoveryIds.erase(it);
}

int CMondrelApp::OfferRecovery()
{
    const std::vector<CRecoveryEntry> entries = m_pRecovery->List();
    if (entries.empty()) return 0;
    const QString text =
        entries.size() == 1
            ? tr("Mondrel was not closed properly last time. Restore the document with the changes "
                             "that were not saved?")
            : tr("Mondrel was not closed properly last time. Restore the %1 documents with the changes "
                             "that were not saved?")
                  .arg(entries.size());
    const bool restore = ShowMessage(m_pFrame.get(), text, QMessageBox::Question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    int count = 0;
    for (const CRecoveryEntry& entry : entries) {
        if (restore) {
            QString error;
            if (m_pFrame->RestoreDocument([&](CDrawDoc& doc) { return m_pRecovery->Restore(entry, doc, &error); },
                                          entry.m_strDocumentPath))
                ++count;
            else
                ShowMessage(m_pFrame.get(), tr("A document could not be restored.\n\n%1").arg(error));
        }
        // A restored document has its own copy from now on.
        m_pRecovery->Remove(entry.m_strId);
    }
    return count;
}
