#pragma once

// The dates of one month laid out in week rows under the seven day names.
// The grid has five rows of seven cells filled with consecutive dates from
// the grid start (the first day of the week on or before the 1st). A month
// that needs a sixth week puts those dates into the first row, under their
// own day names: the first row holds only dates before the 1st wherever a
// sixth-week date falls, so the cells are always free.

#include "calendar/CalDate.h"

#include <vector>

class CMonthGrid {
public:
    struct Cell {
        int row = 1;    // 1-5
        int slot = 1;   // 1-7, the day-name slot the cell lies under
        CCalDate date;
        bool inMonth = false;    // the cell shows its day number
        bool sixthWeek = false;  // placed into row 1 after the fifth week
    };

    // firstDayOfWeek: 1 = Sunday ... 7 = Saturday (values outside 1-7 are
    // taken as Sunday).
    CMonthGrid(int month, int year, int firstDayOfWeek);

    const CCalDate& Start() const { return m_start; }
    // The 35 cells of rows 1-5 in order, then the sixth-week cells (none,
    // or seven of them in row 1), in the order the calendar draws them.
    const std::vector<Cell>& Cells() const { return m_cells; }
    // The date of the given row and slot in the five-row walk.
    CCalDate DateAt(int row, int slot) const { return m_start + (7 * (row - 1) + slot - 1); }
    // The day number shown in row 1-5, slot 1-7, or 0 for an empty cell.
    int ShownDay(int row, int slot) const;

private:
    int m_nMonth;
    CCalDate m_start;
    std::vector<Cell> m_cells;
};
