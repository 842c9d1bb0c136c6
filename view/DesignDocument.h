#pragma once

// A calendar document as the designer holds it: the core document, the file
// it came from, its undo history shared by all its views, and the list of
// views that show it. The history is the truth about "modified": the
// document is modified exactly when the history is away from the state
// last saved or opened.

#include <QtCore/QObject>
#include <QtCore/QString>

#include <memory>
#include <vector>

class CDrawDoc;
class CDrawObj;
class QUndoStack;

namespace ui {
class CDrawView;
}

class CDesignDocument : public QObject {
    Q_OBJECT
public:
    explicit CDesignDocument(QObject* parent = nullptr);
    ~CDesignDocument() override;

    CDrawDoc* Doc() const { return m_pDoc.get(); }
    QUndoStack* UndoStack() const { return m_pUndo; }

    // The document's file, empty while untitled.
    QString FilePath() const { return m_strPath; }
    void SetFilePath(const QString& path);
    // "calendar.mdr", or "Calendar1" for the first untitled document.
    QString DisplayName() const;
    bool IsModified() const;
    // Marks a change that is not in the history (it cannot be undone).
    void SetModified();

    // Opening is all or nothing; error says why in plain words.
    bool Open(const QString& path, QString* error);
    bool Save(const QString& path, QString* error);

    // The views showing the document, for the history to keep their
    // selections right when it puts objects back.
    void AddView(ui::CDrawView* view);
    void RemoveView(ui::CDrawView* view);
    const std::vector<ui::CDrawView*>& Views() const { return m_views; }
    // The view worked in last: its page is the document's current page,
    // and the page commands, undo and redo show their page in it.
    ui::CDrawView* ActiveView() const;
    void SetActiveView(ui::CDrawView* view);
    // Takes an object out of every view's selection.
    void ForgetInSelections(CDrawObj* object);

    // The recovery file's key while the document lives.
    int RecoveryId() const { return m_nRecoveryId; }

    // The document behind a core document, when the designer holds it.
    static CDesignDocument* From(const CDrawDoc* doc);

signals:
    void ModifiedChanged(bool modified);
    void TitleChanged();

private:
    void SyncModified();

    std::unique_ptr<CDrawDoc> m_pDoc;
    QUndoStack* m_pUndo = nullptr;
    QString m_strPath;
    int m_nUntitled = 0;
    int m_nRecoveryId = 0;
    bool m_bUnrecordedChange = false;
    std::vector<ui::CDrawView*> m_views;
    ui::CDrawView* m_pActiveView = nullptr;
};
