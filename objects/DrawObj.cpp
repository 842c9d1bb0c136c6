#include "objects/DrawObj.h"

#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "objects/ObjectProperties.h"

#include <algorithm>

CDrawObj::CDrawObj() = default;

CDrawObj::CDrawObj(const CRect& position) : m_position(position) {}

CDrawObj::~CDrawObj() = default;

void CDrawObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteRect(m_position);
        ar.WriteWord(static_cast<WORD>(m_bDrawBorder));
        ar.WriteDWord(m_logpen.lopnStyle);
        ar.WriteLong(m_logpen.lopnWidth.x);
        ar.WriteLong(m_logpen.lopnWidth.y);
        ar.WriteDWord(m_logpen.lopnColor);
        ar.WriteWord(static_cast<WORD>(m_bFill));
        ar.WriteDWord(m_logbrush.lbStyle);
        ar.WriteDWord(m_logbrush.lbColor);
        ar.WriteLong(m_logbrush.lbHatch);
        // Thickness comes before the line type in the record.
        ar.WriteDWord(static_cast<DWORD>(m_nBorderThickness));
        ar.WriteDWord(static_cast<DWORD>(m_nBorderLineType));
    } else {
        m_pDocument = ar.m_pDocument;
        m_position = ar.ReadRect();
        m_bDrawBorder = ar.ReadWord();
        m_logpen.lopnStyle = ar.ReadDWord();
        m_logpen.lopnWidth.x = ar.ReadLong();
        m_logpen.lopnWidth.y = ar.ReadLong();
        m_logpen.lopnColor = ar.ReadDWord();
        m_bFill = ar.ReadWord();
        m_logbrush.lbStyle = ar.ReadDWord();
        m_logbrush.lbColor = ar.ReadDWord();
        m_logbrush.lbHatch = ar.ReadLong();
        m_nBorderThickness = static_cast<int>(ar.ReadDWord());
        m_nBorderLineType = static_cast<int>(ar.ReadDWord());
    }
}

int CDrawObj::HandleCount()
{
    return 8;
}

CPoint CDrawObj::HandlePoint(int handle)
{
    const CRect& r = m_position;
    const int xc = r.left + (r.right - r.left) / 2;
    const int yc = r.top + (r.bottom - r.top) / 2;
    switch (handle) {
    case 2: return {xc, r.top};
    case 3: return {r.right, r.top};
    case 4: return {r.right, yc};
    case 5: return {r.right, r.bottom};
    case 6: return {xc, r.bottom};
    case 7: return {r.left, r.bottom};
    case 8: return {r.left, yc};
    default: return {r.left, r.top};
    }
}

CursorShape CDrawObj::HandleCursor(int handle)
{
    switch (handle) {
    case 2:
    case 6: return CursorShape::SizeNS;
    case 3:
    case 7: return CursorShape::SizeNESW;
    case 4:
    case 8: return CursorShape::SizeWE;
    default: return CursorShape::SizeNWSE;
    }
}

void CDrawObj::SetLineColor(COLORREF color)
{
    m_logpen.lopnColor = color;
    Invalidate();
    SetModified();
}

void CDrawObj::SetFillColor(COLORREF color)
{
    m_logbrush.lbColor = color;
    Invalidate();
    SetModified();
}

COLORREF CDrawObj::LineColor() const
{
    return m_logpen.lopnColor;
}

COLORREF CDrawObj::FillColor() const
{
    return m_logbrush.lbColor;
}

void CDrawObj::Draw(CDC* dc)
{
    (void)dc;
}

void CDrawObj::DrawSelectionHandles(CDC* dc, int state)
{
    if (state != 1 && state != 2) return;
    // A handle is seven device pixels square at any magnification, the same
    // size that hit testing gives it through the view.
    const int count = HandleCount();
    for (int n = 1; n <= count; ++n) {
        CPoint centre = HandlePoint(n);
        dc->LPtoDP(&centre);
        CPoint corners[2] = {{centre.x - 3, centre.y - 3}, {centre.x + 4, centre.y + 4}};
        dc->DPtoLP(corners, 2);
        const CRect r = CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y).Normalized();
        dc->PatBlt(r.left, r.top, std::max(1, r.Width()), std::max(1, r.Height()), DSTINVERT);
    }
}

