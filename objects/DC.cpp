// The state and coordinate handling of the drawing surface. Everything here
// works in logical units and hands device pixels to the backend.

#include "objects/DC.h"

#include "objects/GdiDib.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

struct CDC::State {
    CPen* pen = nullptr;
    CBrush* brush = nullptr;
    CFont* font = nullptr;
    CBitmap* bitmap = nullptr;
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    UINT textAlign = TA_LEFT | TA_TOP;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    int mapMode = MM_TEXT;
    CPoint windowOrg;
    CSize windowExt{1, 1};
    CPoint viewportOrg;
    CSize viewportExt{1, 1};
    bool hasClip = false;
    CRect clip;  // device pixels
    CPoint position;  // logical
    CPoint brushOrg;  // device pixels
};

namespace {

// The library's stock objects, shared by every surface.
struct StockObjects {
    CBrush white{RGB(255, 255, 255)};
    CBrush ltgray{RGB(192, 192, 192)};
    CBrush gray{RGB(128, 128, 128)};
    CBrush dkgray{RGB(64, 64, 64)};
    CBrush black{RGB(0, 0, 0)};
    CBrush null;
    CPen whitePen{PS_SOLID, 0, RGB(255, 255, 255)};
    CPen blackPen{PS_SOLID, 0, RGB(0, 0, 0)};
    CPen nullPen{PS_NULL, 0, 0};
    CFont systemFont;
    CFont guiFont;
    // What a memory surface holds before a bitmap is selected, and what
    // selecting back the first SelectObject answer restores.
    CBitmap noBitmap;
    StockObjects()
    {
        noBitmap.CreateBitmap(1, 1, 1, 1, nullptr);
        LOGBRUSH lb{BS_NULL, 0, 0};
        null.CreateBrushIndirect(&lb);
        systemFont.CreateFont(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "");
        guiFont.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "");
    }
};

StockObjects& Stock()
{
    static StockObjects stock;
    return stock;
}

// Rounds to the nearest integer, halves upwards, the same on both sides of
// zero so that a shape keeps its size wherever it is placed.
int RoundHalfUp(double v)
{
    double r = std::floor(v + 0.5);
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

bool IsDashed(UINT style)
{
    return style == PS_DASH || style == PS_DOT || style == PS_DASHDOT || style == PS_DASHDOTDOT;
}

// Raster operations that read no source pixels.
bool IsPatternRop(DWORD rop)
{
    return rop == PATCOPY || rop == PATINVERT || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS;
}

// Positions and sizes of picture transfers stay far inside the int range,
// so that sums of a position and a size cannot overflow.
bool SaneBlitArgs(std::initializer_list<int> values)
{
    constexpr int kLimit = 1 << 28;
    for (int v : values)
        if (v > kLimit || v < -kLimit) return false;
    return true;
}

std::uint32_t ToArgb(COLORREF c)
{
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

}  // namespace

CDC::CDC() : m_state(std::make_unique<State>())
{
    StockObjects& s = Stock();
    m_state->pen = &s.blackPen;
    m_state->brush = &s.white;
    m_state->font = &s.systemFont;
}

CDC::~CDC() = default;

// --- Selections ------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen) return nullptr;
    CPen* old = m_state->pen;
    m_state->pen = pen;
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush) return nullptr;
    CBrush* old = m_state->brush;
    m_state->brush = brush;
    return old;
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font) return nullptr;
    CFont* old = m_state->font;
    m_state->font = font;
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!bitmap) return nullptr;
    // The first selection answers with the stock bitmap, so that the usual
    // "select, draw, select the old one back" also deselects the caller's
    // bitmap before it is destroyed.
    CBitmap* stock = &Stock().noBitmap;
    CBitmap* old = m_state->bitmap ? m_state->bitmap : stock;
    CBitmap* next = bitmap == stock ? nullptr : bitmap;
    if (m_state->bitmap != next) {
        m_state->bitmap = next;
        DevBitmapSelected(next);
    }
    return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    if (!object) return nullptr;
    switch (object->GetType()) {
    case CGdiObject::Type::Pen: return SelectObject(static_cast<CPen*>(object));
    case CGdiObject::Type::Brush: return SelectObject(static_cast<CBrush*>(object));
    case CGdiObject::Type::Font: return SelectObject(static_cast<CFont*>(object));
    case CGdiObject::Type::Bitmap: return SelectObject(static_cast<CBitmap*>(object));
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    StockObjects& s = Stock();
    switch (index) {
    case WHITE_BRUSH: return SelectObject(&s.white);
    case 1: return SelectObject(&s.ltgray);
    case 2: return SelectObject(&s.gray);
    case 3: return SelectObject(&s.dkgray);
    case BLACK_BRUSH: return SelectObject(&s.black);
    case NULL_BRUSH: return SelectObject(&s.null);
    case WHITE_PEN: return SelectObject(&s.whitePen);
    case BLACK_PEN: return SelectObject(&s.blackPen);
    case NULL_PEN: return SelectObject(&s.nullPen);
    case SYSTEM_FONT: return SelectObject(&s.systemFont);
    case DEFAULT_GUI_FONT: return SelectObject(&s.guiFont);
    default: return nullptr;
    }
}

