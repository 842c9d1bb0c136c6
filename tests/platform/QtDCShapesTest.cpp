// Shapes, pens and brushes drawn through the Qt surface, checked pixel by
// pixel where the platform's drawing rules are exact.

#include "QtDCTestUtil.h"

using namespace surfacetest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class SurfaceShapes : public SurfaceTest {};

// The on/off run lengths of a row of pixels, starting with the first
// pixel of the given colour.
std::vector<int> Runs(const QImage& image, int y, int x0, int x1, COLORREF on)
{
    std::vector<int> runs;
    int x = x0;
    while (x < x1 && At(image, x, y) != on) ++x;
    bool state = true;
    int len = 0;
    for (; x < x1; ++x) {
        const bool isOn = At(image, x, y) == on;
        if (isOn == state) {
            ++len;
        } else {
            runs.push_back(len);
            state = isOn;
            len = 1;
        }
    }
    runs.push_back(len);
    return runs;
}

TEST_F(SurfaceShapes, RectangleLeavesOutRightAndBottomEdge)
{
    QImage image = WhiteImage(120, 120);
    {
        CQtDC dc(image);
        CBrush brush(kRed);
        CPen pen(PS_SOLID, 1, kBlack);
        dc.SelectObject(&brush);
        dc.SelectObject(&pen);
        dc.Rectangle(10, 10, 110, 60);
    }
    // The outline covers columns 10..109 and rows 10..59: 100 by 50 pixels.
    EXPECT_EQ(At(image, 10, 10), kBlack);
    EXPECT_EQ(At(image, 109, 59), kBlack);
    EXPECT_EQ(At(image, 110, 30), kWhite);
    EXPECT_EQ(At(image, 50, 60), kWhite);
    EXPECT_EQ(At(image, 9, 30), kWhite);
    EXPECT_EQ(At(image, 50, 9), kWhite);
    EXPECT_EQ(At(image, 11, 11), kRed);
    EXPECT_EQ(At(image, 108, 58), kRed);
    EXPECT_EQ(CountColor(image, QRect(0, 0, 120, 120), kBlack), 2 * 100 + 2 * 48);
}

TEST_F(SurfaceShapes, FillsCoverExactlyTheirRectangle)
{
    QImage image = WhiteImage(60, 60);
    {
        CQtDC dc(image);
        dc.FillSolidRect(CRect(5, 5, 25, 15), kBlue);
        dc.SelectStockObject(NULL_PEN);
        CBrush brush(kRed);
        dc.SelectObject(&brush);
        dc.Rectangle(30, 30, 40, 50);
        CBrush green(RGB(0, 255, 0));
        dc.FillRect(CRect(40, 0, 50, 10), &green);
    }
    EXPECT_EQ(CountColor(image, QRect(0, 0, 60, 30), kBlue), 20 * 10);
    EXPECT_EQ(CountColor(image, QRect(0, 0, 60, 60), kRed), 10 * 20);
    EXPECT_EQ(CountColor(image, QRect(0, 0, 60, 60), RGB(0, 255, 0)), 100);
}

TEST_F(SurfaceShapes, ReversedRectanglesDrawAsTheirNormalisedForm)
{
    QImage a = WhiteImage(80, 80), b = WhiteImage(80, 80);
    for (int pass = 0; pass < 2; ++pass) {
        CQtDC dc(pass ? b : a);
        CBrush brush(kRed);
        dc.SelectObject(&brush);
        if (pass) {
            dc.Rectangle(70, 60, 10, 20);
            dc.Ellipse(70, 60, 10, 20);
        } else {
            dc.Rectangle(10, 20, 70, 60);
            dc.Ellipse(10, 20, 70, 60);
        }
    }
    EXPECT_EQ(a, b);
}

TEST_F(SurfaceShapes, NullPenAndNullBrush)
{
    QImage image = WhiteImage(100, 50);
    {
        CQtDC dc(image);
        CBrush brush(kRed);
        CPen pen(PS_SOLID, 1, kBlue);
        dc.SelectObject(&pen);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(0, 0, 40, 40);
        dc.SelectStockObject(NULL_PEN);
        dc.SelectObject(&brush);
        dc.Rectangle(50, 0, 90, 40);
    }
    EXPECT_EQ(At(image, 0, 0), kBlue);
    EXPECT_EQ(At(image, 20, 20), kWhite);  // outline without fill
    EXPECT_EQ(At(image, 50, 0), kRed);     // fill without outline
    EXPECT_EQ(At(image, 89, 39), kRed);
    EXPECT_EQ(At(image, 90, 39), kWhite);
}

