#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"
#include "platform/QtDC.h"
#include "support/BmpFixture.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

void EnsureApp()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "test_render";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
}

std::string WriteBmp(const std::string& name, int width, int height, const std::function<COLORREF(int, int)>& colour)
{
    // Built up in steps: one concatenation here trips a false array-bounds
    // warning in GCC 12.
    std::string path = MONDREL_BINARY_DIR;
    path += "/";
    path += name;
    testbmp::WriteFile(path, testbmp::Bmp24(width, height, colour));
    return path;
}

// A square page of 400 × 400 units drawn one pixel per unit, origin in the
// middle and y pointing up, as the design view maps a page.
class ObjectDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp();
        m_image = QImage(400, 400, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        m_dc = std::make_unique<CQtDC>(m_image);
        m_dc->SetMapMode(MM_ANISOTROPIC);
        m_dc->SetWindowExt(100, 100);
        m_dc->SetViewportExt(100, -100);
        m_dc->SetViewportOrg(200, 200);
    }

    // MONDREL_RENDER_DUMP names a folder to keep each test's picture in, for
    // looking at.
    void TearDown() override
    {
        if (const char* dir = std::getenv("MONDREL_RENDER_DUMP")) {
            const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
            m_dc.reset();
            m_image.save(QString::fromUtf8(dir) + "/" + QString::fromUtf8(info->name()) + ".png");
        }
    }

    // The colour at a page point.
    COLORREF At(int x, int y) const
    {
        const QRgb p = m_image.pixel(200 + x, 200 - y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    }
    bool IsInk(int x, int y) const { return qGray(m_image.pixel(200 + x, 200 - y)) < 160; }

    // Counts the pixels of a colour over a page rectangle (inclusive edges).
    int Count(int x0, int y0, int x1, int y1, COLORREF colour) const
    {
        int n = 0;
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
            for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
                if (At(x, y) == colour) ++n;
        return n;
    }

    // The page-unit box of all ink (left, top, right, bottom with top > bottom).
    CRect InkBox() const
    {
        CRect box(1 << 20, -(1 << 20), -(1 << 20), 1 << 20);
        for (int y = -199; y < 200; ++y)
            for (int x = -200; x < 200; ++x)
                if (IsInk(x, y)) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x);
                    box.top = std::max(box.top, y);
                    box.bottom = std::min(box.bottom, y);
                }
        return box;
    }

    QImage m_image;
    std::unique_ptr<CQtDC> m_dc;
};

}  // namespace

TEST_F(ObjectDrawTest, ThickLineEndsStayInsideTheRectangle)
{
    CDrawRect line(CRect(0, 100, 100, 0), CDrawRect::kindLine);
    line.m_logpen.lopnWidth = CPoint(5, 5);
    line.m_nBorderThickness = 5;
    line.m_logpen.lopnColor = RGB(0, 0, 0);
    line.Draw(m_dc.get());
    // Stroked from (3, 98) to (98, 3): the middle is inked, the corners of
    // the rectangle are not.
    EXPECT_TRUE(IsInk(50, 50));
    EXPECT_TRUE(IsInk(4, 97));
    EXPECT_TRUE(IsInk(97, 4));
    EXPECT_FALSE(IsInk(0, 100));
    EXPECT_FALSE(IsInk(100, 0));
    EXPECT_FALSE(IsInk(-1, 101));
}

TEST_F(ObjectDrawTest, ShapesFillWithTheBrushAndOutlineWithTheLineType)
{
    CDrawRect ellipse(CRect(-100, 100, 100, -100), CDrawRect::kindEllipse);
    ellipse.m_logbrush.lbColor = kGreen;
    ellipse.m_logpen.lopnColor = kBlue;
    ellipse.m_nBorderThickness = 3;
    ellipse.Draw(m_dc.get());
    EXPECT_EQ(At(0, 0), kGreen);
    EXPECT_EQ(At(-95, 95), kWhite);  // outside the ellipse, inside its box
    EXPECT_GT(Count(0, 97, 0, 102, kBlue), 0);

    CDrawRect hollow(CRect(120, 190, 190, 120));
    hollow.m_bFill = 0;
    hollow.m_bDrawBorder = 0;
    hollow.Draw(m_dc.get());
    EXPECT_EQ(Count(119, 119, 191, 191, kWhite), 73 * 73);
}

