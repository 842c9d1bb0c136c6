// Hit-test regions: whether a rectangle touches a round rectangle, an
// ellipse or a polygon.

#include "objects/DC.h"

#include <gtest/gtest.h>

namespace {

TEST(SurfaceRegions, RectangleRegionExcludesItsFarEdges)
{
    CRgn rgn;
    rgn.CreateRectRgn(10, 10, 20, 20);
    EXPECT_TRUE(rgn.PtInRegion(CPoint(10, 10)));
    EXPECT_TRUE(rgn.PtInRegion(CPoint(19, 19)));
    EXPECT_FALSE(rgn.PtInRegion(CPoint(20, 15)));
    EXPECT_TRUE(rgn.RectInRegion(CRect(0, 0, 11, 11)));
    EXPECT_FALSE(rgn.RectInRegion(CRect(0, 0, 10, 10)));
    EXPECT_FALSE(rgn.RectInRegion(CRect(5, 5, 5, 30)));  // an empty rectangle touches nothing
}

TEST(SurfaceRegions, EllipseLeavesItsCornersOut)
{
    CRgn rgn;
    rgn.CreateEllipticRgnIndirect(CRect(0, 0, 100, 50));
    EXPECT_TRUE(rgn.RectInRegion(CRect(45, 20, 55, 30)));     // centre
    EXPECT_FALSE(rgn.RectInRegion(CRect(0, 0, 10, 10)));      // corner
    EXPECT_FALSE(rgn.RectInRegion(CRect(90, 40, 100, 50)));
    EXPECT_TRUE(rgn.RectInRegion(CRect(-10, 20, 2, 30)));     // left tip
    EXPECT_TRUE(rgn.RectInRegion(CRect(-50, -50, 200, 200)));  // around it
    // Reversed corners describe the same ellipse.
    CRgn reversed;
    reversed.CreateEllipticRgnIndirect(CRect(100, 50, 0, 0));
    EXPECT_FALSE(reversed.RectInRegion(CRect(0, 0, 10, 10)));
    EXPECT_TRUE(reversed.RectInRegion(CRect(45, 20, 55, 30)));
}

TEST(SurfaceRegions, RoundRectangleCutsOnlyItsCorners)
{
    CRgn rgn;
    rgn.CreateRoundRectRgn(0, 0, 100, 100, 40, 40);
    EXPECT_FALSE(rgn.RectInRegion(CRect(0, 0, 4, 4)));
    EXPECT_TRUE(rgn.RectInRegion(CRect(0, 50, 2, 52)));   // straight left side
    EXPECT_TRUE(rgn.RectInRegion(CRect(50, 0, 52, 2)));   // straight top side
    EXPECT_TRUE(rgn.RectInRegion(CRect(8, 8, 10, 10)));   // inside the corner arc
    EXPECT_FALSE(rgn.RectInRegion(CRect(96, 96, 100, 100)));
    // Corners larger than the rectangle make an ellipse.
    CRgn round;
    round.CreateRoundRectRgn(0, 0, 100, 100, 500, 500);
    EXPECT_FALSE(round.RectInRegion(CRect(0, 0, 10, 10)));
    EXPECT_TRUE(round.RectInRegion(CRect(45, 45, 55, 55)));
}

TEST(SurfaceRegions, PolygonUsesTheAlternateRule)
{
    // A five-pointed star in one stroke: its inner pentagon is a hole.
    const CPoint star[] = {{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
    CRgn rgn;
    ASSERT_TRUE(rgn.CreatePolygonRgn(star, 5, ALTERNATE));
    EXPECT_FALSE(rgn.RectInRegion(CRect(48, 48, 52, 52)));
    EXPECT_TRUE(rgn.RectInRegion(CRect(48, 10, 52, 14)));   // the top point
    EXPECT_FALSE(rgn.RectInRegion(CRect(0, 80, 5, 85)));    // between points
    EXPECT_FALSE(rgn.RectInRegion(CRect(40, 40, 60, 60)));  // wholly in the hole
    EXPECT_TRUE(rgn.RectInRegion(CRect(20, 40, 80, 60)));   // reaches the arms
    CRgn winding;
    winding.CreatePolygonRgn(star, 5, WINDING);
    EXPECT_TRUE(winding.RectInRegion(CRect(48, 48, 52, 52)));
}

TEST(SurfaceRegions, PolygonInPageUnits)
{
    // A triangle in y-up page units, tested with a selection rectangle
    // given in either corner order.
    const CPoint tri[] = {{-200, -100}, {200, -100}, {0, 300}};
    CRgn rgn;
    rgn.CreatePolygonRgn(tri, 3, ALTERNATE);
    EXPECT_TRUE(rgn.RectInRegion(CRect(-10, 10, 10, -10)));
    EXPECT_TRUE(rgn.RectInRegion(CRect(-10, -10, 10, 10)));
    EXPECT_FALSE(rgn.RectInRegion(CRect(150, 250, 250, 200)));
    EXPECT_TRUE(rgn.RectInRegion(CRect(-1000, -1000, 1000, 1000)));
}

TEST(SurfaceRegions, DegenerateInput)
{
    CRgn rgn;
    EXPECT_FALSE(rgn.RectInRegion(CRect(0, 0, 10, 10)));
    EXPECT_FALSE(rgn.CreatePolygonRgn(nullptr, 3, ALTERNATE));
    const CPoint one[] = {{5, 5}};
    EXPECT_FALSE(rgn.CreatePolygonRgn(one, 1, ALTERNATE));
    EXPECT_FALSE(rgn.RectInRegion(CRect(0, 0, 10, 10)));
    CRgn flat;
    flat.CreateEllipticRgnIndirect(CRect(0, 0, 100, 0));
    EXPECT_FALSE(flat.RectInRegion(CRect(40, -5, 60, 5)));
}

}  // namespace