TEST_F(SurfaceShapes, EllipseAndRoundRectStayInsideTheirBox)
{
    QImage image = WhiteImage(140, 80);
    {
        CQtDC dc(image);
        CBrush brush(kRed);
        CPen pen(PS_SOLID, 1, kBlack);
        dc.SelectObject(&brush);
        dc.SelectObject(&pen);
        dc.Ellipse(10, 10, 61, 51);
        dc.RoundRect(70, 10, 130, 70, 20, 20);
    }
    // The ellipse touches all four sides of its box, minus the far edges.
    EXPECT_EQ(At(image, 35, 10), kBlack);
    EXPECT_EQ(At(image, 35, 50), kBlack);
    EXPECT_EQ(At(image, 10, 30), kBlack);
    EXPECT_EQ(At(image, 60, 30), kBlack);
    EXPECT_EQ(At(image, 35, 51), kWhite);
    EXPECT_EQ(At(image, 61, 30), kWhite);
    EXPECT_EQ(At(image, 35, 30), kRed);
    EXPECT_EQ(At(image, 11, 11), kWhite);  // the corner is outside
    // The round rectangle has straight sides and cut corners.
    EXPECT_EQ(At(image, 100, 10), kBlack);
    EXPECT_EQ(At(image, 100, 69), kBlack);
    EXPECT_EQ(At(image, 70, 40), kBlack);
    EXPECT_EQ(At(image, 129, 40), kBlack);
    EXPECT_EQ(At(image, 130, 40), kWhite);
    EXPECT_EQ(At(image, 70, 10), kWhite);
    EXPECT_EQ(At(image, 100, 40), kRed);
}

TEST_F(SurfaceShapes, LinesLeaveOutTheirLastPixel)
{
    QImage image = WhiteImage(50, 50);
    {
        CQtDC dc(image);
        dc.MoveTo(5, 5);
        dc.LineTo(25, 5);
        dc.LineTo(25, 30);
        EXPECT_EQ(dc.GetCurrentPosition(), CPoint(25, 30));
        const CPoint diagonal[] = {{30, 30}, {40, 40}};
        dc.Polyline(diagonal, 2);
    }
    // 5..24 from the first line, and the corner from the second.
    EXPECT_EQ(CountColor(image, QRect(0, 5, 50, 1), kBlack), 21);
    EXPECT_EQ(At(image, 25, 5), kBlack);
    EXPECT_EQ(At(image, 25, 29), kBlack);
    EXPECT_EQ(At(image, 25, 30), kWhite);
    EXPECT_EQ(At(image, 35, 35), kBlack);
    EXPECT_EQ(At(image, 40, 40), kWhite);
}

struct DashCase {
    UINT style;
    std::vector<int> runs;
};

TEST_F(SurfaceShapes, DashedPensCountInDevicePixels)
{
    const DashCase cases[] = {
        {PS_DASH, {18, 6, 18, 6}},
        {PS_DOT, {3, 3, 3, 3}},
        {PS_DASHDOT, {9, 6, 3, 6, 9}},
        {PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3, 9}},
    };
    for (const DashCase& c : cases) {
        QImage image = WhiteImage(200, 10);
        {
            CQtDC dc(image);
            dc.SetBkMode(TRANSPARENT);
            CPen pen(c.style, 1, kBlack);
            dc.SelectObject(&pen);
            // Two segments of one polyline: the pattern goes on across
            // the joint.
            const CPoint pts[] = {{0, 5}, {30, 5}, {190, 5}};
            dc.Polyline(pts, 3);
        }
        std::vector<int> runs = Runs(image, 5, 0, 190, kBlack);
        ASSERT_GE(runs.size(), c.runs.size()) << c.style;
        runs.resize(c.runs.size());
        EXPECT_EQ(runs, c.runs) << "style " << c.style;
    }
}