TEST_F(ObjectDrawTest, PlainFrameBandsLieInsideTheGeneratedRectangle)
{
    // Generated frames are stored with left > right and top < bottom.
    CDrawRect frame(CRect(150, -150, -150, 150), CDrawRect::kindFrame);
    frame.m_logbrush.lbColor = kRed;
    frame.m_bDrawBorder = 0;
    ASSERT_EQ(frame.m_nGridLineType, 1);
    ASSERT_EQ(frame.m_nGridThickness, 15);
    frame.Draw(m_dc.get());
    EXPECT_EQ(At(0, -143), kRed);   // along the stored top (the visual bottom)
    EXPECT_EQ(At(0, 143), kRed);    // along the stored bottom
    EXPECT_EQ(At(143, 0), kRed);    // along the stored left
    EXPECT_EQ(At(-143, 0), kRed);   // along the stored right
    EXPECT_EQ(At(0, 0), kWhite);
    EXPECT_EQ(At(0, 130), kWhite);  // just inside the band
    EXPECT_EQ(At(0, 160), kWhite);  // outside the frame

    // Without fill the plain bands are not painted.
    m_image.fill(Qt::white);
    frame.m_bFill = 0;
    frame.Draw(m_dc.get());
    EXPECT_EQ(At(0, 143), kWhite);
}

TEST_F(ObjectDrawTest, ImageFrameTilesThePictureAlongTheBands)
{
    const std::string green = WriteBmp("objdraw_green.bmp", 8, 8, [](int, int) { return kGreen; });
    CDrawRect frame(CRect(150, -150, -150, 150), CDrawRect::kindFrame);
    frame.SetFrameStyle(1, 1, 0, 0, 0, 0, kRed, 20, 0, green, "bmp");
    ASSERT_TRUE(frame.m_pImage && frame.m_pImage->IsValid());
    frame.Draw(m_dc.get());
    EXPECT_EQ(At(0, -140), kGreen);
    EXPECT_EQ(At(0, 140), kGreen);
    EXPECT_EQ(At(140, 0), kGreen);
    EXPECT_EQ(At(-140, 0), kGreen);
    EXPECT_EQ(At(0, 0), kWhite);
    EXPECT_EQ(At(0, 120), kWhite);
    EXPECT_EQ(At(0, 170), kWhite);
    EXPECT_EQ(Count(-100, 150, 100, 130, kRed), 0);  // the fill colour plays no part
}

TEST_F(ObjectDrawTest, OpaqueImageReadsUprightInAGeneratedRectangle)
{
    // Red on top, green below, as the picture is seen.
    const std::string path = WriteBmp("objdraw_topred.bmp", 20, 20,
                                      [](int, int y) { return y < 10 ? kRed : kGreen; });
    CDrawRect image(CRect(100, -100, -100, 100), CDrawRect::kindImage);
    image.m_strImagePath = path;
    image.m_strImageType = "bmp";
    image.RebuildImage();
    image.Draw(m_dc.get());
    EXPECT_EQ(At(0, 80), kRed);
    EXPECT_EQ(At(0, -80), kGreen);
    EXPECT_EQ(image.m_strText, "Image Place Holder");
    // Another picture than the default one has no caption over it.
    EXPECT_EQ(Count(-100, 20, 99, 0, kWhite), 0);
}

TEST_F(ObjectDrawTest, TransparentImageShowsWhatLiesUnderTheKeyColour)
{
    m_image.fill(QColor(0, 0, 255));
    // A red square in the middle of a white picture.
    const std::string path = WriteBmp("objdraw_keyed.bmp", 20, 20, [](int x, int y) {
        return x >= 5 && x < 15 && y >= 5 && y < 15 ? kRed : kWhite;
    });
    CDrawRect image(CRect(100, -100, -100, 100), CDrawRect::kindImage);
    image.m_strImagePath = path;
    image.m_strImageType = "bmp";
    image.m_bOpaque = 0;
    image.m_crTransparent = kWhite;
    image.RebuildImage();
    image.Draw(m_dc.get());
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(-80, 80), kBlue);
    EXPECT_EQ(At(80, -80), kBlue);
    EXPECT_EQ(Count(-100, 100, 99, -99, kWhite), 0);
    EXPECT_GT(Count(-100, 100, 99, -99, kRed), 90 * 90);
}

