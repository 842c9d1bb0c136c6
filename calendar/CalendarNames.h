#pragma once

// Month and weekday names from the user's locale, the first day of the week,
// and the rules that decide which days and day-name cells are special.

#include "calendar/CalDate.h"
#include "objects/Types.h"

#include <string>

// Flags of the seven weekdays that can be marked special, in the order in
// which calendars store them.
enum SpecialWeekdayFlag {
    flagSaturdays = 0,
    flagSundays = 1,
    flagMondays = 2,
    flagTuesdays = 3,
    flagWednesdays = 4,
    flagThursdays = 5,
    flagFridays = 6,
};

// The decimal text of an integer: base 10, a minus sign for negatives, no
// padding.
std::string FormatCalendarNumber(int value);

// The full name of the month (1-12) in the user's locale, taken from the
// 1st of the month in the year 2000, in the form that stands on its own; an
// empty text for any other month.
std::string DefaultMonthName(int month);

// Switches the process's time-formatting locale to the user's default, so
// that "%A" and "%B" give the user's names.
void UseUserTimeLocale();

// The weekday (1 = Sunday ... 7 = Saturday) that opens the week in the
// user's locale.
int LocaleFirstDayOfWeek();

// Turns the locale's two week facts into a weekday: the weekday of the
// date on which the locale's week numbering starts (1 = Sunday ... 7 =
// Saturday) and the locale's first-weekday value, which counts from that
// day (1 = that day itself). A value outside 1-7 gives Sunday.
int FirstDayOfWeekFromLocale(int weekStartWeekday, int firstWeekday);

// A weekday name in day-name format 0 (first character), 1 (first three
// characters), 2 (first three characters in upper case) or 3 (the whole
// name); any other format gives an empty text.
std::string DeriveDayName(const std::string& fullName, int format);

// Fills names[1..7] with the day names in display order, slot 1 being
// firstDay. The names come from "%A" of real dates, starting from today.
void BuildDayNames(int firstDay, int format, std::string names[8]);

// The day-name slot (1-7) that a weekday (1 = Sunday ... 7 = Saturday) is
// shown in when the week opens with firstDayOfWeek.
int DayNameSlot(int weekday, int firstDayOfWeek);

// The name of a weekday (1 = Sunday ... 7 = Saturday) in the given format,
// from "%A" of the current time-formatting locale.
std::string WeekdayName(int weekday, int format);

// The index in the stored flags (Saturdays first) of a weekday, 1 = Sunday
// ... 7 = Saturday; -1 for any other number.
int SpecialWeekdayFlagOf(int weekday);

// Whether the flags mark a weekday (1 = Sunday ... 7 = Saturday) special.
// Day-name cells use it with the weekday their slot shows.
bool IsSpecialWeekday(const BOOL flags[7], int weekday);

// Whether a date is special: by its weekday's flag or by the stored list of
// other dates, which must hold " <day>," after its first character.
bool IsSpecialDate(const BOOL flags[7], const std::string& specialDates, const CCalDate& date);