CPen* CDC::GetCurrentPen() const { return m_state->pen; }
CBrush* CDC::GetCurrentBrush() const { return m_state->brush; }
CFont* CDC::GetCurrentFont() const { return m_state->font; }
CBitmap* CDC::GetCurrentBitmap() const { return m_state->bitmap; }

// --- Attributes ------------------------------------------------------------------

int CDC::SetBkMode(int mode)
{
    int old = m_state->bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE) m_state->bkMode = mode;
    else return 0;
    return old;
}

int CDC::GetBkMode() const { return m_state->bkMode; }

COLORREF CDC::SetBkColor(COLORREF color)
{
    COLORREF old = m_state->bkColor;
    m_state->bkColor = color & 0x00FFFFFF;
    return old;
}

COLORREF CDC::GetBkColor() const { return m_state->bkColor; }

COLORREF CDC::SetTextColor(COLORREF color)
{
    COLORREF old = m_state->textColor;
    m_state->textColor = color & 0x00FFFFFF;
    return old;
}

COLORREF CDC::GetTextColor() const { return m_state->textColor; }

UINT CDC::SetTextAlign(UINT flags)
{
    UINT old = m_state->textAlign;
    m_state->textAlign = flags;
    return old;
}

UINT CDC::GetTextAlign() const { return m_state->textAlign; }

int CDC::SetStretchBltMode(int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int old = m_state->stretchMode;
    m_state->stretchMode = mode;
    return old;
}

int CDC::GetStretchBltMode() const { return m_state->stretchMode; }

CPoint CDC::SetBrushOrg(int x, int y)
{
    CPoint old = m_state->brushOrg;
    m_state->brushOrg = CPoint(x, y);
    return old;
}

CPoint CDC::GetBrushOrg() const { return m_state->brushOrg; }

int CDC::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING) return 0;
    int old = m_state->polyFillMode;
    m_state->polyFillMode = mode;
    DevPolyFillMode(mode);
    return old;
}

int CDC::GetPolyFillMode() const { return m_state->polyFillMode; }

// --- Saved states ----------------------------------------------------------------

int CDC::SaveDC()
{
    m_saved.push_back(*m_state);
    return static_cast<int>(m_saved.size());
}

bool CDC::RestoreDC(int savedDC)
{
    const int depth = static_cast<int>(m_saved.size());
    const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
    if (level < 1 || level > depth) return false;
    const CBitmap* previousBitmap = m_state->bitmap;
    *m_state = m_saved[level - 1];
    m_saved.resize(level - 1);
    ApplyState(previousBitmap);
    return true;
}

void CDC::ApplyState(const CBitmap* previousBitmap)
{
    if (m_state->bitmap != previousBitmap) DevBitmapSelected(m_state->bitmap);
    DevSetClip(m_state->hasClip ? &m_state->clip : nullptr);
    DevPolyFillMode(m_state->polyFillMode);
}

// --- Clipping --------------------------------------------------------------------

CRect CDC::DevBounds() const
{
    return CRect(0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
}

CRect CDC::DevVisible() const
{
    CRect bounds = DevBounds();
    if (!m_state->hasClip) return bounds;
    CRect visible;
    visible.IntersectRect(bounds, m_state->clip);
    return visible;
}

const CRect* CDC::DevClip() const
{
    return m_state->hasClip ? &m_state->clip : nullptr;
}

int CDC::IntersectClipRect(int l, int t, int r, int b)
{
    CRect dev = ToDeviceRect(l, t, r, b);
    CRect current = m_state->hasClip ? m_state->clip : DevBounds();
    CRect result;
    result.IntersectRect(current, dev);
    m_state->hasClip = true;
    m_state->clip = result;
    DevSetClip(&m_state->clip);
    return result.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(const CRect& rect)
{
    return IntersectClipRect(rect.left, rect.top, rect.right, rect.bottom);
}

int CDC::GetClipBox(CRect* rect) const
{
    CRect dev = m_state->hasClip ? m_state->clip : DevBounds();
    if (rect) {
        *rect = dev;
        DPtoLP(rect);
    }
    if (m_state->hasClip && dev.IsRectEmpty()) return NULLREGION;
    return SIMPLEREGION;
}

// --- Mapping ---------------------------------------------------------------------

int CDC::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    const int old = m_state->mapMode;
    m_state->mapMode = mode;
    const int dpiX = std::max(1, GetDeviceCaps(LOGPIXELSX));
    const int dpiY = std::max(1, GetDeviceCaps(LOGPIXELSY));
    // Fixed modes: so many logical units per inch, y growing upwards.
    int perInch = 0;
    switch (mode) {
    case MM_TEXT:
        m_state->windowExt = CSize(1, 1);
        m_state->viewportExt = CSize(1, 1);
        break;
    case MM_LOMETRIC: perInch = 254; break;
    case MM_HIMETRIC: perInch = 2540; break;
    case MM_LOENGLISH: perInch = 100; break;
    case MM_HIENGLISH: perInch = 1000; break;
    case MM_TWIPS: perInch = 1440; break;
    case MM_ISOTROPIC:
        // Keeps the extents of the previous mode, made equal in scale.
        AdjustIsotropic();
        break;
    default:
        break;
    }
    if (perInch) {
        m_state->windowExt = CSize(perInch, perInch);
        m_state->viewportExt = CSize(dpiX, -dpiY);
    }
    return old;
}

int CDC::GetMapMode() const { return m_state->mapMode; }

CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint old = m_state->windowOrg;
    m_state->windowOrg = CPoint(x, y);
    return old;
}

