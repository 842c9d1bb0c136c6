#include "calendar/CalendarLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A calendar as the generator makes it: 700 wide and 500 high, stored with
// left > right and top < bottom in the page space whose y axis points up.
CCalLayoutParams Generated(int layout, BOOL border3D)
{
    CCalLayoutParams p;
    p.position = CRect(350, -250, -350, 250);
    p.layout = layout;
    p.b3DBorder = border3D;
    return p;
}

bool HasSegment(const CCalendarLayout& layout, CCalSegment s)
{
    return std::find(layout.m_gridLines.begin(), layout.m_gridLines.end(), s) != layout.m_gridLines.end();
}

TEST(CalLayoutVertical, SizesOfAGeneratedCalendar)
{
    const CCalendarLayout plain(Generated(layoutVertical, 0));
    EXPECT_EQ(plain.m_nHeaderHeight, 70);
    EXPECT_EQ(plain.m_nDayNameHeight, 70);
    EXPECT_EQ(plain.m_nCellHeight, 72);
    EXPECT_EQ(plain.m_nCellWidth, -100);

    const CCalendarLayout framed(Generated(layoutVertical, 1));
    EXPECT_EQ(framed.m_nCellHeight, 71);  // (500 - 70 - 70 - 3) / 5
    EXPECT_EQ(framed.m_nCellWidth, -100);  // -703 / 7 truncates toward zero
    EXPECT_EQ(framed.m_rcHeader, CRect(350, 180, -350, 246));
}

TEST(CalLayoutVertical, BandsColumnsAndRows)
{
    const CCalendarLayout l(Generated(layoutVertical, 0));
    EXPECT_TRUE(l.m_bHeader);
    EXPECT_EQ(l.m_rcHeader, CRect(350, 180, -350, 250));
    // Slot 1 is the visually leftmost column (the object's right edge side).
    EXPECT_EQ(l.m_rcDayName[1], CRect(-250, 110, -350, 180));
    EXPECT_EQ(l.m_rcDayName[7], CRect(350, 110, 250, 180));
    EXPECT_EQ(l.DayCell(1, 1), CRect(-250, 38, -350, 110));
    EXPECT_EQ(l.DayCell(5, 7), CRect(350, -250, 250, -178));

    // Grid lines: header and day-name lines end one unit short, the week
    // lines too for a one-unit grid; the columns run up to the header.
    EXPECT_TRUE(HasSegment(l, {{350, 180}, {-351, 180}}));
    EXPECT_TRUE(HasSegment(l, {{350, 110}, {-351, 110}}));
    EXPECT_TRUE(HasSegment(l, {{350, -178}, {-351, -178}}));
    EXPECT_TRUE(HasSegment(l, {{250, -248}, {250, 180}}));
    EXPECT_TRUE(HasSegment(l, {{-250, -248}, {-250, 180}}));
    EXPECT_EQ(l.m_gridLines.size(), 2u + 4u + 6u);
    EXPECT_EQ(l.m_headerLine, (CCalSegment{{350, 180}, {-350, 180}}));

    CCalLayoutParams thick = Generated(layoutVertical, 1);
    thick.gridThickness = 3;
    const CCalendarLayout t(thick);
    EXPECT_TRUE(HasSegment(t, {{350, 180}, {-351, 180}}));
    EXPECT_TRUE(HasSegment(t, {{350, 110 - 71}, {-350, 110 - 71}}));
    EXPECT_TRUE(HasSegment(t, {{250, -245}, {250, 180}}));
}

TEST(CalLayoutVertical, WithoutHeader)
{
    CCalLayoutParams p = Generated(layoutVertical, 0);
    p.bNoHeader = 1;
    const CCalendarLayout l(p);
    EXPECT_FALSE(l.m_bHeader);
    EXPECT_EQ(l.m_nCellHeight, 86);  // (500 - 70) / 5
    EXPECT_EQ(l.m_rcDayName[1], CRect(-250, 180, -350, 250));
    EXPECT_EQ(l.DayCell(1, 1), CRect(-250, 94, -350, 180));
    EXPECT_TRUE(HasSegment(l, {{250, -248}, {250, 250}}));
    EXPECT_EQ(l.m_gridLines.size(), 1u + 4u + 6u);

    p.b3DBorder = 1;
    const CCalendarLayout framed(p);
    EXPECT_EQ(framed.m_nCellHeight, 85);  // (497 - 70) / 5
    EXPECT_EQ(framed.m_rcDayName[1], CRect(-250, 176, -350, 250));
    EXPECT_TRUE(HasSegment(framed, {{250, -245}, {250, 246}}));
}

