#include "objects/DrawOleObj.h"

#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "objects/DrawItem.h"

bool CDrawOleObj::c_bShowObjects = false;

CDrawOleObj::CDrawOleObj() = default;

CDrawOleObj::CDrawOleObj(const CRect& position) : CDrawObj(position) {}

CDrawOleObj::~CDrawOleObj()
{
    delete m_pItem;
}

void CDrawOleObj::Serialize(CArchive& ar)
{
    CDrawObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteSize(m_sizeExtent);
        ar.WriteObject(m_pItem);
    } else {
        m_sizeExtent = ar.ReadSize();
        CDrawItem* item = ar.ReadObjectOf<CDrawItem>();
        // An item belongs to exactly one object: a reference back to an item
        // read before would give it two owners.
        if (item && !ar.LastReadWasNew())
            throw CArchiveException(CArchiveException::badIndex, 
                                    CMessage(MESSAGE_TEXT("CMessage", "An embedded item is shown twice")));
        delete m_pItem;
        m_pItem = item;
        if (m_pItem) {
            m_pItem->m_pOwnerObject = this;
            m_pItem->m_pDocument = ar.m_pDocument;
        }
    }
}

void CDrawOleObj::Draw(CDC* dc)
{
    if (!m_pItem) return;
    m_pItem->Draw(dc, m_position);
    if (c_bShowObjects && !dc->IsPrinting()) {
        // An embedded item gets a solid outline on screen.
        CPen outline(PS_SOLID, 1, RGB(0, 0, 0));
        CPen* oldPen = dc->SelectObject(&outline);
        CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
        dc->Rectangle(m_position);
        dc->SelectObject(oldBrush);
        dc->SelectObject(oldPen);
    }
}

void CDrawOleObj::MoveTo(const CRect& position, CDrawView* view)
{
    if (position == m_position) return;
    CDrawObj::MoveTo(position, view);
}

void CDrawOleObj::Open(CDrawView* view)
{
    // A static picture has no program to open it in; its border and fill
    // are what can be edited.
    CDrawObj::EditProperties(view);
}

void CDrawOleObj::EditItemProperties()
{
    // A static picture has no properties of its own beyond its object's.
}

CDrawObj* CDrawOleObj::Clone(CDrawDoc* doc)
{
    auto* clone = new CDrawOleObj(m_position);
    if (m_pItem) {
        clone->m_pItem = new CDrawItem(doc, clone);
        clone->m_pItem->CopyFrom(*m_pItem);
    }
    clone->m_sizeExtent = m_sizeExtent;
    CopyStyleTo(*clone);
    if (doc) doc->Add(clone);
    return clone;
}

void CDrawOleObj::Remove()
{
    delete this;
}