CPoint CDC::GetWindowOrg() const { return m_state->windowOrg; }

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    CPoint old = m_state->windowOrg;
    m_state->windowOrg.Offset(dx, dy);
    return old;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    CSize old = m_state->windowExt;
    if (m_state->mapMode != MM_ISOTROPIC && m_state->mapMode != MM_ANISOTROPIC) return old;
    if (cx == 0 || cy == 0) return CSize();
    m_state->windowExt = CSize(cx, cy);
    if (m_state->mapMode == MM_ISOTROPIC) AdjustIsotropic();
    return old;
}

CSize CDC::GetWindowExt() const { return m_state->windowExt; }

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint old = m_state->viewportOrg;
    m_state->viewportOrg = CPoint(x, y);
    return old;
}

CPoint CDC::GetViewportOrg() const { return m_state->viewportOrg; }

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    CPoint old = m_state->viewportOrg;
    m_state->viewportOrg.Offset(dx, dy);
    return old;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    CSize old = m_state->viewportExt;
    if (m_state->mapMode != MM_ISOTROPIC && m_state->mapMode != MM_ANISOTROPIC) return old;
    if (cx == 0 || cy == 0) return CSize();
    m_state->viewportExt = CSize(cx, cy);
    if (m_state->mapMode == MM_ISOTROPIC) AdjustIsotropic();
    return old;
}

CSize CDC::GetViewportExt() const { return m_state->viewportExt; }

void CDC::AdjustIsotropic()
{
    // One logical unit must cover the same physical length on both axes:
    // the axis with the larger scale is shrunk to the other's, keeping its
    // direction.
    State& s = *m_state;
    const double dpiX = std::max(1, GetDeviceCaps(LOGPIXELSX));
    const double dpiY = std::max(1, GetDeviceCaps(LOGPIXELSY));
    const double sx = std::abs(double(s.viewportExt.cx) / s.windowExt.cx) / dpiX;
    const double sy = std::abs(double(s.viewportExt.cy) / s.windowExt.cy) / dpiY;
    if (sx == sy) return;
    if (sx < sy) {
        const int cy = std::max(1, RoundHalfUp(sx * dpiY * std::abs(s.windowExt.cy)));
        s.viewportExt.cy = s.viewportExt.cy < 0 ? -cy : cy;
    } else {
        const int cx = std::max(1, RoundHalfUp(sy * dpiX * std::abs(s.windowExt.cx)));
        s.viewportExt.cx = s.viewportExt.cx < 0 ? -cx : cx;
    }
}

double CDC::ScaleX() const
{
    return double(m_state->viewportExt.cx) / m_state->windowExt.cx;
}

double CDC::ScaleY() const
{
    return double(m_state->viewportExt.cy) / m_state->windowExt.cy;
}

CPoint CDC::ToDevice(int x, int y) const
{
    const State& s = *m_state;
    return CPoint(RoundHalfUp((double(x) - s.windowOrg.x) * ScaleX() + s.viewportOrg.x),
                  RoundHalfUp((double(y) - s.windowOrg.y) * ScaleY() + s.viewportOrg.y));
}

CRect CDC::ToDeviceRect(int l, int t, int r, int b) const
{
    return CRect(ToDevice(l, t), ToDevice(r, b)).Normalized();
}

void CDC::LPtoDP(CPoint* points, int count) const
{
    if (!points) return;
    for (int i = 0; i < count; ++i) points[i] = ToDevice(points[i].x, points[i].y);
}

void CDC::LPtoDP(CRect* rect) const
{
    if (!rect) return;
    *rect = CRect(ToDevice(rect->left, rect->top), ToDevice(rect->right, rect->bottom));
}

void CDC::LPtoDP(CSize* size) const
{
    if (!size) return;
    size->cx = RoundHalfUp(size->cx * ScaleX());
    size->cy = RoundHalfUp(size->cy * ScaleY());
}

void CDC::DPtoLP(CPoint* points, int count) const
{
    if (!points) return;
    const State& s = *m_state;
    for (int i = 0; i < count; ++i) {
        points[i] = CPoint(RoundHalfUp((double(points[i].x) - s.viewportOrg.x) / ScaleX() + s.windowOrg.x),
                           RoundHalfUp((double(points[i].y) - s.viewportOrg.y) / ScaleY() + s.windowOrg.y));
    }
}

void CDC::DPtoLP(CRect* rect) const
{
    if (!rect) return;
    CPoint pts[2] = {rect->TopLeft(), rect->BottomRight()};
    DPtoLP(pts, 2);
    *rect = CRect(pts[0], pts[1]);
}

void CDC::DPtoLP(CSize* size) const
{
    if (!size) return;
    size->cx = RoundHalfUp(size->cx / ScaleX());
    size->cy = RoundHalfUp(size->cy / ScaleY());
}

// --- Resolving pens, brushes and fonts ------------------------------------------