TEST(CalLayoutHorizontal, StripsAndWeekColumns)
{
    CCalLayoutParams p = Generated(layoutHorizontal, 0);
    p.position = CRect(350, -150, -350, 150);  // 300 high
    const CCalendarLayout l(p);
    EXPECT_EQ(l.m_nCellHeight, 42);
    EXPECT_EQ(l.m_nHeaderHeight, -98);  // of the width
    EXPECT_EQ(l.m_nDayNameHeight, -98);
    EXPECT_EQ(l.m_nCellWidth, -100);  // (-700 + 196) / 5
    EXPECT_EQ(l.m_rcHeader, CRect(-252, -150, -350, 150));
    EXPECT_EQ(l.m_rcDayName[1], CRect(-154, 108, -252, 150));
    EXPECT_EQ(l.m_rcDayName[7], CRect(-154, -144, -252, -102));
    EXPECT_EQ(l.DayCell(1, 1), CRect(-54, 108, -154, 150));
    EXPECT_EQ(l.DayCell(5, 1), CRect(346, 108, 246, 150));
    EXPECT_TRUE(HasSegment(l, {{-252, -149}, {-252, 150}}));
    EXPECT_TRUE(HasSegment(l, {{-154, -149}, {-154, 150}}));
    EXPECT_TRUE(HasSegment(l, {{-252, -108}, {350, -108}}));
    EXPECT_EQ(l.m_gridLines.size(), 2u + 4u + 6u);
    EXPECT_EQ(l.m_headerLine, (CCalSegment{{-252, -150}, {-252, 150}}));

    p.b3DBorder = 1;
    p.bNoHeader = 1;
    const CCalendarLayout framed(p);
    EXPECT_EQ(framed.m_nCellHeight, 42);         // 297 / 7
    EXPECT_EQ(framed.m_nCellWidth, -121);        // (-703 + 98) / 5
    EXPECT_EQ(framed.m_rcDayName[1], CRect(-252, 108, -350, 146));
    // Without a header the week cells stop one unit short of the strip edge.
    EXPECT_EQ(framed.DayCell(1, 1), CRect(-131, 108, -252, 145));
    EXPECT_EQ(framed.m_gridLines.size(), 1u + 4u + 6u);
}

TEST(CalLayoutStar, RingPositions)
{
    const CCalendarLayout l(Generated(layoutStar, 1));
    EXPECT_EQ(l.m_nCellHeight, 62);  // 500 / 8
    EXPECT_EQ(l.m_nCellWidth, -100);
    EXPECT_EQ(l.m_ptCentre, CPoint(0, 0));
    EXPECT_EQ(l.m_rcHeader, CRect(50, -31, -50, 31));
    // Slot 7 lies on the x axis; with the negative width of a generated
    // calendar the radius is negative, so it is on the left.
    EXPECT_EQ(CCalendarLayout::RayPoint({0, 0}, 7, -75), CPoint(-75, 0));
    EXPECT_EQ(CCalendarLayout::RayPoint({0, 0}, 1, -75), CPoint(-46, 58));
    EXPECT_EQ(CCalendarLayout::RayPoint({10, 20}, 1, 100), CPoint(10 + 62, 20 - 78));
    EXPECT_EQ(l.m_rcDayName[7], CRect(-25, -31, -125, 31));
    // Week j on radius (j + 1) * cw / 2: week 1 on -100, week 5 on -300.
    EXPECT_EQ(l.DayCell(1, 7), CRect(-50, -31, -150, 31));
    EXPECT_EQ(l.DayCell(5, 7), CRect(-250, -31, -350, 31));
    const CPoint p1 = CCalendarLayout::RayPoint({0, 0}, 1, -300);
    EXPECT_EQ(l.DayCell(5, 1), CRect(p1.x + 50, p1.y - 31, p1.x - 50, p1.y + 31));
    EXPECT_FALSE(l.SetsBandSizes());
}

// A square triangle calendar without the 3D border: cells 100 wide (-100 in
// page units) and 100 high.
CCalLayoutParams Triangle(int layout, int lastDay, BOOL noHeader)
{
    CCalLayoutParams p;
    p.position = CRect(400, -400, -400, 400);
    p.layout = layout;
    p.b3DBorder = 0;
    p.bNoHeader = noHeader;
    p.lastDayOfMonth = lastDay;
    return p;
}

const CCalTriangleCell* FindDay(const CCalendarLayout& l, int day)
{
    for (const CCalTriangleCell& c : l.m_triangle)
        if (c.day == day)
            return &c;
    return nullptr;
}

TEST(CalLayoutTriangle, TopWithA28DayFebruary)
{
    const CCalendarLayout l(Triangle(layoutTop, 28, 0));
    EXPECT_EQ(l.m_nCellHeight, 100);
    EXPECT_EQ(l.m_nCellWidth, -100);
    ASSERT_EQ(l.m_triangle.size(), 28u);
    const CCalTriangleCell* first = FindDay(l, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->rect, CRect(50, -400, -50, -300));
    EXPECT_EQ(first->label, CRect(35, -400, 50, -385));
    // Row 2 holds 3 then 2; row 7 ends with 22 in its last cell.
    EXPECT_EQ(FindDay(l, 3)->rect, CRect(100, -300, 0, -200));
    EXPECT_EQ(FindDay(l, 2)->rect, CRect(0, -300, -100, -200));
    EXPECT_EQ(FindDay(l, 22)->row, 7);
    EXPECT_EQ(FindDay(l, 22)->cell, 7);
    EXPECT_EQ(FindDay(l, 28)->cell, 1);
    // Row 8 is the header alone, eight cells wide.
    EXPECT_EQ(l.m_rcHeader, CRect(400, 300, -400, 400));
    EXPECT_EQ(l.m_headerLine, (CCalSegment{{400, 300}, {-400, 300}}));
}