void CDrawObj::MoveTo(const CRect& position, CDrawView* view)
{
    if (position == m_position) return;
    if (view) {
        view->InvalObj(this);
        m_position = position;
        view->InvalObj(this);
    } else {
        Invalidate();
        m_position = position;
        Invalidate();
    }
    SetModified();
}

CRect CDrawObj::GetHandleRect(int handle, CDrawView* view)
{
    CPoint p = HandlePoint(handle);
    if (!view) {
        // Without a view, page units stand in for window pixels; the page's
        // y axis points up, so the rectangle's top is the larger y.
        return {p.x - 3, p.y + 3, p.x + 3, p.y - 3};
    }
    view->DocToClient(p);
    CRect r(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
    view->ClientToDoc(r);
    return r;
}

int CDrawObj::HitTest(CPoint point, CDrawView* view, bool selected)
{
    if (selected && view) {
        // Handles are a few pixels wide at any magnification, so they are
        // tested in the view's pixels: in page units a handle shrinks below
        // one unit when the view zooms in.
        CPoint at = point;
        view->DocToClient(at);
        const int count = HandleCount();
        for (int n = 1; n <= count; ++n) {
            CPoint centre = HandlePoint(n);
            view->DocToClient(centre);
            if (at.x >= centre.x - 3 && at.x <= centre.x + 3 && at.y >= centre.y - 3 && at.y <= centre.y + 3) return n;
        }
        return 0;
    }
    if (selected) {
        const int count = HandleCount();
        for (int n = 1; n <= count; ++n) {
            const CRect r = GetHandleRect(n, view);
            if (point.x >= r.left && point.x < r.right && point.y <= r.top && point.y > r.bottom) return n;
        }
        return 0;
    }
    const CRect& r = m_position;
    if (point.x >= r.left && point.x < r.right && point.y <= r.top && point.y > r.bottom) return 1;
    return 0;
}

bool CDrawObj::Intersects(const CRect& rect)
{
    CRect meet;
    return meet.IntersectRect(m_position.Normalized(), rect.Normalized());
}

void CDrawObj::MoveHandleTo(int handle, CPoint point, CDrawView* view)
{
    CRect r = m_position;
    switch (handle) {
    case 2: r.top = point.y; break;
    case 3: r.top = point.y; r.right = point.x; break;
    case 4: r.right = point.x; break;
    case 5: r.right = point.x; r.bottom = point.y; break;
    case 6: r.bottom = point.y; break;
    case 7: r.left = point.x; r.bottom = point.y; break;
    case 8: r.left = point.x; break;
    default: r.left = point.x; r.top = point.y; break;
    }
    MoveTo(r, view);
}

void CDrawObj::Open(CDrawView* view)
{
    EditProperties(view);
}

void CDrawObj::EditProperties(CDrawView* view)
{
    CPropertiesUI* ui = GetPropertiesUI();
    if (!ui) return;
    CObjectProperties values = CObjectProperties::FromObject(*this);
    if (ui->EditGenericProperties(values, view)) values.ApplyTo(*this);
}

CDrawObj* CDrawObj::Clone(CDrawDoc* doc)
{
    auto* clone = new CDrawObj(m_position);
    CopyStyleTo(*clone);
    if (doc) doc->Add(clone);
    return clone;
}

void CDrawObj::CopyStyleTo(CDrawObj& clone) const
{
    clone.m_bDrawBorder = m_bDrawBorder;
    clone.m_logpen = m_logpen;
    clone.m_bFill = m_bFill;
    clone.m_logbrush = m_logbrush;
}

void CDrawObj::SelectPenAndBrush(CDC* dc, CPen& pen, CBrush& brush) const
{
    if (m_bFill)
        dc->SelectObject(&brush);
    else
        dc->SelectStockObject(NULL_BRUSH);
    if (m_bDrawBorder)
        dc->SelectObject(&pen);
    else
        dc->SelectStockObject(NULL_PEN);
}

void CDrawObj::Remove()
{
    delete this;
}

void CDrawObj::CopyCalendarSettingsFrom(CDrawObj* object)
{
    (void)object;
}

void CDrawObj::Invalidate()
{
    if (m_pDocument) m_pDocument->UpdateAllViews(nullptr, HINT_UPDATE_DRAWOBJ, this);
}

void CDrawObj::SetModified()
{
    if (m_pDocument) m_pDocument->SetModifiedFlag();
}
