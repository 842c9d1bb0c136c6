#include "document/PagePainter.h"

#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DC.h"
#include "objects/PictureOnSurface.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Radial pictures larger than this are computed at one pixel per page unit
// and stretched, rather than at the full device resolution.
constexpr long long kMaxRadialPixels = 64LL * 1024 * 1024;

int Channel(int from, int to, int num, int den)
{
    // from + (num * (to - from)) / den with the division on the magnitude.
    int diff = to - from;
    int step = static_cast<int>((static_cast<long long>(num) * (diff < 0 ? -diff : diff)) / den);
    return from + (diff < 0 ? -step : step);
}

CRect ToDevice(const CDC* dc, const CRect& logical)
{
    CPoint corners[2] = {{logical.left, logical.top}, {logical.right, logical.bottom}};
    dc->LPtoDP(corners, 2);
    return CRect(corners[0], corners[1]).Normalized();
}

// Draws in device pixels (no mapping) until it goes out of scope, so that
// pictures and strips are placed on whole pixels the same way on every
// surface, whatever the direction of the page's y axis.
class CDevicePixels {
public:
    explicit CDevicePixels(CDC* dc) : m_dc(dc), m_level(dc->SaveDC())
    {
        m_dc->SetMapMode(MM_TEXT);
        m_dc->SetWindowOrg(0, 0);
        m_dc->SetViewportOrg(0, 0);
    }
    ~CDevicePixels()
    {
        if (m_level) m_dc->RestoreDC(m_level);
    }
    CDevicePixels(const CDevicePixels&) = delete;
    CDevicePixels& operator=(const CDevicePixels&) = delete;

private:
    CDC* m_dc;
    int m_level;
};

// Draws a picture upright into a page rectangle (any corner order).
void DrawPicture(CDC* dc, const CPictureImage& image, const CRect& pageRect)
{
    if (!image.IsValid()) return;
    CRect dev = ToDevice(dc, pageRect);
    if (dev.Width() <= 0 || dev.Height() <= 0) return;
    CDevicePixels pixels(dc);
    image.Stretch(dc, dev.left, dev.top, dev.Width(), dev.Height());
}

void FillDeviceStrips(CDC* dc, const std::vector<std::pair<CRect, COLORREF>>& strips)
{
    CDevicePixels pixels(dc);
    for (const auto& [rect, color] : strips) {
        // Each strip goes through a solid brush and a pattern copy.
        CBrush brush(color);
        CBrush* old = dc->SelectObject(&brush);
        dc->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
        dc->SelectObject(old);
    }
}

}  // namespace

COLORREF CPagePainter::LinearColor(int l, int span, COLORREF c1, COLORREF c2)
{
    if (span <= 0) return c2;
    return RGB(Channel(GetRValue(c2), GetRValue(c1), l, span), Channel(GetGValue(c2), GetGValue(c1), l, span),
               Channel(GetBValue(c2), GetBValue(c1), l, span));
}

void CPagePainter::FillLinearGradient(CDC* dc, const CRect& rect, COLORREF c1, COLORREF c2, bool acrossX)
{
    std::vector<std::pair<CRect, COLORREF>> strips;
    if (acrossX) {
        int width = rect.Width();
        if (width <= 0) return;
        int g = width / 255;
        if (g < 2) g = 1;
        for (int h = width; h >= g;) {
            h -= g;
            CRect strip(rect.left + h, rect.top, rect.left + h + g, rect.bottom);
            strips.emplace_back(ToDevice(dc, strip), LinearColor(width - h, width, c1, c2));
        }
    } else {
        int height = rect.Height();
        if (height <= 0) return;
        int g = height / 255;
        if (g < 2) g = 1;
        for (int h = height; h > 0;) {
            h -= g;
            CRect strip(rect.left, rect.top + h, rect.right, rect.top + h + g);
            strips.emplace_back(ToDevice(dc, strip), LinearColor(height - h, height, c1, c2));
        }
    }
    FillDeviceStrips(dc, strips);
}

COLORREF CPagePainter::RadialColor(int i, int j, int width, int height, COLORREF c1, COLORREF c2)
{
    return RadialColorAt(i, j, width, height, c1, c2);
}

COLORREF CPagePainter::RadialColorAt(double x, double y, int width, int height, COLORREF c1, COLORREF c2)
{
    int cx = width / 2;
    int cy = height / 2;
    int m = std::min(cx, cy);
    if (m <= 0) return c1;
    double dx = x - cx;
    double dy = y - cy;
    long long d = static_cast<long long>(std::sqrt(dx * dx + dy * dy));
    long long e = (m - d) * 100 / m;
    if (e < 0) e = 0;
    int ei = static_cast<int>(e);
    return RGB(Channel(GetRValue(c1), GetRValue(c2), ei, 100), Channel(GetGValue(c1), GetGValue(c2), ei, 100),
               Channel(GetBValue(c1), GetBValue(c2), ei, 100));
}

