#pragma once

// Closed polygons (CDrawPoly) and open polylines (CDrawPolyL) drawn point by
// point. Their rectangle is kept as the bounding box of the points.

#include "objects/DrawObj.h"

#include <memory>

class CDrawPoly : public CDrawObj {
public:
    CDrawPoly();  // for loading: no points
    explicit CDrawPoly(const CRect& position);
    ~CDrawPoly() override;

    const char* GetClassName() const override { return "CDrawPoly"; }
    void Serialize(CArchive& ar) override;
    int HandleCount() override;
    CPoint HandlePoint(int handle) override;
    CursorShape HandleCursor(int handle) override;
    void Draw(CDC* dc) override;
    void MoveTo(const CRect& position, CDrawView* view = nullptr) override;
    bool Intersects(const CRect& rect) override;
    void MoveHandleTo(int handle, CPoint point, CDrawView* view = nullptr) override;
    CDrawObj* Clone(CDrawDoc* doc = nullptr) override;

    void AppendPoint(CPoint point, CDrawView* view = nullptr);
    // Sets the rectangle to the points' bounding box; true when it changed.
    bool UpdateBounds(CDrawView* view);

    // The record stores counts as 16-bit words, so a shape holds at most
    // this many points.
    static constexpr int kMaxPoints = 0xFFFF;

    int m_nPointCount = 0;
    int m_nPointCapacity = 0;
    std::unique_ptr<CPoint[]> m_pPoints;

protected:
    // A new empty object of the same class, for Clone.
    virtual CDrawPoly* NewSameClass(const CRect& position) const;
    virtual void DrawPoints(CDC* dc);
    void InvalidateIn(CDrawView* view);
};

class CDrawPolyL : public CDrawPoly {
public:
    CDrawPolyL() = default;
    explicit CDrawPolyL(const CRect& position) : CDrawPoly(position) {}

    const char* GetClassName() const override { return "CDrawPolyL"; }

protected:
    CDrawPoly* NewSameClass(const CRect& position) const override;
    void DrawPoints(CDC* dc) override;
};
