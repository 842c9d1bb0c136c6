// The device-independent part of the drawing surface: selections, saved
// states, mapping modes, clipping and what reaches the device, checked
// through a surface that records its device calls.

#include "objects/DC.h"

#include <gtest/gtest.h>

namespace {

class CRecordingDC : public CDC {
public:
    CRecordingDC(int width = 1000, int height = 1000, int dpi = 96) : m_w(width), m_h(height), m_dpi(dpi) {}

    int GetDeviceCaps(int index) const override
    {
        switch (index) {
        case HORZRES: return m_w;
        case VERTRES: return m_h;
        case LOGPIXELSX:
        case LOGPIXELSY: return m_dpi;
        default: return 0;
        }
    }
    std::unique_ptr<CDC> CreateCompatibleDC() override { return std::make_unique<CRecordingDC>(1, 1, m_dpi); }

    std::vector<CRect> rects;
    std::vector<DevPen> pens;
    std::vector<std::vector<CPoint>> lines;
    std::vector<CRect> fills;
    std::vector<CRect> clips;
    std::vector<DevFont> fonts;
    std::vector<CPoint> textAnchors;
    std::vector<CRect> images;

protected:
    void DevPolyline(const std::vector<CPoint>& pts, const DevPen& pen) override
    {
        lines.push_back(pts);
        pens.push_back(pen);
    }
    void DevPolygon(const std::vector<CPoint>& pts, const DevPen*, const DevBrush*) override { lines.push_back(pts); }
    void DevRectangle(const CRect& r, const DevPen* pen, const DevBrush*) override
    {
        rects.push_back(r);
        if (pen) pens.push_back(*pen);
    }
    void DevRoundRect(const CRect& r, CSize, const DevPen*, const DevBrush*) override { rects.push_back(r); }
    void DevEllipse(const CRect& r, const DevPen*, const DevBrush*) override { rects.push_back(r); }
    void DevFillRect(const CRect& r, COLORREF) override { fills.push_back(r); }
    void DevText(CPoint anchor, UINT, const std::string&, const DevFont& font, COLORREF, const COLORREF*,
                 const CRect*) override
    {
        textAnchors.push_back(anchor);
        fonts.push_back(font);
    }
    CSize DevTextExtent(const std::string& text, const DevFont& font) const override
    {
        return CSize(static_cast<int>(text.size()) * 10, std::abs(font.pixelHeight));
    }
    void DevTextMetrics(const DevFont& font, TEXTMETRIC* tm) const override
    {
        tm->tmHeight = std::abs(font.pixelHeight);
        tm->tmAscent = tm->tmHeight * 3 / 4;
        tm->tmDescent = tm->tmHeight - tm->tmAscent;
    }
    void DevDrawImage(const CRect& dest, int, int, const CRect&, const std::uint32_t*, bool, DWORD) override
    {
        images.push_back(dest);
    }
    bool DevReadPixels(const CRect&, std::vector<std::uint32_t>*) const override { return false; }
    void DevPatBlt(const CRect& r, DWORD, const DevBrush*) override { fills.push_back(r); }
    void DevSetPixel(int, int, COLORREF) override {}
    COLORREF DevGetPixel(int, int) const override { return 0; }
    void DevSetClip(const CRect* clip) override { clips.push_back(clip ? *clip : CRect(-1, -1, -1, -1)); }

private:
    int m_w, m_h, m_dpi;
};

TEST(SurfaceState, SelectionsReturnThePreviousObject)
{
    CRecordingDC dc;
    CPen pen(PS_DASH, 1, RGB(1, 2, 3));
    CBrush brush(RGB(4, 5, 6));
    CFont font;
    font.CreatePointFont(120, "Serif");
    CPen* stockPen = dc.SelectObject(&pen);
    ASSERT_NE(stockPen, nullptr);
    EXPECT_EQ(stockPen->m_logpen.lopnColor, RGB(0, 0, 0));
    EXPECT_EQ(dc.SelectObject(stockPen), &pen);
    CBrush* stockBrush = dc.SelectObject(&brush);
    EXPECT_EQ(stockBrush->m_logbrush.lbColor, RGB(255, 255, 255));
    EXPECT_EQ(dc.GetCurrentBrush(), &brush);
    EXPECT_NE(dc.SelectObject(&font), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CGdiObject*>(&pen)), stockPen);

    CGdiObject* before = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(before, &brush);
    EXPECT_EQ(dc.GetCurrentBrush()->m_logbrush.lbStyle, BS_NULL);
    dc.SelectStockObject(NULL_PEN);
    EXPECT_EQ(dc.GetCurrentPen()->m_logpen.lopnStyle, PS_NULL);
    EXPECT_EQ(dc.SelectStockObject(12345), nullptr);
}