TEST_F(ObjectDrawTest, ImageWithoutItsPictureDrawsOnlyTheDefaultCaption)
{
    std::string installDir = MONDREL_BINARY_DIR;
    installDir += "/no-such-install-dir/";
    Environment().m_strInstallDir = installDir;
    CDrawRect image(CRect(100, -100, -100, 100), CDrawRect::kindImage);
    ASSERT_NE(image.m_pImage, nullptr);
    EXPECT_FALSE(image.m_pImage->IsValid());
    image.Draw(m_dc.get());
    // The picture draws nothing, the caption is written across the middle.
    const CRect ink = InkBox();
    EXPECT_LT(ink.left, -20);
    EXPECT_GT(ink.right, 20);
    EXPECT_LT(ink.top, 20);
    EXPECT_GT(ink.bottom, -20);

    m_image.fill(Qt::white);
    image.SetImageFile(installDir + "no-such-picture.jpg", "jpg");
    image.Draw(m_dc.get());
    EXPECT_EQ(Count(-100, 100, 99, -99, kWhite), 200 * 200);
    Environment().m_strInstallDir = "./";
}

TEST_F(ObjectDrawTest, FlatTextFollowsItsAlignment)
{
    CDrawRect text(CRect(-150, 50, 150, -50), CDrawRect::kindText);
    text.m_strText = "Mondrel";
    text.SetHeaderFont("DejaVu Sans", 20, 1, 0, 0, RGB(0, 0, 0));
    text.m_nHeaderAlign = 1;
    text.Draw(m_dc.get());
    CRect left = InkBox();
    EXPECT_LT(left.left, -140);
    EXPECT_LT(left.right, 0);

    m_image.fill(Qt::white);
    text.m_nHeaderAlign = 2;
    text.Draw(m_dc.get());
    const CRect right = InkBox();
    EXPECT_GT(right.right, 140);
    EXPECT_GT(right.left, 0);

    m_image.fill(Qt::white);
    text.m_nHeaderAlign = 3;  // no such alignment: no text
    text.Draw(m_dc.get());
    EXPECT_EQ(Count(-150, 50, 149, -49, kWhite), 300 * 100);
}

TEST_F(ObjectDrawTest, BackgroundAndBorderOfAText)
{
    CDrawRect text(CRect(-100, 50, 100, -50), CDrawRect::kindText);
    text.m_strText = "";
    text.m_bHeaderTransparent = 0;
    text.m_crHeaderBack = kGreen;
    text.m_bHeaderLine = 1;
    text.m_crHeaderLine = kBlue;
    text.m_nHeaderLineThickness = 3;
    text.Draw(m_dc.get());
    EXPECT_EQ(At(0, 0), kGreen);
    EXPECT_EQ(At(0, 50), kBlue);
    EXPECT_EQ(At(-100, 0), kBlue);
    EXPECT_EQ(At(0, 70), kWhite);
}

TEST_F(ObjectDrawTest, RotatedTextTurnsAboutTheCentreWithoutClipping)
{
    // Drawn with the tools, as every object is, from the visual top left.
    CDrawRect text(CRect(30, -20, -30, 20), CDrawRect::kindText);
    text.m_strText = "Calendar 2026";
    text.SetHeaderFont("DejaVu Sans", 16, 0, 0, 0, RGB(0, 0, 0));
    text.m_fontHeader.m_nRotation = 90;
    text.Draw(m_dc.get());
    const CRect ink = InkBox();
    const int width = ink.right - ink.left;
    const int height = ink.top - ink.bottom;
    // Reads upwards: taller than wide, sticking out of the 40-unit-high
    // rectangle, centred on its centre within a few units.
    EXPECT_GT(height, 2 * width);
    EXPECT_GT(ink.top, 20);
    EXPECT_LT(ink.bottom, -20);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 0.0, 6.0);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 0.0, 6.0);
}

