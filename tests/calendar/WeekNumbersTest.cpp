#include "calendar/CalendarLayout.h"
#include "calendar/MonthGrid.h"
#include "calendar/WeekNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct CWeekCase {
    int year, month, day;
    int week;
};

std::vector<std::string> RowLabels(int month, int year, int firstDayOfWeek, int numbering)
{
    const CMonthGrid grid(month, year, firstDayOfWeek);
    std::vector<std::string> labels;
    for (int row = 1; row <= 5; ++row)
        labels.push_back(WeekRowLabel(grid, row, numbering));
    return labels;
}

}  // namespace

TEST(WeekNumbers, IsoWeeksAcrossTheYearsEnds)
{
    const CWeekCase cases[] = {
        {2026, 12, 28, 53}, {2027, 1, 1, 53}, {2027, 1, 3, 53}, {2027, 1, 4, 1},   // 2026 has 53 weeks
        {2025, 12, 29, 1},  {2026, 1, 4, 1},  {2024, 12, 30, 1}, {2021, 1, 3, 53}, // the year before
        {2026, 6, 15, 25},  {2028, 12, 31, 52}, {2029, 12, 31, 1},
    };
    for (const CWeekCase& c : cases)
        EXPECT_EQ(WeekNumber(CCalDate(c.year, c.month, c.day), weekNumbersIso), c.week)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(WeekNumbers, UsWeeksStartOnSundayAndTheFirstHoldsTheFirstOfJanuary)
{
    const CWeekCase cases[] = {
        {2026, 1, 1, 1},    {2025, 12, 28, 1},  {2025, 12, 27, 52}, {2027, 1, 2, 1},
        {2027, 1, 3, 2},    {2026, 12, 26, 52}, {2028, 12, 30, 53}, {2028, 12, 31, 1},
        {2026, 6, 14, 25},  {2026, 6, 13, 24},
    };
    for (const CWeekCase& c : cases)
        EXPECT_EQ(WeekNumber(CCalDate(c.year, c.month, c.day), weekNumbersUs), c.week)
            << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(WeekNumber(CCalDate(2026, 6, 14), weekNumbersNone), 0);
}

TEST(WeekNumbers, EachRowShowsTheWeekMostOfItsDaysLieIn)
{
    // January 2027 from Monday: the first row runs from 28 December, which
    // is still week 53 of 2026.
    EXPECT_EQ(RowLabels(1, 2027, 2, weekNumbersIso), (std::vector<std::string>{"53", "1", "2", "3", "4"}));
    // From Sunday with the US rule the same month has a sixth week, which
    // shares the first row: both numbers stand there.
    EXPECT_EQ(RowLabels(1, 2027, 1, weekNumbersUs), (std::vector<std::string>{"1/6", "2", "3", "4", "5"}));
    // March 2026 from Monday: 30 and 31 March wrap into the first row.
    EXPECT_EQ(RowLabels(3, 2026, 2, weekNumbersIso), (std::vector<std::string>{"9/14", "10", "11", "12", "13"}));
    // ISO numbers on a Sunday-first grid follow the row's middle day: the
    // row from Sunday 1 March is week 10, though that Sunday ends week 9.
    EXPECT_EQ(RowLabels(3, 2026, 1, weekNumbersIso), (std::vector<std::string>{"10", "11", "12", "13", "14"}));
    EXPECT_EQ(RowLabels(3, 2026, 2, weekNumbersNone), (std::vector<std::string>(5)));
}

TEST(WeekNumbers, TheBandTakesAStripBesideTheWeeksOnlyInTheGridLayouts)
{
    CCalLayoutParams p;
    p.position = CRect(350, -250, -350, 250);
    p.b3DBorder = 0;
    p.weekNumbers = true;

    // Vertical: a column of a fifteenth of the width on the side of the
    // first weekday, as tall as each week row; the header keeps the whole
    // width.
    p.layout = layoutVertical;
    const CCalendarLayout vertical(p);
    ASSERT_TRUE(vertical.HasWeekNumbers());
    EXPECT_EQ(vertical.m_rcHeader.right, -350);
    for (int row = 1; row <= 5; ++row) {
        const CRect band = vertical.WeekCell(row);
        EXPECT_EQ(band.right, -350);
        EXPECT_EQ(band.left, -350 + 700 / 15);
        EXPECT_EQ(band.top, vertical.DayCell(row, 1).top);
        EXPECT_EQ(band.bottom, vertical.DayCell(row, 1).bottom);
        // The first day's cell ends where the band begins.
        EXPECT_GE(vertical.DayCell(row, 1).right, band.left);
    }

    // Horizontal: a strip of a fifteenth of the height above each week
    // column.
    p.layout = layoutHorizontal;
    const CCalendarLayout horizontal(p);
    ASSERT_TRUE(horizontal.HasWeekNumbers());
    EXPECT_EQ(horizontal.m_rcHeader.bottom, 250);
    for (int col = 1; col <= 5; ++col) {
        const CRect band = horizontal.WeekCell(col);
        EXPECT_EQ(band.bottom, 250);
        EXPECT_EQ(band.top, 250 - 500 / 15);
        EXPECT_EQ(band.left, horizontal.DayCell(col, 1).left);
        EXPECT_EQ(band.right, horizontal.DayCell(col, 1).right);
        EXPECT_LE(horizontal.DayCell(col, 1).bottom, band.top);
    }

    for (int layout : {layoutStar, layoutTop, layoutMountain}) {
        p.layout = layout;
        EXPECT_FALSE(CCalendarLayout(p).HasWeekNumbers()) << layout;
    }
    // Without the band nothing moves.
    p.layout = layoutVertical;
    p.weekNumbers = false;
    const CCalendarLayout plain(p);
    EXPECT_FALSE(plain.HasWeekNumbers());
    EXPECT_EQ(plain.m_nCellWidth, -100);
}
