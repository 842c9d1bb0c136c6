#include "calendar/MonthGrid.h"

CMonthGrid::CMonthGrid(int month, int year, int firstDayOfWeek) : m_nMonth(month)
{
    if (firstDayOfWeek < 1 || firstDayOfWeek > 7)
        firstDayOfWeek = 1;
    const CCalDate first(year, month, 1);
    m_nMonth = first.GetMonth();
    m_start = first;
    while (m_start.GetDayOfWeek() != firstDayOfWeek)
        --m_start;

    // Dates are compared by month number only: the walk spans at most 42
    // days, so it never meets the same month number in another year.
    CCalDate date = m_start;
    for (int row = 1; row <= 5; ++row) {
        for (int slot = 1; slot <= 7; ++slot) {
            m_cells.push_back({row, slot, date, date >= first && date.GetMonth() == m_nMonth, false});
            ++date;
        }
    }
    while (date.GetMonth() == m_nMonth) {
        for (int slot = 1; slot <= 7; ++slot) {
            m_cells.push_back({1, slot, date, date.GetMonth() == m_nMonth, true});
            ++date;
        }
    }
}

int CMonthGrid::ShownDay(int row, int slot) const
{
    int day = 0;
    for (const Cell& cell : m_cells) {
        if (cell.row == row && cell.slot == slot && cell.inMonth)
            day = cell.date.GetDay();
    }
    return day;
}
