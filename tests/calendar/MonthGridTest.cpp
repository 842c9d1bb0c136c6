#include "calendar/MonthGrid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

// Python's calendar module lays out every month of 1900-2100 for each first
// day of the week in one run. Each line holds: year, month, first day of the
// week (1 = Sunday), the 35 cell dates of the first five weeks as MMDD, then
// the 35 day numbers shown once the sixth week has moved into row 1 (0 for
// an empty cell).
const char* const kOracleScript = R"PY(
import calendar, datetime
out = []
for fdw in range(1, 8):
    cal = calendar.Calendar((fdw + 5) % 7)
    for year in range(1900, 2101):
        for month in range(1, 13):
            weeks = cal.monthdatescalendar(year, month)
            cells = [d for w in weeks[:5] for d in w]
            while len(cells) < 35:
                cells.append(cells[-1] + datetime.timedelta(days=1))
            shown = [[d.day if d.month == month else 0 for d in w] for w in weeks]
            while len(shown) < 5:
                shown.append([0] * 7)
            if len(shown) == 6:
                shown[0] = [b if b else a for a, b in zip(shown[0], shown[5])]
            flat = [n for w in shown[:5] for n in w]
            out.append(" ".join([str(year), str(month), str(fdw)]
                                + ["%02d%02d" % (d.month, d.day) for d in cells]
                                + [str(n) for n in flat]))
print("\n".join(out))
)PY";

std::string RunOracle()
{
    std::string command = "/usr/bin/python3 -c '";
    command += kOracleScript;
    command += "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string output;
    char buffer[65536];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

TEST(CalMonthGridOracle, EveryMonthOf1900To2100ForEveryFirstDay)
{
    const std::string table = RunOracle();
    if (table.empty())
        GTEST_SKIP() << "/usr/bin/python3 is not available";
    std::istringstream lines(table);
    std::string line;
    int months = 0;
    int failures = 0;
    while (std::getline(lines, line) && failures < 10) {
        std::istringstream fields(line);
        int year, month, fdw;
        fields >> year >> month >> fdw;
        const CMonthGrid grid(month, year, fdw);
        const auto& cells = grid.Cells();
        ASSERT_GE(cells.size(), 35u);
        bool ok = true;
        for (int i = 0; i < 35; ++i) {
            int mmdd;
            fields >> mmdd;
            const CCalDate& d = cells[static_cast<std::size_t>(i)].date;
            ok = ok && d.GetMonth() * 100 + d.GetDay() == mmdd;
            ok = ok && d.GetDayOfWeek() == (fdw - 1 + i) % 7 + 1;
        }
        for (int i = 0; i < 35; ++i) {
            int shown;
            fields >> shown;
            ok = ok && grid.ShownDay(i / 7 + 1, i % 7 + 1) == shown;
        }
        // The sixth week, when there is one, sits in row 1 under its own
        // day names and follows the fifth week without a gap.
        if (cells.size() > 35) {
            ok = ok && cells.size() == 42;
            for (std::size_t i = 35; i < cells.size(); ++i)
                ok = ok && cells[i].row == 1 && cells[i].slot == static_cast<int>(i - 35) + 1 &&
                     cells[i].date == grid.Start() + static_cast<int>(i);
        }
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "grid differs for " << year << "-" << month << " first day " << fdw;
        }
        ++months;
    }
    EXPECT_EQ(months, 201 * 12 * 7);
}

TEST(CalMonthGrid, MonthStartingOnTheFirstDayOfWeekStartsInTheFirstCell)
{
    // June 2025 began on a Sunday.
    const CMonthGrid grid(6, 2025, 1);
    EXPECT_EQ(grid.Start(), CCalDate(2025, 6, 1));
    EXPECT_EQ(grid.ShownDay(1, 1), 1);
    EXPECT_EQ(grid.ShownDay(5, 2), 30);
    EXPECT_EQ(grid.ShownDay(5, 3), 0);
}

TEST(CalMonthGrid, SixthWeekMovesIntoTheFirstRow)
{
    // March 2020 began on a Sunday; with Monday first the 1st is in cell 7
    // and the 30th and 31st come back to row 1, cells 1 and 2.
    const CMonthGrid grid(3, 2020, 2);
    EXPECT_EQ(grid.ShownDay(1, 7), 1);
    EXPECT_EQ(grid.ShownDay(1, 1), 30);
    EXPECT_EQ(grid.ShownDay(1, 2), 31);
    EXPECT_EQ(grid.ShownDay(1, 3), 0);
    EXPECT_EQ(grid.ShownDay(5, 7), 29);
    ASSERT_EQ(grid.Cells().size(), 42u);
    EXPECT_TRUE(grid.Cells()[35].sixthWeek);
    EXPECT_FALSE(grid.Cells()[37].inMonth);
}

TEST(CalMonthGrid, FebruaryStartingOnTheFirstDayOfWeek)
{
    // February 2004 (leap) and February 2015 both began on a Sunday.
    const CMonthGrid leap(2, 2004, 1);
    int numbered = 0;
    for (int row = 1; row <= 5; ++row)
        for (int slot = 1; slot <= 7; ++slot)
            numbered += leap.ShownDay(row, slot) != 0;
    EXPECT_EQ(numbered, 29);
    EXPECT_EQ(leap.ShownDay(5, 1), 29);
    EXPECT_EQ(leap.Cells().size(), 35u);

    const CMonthGrid common(2, 2015, 1);
    EXPECT_EQ(common.ShownDay(4, 7), 28);
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_EQ(common.ShownDay(5, slot), 0) << slot;
    EXPECT_EQ(common.Cells().size(), 35u);
}

TEST(CalMonthGrid, DecemberAndJanuaryAcrossTheYearEnd)
{
    // December 2029 needs six weeks with Monday first (the 1st is a
    // Saturday); the walk runs into January 2030 without confusion.
    const CMonthGrid december(12, 2029, 2);
    EXPECT_EQ(december.ShownDay(1, 6), 1);
    EXPECT_EQ(december.ShownDay(1, 1), 31);
    EXPECT_EQ(december.ShownDay(5, 7), 30);
    // January 2022 began on a Saturday: the grid starts in December 2021.
    const CMonthGrid january(1, 2022, 1);
    EXPECT_EQ(january.Start(), CCalDate(2021, 12, 26));
    EXPECT_EQ(january.ShownDay(1, 7), 1);
    EXPECT_EQ(january.ShownDay(1, 1), 30);
    EXPECT_EQ(january.ShownDay(1, 2), 31);
}

TEST(CalMonthGrid, BadFirstDayIsTakenAsSunday)
{
    // A first day of week read from a damaged file must not make the walk
    // to the grid start run for ever.
    const CMonthGrid grid(6, 2025, 0);
    EXPECT_EQ(grid.Start().GetDayOfWeek(), 1);
    const CMonthGrid high(6, 2025, 99);
    EXPECT_EQ(high.Start().GetDayOfWeek(), 1);
}

}  // namespace