CDC::DevPen CDC::ResolvePen(bool* none) const
{
    DevPen pen;
    const CPen* p = m_state->pen;
    *none = !p || !p->IsCreated() || p->m_logpen.lopnStyle == PS_NULL;
    if (*none) return pen;
    const int width = p->m_logpen.lopnWidth.x;
    pen.color = p->m_logpen.lopnColor;
    pen.style = p->m_logpen.lopnStyle;
    if (IsDashed(pen.style)) {
        // Dashed pens exist only one pixel wide; a wider one draws solid.
        if (width <= 1) {
            pen.width = 1;
            pen.opaqueGaps = m_state->bkMode == OPAQUE;
            pen.gapColor = m_state->bkColor;
            return pen;
        }
        pen.style = PS_SOLID;
    }
    pen.width = width <= 0 ? 1 : std::max(1, RoundHalfUp(width * std::abs(ScaleX())));
    return pen;
}

CDC::DevBrush CDC::ResolveBrush(bool* none) const
{
    DevBrush brush;
    const CBrush* b = m_state->brush;
    *none = !b || !b->IsCreated() || b->m_logbrush.lbStyle == BS_NULL ||
            (b->m_logbrush.lbStyle == BS_PATTERN && !b->m_pPattern);
    if (*none) return brush;
    brush.style = b->m_logbrush.lbStyle;
    brush.color = b->m_logbrush.lbColor;
    brush.hatch = b->m_logbrush.lbHatch;
    brush.pattern = b->m_pPattern;
    brush.origin = m_state->brushOrg;
    brush.opaqueBack = m_state->bkMode == OPAQUE;
    brush.backColor = m_state->bkColor;
    brush.foreColor = m_state->textColor;
    return brush;
}

CDC::DevBrush CDC::ResolveSolid(COLORREF color) const
{
    DevBrush brush;
    brush.color = color & 0x00FFFFFF;
    brush.origin = m_state->brushOrg;
    return brush;
}

CDC::DevFont CDC::ResolveFont() const
{
    DevFont font{};
    if (m_state->font && m_state->font->IsCreated()) font.lf = m_state->font->m_logfont;
    else font.lf = Stock().systemFont.m_logfont;
    if (font.lf.lfHeight == 0) {
        // The default size: a cell of 16 pixels, whatever the mapping.
        font.pixelHeight = 16;
    } else {
        int px = RoundHalfUp(std::abs(font.lf.lfHeight * ScaleY()));
        px = std::clamp(px, 1, 20000);
        font.pixelHeight = font.lf.lfHeight < 0 ? -px : px;
    }
    return font;
}

// --- Lines and shapes ------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y)
{
    CPoint old = m_state->position;
    m_state->position = CPoint(x, y);
    return old;
}

CPoint CDC::GetCurrentPosition() const { return m_state->position; }

bool CDC::LineTo(int x, int y)
{
    bool none = false;
    DevPen pen = ResolvePen(&none);
    if (!none) DevPolyline({ToDevice(m_state->position.x, m_state->position.y), ToDevice(x, y)}, pen);
    m_state->position = CPoint(x, y);
    return true;
}

bool CDC::Polyline(const CPoint* points, int count)
{
    if (!points || count < 2) return false;
    bool none = false;
    DevPen pen = ResolvePen(&none);
    if (none) return true;
    std::vector<CPoint> dev(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) dev[i] = ToDevice(points[i].x, points[i].y);
    DevPolyline(dev, pen);
    return true;
}

bool CDC::Polygon(const CPoint* points, int count)
{
    if (!points || count < 2) return false;
    bool noPen = false, noBrush = false;
    DevPen pen = ResolvePen(&noPen);
    DevBrush brush = ResolveBrush(&noBrush);
    std::vector<CPoint> dev(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) dev[i] = ToDevice(points[i].x, points[i].y);
    DevPolygon(dev, noPen ? nullptr : &pen, noBrush ? nullptr : &brush);
    return true;
}

bool CDC::Rectangle(int l, int t, int r, int b)
{
    bool noPen = false, noBrush = false;
    DevPen pen = ResolvePen(&noPen);
    DevBrush brush = ResolveBrush(&noBrush);
    CRect dev = ToDeviceRect(l, t, r, b);
    if (dev.IsRectEmpty()) return true;
    DevRectangle(dev, noPen ? nullptr : &pen, noBrush ? nullptr : &brush);
    return true;
}

bool CDC::RoundRect(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight)
{
    bool noPen = false, noBrush = false;
    DevPen pen = ResolvePen(&noPen);
    DevBrush brush = ResolveBrush(&noBrush);
    CRect dev = ToDeviceRect(l, t, r, b);
    if (dev.IsRectEmpty()) return true;
    CSize corner(std::min(dev.Width(), RoundHalfUp(std::abs(ellipseWidth * ScaleX()))),
                 std::min(dev.Height(), RoundHalfUp(std::abs(ellipseHeight * ScaleY()))));
    DevRoundRect(dev, corner, noPen ? nullptr : &pen, noBrush ? nullptr : &brush);
    return true;
}