TEST_F(ObjectDrawTest, ThreeDimensionalTextDrawsOnlyItsPicture)
{
    m_image.fill(QColor(0, 0, 255));
    CDrawRect text(CRect(100, -50, -100, 50), CDrawRect::kindText);
    text.m_bShow3D = 1;
    text.m_bHeaderTransparent = 0;
    text.m_crHeaderBack = kGreen;
    text.m_bHeaderLine = 1;
    // Red on the left half, white (transparent) on the right.
    ASSERT_TRUE(text.m_3DBitmap.Create(20, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            BYTE* p = text.m_3DBitmap.GetBits() + (y * 20 + x) * 4;
            const bool red = x < 10;
            p[0] = red ? 0 : 255;
            p[1] = red ? 0 : 255;
            p[2] = 255;
        }
    text.Draw(m_dc.get());
    EXPECT_EQ(At(-50, 0), kRed);
    EXPECT_EQ(At(50, 0), kBlue);
    EXPECT_EQ(Count(-100, 50, 99, -49, kGreen), 0);
}

TEST_F(ObjectDrawTest, SelectionHandlesInvertSevenBySevenSquares)
{
    CDrawObj obj(CRect(-100, 100, 100, -100));
    obj.DrawSelectionHandles(m_dc.get(), 0);
    obj.DrawSelectionHandles(m_dc.get(), 3);
    EXPECT_EQ(Count(-110, 110, 110, -110, kWhite), 221 * 221);
    obj.DrawSelectionHandles(m_dc.get(), 1);
    EXPECT_EQ(Count(-110, 110, 110, -110, RGB(0, 0, 0)), 8 * 49);
    EXPECT_EQ(At(-100, 100), RGB(0, 0, 0));
    EXPECT_EQ(At(0, -100), RGB(0, 0, 0));
    EXPECT_EQ(At(0, 0), kWhite);
}

TEST_F(ObjectDrawTest, PolygonsFillAndPolylinesDoNot)
{
    CDrawPoly poly(CRect(0, 0, 0, 0));
    poly.m_bFill = 1;
    poly.m_logbrush.lbColor = kGreen;
    for (CPoint p : {CPoint(-150, -150), CPoint(-50, -150), CPoint(-150, -50)}) poly.AppendPoint(p);
    poly.Draw(m_dc.get());
    EXPECT_EQ(At(-130, -130), kGreen);
    EXPECT_EQ(At(-60, -60), kWhite);

    CDrawPolyL line(CRect(0, 0, 0, 0));
    line.m_bFill = 1;
    line.m_logbrush.lbColor = kGreen;
    line.m_logpen.lopnWidth = CPoint(3, 3);
    for (CPoint p : {CPoint(50, 50), CPoint(150, 50), CPoint(50, 150)}) line.AppendPoint(p);
    line.Draw(m_dc.get());
    EXPECT_TRUE(IsInk(100, 50));
    EXPECT_EQ(Count(50, 50, 150, 150, kGreen), 0);
}

TEST_F(ObjectDrawTest, EmbeddedPictureDrawsUprightInEitherCornerOrder)
{
    const std::vector<BYTE> bytes = testbmp::Bmp24(10, 10, [](int, int y) { return y < 5 ? kRed : kGreen; });
    for (const CRect& rect : {CRect(-100, 100, 100, -100), CRect(100, -100, -100, 100)}) {
        m_image.fill(Qt::white);
        CDrawOleObj obj(rect);
        obj.m_pItem = new CDrawItem(nullptr, &obj);
        ASSERT_TRUE(obj.m_pItem->SetData(bytes, IMAGE_FORMAT_BMP));
        obj.Draw(m_dc.get());
        EXPECT_EQ(At(0, 80), kRed);
        EXPECT_EQ(At(0, -80), kGreen);
        EXPECT_EQ(At(0, 120), kWhite);
    }
}