TEST(CalLayoutTriangle, TopWithA31DayMonth)
{
    const CCalendarLayout l(Triangle(layoutTop, 31, 0));
    ASSERT_EQ(l.m_triangle.size(), 31u);
    EXPECT_EQ(l.m_rcHeader, CRect(400, 300, -100, 400));  // five cells
    EXPECT_EQ(FindDay(l, 31)->cell, 6);
    EXPECT_EQ(FindDay(l, 31)->rect, CRect(-100, 300, -200, 400));
    EXPECT_EQ(FindDay(l, 30)->cell, 7);
    EXPECT_EQ(FindDay(l, 29)->rect, CRect(-300, 300, -400, 400));

    const CCalendarLayout thirty(Triangle(layoutTop, 30, 0));
    EXPECT_EQ(thirty.m_rcHeader, CRect(400, 300, -200, 400));
    EXPECT_EQ(FindDay(thirty, 30)->cell, 7);
    EXPECT_EQ(FindDay(thirty, 31), nullptr);
}

TEST(CalLayoutTriangle, RowEightUnderRowThreeWithoutHeader)
{
    // Row 3 spans x 150 to -150 in three cells.
    const CCalendarLayout l31(Triangle(layoutTop, 31, 1));
    EXPECT_EQ(FindDay(l31, 31)->rect, CRect(150, 300, 50, 400));
    EXPECT_EQ(FindDay(l31, 29)->rect, CRect(-50, 300, -150, 400));
    const CCalendarLayout l30(Triangle(layoutTop, 30, 1));
    EXPECT_EQ(FindDay(l30, 30)->rect, CRect(100, 300, 0, 400));
    const CCalendarLayout l29(Triangle(layoutTop, 29, 1));
    EXPECT_EQ(FindDay(l29, 29)->rect, CRect(50, 300, -50, 400));
    const CCalendarLayout l28(Triangle(layoutTop, 28, 1));
    EXPECT_EQ(l28.m_triangle.size(), 28u);
    EXPECT_FALSE(l28.m_bHeader);

    const CCalendarLayout m30(Triangle(layoutMountain, 30, 1));
    EXPECT_EQ(FindDay(m30, 30)->rect, CRect(100, -400, 0, -300));
    const CCalendarLayout m29(Triangle(layoutMountain, 29, 1));
    EXPECT_EQ(FindDay(m29, 29)->rect, CRect(50, -400, -50, -300));
}

TEST(CalLayoutTriangle, MountainStartsAtTheBottomEdge)
{
    const CCalendarLayout l(Triangle(layoutMountain, 31, 0));
    EXPECT_EQ(FindDay(l, 1)->rect, CRect(50, 300, -50, 400));
    EXPECT_EQ(FindDay(l, 1)->label, CRect(35, 385, 50, 400));
    EXPECT_EQ(l.m_rcHeader, CRect(400, -400, -100, -300));

    CCalLayoutParams framed = Triangle(layoutMountain, 31, 0);
    framed.b3DBorder = 1;
    const CCalendarLayout f(framed);
    EXPECT_EQ(f.m_nCellHeight, 99);   // 797 / 8
    EXPECT_EQ(f.m_nCellWidth, -100);  // -803 / 8
    // mh = Rx - (W - 3) / 2 - 2 = -400 + 401 - 2 = -1; u = mh + 50.
    EXPECT_EQ(FindDay(f, 1)->rect, CRect(49, 297, -51, 396));
}

}  // namespace

namespace {

TEST(CalLayoutDamaged, ExtremeRectanglesAndPercentagesStayDefined)
{
    // Values a damaged file may carry: the arithmetic must not overflow
    // (the sanitizer build checks), and every layout still gives cells.
    const int big = 2147483647;
    for (int layout = 0; layout <= 5; ++layout) {
        CCalLayoutParams p;
        p.position = CRect(big, -big - 1, -big - 1, big);
        p.layout = layout;
        p.headerPercent = big;
        p.dayNamePercent = -big;
        p.gridThickness = big;
        p.lastDayOfMonth = 99;
        const CCalendarLayout l(p);
        EXPECT_EQ(l.Layout(), layout == 5 ? layoutVertical : layout);
        if (layout == layoutTop || layout == layoutMountain) {
            EXPECT_EQ(l.m_triangle.size(), 31u);
        }
    }
}

}  // namespace