bool CDC::Ellipse(int l, int t, int r, int b)
{
    bool noPen = false, noBrush = false;
    DevPen pen = ResolvePen(&noPen);
    DevBrush brush = ResolveBrush(&noBrush);
    CRect dev = ToDeviceRect(l, t, r, b);
    if (dev.IsRectEmpty()) return true;
    DevEllipse(dev, noPen ? nullptr : &pen, noBrush ? nullptr : &brush);
    return true;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    CRect dev = ToDeviceRect(rect.left, rect.top, rect.right, rect.bottom);
    // A rectangle that has an area in logical units keeps at least one
    // pixel on a coarse device, so one-unit frames never vanish.
    if (rect.left != rect.right && dev.Width() == 0) dev.right = dev.left + 1;
    if (rect.top != rect.bottom && dev.Height() == 0) dev.bottom = dev.top + 1;
    if (dev.IsRectEmpty()) return;
    DevFillRect(dev, color & 0x00FFFFFF);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    FillSolidRect(CRect(x, y, x + cx, y + cy), color);
}

void CDC::FillRect(const CRect& rect, CBrush* brush)
{
    if (!brush) return;
    CBrush* old = SelectObject(brush);
    bool noBrush = false;
    DevBrush dev = ResolveBrush(&noBrush);
    SelectObject(old);
    CRect r = ToDeviceRect(rect.left, rect.top, rect.right, rect.bottom);
    if (noBrush || r.IsRectEmpty()) return;
    DevRectangle(r, nullptr, &dev);
}

void CDC::Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

// --- Text ------------------------------------------------------------------------

bool CDC::TextOut(int x, int y, const std::string& text)
{
    return ExtTextOut(x, y, 0, nullptr, text);
}

bool CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const std::string& text, const int* dx)
{
    (void)dx;
    CRect devRect;
    if (rect) devRect = ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    if (rect && (options & ETO_OPAQUE) && !devRect.IsRectEmpty()) DevFillRect(devRect, m_state->bkColor);
    if (text.empty()) return true;
    const DevFont font = ResolveFont();
    const COLORREF back = m_state->bkColor;
    DevText(ToDevice(x, y), m_state->textAlign, text, font, m_state->textColor,
            m_state->bkMode == OPAQUE ? &back : nullptr, rect && (options & ETO_CLIPPED) ? &devRect : nullptr);
    return true;
}

namespace {

// Splits text into the lines DrawTextA shows: one line, or lines at line
// breaks and, with word breaks, wherever the next word would not fit.
std::vector<std::string> SplitLines(const std::string& text, UINT format, int width,
                                    const std::function<int(const std::string&)>& measure)
{
    std::vector<std::string> lines;
    if (format & DT_SINGLELINE) {
        std::string one;
        for (char c : text)
            if (c != '\r' && c != '\n') one += c;
        lines.push_back(one);
        return lines;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string para = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!para.empty() && para.back() == '\r') para.pop_back();
        if (!(format & DT_WORDBREAK) || measure(para) <= width) {
            lines.push_back(para);
        } else {
            std::string line;
            std::size_t i = 0;
            while (i < para.size()) {
                std::size_t j = para.find(' ', i);
                std::string word = para.substr(i, j == std::string::npos ? std::string::npos : j - i);
                std::string candidate = line.empty() ? word : line + " " + word;
                if (!line.empty() && measure(candidate) > width) {
                    lines.push_back(line);
                    line = word;
                } else {
                    line = candidate;
                }
                if (j == std::string::npos) break;
                i = j + 1;
            }
            lines.push_back(line);
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

int CDC::DrawTextA(const std::string& text, CRect* rect, UINT format)
{
    if (!rect) return 0;
    const DevFont font = ResolveFont();
    TEXTMETRIC tm;
    DevTextMetrics(font, &tm);
    const int lineHeight = std::max<int>(1, tm.tmHeight);
    // Rectangles given with reversed edges place the text as their
    // normalised form would.
    const CRect dev = ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    auto measure = [&](const std::string& s) { return DevTextExtent(s, font).cx; };
    const std::vector<std::string> lines = SplitLines(text, format, dev.Width(), measure);
    const int total = lineHeight * static_cast<int>(lines.size());

    int y = dev.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = dev.top + (dev.Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM) y = dev.bottom - lineHeight;
    }
    const int logicalHeight = RoundHalfUp(std::abs(total / ScaleY()));

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, measure(line));
        const int w = RoundHalfUp(std::abs(widest / ScaleX()));
        rect->right = rect->left + (ScaleX() < 0 ? -w : w);
        rect->bottom = rect->top + (ScaleY() < 0 ? -logicalHeight : logicalHeight);
        return logicalHeight;
    }

    const COLORREF back = m_state->bkColor;
    const COLORREF* opaque = m_state->bkMode == OPAQUE ? &back : nullptr;
    const CRect* clip = (format & DT_NOCLIP) ? nullptr : &dev;
    if (clip && dev.IsRectEmpty()) return logicalHeight;
    for (const std::string& line : lines) {
        if (!line.empty()) {
            const int w = measure(line);
            int x = dev.left;
            if (format & DT_CENTER) x = dev.left + (dev.Width() - w) / 2;
            else if (format & DT_RIGHT) x = dev.right - w;
            DevText(CPoint(x, y), TA_LEFT | TA_TOP, line, font, m_state->textColor, opaque, clip);
        }
        y += lineHeight;
    }
    return logicalHeight;
}

bool CDC::GetTextExtentPoint32A(const std::string& text, CSize* size) const
{
    if (!size) return false;
    const CSize dev = DevTextExtent(text, ResolveFont());
    size->cx = RoundHalfUp(std::abs(dev.cx / ScaleX()));
    size->cy = RoundHalfUp(std::abs(dev.cy / ScaleY()));
    return true;
}

