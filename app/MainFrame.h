#pragma once

// The designer's main window: menus, toolbar and status bar made from the
// one command table, the document windows in an MDI area with the program's
// picture behind them, the recent-file list, the save prompts, and the
// routing of every command to the active document window and its pane.

#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtWidgets/QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <vector>

class CDesignDocument;
class CDrawDoc;
class CPageStrip;
class CSplitFrame;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;
class QProgressBar;
class QUndoGroup;

namespace ui {
class CDrawView;
}

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Action(const char* id) const;
    CPageStrip* PageStrip() const { return m_pStrip; }
    QMdiArea* MdiArea() const { return m_pMdi; }
    CSplitFrame* ActiveFrame() const;
    ui::CDrawView* ActiveView() const;
    CDesignDocument* ActiveDocument() const;
    std::vector<CDesignDocument*> Documents() const { return m_documents; }

    // A new document: the wizard runs unless "NoNewWizard" is 1 (or the
    // caller asks for an empty page).
    CDesignDocument* NewDocument(bool allowWizard = true);
    // Opens a document in a new window, or activates its window when it is
    // open already; a failure is shown, naming the file and the reason.
    CDesignDocument* OpenDocument(const QString& path);
    bool SaveDocument(CDesignDocument* design, bool askForName);
    // Closes every window; false when the user cancelled a save prompt.
    bool CloseAllDocuments();
    // The save prompt of a modified document: true when it may close.
    bool PromptToSave(CDesignDocument* design);
    CSplitFrame* NewWindow(CDesignDocument* design);
    // A document filled by fill (a recovery copy), kept modified, saving to path.
    CDesignDocument* RestoreDocument(const std::function<bool(CDrawDoc&)>& fill, const QString& path);

    QStringList RecentFiles() const { return m_recent; }
    void AddRecentFile(const QString& path);

    // Shows the status-bar progress of a long job.
    void BeginProgress(const QString& text, int low, int high);
    void SetProgress(int position);
    void EndProgress();

    void UpdateActions();
    // The window placement, the bar layout and the count of runs.
    void SaveState();

signals:
    // A document's last window closed; the document goes next.
    void DocumentClosing(CDesignDocument* design);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Calendar documents dropped from a file manager open.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbar();
    void CreateStatusBar();
    void CreatePageStrip();
    void Connect(const char* id, std::function<void()> handler);
    void OnViewCommand(std::function<void(ui::CDrawView*)> command);
    void UpdateRecentMenu();
    void UpdateWindowMenu();
    void DocumentClosed(CDesignDocument* design);
    void OnFrameActivated();
    void RestoreState();

    QMdiArea* m_pMdi = nullptr;
    std::map<std::string, QAction*> m_actions;
    QActionGroup* m_pTools = nullptr;
    QUndoGroup* m_pUndoGroup = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    QMenu* m_pWindowMenu = nullptr;
    std::vector<QAction*> m_windowActions;
    QToolBar* m_pToolbar = nullptr;
    CPageStrip* m_pStrip = nullptr;
    QLabel* m_pZoomLabel = nullptr;
    QLabel* m_pPositionLabel = nullptr;
    QLabel* m_pPageLabel = nullptr;
    class CProgressStatusBar* m_pStatus = nullptr;
    std::vector<CDesignDocument*> m_documents;
    QStringList m_recent;
    // Held as a widget: while a frame is destroyed its window outlives the
    // frame, and the closing of its document still asks for the active frame.
    QPointer<QWidget> m_pLastFrame;
    CSplitFrame* LastFrame() const;
    int m_nPerformance = 0;
    bool m_bDestroying = false;
};