void CPagePainter::FillRadialGradient(CDC* dc, const CRect& rect, COLORREF c1, COLORREF c2)
{
    int width = rect.Width();
    int height = rect.Height();
    if (width <= 0 || height <= 0) return;
    CRect dev = ToDevice(dc, rect);
    long long dw = dev.Width();
    long long dh = dev.Height();
    if (dw <= 0 || dh <= 0) return;
    // The picture has the device's resolution, so that a print-quality page
    // is smooth; a huge device falls back to one pixel per page unit.
    long long pw = dw, ph = dh;
    if (pw * ph > kMaxRadialPixels) {
        pw = width;
        ph = height;
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(pw * ph));
    // Row 0 of the picture is the upper edge of the rectangle; page
    // coordinates count upwards from its lower edge. Pixel centres are
    // mapped to page units, so at one pixel per unit pixel (c, r) is the
    // unit (c, height - r) and finer pixels take their own colours.
    const double sx = static_cast<double>(width) / static_cast<double>(pw);
    const double sy = static_cast<double>(height) / static_cast<double>(ph);
    // The colour depends only on the whole distance from the centre, so it
    // is looked up in a table of the distances up to the rim.
    const int centreX = width / 2;
    const int centreY = height / 2;
    const int m = std::min(centreX, centreY);
    std::vector<std::uint32_t> table(static_cast<std::size_t>(m) + 1);
    for (int d = 0; d <= m; ++d) {
        COLORREF color = RadialColorAt(centreX + d, centreY, width, height, c1, c2);
        table[static_cast<std::size_t>(d)] = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
                                            (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
                                            static_cast<std::uint32_t>(GetBValue(color));
    }
    const std::uint32_t rim = table[static_cast<std::size_t>(m)];
    for (long long r = 0; r < ph; ++r) {
        const double dy = (static_cast<double>(ph - r) - 0.5) * sy + 0.5 - centreY;
        std::uint32_t* row = pixels.data() + r * pw;
        for (long long c = 0; c < pw; ++c) {
            const double dx = (static_cast<double>(c) + 0.5) * sx - 0.5 - centreX;
            const double dist = std::sqrt(dx * dx + dy * dy);
            row[c] = dist >= m ? rim : table[static_cast<std::size_t>(dist)];
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(pw);
    info.bmiHeader.biHeight = -static_cast<LONG>(ph);  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    CDevicePixels device(dc);
    dc->StretchDIBits(dev.left, dev.top, static_cast<int>(dw), static_cast<int>(dh), 0, 0, static_cast<int>(pw),
                      static_cast<int>(ph), pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void CPagePainter::PaintBackground(CDC* dc, const CDrawDoc& doc)
{
    // A picture stretched over the whole page hides the colour.
    if (doc.m_bDrawBackImage && doc.m_bBackImageStretch) return;
    CRect page = doc.PageRect();
    switch (doc.m_nBackStyle) {
    case CDrawDoc::styleSolid: {
        CRect clip;
        dc->GetClipBox(&clip);
        dc->FillSolidRect(clip.Normalized(), doc.m_crBackFrom);
        break;
    }
    case CDrawDoc::styleLinear:
        FillLinearGradient(dc, page, doc.m_crBackFrom, doc.m_crBackTo, doc.m_nGradientDirection != 0);
        break;
    case CDrawDoc::styleRadial:
        FillRadialGradient(dc, page, doc.m_crBackFrom, doc.m_crBackTo);
        break;
    default:
        break;
    }
}

void CPagePainter::PaintBackgroundImage(CDC* dc, const CDrawDoc& doc)
{
    CPictureHolder* image = doc.BackImage();
    if (!doc.m_bDrawBackImage || !image || !image->IsValid()) return;
    const int cx = doc.m_sizePage.cx;
    const int cy = doc.m_sizePage.cy;
    const CRect page = doc.PageRect();
    const int w = static_cast<int>(image->GetWidth());
    const int h = static_cast<int>(image->GetHeight());
    if (w <= 0 || h <= 0) return;

    if (doc.m_nBackImagePlacement == CDrawDoc::placeTiled) {
        const int nx = cx / w;
        const int ny = cy / h;
        const int rx = cx % w;
        const int ry = cy % h;
        // Tiles are laid from the page's lower left corner; only pages that
        // hold more than one tile each way are tiled.
        if (nx <= 1 || ny <= 1) return;
        // Tiles are the picture's own pixels, one per page unit.
        const CPictureHolder::Picture_t whole = image->Full();
        if (!whole) return;
        // Cropping into another picture leaves the source as it is.
        CPictureImage& source = const_cast<CPictureImage&>(*whole);
        CPictureImage rightTile;
        if (rx > 0) source.Crop(0, 0, rx, h, &rightTile);
        for (int i = 0; i < ny; ++i) {
            int y = -cy / 2 + i * h;
            for (int j = 0; j < nx; ++j) {
                int x = -cx / 2 + j * w;
                DrawPicture(dc, source, CRect(x, y, x + w, y + h));
            }
            if (rx > 0) DrawPicture(dc, rightTile, CRect(cx / 2 - rx, y, cx / 2, y + h));
        }
        if (ry > 0) {
            CPictureImage rowTile;
            CPictureImage cornerTile;
            source.Crop(0, 0, w, ry, &rowTile);
            if (rx > 0) source.Crop(0, 0, rx, ry, &cornerTile);
            int y = -cy / 2 + ny * h;
            for (int j = 0; j < nx; ++j) {
                int x = -cx / 2 + j * w;
                DrawPicture(dc, rowTile, CRect(x, y, x + w, y + ry));
            }
            if (rx > 0) DrawPicture(dc, cornerTile, CRect(cx / 2 - rx, y, cx / 2, y + ry));
        }
    } else if (doc.m_bBackImageStretch) {
        if (const auto picture = PictureForSurface(dc, *image, DeviceSizeOf(dc, page), page)) DrawPicture(dc, *picture, page);
    } else {
        int dw = w;
        int dh = h;
        if (cx < w || cy < h) {
            // A picture larger than the page is fitted to it by the ratio of
            // its resolutions (a missing resolution counts as square pixels).
            long xdpi = image->GetXDPI();
            long ydpi = image->GetYDPI();
            long ratio = (xdpi > 0 && ydpi > 0) ? xdpi / ydpi : 1;
            if (ratio <= 0) ratio = 1;
            dw = static_cast<int>(ratio * cx);
            dh = static_cast<int>(ratio * cy);
        }
        const CRect area(-dw / 2, -dh / 2, dw / 2, dh / 2);
        if (const auto picture = PictureForSurface(dc, *image, DeviceSizeOf(dc, area), area)) DrawPicture(dc, *picture, area);
    }
}

void CPagePainter::DrawDesignGrid(CDC* dc, const CDrawDoc& doc, const CPagePaintOptions& options)
{
    COLORREF oldBack = dc->SetBkColor(doc.m_crBackFrom);
    const int cx = doc.m_sizePage.cx;
    const int cy = doc.m_sizePage.cy;
    const int left = -cx / 2;
    const int yb = -cy / 2;
    const int right = left + cx;
    const int yt = yb + cy;

    UINT style = PS_SOLID;
    if (options.m_nGridType >= 0 && options.m_nGridType <= 4) style = static_cast<UINT>(options.m_nGridType);
    CPen pen(style, options.m_nGridThickness, options.m_crGrid);
    CPen* oldPen = dc->SelectObject(&pen);

    dc->MoveTo(0, yb);
    dc->LineTo(0, yt);
    dc->MoveTo(left, 0);
    dc->LineTo(right, 0);
    // The first line lies well outside the page: lines beyond the page only
    // show where the window is larger than the page.
    for (int x = (left / 100) * 1000; x < right; x += 10) {
        if (x == 0) continue;
        dc->MoveTo(x, yb);
        dc->LineTo(x, yt);
    }
    for (int y = (yb / 100) * 1000; y < yt; y += 10) {
        if (y == 0) continue;
        dc->MoveTo(left, y);
        dc->LineTo(right, y);
    }

    CPen outline(PS_SOLID, 1, options.m_crGrid);
    dc->SelectObject(&outline);
    dc->MoveTo(left, yb);
    dc->LineTo(right, yb);
    dc->LineTo(right, yt);
    dc->LineTo(left, yt);
    dc->LineTo(left, yb);
    dc->SelectObject(oldPen);
    dc->SetBkColor(oldBack);
}

void CPagePainter::PaintPage(CDC* dc, CDrawDoc* doc, const CPagePaintOptions& options)
{
    CRect clip;
    dc->GetClipBox(&clip);
    int saved = 0;
    if (options.m_bDesk) {
        dc->FillSolidRect(clip.Normalized(), options.m_crDesk);
        saved = dc->SaveDC();
        dc->IntersectClipRect(doc->PageRect().Normalized());
        dc->GetClipBox(&clip);
    }
    if (options.m_bWhite) dc->FillSolidRect(clip.Normalized(), RGB(255, 255, 255));
    PaintBackground(dc, *doc);
    PaintBackgroundImage(dc, *doc);
    if (options.m_bDesignGrid && !dc->IsPrinting()) DrawDesignGrid(dc, *doc, options);
    if (saved) dc->RestoreDC(saved);
    doc->Draw(dc, options.m_bViewActive, options.m_pSelection, options.m_pSkip);
}
