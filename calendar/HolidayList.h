#pragma once

// The special days a calendar takes from iCalendar files: the files it
// names, the events read from them (one entry per day an event covers) and
// whether the event names are drawn in the day cells. The events are kept
// with the document, so a calendar still shows them where the files are
// missing; "Reload" reads the files again.

#include <string>
#include <vector>

struct CHolidayEvent {
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    std::string m_strName;
    // The index in the list's files of the file it was read from.
    int m_nFile = 0;

    bool operator==(const CHolidayEvent&) const = default;
    bool operator<(const CHolidayEvent& other) const;
};

class CHolidayList {
public:
    // The years read around a calendar's own year: one before, for the
    // months of a design that starts late in a year, and enough after for
    // the calendars of the next years.
    static constexpr int kYearsBefore = 1;
    static constexpr int kYearsAfter = 10;

    bool IsEmpty() const { return m_files.empty() && m_events.empty() && m_nWeekNumbers == 0; }
    bool IsHoliday(int year, int month, int day) const;
    // The names of the events on a day, in the order they were read, each
    // once.
    std::vector<std::string> NamesOn(int year, int month, int day) const;
    // Sorts the events by date and drops repeats of the same name on the
    // same day.
    void Normalize();
    // Drops a file and its events; the later files move up one.
    void RemoveFile(std::size_t index);

    bool operator==(const CHolidayList&) const = default;

    std::vector<std::string> m_files;
    std::vector<CHolidayEvent> m_events;
    bool m_bShowNames = false;
    // The week numbers drawn beside the weeks (a WeekNumbering); kept here
    // so the "Contents" stream keeps its format.
    int m_nWeekNumbers = 0;
};
