#pragma once

// Week numbers beside a month's weeks: ISO 8601 (weeks start on Monday and
// week 1 holds the year's first Thursday) or the US rule (weeks start on
// Sunday and week 1 holds 1 January).

#include "calendar/CalDate.h"

#include <string>

class CMonthGrid;

enum WeekNumbering {
    weekNumbersNone = 0,
    weekNumbersIso = 1,
    weekNumbersUs = 2,
};

// The number of the week a date lies in; 0 without a numbering.
int WeekNumber(const CCalDate& date, int numbering);
// The label of a grid row: the week most of its days lie in (its fourth
// day's), and for the first row of a month whose sixth week wraps into it,
// that week's number too ("1/6" reads first week, then sixth).
std::string WeekRowLabel(const CMonthGrid& grid, int row, int numbering);
