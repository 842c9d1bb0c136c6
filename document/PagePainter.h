#pragma once

// Paints a calendar page through the drawing surface: white, the background
// colour or one of the two gradients, the background picture (tiled,
// stretched or centred), the design grid and the objects. The same routine
// serves the screen, printing and picture export; the caller prepares the
// surface's mapping (page units, origin at the page centre, y up).

#include "objects/Types.h"

#include <list>
#include <vector>

class CDC;
class CDrawDoc;
class CDrawObj;

struct CPagePaintOptions {
    // Fill the clip box with white first (screen and printing).
    bool m_bWhite = true;
    // The design grid (screen only).
    bool m_bDesignGrid = false;
    COLORREF m_crGrid = 0x80AA64;
    int m_nGridType = 0;
    int m_nGridThickness = 1;
    // Selection handles are drawn for these objects while the view is active.
    bool m_bViewActive = false;
    const std::list<CDrawObj*>* m_pSelection = nullptr;
    // The screen shows the page on a desk: outside the page the clip box is
    // filled with the desk colour, and the background and the grid stay on
    // the page. Objects are drawn wherever they lie.
    bool m_bDesk = false;
    COLORREF m_crDesk = RGB(128, 128, 128);
    // Objects not drawn this time.
    const std::vector<CDrawObj*>* m_pSkip = nullptr;
};

class CPagePainter {
public:
    static void PaintPage(CDC* dc, CDrawDoc* doc, const CPagePaintOptions& options);

    // The background colour (or gradient) and picture of the document.
    static void PaintBackground(CDC* dc, const CDrawDoc& doc);
    static void PaintBackgroundImage(CDC* dc, const CDrawDoc& doc);

    // Strips of colour moving from c2 at the far edge to c1: across x from
    // the right edge leftwards (a remainder narrower than a strip is left at
    // the left edge), or along y from the upper edge downwards.
    static void FillLinearGradient(CDC* dc, const CRect& rect, COLORREF c1, COLORREF c2, bool acrossX);
    // c2 at the centre, c1 at the distance of the shorter half side and
    // beyond. The colours are computed into a picture that is drawn with one
    // surface call, at the surface's own resolution.
    static void FillRadialGradient(CDC* dc, const CRect& rect, COLORREF c1, COLORREF c2);
    // The colour of the radial gradient at (i, j) of a W x H rectangle.
    static COLORREF RadialColor(int i, int j, int width, int height, COLORREF c1, COLORREF c2);
    // The same at a point between page units (finer surfaces).
    static COLORREF RadialColorAt(double x, double y, int width, int height, COLORREF c1, COLORREF c2);
    // The colour of a linear strip at distance l from the far edge of a span.
    static COLORREF LinearColor(int l, int span, COLORREF c1, COLORREF c2);

    static void DrawDesignGrid(CDC* dc, const CDrawDoc& doc, const CPagePaintOptions& options);
};
