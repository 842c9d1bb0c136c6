#pragma once

// The month and date source of the "General" calendar page: the locale's
// month names and weekday initials, the first day of the week, the month
// shown and a selection. It is never shown, so it draws nothing.

#include "calendar/CalDate.h"

#include <optional>
#include <string>
#include <utility>

class CMonthCalendarWnd {
public:
    // The control's id on the page.
    static constexpr int kId = 32999;

    // Today's month and year, the locale's names and first day of the week.
    CMonthCalendarWnd();

    // The name of month 1-12, or an empty text.
    std::string MonthName(int month) const;
    // The initial of display column 1-7, or an empty text.
    std::string DayInitial(int column) const;
    // The locale's full name of a weekday, 1 = Sunday ... 7 = Saturday.
    std::string WeekdayName(int weekday) const;
    // Ignored outside 1 (Sunday) - 7 (Saturday).
    void SetFirstDayOfWeek(int day);
    int FirstDayOfWeek() const { return m_nFirstDay; }
    void SetMonth(int month, int year);
    int Month() const { return m_nMonth; }
    int Year() const { return m_nYear; }
    void Set3DBorder(bool on) { m_b3DBorder = on; }
    bool Has3DBorder() const { return m_b3DBorder; }
    std::string Face() const { return m_strFace; }

    void SetSelection(std::optional<CCalDate> date) { m_selection = {date, date}; }
    std::pair<std::optional<CCalDate>, std::optional<CCalDate>> GetSelection() const { return m_selection; }

private:
    std::string m_astrMonthNames[12];
    std::string m_astrDayInitials[7];
    int m_nFirstDay = 1;
    int m_nMonth = 1;
    int m_nYear = 2000;
    bool m_b3DBorder = true;
    std::string m_strFace = "Tahoma";
    std::pair<std::optional<CCalDate>, std::optional<CCalDate>> m_selection;
};
