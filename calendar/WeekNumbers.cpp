#include "calendar/WeekNumbers.h"

#include "calendar/MonthGrid.h"

#include <algorithm>

int WeekNumber(const CCalDate& date, int numbering)
{
    const int weekday = date.GetDayOfWeek();  // 1 = Sunday
    if (numbering == weekNumbersIso) {
        // The week belongs to the year of its Thursday.
        const int isoWeekday = weekday == 1 ? 7 : weekday - 1;
        const CCalDate thursday = date + (4 - isoWeekday);
        return (thursday - CCalDate(thursday.GetYear(), 1, 1)) / 7 + 1;
    }
    if (numbering == weekNumbersUs) {
        // A week that holds 1 January is week 1 of that year, so the week
        // belongs to the year of its Saturday.
        const CCalDate saturday = date + (7 - weekday);
        const CCalDate first(saturday.GetYear(), 1, 1);
        const CCalDate firstSunday = first - (first.GetDayOfWeek() - 1);
        return (date - firstSunday) / 7 + 1;
    }
    return 0;
}

std::string WeekRowLabel(const CMonthGrid& grid, int row, int numbering)
{
    if (numbering != weekNumbersIso && numbering != weekNumbersUs)
        return {};
    std::string label = std::to_string(WeekNumber(grid.DateAt(row, 4), numbering));
    const auto& cells = grid.Cells();
    if (row == 1 && std::any_of(cells.begin(), cells.end(), [](const CMonthGrid::Cell& c) { return c.sixthWeek; }))
        label += "/" + std::to_string(WeekNumber(grid.DateAt(6, 4), numbering));
    return label;
}