TEST(SurfaceState, AttributeSettersReturnTheOldValue)
{
    CRecordingDC dc;
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(99), 0);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.SetBkColor(RGB(1, 1, 1)), RGB(255, 255, 255));
    EXPECT_EQ(dc.SetTextColor(RGB(9, 9, 9)), RGB(0, 0, 0));
    EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_BASELINE), TA_LEFT | TA_TOP);
    EXPECT_EQ(dc.GetTextAlign(), TA_CENTER | TA_BASELINE);
    EXPECT_EQ(dc.SetStretchBltMode(COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(dc.GetStretchBltMode(), COLORONCOLOR);
}

TEST(SurfaceState, SaveAndRestoreStack)
{
    CRecordingDC dc;
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.SelectObject(&red);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetMapMode(MM_LOENGLISH);
    dc.IntersectClipRect(10, -10, 20, -20);
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SetTextColor(RGB(4, 5, 6));
    EXPECT_EQ(dc.SaveDC(), 3);
    dc.SetBkMode(TRANSPARENT);

    EXPECT_TRUE(dc.RestoreDC(-1));  // back to level 3's state
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextColor(), RGB(4, 5, 6));
    EXPECT_TRUE(dc.RestoreDC(1));   // skips level 2
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_NE(dc.GetCurrentPen(), &red);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.clips.back(), CRect(-1, -1, -1, -1));  // the clip is gone again
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(1));
    EXPECT_FALSE(dc.RestoreDC(0));
}

TEST(SurfaceState, ClipBoxIsInLogicalUnits)
{
    CRecordingDC dc(400, 300);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 400, 300));
    EXPECT_EQ(dc.IntersectClipRect(100, 50, 500, 200), SIMPLEREGION);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(100, 50, 400, 200));
    EXPECT_EQ(dc.IntersectClipRect(CRect(0, 0, 50, 50)), NULLREGION);
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);

    // Under a y-up mapping the box keeps the device's top as its top.
    CRecordingDC up(200, 200);
    up.SetMapMode(MM_ANISOTROPIC);
    up.SetWindowExt(1, -1);
    up.SetViewportExt(1, 1);
    up.SetViewportOrg(0, 200);
    up.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 200, 200, 0));
}

struct MappingCase {
    int mode;
    CPoint logical;
    CPoint device;
};

TEST(SurfaceMapping, FixedModesAtOneInch)
{
    // One inch to the right and one inch up in every fixed mode lands
    // 96 pixels right and 96 pixels above the origin.
    const MappingCase cases[] = {
        {MM_TEXT, {96, 96}, {96, 96}},
        {MM_LOMETRIC, {254, 254}, {96, -96}},
        {MM_HIMETRIC, {2540, 2540}, {96, -96}},
        {MM_LOENGLISH, {100, 100}, {96, -96}},
        {MM_HIENGLISH, {1000, 1000}, {96, -96}},
        {MM_TWIPS, {1440, 1440}, {96, -96}},
    };
    for (const MappingCase& c : cases) {
        CRecordingDC dc;
        dc.SetMapMode(c.mode);
        CPoint p = c.logical;
        dc.LPtoDP(&p);
        EXPECT_EQ(p, c.device) << c.mode;
        dc.DPtoLP(&p);
        EXPECT_EQ(p, c.logical) << c.mode;
    }
}

TEST(SurfaceMapping, AnisotropicPageUnits)
{
    // The design view: 0.01 inch per unit, y up, the page's top-left
    // corner at the device origin.
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(96, 96);
    dc.SetWindowExt(100, -100);
    dc.SetWindowOrg(-425, 550);
    CPoint pts[3] = {{-425, 550}, {425, -550}, {0, 0}};
    dc.LPtoDP(pts, 3);
    EXPECT_EQ(pts[0], CPoint(0, 0));
    EXPECT_EQ(pts[1], CPoint(816, 1056));
    EXPECT_EQ(pts[2], CPoint(408, 528));
    CSize s(100, 100);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(96, -96));
    CRect r(-425, 550, 425, -550);
    dc.LPtoDP(&r);
    EXPECT_EQ(r, CRect(0, 0, 816, 1056));
    dc.DPtoLP(&r);
    EXPECT_EQ(r, CRect(-425, 550, 425, -550));
}