CSize CDC::GetTextExtent(const std::string& text) const
{
    CSize size;
    GetTextExtentPoint32A(text, &size);
    return size;
}

bool CDC::GetTextMetricsA(TEXTMETRIC* metrics) const
{
    if (!metrics) return false;
    TEXTMETRIC dev;
    DevTextMetrics(ResolveFont(), &dev);
    const double sx = std::abs(ScaleX()), sy = std::abs(ScaleY());
    auto ly = [&](LONG v) { return static_cast<LONG>(RoundHalfUp(v / sy)); };
    auto lx = [&](LONG v) { return static_cast<LONG>(RoundHalfUp(v / sx)); };
    metrics->tmHeight = ly(dev.tmHeight);
    metrics->tmAscent = ly(dev.tmAscent);
    metrics->tmDescent = ly(dev.tmDescent);
    metrics->tmInternalLeading = ly(dev.tmInternalLeading);
    metrics->tmExternalLeading = ly(dev.tmExternalLeading);
    metrics->tmAveCharWidth = lx(dev.tmAveCharWidth);
    metrics->tmMaxCharWidth = lx(dev.tmMaxCharWidth);
    metrics->tmWeight = dev.tmWeight;
    return true;
}

// --- Bitmaps ---------------------------------------------------------------------

void CDC::DrawResampled(const CRect& dest, const CRect& src, int srcW, int srcH,
                        const std::function<void(int, std::uint32_t*)>& fetchRow, bool hasAlpha, DWORD rop)
{
    // Coordinates this far out only come from broken callers; their
    // differences would not fit in an int.
    constexpr int kFar = 1 << 28;
    for (int v : {dest.left, dest.top, dest.right, dest.bottom, src.left, src.top, src.right, src.bottom})
        if (v > kFar || v < -kFar) return;
    const CRect nd = dest.Normalized();
    const CRect ns = src.Normalized();
    if (nd.IsRectEmpty() || ns.IsRectEmpty() || srcW <= 0 || srcH <= 0) return;
    // A destination or source given right to left (or bottom to top)
    // mirrors the picture; both reversed cancel out.
    const bool mirrorX = (dest.right < dest.left) != (src.right < src.left);
    const bool mirrorY = (dest.bottom < dest.top) != (src.bottom < src.top);
    CRect vis;
    if (!vis.IntersectRect(nd, DevVisible())) return;

    const int vw = vis.Width(), vh = vis.Height();
    // A picture surface takes the rows in bands of 64 KB, small enough to
    // come from memory already in use (fresh memory is slow to touch page by
    // page); a printer or a PDF gets the picture in one piece, as one image.
    const int band = IsPrinting() ? vh : std::clamp((1 << 14) / vw, 1, vh);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(vw) * band);
    int bandTop = 0;
    std::vector<std::uint32_t> row(static_cast<std::size_t>(srcW));
    const double fx = double(ns.Width()) / nd.Width();
    const double fy = double(ns.Height()) / nd.Height();
    const bool average = m_state->stretchMode == HALFTONE && (fx > 1.0 || fy > 1.0);

    // For every destination column, the source columns it takes (a span
    // of one unless averaging).
    std::vector<int> colFrom(vw), colTo(vw);
    // A picture drawn at its own width takes each row's pixels in one run.
    bool straight = !average;
    for (int i = 0; i < vw; ++i) {
        int dx = vis.left + i - nd.left;
        if (mirrorX) dx = nd.Width() - 1 - dx;
        if (average) {
            colFrom[i] = ns.left + static_cast<int>(std::floor(dx * fx));
            colTo[i] = std::max(colFrom[i] + 1, ns.left + static_cast<int>(std::floor((dx + 1) * fx)));
        } else {
            colFrom[i] = ns.left + static_cast<int>(std::floor((dx + 0.5) * fx));
            colTo[i] = colFrom[i] + 1;
            straight = straight && (i == 0 || colFrom[i] == colFrom[i - 1] + 1);
        }
    }
    straight = straight && vw > 0 && colFrom[0] >= 0 && colFrom[vw - 1] < srcW;
    int cachedRow = -1 << 30;
    std::vector<std::uint64_t> sums;
    for (int j = 0; j < vh; ++j) {
        int dy = vis.top + j - nd.top;
        if (mirrorY) dy = nd.Height() - 1 - dy;
        int rowFrom, rowTo;
        if (average) {
            rowFrom = ns.top + static_cast<int>(std::floor(dy * fy));
            rowTo = std::max(rowFrom + 1, ns.top + static_cast<int>(std::floor((dy + 1) * fy)));
        } else {
            rowFrom = ns.top + static_cast<int>(std::floor((dy + 0.5) * fy));
            rowTo = rowFrom + 1;
        }
        if (j - bandTop == band) {
            DevDrawImage(CRect(vis.left, vis.top + bandTop, vis.right, vis.top + j), vw, band, CRect(0, 0, vw, band),
                         out.data(), hasAlpha, rop);
            bandTop = j;
        }
        std::uint32_t* o = &out[static_cast<std::size_t>(j - bandTop) * vw];
        if (straight && rowFrom >= 0 && rowFrom < srcH) {
            if (colFrom[0] == 0 && vw == srcW) {
                fetchRow(rowFrom, o);
            } else {
                if (rowFrom != cachedRow) fetchRow(rowFrom, row.data());
                cachedRow = rowFrom;
                std::memcpy(o, row.data() + colFrom[0], static_cast<std::size_t>(vw) * sizeof *o);
            }
            continue;
        }
        if (!average) {
            if (rowFrom != cachedRow) {
                if (rowFrom >= 0 && rowFrom < srcH) fetchRow(rowFrom, row.data());
                else std::fill(row.begin(), row.end(), 0xFF000000u);
                cachedRow = rowFrom;
            }
            for (int i = 0; i < vw; ++i) {
                const int sx = colFrom[i];
                o[i] = (sx >= 0 && sx < srcW) ? row[sx] : 0xFF000000u;
            }
            continue;
        }
        // Averaging: sum the source box of every destination pixel.
        sums.assign(static_cast<std::size_t>(vw) * 5, 0);
        for (int sy = rowFrom; sy < rowTo; ++sy) {
            if (sy >= 0 && sy < srcH) fetchRow(sy, row.data());
            else std::fill(row.begin(), row.end(), 0xFF000000u);
            for (int i = 0; i < vw; ++i) {
                std::uint64_t* s = &sums[static_cast<std::size_t>(i) * 5];
                for (int sx = colFrom[i]; sx < colTo[i]; ++sx) {
                    const std::uint32_t p = (sx >= 0 && sx < srcW) ? row[sx] : 0xFF000000u;
                    s[0] += p >> 24;
                    s[1] += (p >> 16) & 0xFF;
                    s[2] += (p >> 8) & 0xFF;
                    s[3] += p & 0xFF;
                    s[4] += 1;
                }
            }
        }
        for (int i = 0; i < vw; ++i) {
            const std::uint64_t* s = &sums[static_cast<std::size_t>(i) * 5];
            const std::uint64_t n = std::max<std::uint64_t>(1, s[4]);
            o[i] = std::uint32_t((s[0] + n / 2) / n) << 24 | std::uint32_t((s[1] + n / 2) / n) << 16 |
                   std::uint32_t((s[2] + n / 2) / n) << 8 | std::uint32_t((s[3] + n / 2) / n);
        }
    }
    const int rest = vh - bandTop;
    DevDrawImage(CRect(vis.left, vis.top + bandTop, vis.right, vis.bottom), vw, rest, CRect(0, 0, vw, rest), out.data(),
                 hasAlpha, rop);
}

