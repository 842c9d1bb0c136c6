#include "view/PageCommands.h"

#include <QtCore/QCoreApplication>

#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "objects/DrawObj.h"
#include "view/DesignDocument.h"

#include <QtGui/QUndoStack>

// --- CPageInsertCommand -------------------------------------------------------------

CPageInsertCommand::CPageInsertCommand(CDesignDocument* doc, const QString& name, int index,
                                       std::unique_ptr<CDrawPage> page)
    : CDocCommand(doc, name), m_nIndex(index), m_bRemove(false), m_pPage(std::move(page))
{
    m_bDone = false;
}

CPageInsertCommand::CPageInsertCommand(CDesignDocument* doc, const QString& name, int index)
    : CDocCommand(doc, name), m_nIndex(index), m_bRemove(true)
{
    m_bDone = false;
}

CPageInsertCommand::~CPageInsertCommand() = default;

void CPageInsertCommand::PutIn()
{
    if (!m_pPage) return;
    Doc()->InsertPage(m_nIndex, std::move(m_pPage));
    Doc()->SetCurrentPage(m_nIndex);
}

void CPageInsertCommand::TakeOut()
{
    if (m_pPage) return;
    // The views forget the page's objects as it becomes another page's
    // place; the page after it (or before it) is shown.
    Doc()->SetCurrentPage(m_nIndex);
    for (CDrawObj* obj : *Doc()->GetObjects()) m_pDesign->ForgetInSelections(obj);
    m_pPage = Doc()->TakePage(m_nIndex);
}

// The views and the page strip follow the pages by the document's page
// notices; the pages themselves are unchanged (their pictures stay good).
void CPageInsertCommand::undo()
{
    if (m_bRemove) {
        PutIn();
    } else {
        TakeOut();
        ShowItsPage();
    }
}

void CPageInsertCommand::redo()
{
    if (m_bRemove) TakeOut();
    else PutIn();
}

// --- CPageMoveCommand ---------------------------------------------------------------

CPageMoveCommand::CPageMoveCommand(CDesignDocument* doc, const QString& name, int from, int to)
    : CDocCommand(doc, name), m_nFrom(from), m_nTo(to)
{
    m_bDone = false;
}

void CPageMoveCommand::Move(int from, int to)
{
    Doc()->MovePage(from, to);
    Doc()->SetCurrentPage(to);
}

void CPageMoveCommand::undo()
{
    Move(m_nTo, m_nFrom);
}

void CPageMoveCommand::redo()
{
    Move(m_nFrom, m_nTo);
}

// --- Pages ----------------------------------------------------------------------------

std::unique_ptr<CDrawPage> NewPageLike(const CDrawPage& page)
{
    auto fresh = std::make_unique<CDrawPage>();
    fresh->m_crBackFrom = page.m_crBackFrom;
    fresh->m_crBackTo = page.m_crBackTo;
    fresh->m_nBackStyle = page.m_nBackStyle;
    fresh->m_nGradientDirection = page.m_nGradientDirection;
    fresh->m_bDrawBackImage = page.m_bDrawBackImage;
    fresh->m_nBackImagePlacement = page.m_nBackImagePlacement;
    fresh->m_bBackImageStretch = page.m_bBackImageStretch;
    fresh->m_strBackImagePath = page.m_strBackImagePath;
    fresh->m_strBackImageType = page.m_strBackImageType;
    fresh->RebuildBackImage();
    return fresh;
}

std::unique_ptr<CDrawPage> CopyOfPage(CDrawDoc& doc, CDrawPage& page)
{
    // The page's record with the embedded pictures in it, read back into a
    // new page: every object is a copy.
    CArchive out;
    out.m_pDocument = &doc;
    page.Serialize(out);
    auto copy = CDrawPage::MakeBlank();
    try {
        CArchive in(out.Buffer());
        in.m_pDocument = &doc;
        copy->Serialize(in);
    } catch (const CArchiveException&) {
        // The program's own record always reads back.
        return nullptr;
    }
    copy->RebuildBackImage();
    std::vector<BYTE> holidays;
    if (CHolidayStream::Write(page.m_listObjects, &holidays))
        CHolidayStream::Read(holidays, copy->m_listObjects, nullptr);
    return copy;
}

void NewPage(CDesignDocument* design)
{
    CDrawDoc* doc = design->Doc();
    if (doc->PageCount() >= CDrawDoc::kMaxPages) return;
    design->UndoStack()->push(new CPageInsertCommand(design, QCoreApplication::translate("PageCommands", "New Page"), doc->CurrentPage() + 1,
                                                     NewPageLike(*doc)));
}

void DuplicatePage(CDesignDocument* design)
{
    CDrawDoc* doc = design->Doc();
    if (doc->PageCount() >= CDrawDoc::kMaxPages) return;
    std::unique_ptr<CDrawPage> copy = CopyOfPage(*doc, *doc);
    if (!copy) return;
    design->UndoStack()->push(
        new CPageInsertCommand(design, QCoreApplication::translate("PageCommands", "Duplicate Page"), doc->CurrentPage() + 1, std::move(copy)));
}

void DeletePage(CDesignDocument* design)
{
    CDrawDoc* doc = design->Doc();
    if (doc->PageCount() <= 1) return;
    design->UndoStack()->push(new CPageInsertCommand(design, QCoreApplication::translate("PageCommands", "Delete Page"), doc->CurrentPage()));
}

void MovePageBy(CDesignDocument* design, int offset)
{
    CDrawDoc* doc = design->Doc();
    const int from = doc->CurrentPage();
    const int to = from + offset;
    if (to < 0 || to >= doc->PageCount() || to == from) return;
    design->UndoStack()->push(new CPageMoveCommand(
        design, offset < 0 ? QCoreApplication::translate("PageCommands", "Move Page Earlier") : QCoreApplication::translate("PageCommands", "Move Page Later"), from, to));
}

void GoToPage(CDesignDocument* design, int index)
{
    design->Doc()->SetCurrentPage(index);
}
