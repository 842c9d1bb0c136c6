#pragma once

// The designer's start-up: settings, the program folder, the main frame, the
// documents named on the command line (or a new one), the offer to restore
// documents a crash left behind, and the tip of the day.

#include <QtCore/QObject>
#include <QtCore/QStringList>

#include <QtCore/QHash>

#include <memory>

class CDesignDocument;
class CMainFrame;
class CRecoveryStore;
class QTimer;

class CMondrelApp : public QObject {
    Q_OBJECT
public:
    CMondrelApp();
    ~CMondrelApp() override;

    // Starts the designer with the documents to open (absolute paths,
    // resolved before the current folder changes). False when start-up
    // failed.
    bool InitInstance(const QStringList& documents, bool showWindow = true);
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

    // The program's folder, with a trailing separator; it becomes the
    // current folder at start-up.
    static QString AppDir();

    // Writes recovery copies of every modified document now (the timer
    // does it every "RecoveryInterval" seconds, two minutes by default).
    void SaveRecoveryCopies();
    // Offers the copies a crash left behind; the number restored.
    int OfferRecovery();
    CRecoveryStore* Recovery() const { return m_pRecovery.get(); }

private:
    void DocumentClosed(CDesignDocument* design);

    std::unique_ptr<CRecoveryStore> m_pRecovery;
    std::unique_ptr<CMainFrame> m_pFrame;
    QTimer* m_pRecoveryTimer = nullptr;
    QHash<CDesignDocument*, QString> m_recoveryIds;
};

// Resolves the command line's document paths against the folder the
// program was started in.
QStringList ResolveDocumentArguments(const QStringList& args, const QString& startFolder);