TEST(SurfaceMapping, RoundingIsToNearest)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(96, 96);
    CPoint pts[4] = {{13, 12}, {-13, -12}, {50, 0}, {-50, 0}};
    dc.LPtoDP(pts, 4);
    EXPECT_EQ(pts[0], CPoint(12, 12));    // 12.48, 11.52
    EXPECT_EQ(pts[1], CPoint(-12, -12));
    EXPECT_EQ(pts[2], CPoint(48, 0));
    EXPECT_EQ(pts[3], CPoint(-48, 0));
}

TEST(SurfaceMapping, IsotropicKeepsUnitsSquare)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(400, -200);
    // The larger scale shrinks to the smaller, keeping its direction.
    EXPECT_EQ(dc.GetViewportExt(), CSize(200, -200));
    CPoint p(100, 100);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(200, -200));
}

TEST(SurfaceMapping, ExtentsOnlyChangeInScalableModes)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetWindowExt(5, 5);
    EXPECT_EQ(dc.GetWindowExt(), CSize(254, 254));
    dc.SetMapMode(MM_ANISOTROPIC);  // keeps the extents it had
    EXPECT_EQ(dc.GetWindowExt(), CSize(254, 254));
    EXPECT_EQ(dc.SetWindowExt(0, 3), CSize());
    EXPECT_EQ(dc.GetWindowExt(), CSize(254, 254));
    EXPECT_EQ(dc.OffsetViewportOrg(-10, -20), CPoint(0, 0));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(-10, -20));
    EXPECT_EQ(dc.SetMapMode(0), 0);
}

TEST(SurfaceMapping, ShapesReachTheDeviceNormalised)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, -1);
    dc.SetViewportExt(1, 1);
    dc.SetViewportOrg(0, 500);
    dc.Rectangle(10, 100, 60, 20);   // visually top-left to bottom-right
    dc.Ellipse(60, 20, 10, 100);     // reversed corners
    ASSERT_EQ(dc.rects.size(), 2u);
    EXPECT_EQ(dc.rects[0], CRect(10, 400, 60, 480));
    EXPECT_EQ(dc.rects[1], CRect(10, 400, 60, 480));
}

TEST(SurfaceMapping, PenWidthsScaleButDashesStayThin)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, -100);
    dc.SetViewportExt(300, 300);  // an export at 300 dots per inch
    CPen solid(PS_SOLID, 2, 0), dashed(PS_DASH, 1, 0), wideDash(PS_DOT, 4, 0), hair(PS_SOLID, 0, 0);
    for (CPen* pen : {&solid, &dashed, &wideDash, &hair}) {
        dc.SelectObject(pen);
        dc.LineTo(100, 100);
    }
    ASSERT_EQ(dc.pens.size(), 4u);
    EXPECT_EQ(dc.pens[0].width, 6);
    EXPECT_EQ(dc.pens[1].width, 1);
    EXPECT_EQ(dc.pens[1].style, PS_DASH);
    EXPECT_EQ(dc.pens[2].style, PS_SOLID);
    EXPECT_EQ(dc.pens[2].width, 12);
    EXPECT_EQ(dc.pens[3].width, 1);
}

TEST(SurfaceMapping, FontHeightsFollowTheMapping)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, -100);
    dc.SetViewportExt(300, 300);
    CFont font;
    font.CreateFont(-50, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Serif");
    dc.SelectObject(&font);
    dc.TextOut(0, 0, "x");
    ASSERT_EQ(dc.fonts.size(), 1u);
    EXPECT_EQ(dc.fonts[0].pixelHeight, -150);
    // Extents come back in logical units.
    EXPECT_EQ(dc.GetTextExtent("ab"), CSize(7, 50));
}

TEST(SurfaceFonts, PointFontsUseTheSurfaceOrNinetySixDpi)
{
    CFont plain;
    ASSERT_TRUE(plain.CreatePointFont(120, "Serif"));
    EXPECT_EQ(plain.m_logfont.lfHeight, -16);  // 12 points at 96 dpi
    EXPECT_EQ(plain.m_logfont.lfFaceName, "Serif");

    CRecordingDC page;
    page.SetMapMode(MM_ANISOTROPIC);
    page.SetWindowExt(100, -100);
    page.SetViewportExt(96, 96);
    CFont onPage;
    onPage.CreatePointFont(720, "Serif", &page);
    EXPECT_EQ(onPage.m_logfont.lfHeight, -100);  // one inch in hundredths

    CRecordingDC printer(5000, 6000, 600);
    printer.SetMapMode(MM_ANISOTROPIC);
    printer.SetWindowExt(100, -100);
    printer.SetViewportExt(600, 600);
    CFont onPrinter;
    onPrinter.CreatePointFont(720, "Serif", &printer);
    EXPECT_EQ(onPrinter.m_logfont.lfHeight, -100);
}

