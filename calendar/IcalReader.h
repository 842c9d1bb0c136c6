#pragma once

// Reading iCalendar (.ics) files: the days their events fall on within a
// span of years, with recurrence rules expanded, exception dates and
// cancelled occurrences left out, and times taken in the zone the file
// gives them. The iCalendar library stays inside IcalReader.cpp.

#include "calendar/HolidayList.h"

#include <cstddef>
#include <string>
#include <vector>

// Files larger than this are refused before they are read.
constexpr std::size_t kMaxIcalFileSize = 16u * 1024u * 1024u;
// The most days one file may contribute; a rule that repeats every second
// stops being a list of special days long before this.
constexpr std::size_t kMaxIcalEventDays = 200000;

// Appends one entry per day that an event of the text covers in the years
// fromYear to toYear. On failure nothing is appended and error says why in
// plain words.
bool ParseICalendar(const std::string& text, int fromYear, int toYear, std::vector<CHolidayEvent>* events,
                    std::string* error);

// The same for a file.
bool ReadICalendarFile(const std::string& path, int fromYear, int toYear, std::vector<CHolidayEvent>* events,
                       std::string* error);

// Reads every file of the list (and makes the days of every region the list
// names as a source) into list->m_events for the years fromYear
// to toYear, replacing what it held. All or nothing: when one file cannot
// be read, the list is left as it was and error names the file.
bool ReloadHolidayList(CHolidayList* list, int fromYear, int toYear, std::string* error);
