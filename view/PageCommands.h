#pragma once

// The page commands of the designer, each one step of the document's
// history: a page put in ("New Page", "Duplicate Page"), taken out ("Delete
// Page") or moved ("Move Page Earlier", "Move Page Later"). A page taken out
// lives on in its step with its objects, so undoing the deletion brings
// back the very same page. After each step the page it concerns is shown.

#include "view/UndoCommands.h"

#include <memory>

class CDrawPage;

// A page put in at an index, or (remove) the page at the index taken out.
class CPageInsertCommand : public CDocCommand {
public:
    CPageInsertCommand(CDesignDocument* doc, const QString& name, int index, std::unique_ptr<CDrawPage> page);
    CPageInsertCommand(CDesignDocument* doc, const QString& name, int index);
    ~CPageInsertCommand() override;
    void undo() override;
    void redo() override;

private:
    void PutIn();
    void TakeOut();
    int m_nIndex;
    bool m_bRemove;
    // The page while it is out of the document.
    std::unique_ptr<CDrawPage> m_pPage;
};

// A page moved from one place in the order to another.
class CPageMoveCommand : public CDocCommand {
public:
    CPageMoveCommand(CDesignDocument* doc, const QString& name, int from, int to);
    void undo() override;
    void redo() override;

private:
    void Move(int from, int to);
    int m_nFrom;
    int m_nTo;
};

// A new page with the background of the current one and no objects.
std::unique_ptr<CDrawPage> NewPageLike(const CDrawPage& page);
// A copy of a page: its background and a copy of each object (embedded
// pictures and holidays with them).
std::unique_ptr<CDrawPage> CopyOfPage(CDrawDoc& doc, CDrawPage& page);

// The page commands on a document as the Page menu gives them; each pushes
// one step (nothing when it cannot apply, as "Delete Page" of the only
// page).
void NewPage(CDesignDocument* design);
void DuplicatePage(CDesignDocument* design);
void DeletePage(CDesignDocument* design);
void MovePageBy(CDesignDocument* design, int offset);
// Shows another page (not a change of the document, so not a step).
void GoToPage(CDesignDocument* design, int index);
