#pragma once

// Reading iCalendar (.ics) files: the days their events fall on within a
// span of years, with recurrence rules expanded, exception dates and
// cancelled occurrences left out. Times in UTC are placed on the date they
// have in the calendar's zone (the file's X-WR-TIMEZONE, else the user's
// own zone); other times keep the date the file gives them. The iCalendar
// library stays inside IcalReader.cpp.
//
// Any text is either read or refused within a budget of steps and time, so
// that no file up to the size cap can hold the program: nesting deeper than
// any calendar needs is refused before the library parses the text, rules
// finer than a day are taken as daily rules, and every walk is bounded.

#include "calendar/HolidayList.h"
#include "objects/Message.h"

#include <atomic>
#include <cstddef>
#include <string>

// Files larger than this are refused before they are read.
constexpr std::size_t kMaxIcalFileSize = 16u * 1024u * 1024u;
// The most days one file may contribute; a rule that repeats every day for
// centuries stops being a list of special days long before this.
constexpr std::size_t kMaxIcalEventDays = 200000;
// Components inside components: a calendar, its events and their alarms
// need three.
constexpr int kMaxIcalNesting = 8;
// Repeat rules per file; each costs the library a few kilobytes.
constexpr std::size_t kMaxIcalRules = 20000;
// Steps of every rule of a file together, and the seconds one file may take.
constexpr long kMaxIcalSteps = 2000000;
constexpr double kMaxIcalSeconds = 3.0;

// A reading watched from another thread: how far it is and a way to stop
// it. A stopped reading fails with kIcalCancelled as its error.
struct CIcalProgress {
    std::atomic<bool> m_bCancel{false};
    // 0 to 1000.
    std::atomic<int> m_nPermille{0};
};
extern const char* const kIcalCancelled;

// Fills days with one entry per day that an event of the text covers in the
// years fromYear to toYear (all of file 0), replacing what it held. On
// failure days is left as it was and error says why in plain words; a text
// that gives no day in those years is refused too.
bool ParseICalendar(const std::string& text, int fromYear, int toYear, CHolidayList* days, CMessageOut error,
                    CIcalProgress* progress = nullptr);

// The same for a file.
bool ReadICalendarFile(const std::string& path, int fromYear, int toYear, CHolidayList* days, CMessageOut error,
                       CIcalProgress* progress = nullptr);

// Reads the file and adds it with its days to the list, if the list can
// keep them; otherwise the list is left as it was and error says why.
bool AddICalendarFile(CHolidayList* list, const std::string& path, int fromYear, int toYear, CMessageOut error,
                      CIcalProgress* progress = nullptr);

// Reads every file of the list again for the years fromYear to toYear,
// replacing its days. All or nothing: when one file cannot be read, the list
// is left as it was and error names the file. The days of regions
// ("region:DE-BY") are made again for those years.
bool ReloadHolidayList(CHolidayList* list, int fromYear, int toYear, CMessageOut error,
                       CIcalProgress* progress = nullptr);

// Whether a source of a list is an iCalendar file, as opposed to the
// days of a region kept under "region:CC".
bool IsHolidayFileSource(const std::string& source);

// The size of a file in bytes, or 0 when it cannot be seen.
std::size_t HolidayFileSize(const std::string& path);