int CDC::StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                       const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    (void)usage;
    if (IsPatternRop(rop)) return PatBlt(xDest, yDest, wDest, hDest, rop) ? std::abs(hSrc) : 0;
    if (!SaneBlitArgs({xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc})) return 0;
    CDibRows dib;
    if (!dib.Init(info, bits)) return 0;
    const CRect dest(ToDevice(xDest, yDest), ToDevice(xDest + wDest, yDest + hDest));
    // Source rows count from the bottom of a bottom-up picture.
    const int h = dib.Height();
    CRect src(xSrc, ySrc, xSrc + wSrc, ySrc + hSrc);
    if (!dib.IsTopDown()) src = CRect(xSrc, h - ySrc - hSrc, xSrc + wSrc, h - ySrc);
    DrawResampled(dest, src, dib.Width(), h, [&](int y, std::uint32_t* out) { dib.FetchRow(y, out); }, false, rop);
    return std::abs(hSrc);
}

int CDC::StretchDIBitsAlpha(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                            const void* bits, const BITMAPINFO* info)
{
    if (!SaneBlitArgs({xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc})) return 0;
    CDibRows dib;
    if (!dib.Init(info, bits, true)) return 0;
    const CRect dest(ToDevice(xDest, yDest), ToDevice(xDest + wDest, yDest + hDest));
    const int h = dib.Height();
    CRect src(xSrc, ySrc, xSrc + wSrc, ySrc + hSrc);
    if (!dib.IsTopDown()) src = CRect(xSrc, h - ySrc - hSrc, xSrc + wSrc, h - ySrc);
    DrawResampled(dest, src, dib.Width(), h, [&](int y, std::uint32_t* out) { dib.FetchRow(y, out); },
                  info->bmiHeader.biBitCount == 32, SRCCOPY);
    return std::abs(hSrc);
}

int CDC::SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc, UINT startScan,
                           UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    (void)usage;
    if (!info || !bits || w <= 0 || h <= 0 || scanLines == 0) return 0;
    if (!SaneBlitArgs({xDest, yDest, w, h, xSrc, ySrc, static_cast<int>(std::min<UINT>(startScan, 1u << 30))}))
        return 0;
    // The bits hold only the bands from startScan upwards; describe them as
    // a picture of their own.
    const long long fullHeight = std::llabs(static_cast<long long>(info->bmiHeader.biHeight));
    if (startScan >= fullHeight) return 0;
    const UINT lines = static_cast<UINT>(std::min<long long>(scanLines, fullHeight - startScan));
    CDibRows dib;
    if (!dib.Init(info, bits, false, static_cast<int>(lines))) return 0;
    const CPoint origin = ToDevice(xDest, yDest);
    const CRect dest(origin.x, origin.y, origin.x + w, origin.y + h);
    const int bandH = dib.Height();
    CRect src;
    if (dib.IsTopDown()) {
        src = CRect(xSrc, ySrc - static_cast<int>(startScan), xSrc + w, ySrc - static_cast<int>(startScan) + h);
    } else {
        const int bottom = ySrc - static_cast<int>(startScan);
        src = CRect(xSrc, bandH - bottom - h, xSrc + w, bandH - bottom);
    }
    DrawResampled(dest, src, dib.Width(), bandH, [&](int y, std::uint32_t* out) { dib.FetchRow(y, out); }, false,
                  SRCCOPY);
    return static_cast<int>(lines);
}