TEST_F(SurfaceShapes, DashGapsTakeTheBackgroundColourWhenOpaque)
{
    QImage image = WhiteImage(60, 10);
    {
        CQtDC dc(image);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(kBlue);
        CPen pen(PS_DASH, 1, kRed);
        dc.SelectObject(&pen);
        dc.MoveTo(0, 5);
        dc.LineTo(48, 5);
    }
    EXPECT_EQ(At(image, 0, 5), kRed);
    EXPECT_EQ(At(image, 20, 5), kBlue);
    EXPECT_EQ(At(image, 30, 5), kRed);
}

TEST_F(SurfaceShapes, WideDashedPensDrawSolid)
{
    QImage image = WhiteImage(100, 20);
    {
        CQtDC dc(image);
        CPen pen(PS_DASH, 3, kBlack);
        dc.SelectObject(&pen);
        dc.MoveTo(10, 10);
        dc.LineTo(90, 10);
    }
    for (int x = 12; x < 88; ++x) ASSERT_EQ(At(image, x, 10), kBlack) << x;
    EXPECT_EQ(At(image, 50, 9), kBlack);
    EXPECT_EQ(At(image, 50, 11), kBlack);
    EXPECT_EQ(At(image, 50, 13), kWhite);
}

TEST_F(SurfaceShapes, InsideFramePenStaysInsideTheShape)
{
    QImage image = WhiteImage(200, 100);
    {
        CQtDC dc(image);
        CPen frame(PS_INSIDEFRAME, 6, kBlack);
        CBrush brush(kRed);
        dc.SelectObject(&frame);
        dc.SelectObject(&brush);
        dc.Rectangle(10, 10, 90, 90);
        dc.Ellipse(110, 10, 190, 90);
    }
    // Rectangle: six pixels of frame inside each edge, nothing outside.
    EXPECT_EQ(At(image, 10, 50), kBlack);
    EXPECT_EQ(At(image, 15, 50), kBlack);
    EXPECT_EQ(At(image, 16, 50), kRed);
    EXPECT_EQ(At(image, 89, 50), kBlack);
    EXPECT_EQ(At(image, 84, 50), kBlack);
    EXPECT_EQ(At(image, 83, 50), kRed);
    EXPECT_EQ(At(image, 90, 50), kWhite);
    EXPECT_EQ(At(image, 9, 50), kWhite);
    EXPECT_EQ(At(image, 50, 90), kWhite);
    // Ellipse: the ring lies within the box.
    EXPECT_EQ(At(image, 110, 50), kBlack);
    EXPECT_EQ(At(image, 109, 50), kWhite);
    EXPECT_EQ(At(image, 189, 50), kBlack);
    EXPECT_EQ(At(image, 190, 50), kWhite);
    EXPECT_EQ(At(image, 150, 50), kRed);
    EXPECT_EQ(CountColor(image, QRect(100, 0, 100, 10), kBlack), 0);
}

TEST_F(SurfaceShapes, WidePenIsCentredOnTheOutline)
{
    QImage image = WhiteImage(100, 100);
    {
        CQtDC dc(image);
        CPen pen(PS_SOLID, 5, kBlack);
        dc.SelectObject(&pen);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(20, 20, 80, 80);
    }
    EXPECT_EQ(At(image, 18, 50), kBlack);
    EXPECT_EQ(At(image, 22, 50), kBlack);
    EXPECT_EQ(At(image, 17, 50), kWhite);
    EXPECT_EQ(At(image, 23, 50), kWhite);
}

TEST_F(SurfaceShapes, PolygonFillsByTheAlternateRule)
{
    QImage image = WhiteImage(100, 100);
    {
        CQtDC dc(image);
        CBrush brush(kRed);
        dc.SelectObject(&brush);
        dc.SelectStockObject(NULL_PEN);
        // A five-pointed star drawn in one stroke: its centre is outside
        // under the alternate rule.
        const CPoint star[] = {{50, 5}, {79, 95}, {2, 39}, {98, 39}, {21, 95}};
        dc.Polygon(star, 5);
        const CPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        dc.Polygon(square, 4);
    }
    EXPECT_EQ(At(image, 50, 55), kWhite);
    EXPECT_EQ(At(image, 50, 15), kRed);
    EXPECT_EQ(CountColor(image, QRect(0, 0, 12, 12), kRed), 100);
}

