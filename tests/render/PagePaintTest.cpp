#include "document/DrawDoc.h"
#include "document/PagePainter.h"
#include "imageio/PictureHolder.h"
#include "platform/PageExport.h"
#include "platform/QtDC.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

namespace {

// A surface over a picture of the page at one pixel per unit, mapped like
// the screen: y up, the page's top left corner at pixel (0, 0).
struct PageSurface {
    QImage image;
    std::unique_ptr<CQtDC> dc;
    PageSurface(int cx, int cy, int dpi = 100)
        : image(cx * dpi / 100, cy * dpi / 100, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        dc = std::make_unique<CQtDC>(image, dpi, dpi);
        dc->SetMapMode(MM_ANISOTROPIC);
        dc->SetWindowExt(100, -100);
        dc->SetViewportExt(dpi, dpi);
        dc->SetWindowOrg(-cx / 2, cy / 2);
    }
    COLORREF At(int x, int y) const
    {
        QRgb p = image.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    }
};

std::string Hex(COLORREF c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", c);
    return buf;
}

// A picture with four coloured quadrants: red top left, green top right,
// blue bottom left, yellow bottom right.
CPictureImage Quadrants(int w, int h)
{
    CPictureImage image;
    image.Create(w, h, 24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool top = y >= h / 2;  // rows count from the bottom
            bool left = x < w / 2;
            RGBQUAD q{};
            if (top && left) q = {0, 0, 255, 0};
            else if (top) q = {0, 255, 0, 0};
            else if (left) q = {255, 0, 0, 0};
            else q = {0, 255, 255, 0};
            image.SetPixelColor(x, y, q);
        }
    }
    return image;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(PageGradient, AcrossTheWidthInStripsOfThreeWithOneColumnLeft)
{
    PageSurface s(850, 1100);
    const COLORREF c1 = RGB(200, 100, 0), c2 = RGB(0, 100, 250);
    CPagePainter::FillLinearGradient(s.dc.get(), CRect(-425, -550, 425, 550), c1, c2, true);
    EXPECT_EQ(Hex(s.At(0, 500)), Hex(kWhite));  // the remainder at the left edge
    EXPECT_EQ(Hex(s.At(849, 0)), Hex(RGB(0, 100, 250)));
    EXPECT_EQ(Hex(s.At(1, 1099)), Hex(RGB(199, 100, 1)));
    // One strip covers columns 847-849; the next one starts at 846.
    EXPECT_EQ(s.At(847, 300), s.At(849, 300));
    EXPECT_NE(s.At(846, 300), s.At(847, 300));
    EXPECT_EQ(s.At(844, 300), s.At(846, 300));
    // Colours do not depend on the row.
    EXPECT_EQ(s.At(400, 0), s.At(400, 1099));
}

TEST(PageGradient, AlongTheHeightInStripsOfFourCoveringEverything)
{
    PageSurface s(850, 1100);
    const COLORREF c1 = RGB(10, 20, 30), c2 = RGB(250, 240, 230);
    CPagePainter::FillLinearGradient(s.dc.get(), CRect(-425, -550, 425, 550), c1, c2, false);
    // c1 at the page's lower edge, c2 towards the upper edge.
    EXPECT_EQ(Hex(s.At(10, 1099)), Hex(c1));
    EXPECT_EQ(Hex(s.At(10, 1096)), Hex(c1));
    EXPECT_NE(s.At(10, 1095), c1);
    EXPECT_EQ(Hex(s.At(10, 0)), Hex(CPagePainter::LinearColor(4, 1100, c1, c2)));
    for (int y = 0; y < 1100; y += 37) EXPECT_NE(s.At(0, y), kWhite) << y;
}

TEST(PageGradient, NarrowSpansUseStripsOfOne)
{
    PageSurface s(500, 300);
    CPagePainter::FillLinearGradient(s.dc.get(), CRect(-250, -150, 250, 150), RGB(0, 0, 0), RGB(250, 250, 250), true);
    EXPECT_NE(s.At(0, 10), kWhite);  // no remainder with one-unit strips
    EXPECT_NE(s.At(1, 10), s.At(0, 10));
    EXPECT_EQ(CPagePainter::LinearColor(1, 500, RGB(0, 0, 0), RGB(250, 250, 250)), RGB(250, 250, 250));
    EXPECT_EQ(CPagePainter::LinearColor(500, 500, RGB(0, 0, 0), RGB(250, 250, 250)), RGB(0, 0, 0));
}

TEST(PageGradient, RadialCentreAndRim)
{
    const COLORREF c1 = RGB(0, 0, 128), c2 = RGB(255, 255, 255);
    EXPECT_EQ(CPagePainter::RadialColor(425, 550, 850, 1100, c1, c2), c2);
    EXPECT_EQ(CPagePainter::RadialColor(0, 550, 850, 1100, c1, c2), c1);
    EXPECT_EQ(CPagePainter::RadialColor(849, 1099, 850, 1100, c1, c2), c1);
    // Half way out: e = (425 - 212) * 100 / 425 = 50.
    EXPECT_EQ(CPagePainter::RadialColor(425 + 212, 550, 850, 1100, c1, c2), RGB(127, 127, 191));

    PageSurface s(850, 1100);
    CPagePainter::FillRadialGradient(s.dc.get(), CRect(-425, -550, 425, 550), c1, c2);
    EXPECT_EQ(Hex(s.At(425, 550)), Hex(c2));
    EXPECT_EQ(Hex(s.At(5, 5)), Hex(c1));
    EXPECT_EQ(Hex(s.At(845, 1090)), Hex(c1));
    EXPECT_EQ(Hex(s.At(425 + 212, 550)), Hex(RGB(127, 127, 191)));
}

TEST(PageGradient, RadialAtPrintResolutionIsSmoothNotEnlarged)
{
    const COLORREF c1 = RGB(0, 0, 0), c2 = RGB(255, 255, 255);
    PageSurface s(850, 1100, 300);
    CPagePainter::FillRadialGradient(s.dc.get(), CRect(-425, -550, 425, 550), c1, c2);
    EXPECT_EQ(Hex(s.At(1275, 1650)), Hex(c2));
    // An enlarged 100-dpi picture would change colour only every third
    // pixel; drawn at 300 dpi the changes fall on any pixel (away from the
    // axes, where whole distances line up with whole units).
    bool phase[3] = {false, false, false};
    for (int x = 1275; x < 2549; ++x)
        if (s.At(x, 700) != s.At(x + 1, 700)) phase[(x + 1) % 3] = true;
    EXPECT_TRUE(phase[0] && phase[1] && phase[2]);
}

TEST(PageBackground, StyleSelectsTheFill)
{
    CDrawDoc doc;
    doc.m_nBackStyle = CDrawDoc::styleSolid;
    doc.m_crBackFrom = RGB(12, 34, 56);
    PageSurface s(850, 1100);
    CPagePainter::PaintBackground(s.dc.get(), doc);
    EXPECT_EQ(Hex(s.At(0, 0)), Hex(RGB(12, 34, 56)));
    EXPECT_EQ(Hex(s.At(849, 1099)), Hex(RGB(12, 34, 56)));

    // A stretched background picture hides the colour, even when tiled.
    doc.m_bDrawBackImage = 1;
    doc.m_bBackImageStretch = 1;
    doc.m_nBackImagePlacement = CDrawDoc::placeTiled;
    PageSurface t(850, 1100);
    CPagePainter::PaintBackground(t.dc.get(), doc);
    EXPECT_EQ(Hex(t.At(400, 400)), Hex(kWhite));

    doc.m_bDrawBackImage = 0;
    doc.m_nBackStyle = 7;  // unknown styles paint nothing
    PageSurface u(850, 1100);
    CPagePainter::PaintBackground(u.dc.get(), doc);
    EXPECT_EQ(Hex(u.At(400, 400)), Hex(kWhite));
}

TEST(PageBackground, PictureTiledFromTheLowerLeftWithPartialTiles)
{
    CDrawDoc doc;
    doc.m_pBackImage = std::make_unique<CPictureHolder>(Quadrants(100, 80));
    doc.m_bDrawBackImage = 1;
    doc.m_nBackImagePlacement = CDrawDoc::placeTiled;
    doc.m_bBackImageStretch = 0;
    PageSurface s(850, 1100);
    CPagePainter::PaintBackgroundImage(s.dc.get(), doc);
    // 8 whole tiles and a 50-unit tile across; 13 rows and a 60-unit row
    // (1100 = 13 x 80 + 60) at the top. Row 0 lies on the lower edge.
    // Lowest tile: pixel rows 1020-1099, its upper half red and green.
    EXPECT_EQ(Hex(s.At(10, 1025)), Hex(kRed));
    EXPECT_EQ(Hex(s.At(60, 1025)), Hex(kGreen));
    EXPECT_EQ(Hex(s.At(10, 1095)), Hex(kBlue));
    EXPECT_EQ(Hex(s.At(60, 1095)), Hex(kYellow));
    // The right edge tile shows the picture's left half.
    EXPECT_EQ(Hex(s.At(810, 1025)), Hex(kRed));
    EXPECT_EQ(Hex(s.At(845, 1095)), Hex(kBlue));
    // The partial row at the top shows the picture's upper 60 rows: 40 red
    // or green, then 20 blue or yellow.
    EXPECT_EQ(Hex(s.At(10, 5)), Hex(kRed));
    EXPECT_EQ(Hex(s.At(10, 55)), Hex(kBlue));
    EXPECT_EQ(Hex(s.At(60, 55)), Hex(kYellow));
    EXPECT_EQ(Hex(s.At(845, 55)), Hex(kBlue));
}

TEST(PageBackground, NothingTiledWhenATileIsOverHalfThePage)
{
    CDrawDoc doc;
    doc.m_pBackImage = std::make_unique<CPictureHolder>(Quadrants(430, 80));
    doc.m_bDrawBackImage = 1;
    doc.m_nBackImagePlacement = CDrawDoc::placeTiled;
    PageSurface s(850, 1100);
    CPagePainter::PaintBackgroundImage(s.dc.get(), doc);
    for (int y = 0; y < 1100; y += 50)
        for (int x = 0; x < 850; x += 50) ASSERT_EQ(s.At(x, y), kWhite) << x << "," << y;
}

TEST(PageBackground, PictureCentredAndStretched)
{
    CDrawDoc doc;
    doc.m_pBackImage = std::make_unique<CPictureHolder>(Quadrants(200, 100));
    doc.m_bDrawBackImage = 1;
    doc.m_nBackImagePlacement = CDrawDoc::placeCenter;
    doc.m_bBackImageStretch = 0;
    PageSurface s(850, 1100);
    CPagePainter::PaintBackgroundImage(s.dc.get(), doc);
    // (-100, -50, 100, 50) on the page: pixels 325-524 and 500-599.
    EXPECT_EQ(Hex(s.At(326, 501)), Hex(kRed));
    EXPECT_EQ(Hex(s.At(523, 501)), Hex(kGreen));
    EXPECT_EQ(Hex(s.At(326, 598)), Hex(kBlue));
    EXPECT_EQ(Hex(s.At(523, 598)), Hex(kYellow));
    EXPECT_EQ(Hex(s.At(323, 550)), Hex(kWhite));
    EXPECT_EQ(Hex(s.At(426, 602)), Hex(kWhite));

    doc.m_bBackImageStretch = 1;
    PageSurface t(850, 1100);
    CPagePainter::PaintBackgroundImage(t.dc.get(), doc);
    EXPECT_EQ(Hex(t.At(2, 2)), Hex(kRed));
    EXPECT_EQ(Hex(t.At(847, 2)), Hex(kGreen));
    EXPECT_EQ(Hex(t.At(2, 1097)), Hex(kBlue));
    EXPECT_EQ(Hex(t.At(847, 1097)), Hex(kYellow));
}

TEST(PageBackground, DesignGridEveryTenthOfAnInch)
{
    CDrawDoc doc;
    CPagePaintOptions options;
    options.m_crGrid = RGB(100, 170, 128);
    PageSurface s(850, 1100);
    CPagePainter::DrawDesignGrid(s.dc.get(), doc, options);
    // The axes cross at the page centre; lines every 10 units.
    EXPECT_EQ(Hex(s.At(425, 100)), Hex(options.m_crGrid));
    EXPECT_EQ(Hex(s.At(100, 550)), Hex(options.m_crGrid));
    EXPECT_EQ(Hex(s.At(435, 100)), Hex(options.m_crGrid));
    EXPECT_EQ(Hex(s.At(430, 103)), Hex(kWhite));
    EXPECT_EQ(Hex(s.At(0, 103)), Hex(options.m_crGrid));  // the outline at the left edge
}

TEST(PageExport, PictureSizeAndColoursAtProbes)
{
    CDrawDoc doc;
    doc.m_nBackStyle = CDrawDoc::styleSolid;
    doc.m_crBackFrom = RGB(30, 60, 90);
    QImage at100 = RenderPagePicture(doc, 100);
    EXPECT_EQ(at100.size(), QSize(850, 1100));
    EXPECT_EQ(at100.pixel(0, 0), qRgb(30, 60, 90));
    EXPECT_EQ(at100.pixel(849, 1099), qRgb(30, 60, 90));
    QImage at300 = RenderPagePicture(doc, 300);
    EXPECT_EQ(at300.size(), QSize(2550, 3300));
    EXPECT_EQ(at300.pixel(2549, 3299), qRgb(30, 60, 90));

    std::string error;
    EXPECT_FALSE(ExportPagePicture(doc, "/tmp/x.jpeg", 100, &error));
    EXPECT_EQ(error, "ERROR: File extension must be - bmp or jpg.");
    EXPECT_FALSE(ExportPagePicture(doc, "/tmp/x.png", 100, &error));
    EXPECT_FALSE(ExportPagePicture(doc, "/tmp/noext", 100, &error));
}