bool CDC::BlitFrom(const CRect& dest, CDC* src, const CRect& srcDev, DWORD rop)
{
    const CRect ns = srcDev.Normalized();
    if (ns.IsRectEmpty() || dest.Normalized().IsRectEmpty()) return true;
    // Only the part of the source that exists is read; the rest reads black.
    CRect readable;
    std::vector<std::uint32_t> pixels;
    if (readable.IntersectRect(ns, src->DevBounds())) {
        if (!src->DevReadPixels(readable, &pixels)) return false;
    }
    // Colour to monochrome: the source's background colour becomes white,
    // everything else black. Monochrome to colour: black takes this
    // surface's text colour and white its background colour.
    const CBitmap* srcBitmap = src->GetCurrentBitmap();
    const CBitmap* dstBitmap = GetCurrentBitmap();
    const bool srcMono = srcBitmap && srcBitmap->BitsPixel() == 1;
    const bool dstMono = dstBitmap && dstBitmap->BitsPixel() == 1;
    if (dstMono && !srcMono) {
        const std::uint32_t key = ToArgb(src->GetBkColor()) & 0xFFFFFF;
        for (auto& p : pixels) p = (p & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
    } else if (srcMono && !dstMono) {
        const std::uint32_t fore = ToArgb(GetTextColor()), back = ToArgb(GetBkColor());
        for (auto& p : pixels) p = (p & 0xFFFFFF) ? back : fore;
    }
    const int rw = readable.Width();
    auto fetch = [&](int y, std::uint32_t* out) {
        // y counts from the top of the source rectangle ns.
        const int dy = ns.top + y;
        for (int x = 0; x < ns.Width(); ++x) {
            const int dx = ns.left + x;
            out[x] = (dx >= readable.left && dx < readable.right && dy >= readable.top && dy < readable.bottom)
                         ? pixels[static_cast<std::size_t>(dy - readable.top) * rw + (dx - readable.left)]
                         : 0xFF000000u;
        }
    };
    CRect local(srcDev.left - ns.left, srcDev.top - ns.top, srcDev.right - ns.left, srcDev.bottom - ns.top);
    DrawResampled(dest, local, ns.Width(), ns.Height(), fetch, false, rop);
    return true;
}

bool CDC::BitBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, DWORD rop)
{
    if (!SaneBlitArgs({x, y, w, h, xSrc, ySrc})) return false;
    if (IsPatternRop(rop) || !src) return PatBlt(x, y, w, h, rop);
    // The source covers as many device pixels as the destination.
    const CRect dest(ToDevice(x, y), ToDevice(x + w, y + h));
    const CPoint s = src->ToDevice(xSrc, ySrc);
    const CRect nd = dest.Normalized();
    const CRect srcDev(s.x, s.y, s.x + nd.Width(), s.y + nd.Height());
    return BlitFrom(nd, src, srcDev, rop);
}

bool CDC::StretchBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop)
{
    if (!SaneBlitArgs({x, y, w, h, xSrc, ySrc, wSrc, hSrc})) return false;
    if (IsPatternRop(rop) || !src) return PatBlt(x, y, w, h, rop);
    const CRect dest(ToDevice(x, y), ToDevice(x + w, y + h));
    const CRect srcDev(src->ToDevice(xSrc, ySrc), src->ToDevice(xSrc + wSrc, ySrc + hSrc));
    return BlitFrom(dest, src, srcDev, rop);
}

bool CDC::PatBlt(int x, int y, int w, int h, DWORD rop)
{
    CRect dev = ToDeviceRect(x, y, x + w, y + h);
    if (dev.IsRectEmpty()) return true;
    bool noBrush = false;
    DevBrush brush = ResolveBrush(&noBrush);
    if ((rop == PATCOPY || rop == PATINVERT) && noBrush) return true;
    DevPatBlt(dev, rop, noBrush ? nullptr : &brush);
    return true;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    const CPoint p = ToDevice(x, y);
    if (!DevVisible().PtInRect(p)) return CLR_INVALID;
    DevSetPixel(p.x, p.y, color & 0x00FFFFFF);
    return color & 0x00FFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const CPoint p = ToDevice(x, y);
    if (!DevVisible().PtInRect(p)) return CLR_INVALID;
    return DevGetPixel(p.x, p.y);
}

int CDC::GetDIBits(const CBitmap* bitmap, UINT startScan, UINT scanLines, void* bits, BITMAPINFO* info,
                   UINT usage) const
{
    (void)usage;
    if (!bitmap || !info || bitmap->Width() <= 0 || bitmap->Height() <= 0) return 0;
    if (bitmap->m_pixels.size() < static_cast<std::size_t>(bitmap->Width()) * bitmap->Height()) return 0;
    return WriteDibRows(bitmap->Pixels(), bitmap->Width(), bitmap->Height(), startScan, scanLines, bits, info);
}
