#include "calendar/CalendarNames.h"

#include "calendar/Utf8Text.h"

#include <clocale>
#include <cstdint>
#include <langinfo.h>
#include <locale.h>

std::string FormatCalendarNumber(int value) { return std::to_string(value); }

std::string DefaultMonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    // In languages that decline month names, glibc's "%B" is the form used
    // inside a date ("września") and "%OB" the name standing on its own
    // ("wrzesień"), which is what a calendar's header shows; elsewhere the
    // two are the same.
    const CCalDate first(2000, month, 1);
    std::string name = first.Format("%OB");
    if (name.empty() || name == "%OB")
        name = first.Format("%B");
    return name;
}

void UseUserTimeLocale() { std::setlocale(LC_TIME, ""); }

int FirstDayOfWeekFromLocale(int weekStartWeekday, int firstWeekday)
{
    if (firstWeekday < 1 || firstWeekday > 7)
        return 1;
    if (weekStartWeekday < 1 || weekStartWeekday > 7)
        weekStartWeekday = 1;
    return (weekStartWeekday - 1 + firstWeekday - 1) % 7 + 1;
}

int LocaleFirstDayOfWeek()
{
    UseUserTimeLocale();
    // The locale's first weekday counts from the day its week numbering
    // starts on, given as a date YYYYMMDD (a Sunday, 1997-11-30, in most
    // locales; a Monday in a few).
    const int firstWeekday = static_cast<unsigned char>(*nl_langinfo(_NL_TIME_FIRST_WEEKDAY));
    // The date is a 32-bit word where glibc keeps a pointer: only the word
    // is set, so the rest of the pointer's bytes must not be read.
    union {
        unsigned int word;
        const char* string;
    } week1Value{};
    week1Value.string = nl_langinfo(_NL_TIME_WEEK_1STDAY);
    const long week1 = static_cast<long>(week1Value.word);
    int weekStart = 1;
    if (week1 > 10000101 && week1 < 99991231) {
        const int y = static_cast<int>(week1 / 10000);
        const int m = static_cast<int>(week1 / 100 % 100);
        const int d = static_cast<int>(week1 % 100);
        if (m >= 1 && m <= 12 && d >= 1 && d <= 31)
            weekStart = CCalDate(y, m, d).GetDayOfWeek();
    }
    return FirstDayOfWeekFromLocale(weekStart, firstWeekday);
}

std::string DeriveDayName(const std::string& fullName, int format)
{
    switch (format) {
    case 0:
        return Utf8Prefix(fullName, 1);
    case 1:
        return Utf8Prefix(fullName, 3);
    case 2:
        return Utf8ToUpper(Utf8Prefix(fullName, 3));
    case 3:
        return fullName;
    default:
        return {};
    }
}

void BuildDayNames(int firstDay, int format, std::string names[8])
{
    CCalDate date = CCalDate::Today();
    while (date.GetDayOfWeek() != firstDay)
        ++date;
    for (int slot = 1; slot <= 7; ++slot) {
        names[slot] = DeriveDayName(date.Format("%A"), format);
        ++date;
    }
}

int DayNameSlot(int weekday, int firstDayOfWeek) { return ((weekday - firstDayOfWeek) % 7 + 7) % 7 + 1; }

std::string WeekdayName(int weekday, int format)
{
    if (weekday < 1 || weekday > 7)
        return {};
    // 2000-01-02 was a Sunday.
    return DeriveDayName((CCalDate(2000, 1, 2) + (weekday - 1)).Format("%A"), format);
}

int SpecialWeekdayFlagOf(int weekday)
{
    // Sunday (1) to Friday (6) keep their numbers as flags; Saturday (7)
    // leads the stored list.
    return weekday >= 1 && weekday <= 7 ? weekday % 7 : -1;
}

bool IsSpecialWeekday(const BOOL flags[7], int weekday)
{
    const int flag = SpecialWeekdayFlagOf(weekday);
    return flag >= 0 && flags[flag];
}

bool IsSpecialDate(const BOOL flags[7], const std::string& specialDates, const CCalDate& date)
{
    // The weekday's number decides, not its name, so that every language
    // marks the same days.
    if (IsSpecialWeekday(flags, date.GetDayOfWeek()))
        return true;
    // Only the first occurrence counts, and one at the very start of the
    // list does not: the stored list always begins with ", ".
    const std::string probe = " " + FormatCalendarNumber(date.GetDay()) + ",";
    const std::size_t found = specialDates.find(probe);
    return found != std::string::npos && found > 0;
}
