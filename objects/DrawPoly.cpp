#include "objects/DrawPoly.h"

#include "document/Archive.h"
#include "document/DrawDoc.h"

#include <algorithm>

CDrawPoly::CDrawPoly() = default;

CDrawPoly::CDrawPoly(const CRect& position) : CDrawObj(position)
{
    m_bDrawBorder = 1;
    m_bFill = 0;
}

CDrawPoly::~CDrawPoly() = default;

void CDrawPoly::Serialize(CArchive& ar)
{
    CDrawObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteWord(static_cast<WORD>(m_nPointCount));
        ar.WriteWord(static_cast<WORD>(std::min(m_nPointCapacity, static_cast<int>(kMaxPoints))));
        for (int i = 0; i < m_nPointCount; ++i) ar.WritePoint(m_pPoints[i]);
    } else {
        const int count = ar.ReadWord();
        const int capacity = ar.ReadWord();
        if (capacity < count)
            throw CArchiveException(CArchiveException::genericError, 
                                    CMessage(MESSAGE_TEXT("CMessage", "A shape holds more points than its room")));
        ar.Require(static_cast<std::size_t>(count) * 8);
        m_pPoints.reset(capacity ? new CPoint[capacity] : nullptr);
        m_nPointCapacity = capacity;
        m_nPointCount = 0;
        for (int i = 0; i < count; ++i) m_pPoints[i] = ar.ReadPoint();
        m_nPointCount = count;
    }
}

int CDrawPoly::HandleCount()
{
    return m_nPointCount;
}

CPoint CDrawPoly::HandlePoint(int handle)
{
    if (handle >= 1 && handle <= m_nPointCount) return m_pPoints[handle - 1];
    return CDrawObj::HandlePoint(handle);
}

CursorShape CDrawPoly::HandleCursor(int handle)
{
    (void)handle;
    return CursorShape::Arrow;
}

void CDrawPoly::DrawPoints(CDC* dc)
{
    dc->Polygon(m_pPoints.get(), m_nPointCount);
}

void CDrawPolyL::DrawPoints(CDC* dc)
{
    dc->Polyline(m_pPoints.get(), m_nPointCount);
}

void CDrawPoly::Draw(CDC* dc)
{
    CBrush brush;
    CPen pen;
    if (!brush.CreateBrushIndirect(&m_logbrush) || !pen.CreatePenIndirect(&m_logpen)) return;
    CBrush* oldBrush = dc->GetCurrentBrush();
    CPen* oldPen = dc->GetCurrentPen();
    SelectPenAndBrush(dc, pen, brush);
    if (m_nPointCount > 0) DrawPoints(dc);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void CDrawPoly::InvalidateIn(CDrawView* view)
{
    if (view)
        view->InvalObj(this);
    else
        Invalidate();
}

void CDrawPoly::AppendPoint(CPoint point, CDrawView* view)
{
    if (m_nPointCount >= kMaxPoints) return;  // the record could not hold more
    if (m_nPointCount == m_nPointCapacity) {
        auto grown = std::make_unique<CPoint[]>(m_nPointCapacity + 10);
        std::copy(m_pPoints.get(), m_pPoints.get() + m_nPointCount, grown.get());
        m_pPoints = std::move(grown);
        m_nPointCapacity += 10;
    }
    if (m_nPointCount > 0 && m_pPoints[m_nPointCount - 1] == point) return;
    m_pPoints[m_nPointCount++] = point;
    if (!UpdateBounds(view)) InvalidateIn(view);
    SetModified();
}

bool CDrawPoly::UpdateBounds(CDrawView* view)
{
    if (m_nPointCount == 0) return false;
    CRect bounds(m_pPoints[0], m_pPoints[0]);
    for (int i = 1; i < m_nPointCount; ++i) {
        const CPoint& p = m_pPoints[i];
        bounds.left = std::min(bounds.left, p.x);
        bounds.right = std::max(bounds.right, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    if (bounds == m_position) return false;
    InvalidateIn(view);
    m_position = bounds;
    InvalidateIn(view);
    return true;
}

void CDrawPoly::MoveTo(const CRect& position, CDrawView* view)
{
    if (position == m_position) return;
    InvalidateIn(view);
    const int dx = position.left - m_position.left;
    const int dy = position.top - m_position.top;
    for (int i = 0; i < m_nPointCount; ++i) m_pPoints[i].Offset(dx, dy);
    m_position = position;
    InvalidateIn(view);
    SetModified();
}

void CDrawPoly::MoveHandleTo(int handle, CPoint point, CDrawView* view)
{
    if (handle < 1 || handle > m_nPointCount) return;
    if (m_pPoints[handle - 1] == point) return;
    m_pPoints[handle - 1] = point;
    UpdateBounds(view);
    InvalidateIn(view);
    SetModified();
}

bool CDrawPoly::Intersects(const CRect& rect)
{
    if (m_nPointCount == 0) return false;
    CRgn rgn;
    rgn.CreatePolygonRgn(m_pPoints.get(), m_nPointCount, ALTERNATE);
    return rgn.RectInRegion(rect.Normalized());
}

CDrawPoly* CDrawPoly::NewSameClass(const CRect& position) const
{
    return new CDrawPoly(position);
}

CDrawPoly* CDrawPolyL::NewSameClass(const CRect& position) const
{
    return new CDrawPolyL(position);
}

CDrawObj* CDrawPoly::Clone(CDrawDoc* doc)
{
    CDrawPoly* clone = NewSameClass(m_position);
    CopyStyleTo(*clone);
    if (m_nPointCapacity > 0) {
        clone->m_pPoints = std::make_unique<CPoint[]>(m_nPointCapacity);
        std::copy(m_pPoints.get(), m_pPoints.get() + m_nPointCount, clone->m_pPoints.get());
    }
    clone->m_nPointCapacity = m_nPointCapacity;
    clone->m_nPointCount = m_nPointCount;
    if (doc) doc->Add(clone);
    return clone;
}
