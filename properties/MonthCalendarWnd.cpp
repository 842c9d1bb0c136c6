#include "properties/MonthCalendarWnd.h"

#include "calendar/CalendarNames.h"
#include "calendar/Utf8Text.h"

CMonthCalendarWnd::CMonthCalendarWnd()
{
    UseUserTimeLocale();
    const CCalDate today = CCalDate::Today();
    m_nMonth = today.GetMonth();
    m_nYear = today.GetYear();
    for (int m = 1; m <= 12; ++m) m_astrMonthNames[m - 1] = CCalDate(2000, m, 1).Format("%B");
    const int first = LocaleFirstDayOfWeek();
    SetFirstDayOfWeek(first >= 1 && first <= 7 ? first : 1);
}

std::string CMonthCalendarWnd::MonthName(int month) const
{
    return month >= 1 && month <= 12 ? m_astrMonthNames[month - 1] : std::string();
}

std::string CMonthCalendarWnd::DayInitial(int column) const
{
    return column >= 1 && column <= 7 ? m_astrDayInitials[column - 1] : std::string();
}

std::string CMonthCalendarWnd::WeekdayName(int weekday) const
{
    return ::WeekdayName(weekday, 3);
}

void CMonthCalendarWnd::SetFirstDayOfWeek(int day)
{
    if (day < 1 || day > 7) return;
    m_nFirstDay = day;
    CCalDate date = CCalDate::Today();
    while (date.GetDayOfWeek() != day) ++date;
    for (std::string& initial : m_astrDayInitials) {
        initial = Utf8Prefix(date.Format("%A"), 1);
        ++date;
    }
}

void CMonthCalendarWnd::SetMonth(int month, int year)
{
    m_nMonth = month;
    m_nYear = year;
}