TEST(SurfaceFonts, LongFaceNamesAreCutAtACharacter)
{
    CFont font;
    LOGFONT lf;
    lf.lfFaceName = std::string(30, 'a') + "\xC3\xA9\xC3\xA9";  // two-byte letters past 31 bytes
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_EQ(font.m_logfont.lfFaceName, std::string(30, 'a'));
}

TEST(SurfaceObjects, CreationChecksItsArguments)
{
    CPen pen;
    EXPECT_FALSE(pen.CreatePen(42, 1, 0));
    EXPECT_TRUE(pen.CreatePen(PS_INSIDEFRAME, -3, 0xFF123456));
    EXPECT_EQ(pen.m_logpen.lopnWidth.x, 3);
    EXPECT_EQ(pen.m_logpen.lopnColor, 0x123456u);
    CBrush brush;
    EXPECT_FALSE(brush.CreateHatchBrush(9, 0));
    LOGBRUSH lb{BS_HATCHED, RGB(1, 2, 3), HS_CROSS};
    EXPECT_TRUE(brush.CreateBrushIndirect(&lb));
    EXPECT_EQ(brush.m_logbrush.lbHatch, HS_CROSS);
    EXPECT_FALSE(brush.CreatePatternBrush(nullptr));
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.CreateBitmap(0, 10, 1, 32, nullptr));
    EXPECT_FALSE(bitmap.CreateBitmap(100000, 100000, 1, 32, nullptr));
    EXPECT_FALSE(bitmap.CreateBitmap(10, 10, 1, 7, nullptr));
    EXPECT_TRUE(bitmap.CreateBitmap(10, 10, 1, 1, nullptr));
    EXPECT_EQ(bitmap.BitsPixel(), 1);
}

TEST(SurfaceObjects, MonochromeBitmapRowsArePaddedToWords)
{
    // Three pixels per row, rows of two bytes: 101 and 010.
    const BYTE bits[] = {0xA0, 0x00, 0x40, 0x00};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(3, 2, 1, 1, bits));
    const std::uint32_t* p = bitmap.Pixels();
    EXPECT_EQ(p[0], 0xFFFFFFFFu);
    EXPECT_EQ(p[1], 0xFF000000u);
    EXPECT_EQ(p[2], 0xFFFFFFFFu);
    EXPECT_EQ(p[3], 0xFF000000u);
    EXPECT_EQ(p[4], 0xFFFFFFFFu);
}

TEST(SurfaceDraw, TextAnchorsAndDrawTextPlacement)
{
    CRecordingDC dc;
    CFont font;
    font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Serif");
    dc.SelectObject(&font);
    CRect r(100, 100, 300, 160);
    const int h = dc.DrawTextA("abcd", &r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(h, 20);
    ASSERT_EQ(dc.textAnchors.size(), 1u);
    EXPECT_EQ(dc.textAnchors[0], CPoint(260, 120));
    CRect c(100, 100, 300, 160);
    dc.DrawTextA("abcd", &c, DT_CENTER | DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(dc.textAnchors[1], CPoint(180, 140));
}

TEST(SurfaceDraw, FillSolidRectKeepsAtLeastOnePixel)
{
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(96, 96);
    dc.FillSolidRect(12, 0, 1, 10, 0);  // 11.52 .. 12.48 rounds to one column
    ASSERT_EQ(dc.fills.size(), 1u);
    EXPECT_EQ(dc.fills[0].Width(), 1);
    dc.FillSolidRect(12, 0, 0, 10, 0);  // no width at all draws nothing
    EXPECT_EQ(dc.fills.size(), 1u);
}

TEST(SurfaceDraw, ImagesMirrorWithReversedDestinations)
{
    CRecordingDC dc(100, 100);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const BYTE bits[8] = {0, 0, 255, 255, 0, 0, 0, 0};
    EXPECT_EQ(dc.StretchDIBits(50, 10, -40, 20, 0, 0, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY), 1);
    ASSERT_EQ(dc.images.size(), 1u);
    EXPECT_EQ(dc.images[0], CRect(10, 10, 50, 30));
    // Off the device: nothing is drawn.
    dc.StretchDIBits(200, 200, 10, 10, 0, 0, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(dc.images.size(), 1u);
    // A header that makes no sense is refused.
    info.bmiHeader.biBitCount = 3;
    EXPECT_EQ(dc.StretchDIBits(0, 0, 10, 10, 0, 0, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
}

}  // namespace
