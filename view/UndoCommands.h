#pragma once

// The steps of a document's undo history. Every change of a page is one of
// these: objects rewritten (moves, sizes, arranging, property sheets, the
// background), objects added or taken away (drawing, pasting, dropping,
// deleting), an object moved in the drawing order, or the whole list
// replaced (the New Calendar Wizard). A rewritten object keeps its archived
// record before and after; restoring reads the record back into the same
// object (its identity never changes, so any step, view or selection may
// keep pointing at it) and keeps the picture it holds, so a photo is never
// decoded again. Objects taken out of the page stay alive in
// the step that took them, so putting them back costs nothing.

#include "app/DocChange.h"
#include "objects/Types.h"

#include <QtGui/QUndoCommand>

#include <list>
#include <memory>
#include <string>
#include <vector>

class CDesignDocument;
class CDrawDoc;
class CDrawObj;
class CPictureHolder;

using CObjectRecord = std::shared_ptr<const std::vector<BYTE>>;

// The archived record of one object (embedded pictures left out of it).
CObjectRecord ArchiveObjectRecord(CDrawObj* object);
// The position of an object in the document's list, or -1.
int IndexOfObject(const CDrawDoc& doc, const CDrawObj* object);
CDrawObj* ObjectAt(const CDrawDoc& doc, int index);

// The page background fields, and its decoded picture when the step holds it.
struct CBackgroundState {
    int m_nBackStyle = 0;
    int m_nGradientDirection = 0;
    COLORREF m_crBackFrom = 0;
    COLORREF m_crBackTo = 0;
    BOOL m_bDrawBackImage = 0;
    int m_nBackImagePlacement = 0;
    BOOL m_bBackImageStretch = 0;
    std::string m_strBackImagePath;
    std::string m_strBackImageType;

    static CBackgroundState Of(const CDrawDoc& doc);
    bool operator==(const CBackgroundState& other) const;
};

class CDocCommand : public QUndoCommand {
public:
    CDocCommand(CDesignDocument* doc, const QString& name);

protected:
    CDrawDoc* Doc() const;
    // After a step the views repaint and the document is modified.
    void Changed();
    // Makes the page the step was made on current again, so that undo and
    // redo change what the user sees (and the objects' places in the list
    // are those of that page).
    void ShowItsPage();
    CDesignDocument* m_pDesign;
    int m_nPage = 0;
    // The change was made before the step was recorded: its first redo,
    // which QUndoStack::push runs, has nothing to do.
    bool m_bDone = true;
};

// Objects rewritten in place, and optionally the background.
class CModifyCommand : public CDocCommand {
public:
    // Records the objects' state now; call Finish once the change is made.
    CModifyCommand(CDesignDocument* doc, const QString& name, const std::vector<CDrawObj*>& objects,
                   bool background = false);
    ~CModifyCommand() override;
    // Records the state after the change; false when nothing changed (then
    // the step is not worth keeping).
    bool Finish();
    void undo() override;
    void redo() override;
    int id() const override { return m_nMergeId; }
    bool mergeWith(const QUndoCommand* other) override;
    // Successive steps with the same id on the same objects become one (the
    // presses of a held arrow key).
    void SetMergeId(int id) { m_nMergeId = id; }

private:
    struct Entry {
        int index;
        CObjectRecord before;
        CObjectRecord after;
    };
    void Apply(bool after);
    std::vector<Entry> m_entries;
    bool m_bBackground = false;
    CBackgroundState m_backBefore;
    CBackgroundState m_backAfter;
    // The decoded background picture of the state that is not showing.
    std::unique_ptr<CPictureHolder> m_pOtherBackImage;
    int m_nMergeId = -1;
};

// Objects added to the page (or, for a removal, taken off it). The step
// owns the objects while they are off the page.
class CInsertCommand : public CDocCommand {
public:
    // The objects are in the document already (added), or about to be taken
    // out of it by redo (remove).
    CInsertCommand(CDesignDocument* doc, const QString& name, const std::vector<CDrawObj*>& objects, bool remove);
    ~CInsertCommand() override;
    void undo() override;
    void redo() override;

private:
    void PutBack();
    void TakeOut();
    struct Entry {
        int index;
        CDrawObj* object;
    };
    std::vector<Entry> m_entries;  // by ascending index
    bool m_bRemove;
    bool m_bOwned = false;         // the objects are off the page
};

// One object moved from one place in the drawing order to another.
class CReorderCommand : public CDocCommand {
public:
    CReorderCommand(CDesignDocument* doc, const QString& name, int from, int to);
    void undo() override;
    void redo() override;

private:
    void Move(int from, int to);
    int m_nFrom;
    int m_nTo;
};

// The whole object list and the background replaced (the wizard's design).
class CListCommand : public CDocCommand {
public:
    CListCommand(CDesignDocument* doc, const QString& name);
    ~CListCommand() override;
    void Finish();
    void undo() override;
    void redo() override;

private:
    void Show(bool after);
    std::list<CDrawObj*> m_before;
    std::list<CDrawObj*> m_after;
    CBackgroundState m_backBefore;
    CBackgroundState m_backAfter;
    std::unique_ptr<CPictureHolder> m_pOtherBackImage;
    bool m_bShowingAfter = true;
};

// The designer's answer to the sheets' and the wizard's changes: each one
// becomes one step of the document's history.
class CHistorySink : public CChangeSink {
public:
    void Commit(CDrawDoc* doc, const CDocChange& change, const std::function<void()>& apply) override;
    // Installs this sink for every document the designer holds.
    static void Install();
};