TEST_F(SurfaceShapes, HatchedBrushes)
{
    QImage image = WhiteImage(64, 32);
    {
        CQtDC dc(image);
        dc.SelectStockObject(NULL_PEN);
        CBrush horizontal, cross;
        horizontal.CreateHatchBrush(HS_HORIZONTAL, kBlue);
        cross.CreateHatchBrush(HS_CROSS, kRed);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(&horizontal);
        dc.Rectangle(0, 0, 32, 32);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(0, 255, 0));
        dc.SelectObject(&cross);
        dc.Rectangle(32, 0, 64, 32);
    }
    // Horizontal lines every eight rows, the gaps left alone.
    int blueRows = 0;
    for (int y = 0; y < 32; ++y) {
        const int n = CountColor(image, QRect(0, y, 32, 1), kBlue);
        if (n == 32) ++blueRows;
        else EXPECT_EQ(n, 0) << y;
    }
    EXPECT_EQ(blueRows, 4);
    EXPECT_GT(CountColor(image, QRect(0, 0, 32, 32), kWhite), 0);
    // The cross hatch is opaque: its gaps take the background colour.
    EXPECT_EQ(CountColor(image, QRect(32, 0, 32, 32), kWhite), 0);
    EXPECT_GT(CountColor(image, QRect(32, 0, 32, 32), RGB(0, 255, 0)), 0);
    EXPECT_GT(CountColor(image, QRect(32, 0, 32, 32), kRed), 0);
}

TEST_F(SurfaceShapes, DiagonalHatchesRunTheRightWay)
{
    QImage image = WhiteImage(64, 32);
    {
        CQtDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        CBrush forward, backward;
        forward.CreateHatchBrush(HS_FDIAGONAL, kBlack);
        backward.CreateHatchBrush(HS_BDIAGONAL, kBlack);
        dc.FillRect(CRect(0, 0, 32, 32), &forward);
        dc.FillRect(CRect(32, 0, 64, 32), &backward);
    }
    // Forward diagonals go down to the right, backward ones up to the right.
    int forwardHits = 0, backwardHits = 0;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x) {
            if (At(image, x, y) == kBlack) forwardHits += At(image, x + 1, y + 1) == kBlack;
            if (At(image, 33 + x, y + 1) == kBlack) backwardHits += At(image, 34 + x, y) == kBlack;
        }
    EXPECT_GT(forwardHits, 80);
    EXPECT_GT(backwardHits, 80);
}

TEST_F(SurfaceShapes, PatternBrushRepeatsItsBitmap)
{
    QImage image = WhiteImage(16, 16);
    {
        CQtDC dc(image);
        CBitmap pattern;
        const std::uint32_t px[4] = {0xFFFF0000u, 0xFF0000FFu, 0xFF0000FFu, 0xFFFF0000u};
        ASSERT_TRUE(pattern.CreateBitmap(2, 2, 1, 32, px));
        CBrush brush;
        ASSERT_TRUE(brush.CreatePatternBrush(&pattern));
        dc.FillRect(CRect(0, 0, 16, 16), &brush);
    }
    EXPECT_EQ(At(image, 0, 0), kRed);
    EXPECT_EQ(At(image, 1, 0), kBlue);
    EXPECT_EQ(At(image, 0, 1), kBlue);
    EXPECT_EQ(At(image, 15, 15), kRed);
}

TEST_F(SurfaceShapes, Draw3dRectFramesWithTwoColours)
{
    QImage image = WhiteImage(40, 40);
    {
        CQtDC dc(image);
        dc.Draw3dRect(5, 5, 20, 20, kRed, kBlue);
    }
    EXPECT_EQ(At(image, 5, 5), kRed);
    EXPECT_EQ(At(image, 23, 5), kRed);
    EXPECT_EQ(At(image, 5, 23), kRed);
    EXPECT_EQ(At(image, 24, 5), kBlue);
    EXPECT_EQ(At(image, 24, 24), kBlue);
    EXPECT_EQ(At(image, 5, 24), kBlue);
    EXPECT_EQ(At(image, 25, 25), kWhite);
    EXPECT_EQ(At(image, 10, 10), kWhite);
}

}  // namespace
