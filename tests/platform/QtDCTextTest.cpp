// Text placement, fonts and DrawTextA through the Qt surface.

#include "QtDCTestUtil.h"

using namespace surfacetest;

namespace {

class SurfaceText : public SurfaceTest {};

CFont MakeFont(int height, const std::string& face = "DejaVu Sans", int escapement = 0, int weight = FW_NORMAL)
{
    CFont font;
    font.CreateFont(height, 0, escapement, 0, weight, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, face);
    return font;
}

// Draws "HH" with the given alignment at (100, 100) and returns where its
// ink landed.
QRect InkOfAlignedText(UINT align, int escapement = 0)
{
    QImage image = WhiteImage(200, 200);
    {
        CQtDC dc(image);
        CFont font = MakeFont(-30, "DejaVu Sans", escapement);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(align);
        dc.TextOut(100, 100, "HH");
    }
    return InkBox(image);
}

TEST_F(SurfaceText, HorizontalAlignmentFlags)
{
    const QRect left = InkOfAlignedText(TA_LEFT | TA_TOP);
    const QRect right = InkOfAlignedText(TA_RIGHT | TA_TOP);
    const QRect centre = InkOfAlignedText(TA_CENTER | TA_TOP);
    ASSERT_FALSE(left.isEmpty());
    EXPECT_NEAR(left.left(), 100, 4);
    EXPECT_NEAR(right.right(), 100, 4);
    EXPECT_NEAR((centre.left() + centre.right()) / 2.0, 100, 2);
    EXPECT_EQ(left.width(), right.width());
}

TEST_F(SurfaceText, VerticalAlignmentFlags)
{
    const QRect top = InkOfAlignedText(TA_LEFT | TA_TOP);
    const QRect baseline = InkOfAlignedText(TA_LEFT | TA_BASELINE);
    const QRect bottom = InkOfAlignedText(TA_LEFT | TA_BOTTOM);
    // Capitals stand on the baseline and start below the top of the cell.
    EXPECT_GT(top.top(), 100);
    EXPECT_LT(top.top(), 112);
    EXPECT_NEAR(baseline.bottom(), 99, 1);
    // The bottom of the cell lies the descent below the baseline.
    EXPECT_LT(bottom.bottom(), 95);
    EXPECT_GT(bottom.bottom(), 85);
    EXPECT_EQ(top.height(), baseline.height());
}

TEST_F(SurfaceText, EscapementTurnsTextAboutItsAnchor)
{
    const QRect flat = InkOfAlignedText(TA_LEFT | TA_BASELINE);
    const QRect up = InkOfAlignedText(TA_LEFT | TA_BASELINE, 900);
    const QRect down = InkOfAlignedText(TA_LEFT | TA_BASELINE, -900);
    // A quarter turn counter-clockwise: the text runs upwards from the
    // anchor and stands to its left.
    EXPECT_NEAR(up.bottom(), 100, 4);
    EXPECT_NEAR(up.right(), 99, 2);
    EXPECT_NEAR(up.height(), flat.width(), 2);
    // Clockwise: downwards, to the right of the anchor.
    EXPECT_NEAR(down.top(), 100, 4);
    EXPECT_NEAR(down.left(), 100, 2);
}

TEST_F(SurfaceText, TextReadsUprightUnderYUpMapping)
{
    QImage image = WhiteImage(200, 200);
    {
        CQtDC dc(image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(100, -100);
        dc.SetViewportExt(96, 96);
        dc.SetViewportOrg(0, 200);  // logical y 0 at the bottom
        CFont font = MakeFont(-40);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.TextOut(20, 150, "T");
    }
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    // Logical y 150 is device row 200 - 144 = 56; the text hangs below it.
    EXPECT_GE(ink.top(), 56);
    EXPECT_LT(ink.top(), 66);
    // Upright "T": the bar is at the top, so the top row is wider than the
    // bottom row.
    auto inkInRow = [&](int y) {
        int n = 0;
        for (int x = 0; x < 200; ++x) n += IsInk(image, x, y);
        return n;
    };
    EXPECT_GT(inkInRow(ink.top() + 1), 3 * inkInRow(ink.bottom() - 1));
}

TEST_F(SurfaceText, ExtentsAndMetricsAreInLogicalUnits)
{
    QImage image = WhiteImage(100, 100);
    CQtDC dc(image);
    CFont font = MakeFont(-20);
    dc.SelectObject(&font);
    const CSize pixels = dc.GetTextExtent("Hello");
    TEXTMETRIC tmPixels;
    dc.GetTextMetricsA(&tmPixels);
    EXPECT_GT(pixels.cx, 30);
    EXPECT_EQ(pixels.cy, tmPixels.tmHeight);
    EXPECT_EQ(tmPixels.tmAscent + tmPixels.tmDescent, tmPixels.tmHeight);
    EXPECT_GE(tmPixels.tmHeight, 20);

    // Half a pixel per unit: the same font is half as large on the device,
    // but measures the same in logical units.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, -2);
    dc.SetViewportExt(1, 1);
    const CSize logical = dc.GetTextExtent("Hello");
    EXPECT_NEAR(logical.cx, pixels.cx, 4);
    EXPECT_NEAR(logical.cy, pixels.cy, 2);
}

TEST_F(SurfaceText, PositiveHeightAsksForTheCell)
{
    QImage image = WhiteImage(10, 10);
    CQtDC dc(image);
    CFont cell = MakeFont(40), character = MakeFont(-40);
    TEXTMETRIC tmCell, tmChar;
    dc.SelectObject(&cell);
    dc.GetTextMetricsA(&tmCell);
    dc.SelectObject(&character);
    dc.GetTextMetricsA(&tmChar);
    EXPECT_NEAR(tmCell.tmHeight, 40, 1);
    EXPECT_GT(tmChar.tmHeight, 40);
    EXPECT_GT(tmChar.tmInternalLeading, 0);
}

TEST_F(SurfaceText, UninstalledFaceFallsBackToAnInstalledOne)
{
    EXPECT_EQ(CQtDC::ResolveFace("Tahoma"), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(CQtDC::ResolveFace("Space Toaster"), QStringLiteral("DejaVu Sans"));
    QImage image = WhiteImage(200, 60);
    {
        CQtDC dc(image);
        CFont font = MakeFont(-30, "Tahoma");
        dc.SelectObject(&font);
        dc.TextOut(5, 5, "Mondrel");
    }
    EXPECT_GT(InkBox(image).width(), 60);
}

TEST_F(SurfaceText, BoldIsHeavierAndUnderlineDrawsALine)
{
    auto inkCount = [](int weight, bool underline) {
        QImage image = WhiteImage(200, 60);
        {
            CQtDC dc(image);
            CFont font;
            font.CreateFont(-30, 0, 0, 0, weight, 0, underline, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
            dc.SelectObject(&font);
            dc.TextOut(5, 5, "IIII");
        }
        int n = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x) n += IsInk(image, x, y);
        return n;
    };
    const int normal = inkCount(FW_NORMAL, false);
    EXPECT_GT(inkCount(FW_BOLD, false), normal * 5 / 4);
    EXPECT_GT(inkCount(FW_NORMAL, true), normal + 20);
}

TEST_F(SurfaceText, OpaqueBackgroundFillsTheTextCell)
{
    QImage image = WhiteImage(200, 60);
    {
        CQtDC dc(image);
        CFont font = MakeFont(-20);
        dc.SelectObject(&font);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(0, 0, 255));
        dc.TextOut(10, 10, "ab");
    }
    EXPECT_EQ(At(image, 11, 11), RGB(0, 0, 255));
    EXPECT_EQ(At(image, 9, 11), RGB(255, 255, 255));
}

TEST_F(SurfaceText, DrawTextAlignsInsideTheRectangle)
{
    struct Case {
        UINT format;
        int expectLeft, expectRight;  // -1: not checked
    };
    const CRect box(50, 20, 250, 80);
    auto draw = [&](UINT format, const CRect& rect) {
        QImage image = WhiteImage(300, 100);
        int height = 0;
        {
            CQtDC dc(image);
            CFont font = MakeFont(-20);
            dc.SelectObject(&font);
            dc.SetBkMode(TRANSPARENT);
            CRect r = rect;
            height = dc.DrawTextA("HHH", &r, format);
        }
        return std::make_pair(InkBox(image), height);
    };
    const auto [left, h] = draw(DT_LEFT | DT_VCENTER | DT_SINGLELINE, box);
    const auto [right, h2] = draw(DT_RIGHT | DT_VCENTER | DT_SINGLELINE, box);
    const auto [centre, h3] = draw(DT_CENTER | DT_VCENTER | DT_SINGLELINE, box);
    EXPECT_NEAR(left.left(), 50, 3);
    EXPECT_NEAR(right.right(), 249, 3);
    EXPECT_NEAR((centre.left() + centre.right()) / 2.0, 150, 2);
    EXPECT_NEAR((left.top() + left.bottom()) / 2.0, 50, 4);
    EXPECT_GT(h, 20);
    EXPECT_EQ(h, h2);
    EXPECT_EQ(h, h3);
    // The same rectangle with both pairs of edges exchanged places the
    // text the same way.
    const auto [reversed, h4] = draw(DT_RIGHT | DT_VCENTER | DT_SINGLELINE, CRect(250, 80, 50, 20));
    EXPECT_EQ(reversed, right);
    EXPECT_EQ(h4, h2);
}

TEST_F(SurfaceText, DrawTextClipsUnlessNoClip)
{
    auto draw = [](UINT format) {
        QImage image = WhiteImage(300, 100);
        {
            CQtDC dc(image);
            CFont font = MakeFont(-40);
            dc.SelectObject(&font);
            dc.SetBkMode(TRANSPARENT);
            CRect r(100, 40, 140, 60);
            dc.DrawTextA("WWWWWW", &r, format);
        }
        return InkBox(image);
    };
    const QRect clipped = draw(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const QRect free = draw(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GE(clipped.left(), 100);
    EXPECT_LE(clipped.right(), 139);
    EXPECT_GE(clipped.top(), 40);
    EXPECT_LE(clipped.bottom(), 59);
    EXPECT_LT(free.left(), 80);
    EXPECT_GT(free.right(), 160);
}

TEST_F(SurfaceText, DrawTextCalcRectAndLines)
{
    QImage image = WhiteImage(300, 200);
    CQtDC dc(image);
    CFont font = MakeFont(-20);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetricsA(&tm);
    CRect r(0, 0, 300, 0);
    const int h = dc.DrawTextA("one\ntwo\nthree", &r, DT_LEFT | DT_CALCRECT);
    EXPECT_EQ(h, 3 * tm.tmHeight);
    EXPECT_EQ(r.Height(), h);
    EXPECT_EQ(r.Width(), dc.GetTextExtent("three").cx);
    EXPECT_EQ(InkBox(image), QRect());  // measuring draws nothing

    CRect narrow(0, 0, 60, 0);
    const int wrapped = dc.DrawTextA("aaa bbb ccc", &narrow, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(wrapped, 2 * tm.tmHeight);
}

}  // namespace
