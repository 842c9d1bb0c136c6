#pragma once

// The persistent base of every element placed on a calendar page. It owns the
// geometry, the border pen and the fill brush, the eight sizing handles, hit
// testing, moving and resizing, and cloning.

#include "document/Archive.h"
#include "objects/DC.h"
#include "objects/DrawView.h"
#include "objects/Types.h"

class CDrawDoc;

class CDrawObj : public CObject {
public:
    CDrawObj();
    explicit CDrawObj(const CRect& position);
    virtual ~CDrawObj();

    // The archive's class name ("CDrawRect" ...) of this object.
    const char* GetClassName() const override { return "CDrawObj"; }
    void Serialize(CArchive& ar) override;

    // The virtual operations in their slot order.
    virtual int HandleCount();
    virtual CPoint HandlePoint(int handle);
    virtual CursorShape HandleCursor(int handle);
    virtual void SetLineColor(COLORREF color);
    virtual void SetFillColor(COLORREF color);
    virtual COLORREF LineColor() const;
    virtual COLORREF FillColor() const;
    virtual void Draw(CDC* dc);
    virtual void DrawSelectionHandles(CDC* dc, int state);
    virtual void MoveTo(const CRect& position, CDrawView* view = nullptr);
    virtual int HitTest(CPoint point, CDrawView* view, bool selected);
    virtual bool Intersects(const CRect& rect);
    virtual void MoveHandleTo(int handle, CPoint point, CDrawView* view = nullptr);
    virtual void Open(CDrawView* view);
    virtual void EditProperties(CDrawView* view);
    virtual CDrawObj* Clone(CDrawDoc* doc = nullptr);
    virtual void Remove();
    virtual void CopyCalendarSettingsFrom(CDrawObj* object);

    CRect GetHandleRect(int handle, CDrawView* view);
    // Updates this object in every view of its document (hint 1).
    void Invalidate();
    // Marks the owning document modified, when there is one.
    void SetModified();
    // What every clone takes over: the border flag, the pen, the fill flag
    // and the brush.
    void CopyStyleTo(CDrawObj& clone) const;
    // Selects the object's own brush (or the null brush when it is not
    // filled) and pen (or the null pen without a border); the caller restores.
    void SelectPenAndBrush(CDC* dc, CPen& pen, CBrush& brush) const;

    CRect m_position;
    CDrawDoc* m_pDocument = nullptr;
    BOOL m_bDrawBorder = 1;
    LOGPEN m_logpen{PS_INSIDEFRAME, {1, 1}, RGB(0, 0, 0)};
    BOOL m_bFill = 1;
    LOGBRUSH m_logbrush{BS_SOLID, RGB(192, 192, 192), 0};
    int m_nBorderLineType = 0;
    int m_nBorderThickness = 1;
    BOOL m_bPreview = 0;
};
