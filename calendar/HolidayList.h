#pragma once

// The special days a calendar takes from iCalendar files: the files it
// names, the events read from them (one entry per day an event covers) and
// whether the event names are drawn in the day cells. The events are kept
// with the document, so a calendar still shows them where the files are
// missing; "Reload" reads the files again. Each name is kept once; the
// events refer to it by its index, so a daily event with a long name costs
// no more than a short one.

#include "objects/Message.h"

#include <cstddef>
#include <string>
#include <vector>

struct CHolidayEvent {
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    // The index of its name in the list's names.
    int m_nName = 0;
    // The index in the list's files of the file it was read from.
    int m_nFile = 0;

    bool operator==(const CHolidayEvent&) const = default;
    // By date only.
    bool operator<(const CHolidayEvent& other) const;
};

class CHolidayList {
public:
    // The years read around a calendar's own year: one before, for the
    // months of a design that starts late in a year, and enough after for
    // the calendars of the next years.
    static constexpr int kYearsBefore = 1;
    static constexpr int kYearsAfter = 10;
    // What one calendar may hold, so that whatever a document keeps can be
    // read back: files, days and the bytes of a file's path or a name.
    static constexpr std::size_t kMaxFiles = 256;
    static constexpr std::size_t kMaxEvents = 1000000;
    static constexpr std::size_t kMaxText = 65536;
    // Names are cut to this many characters when they are read; no cell
    // shows more.
    static constexpr int kMaxNameChars = 200;

    bool IsEmpty() const { return m_files.empty() && m_events.empty() && m_nWeekNumbers == 0; }
    bool IsHoliday(int year, int month, int day) const;
    // The names of the events on a day, in the order they were read, each
    // once.
    std::vector<std::string> NamesOn(int year, int month, int day) const;
    const std::string& NameOf(const CHolidayEvent& event) const;
    // Adds one day of the file at index file; the name is looked up among
    // the names (meant for a few events; readers of large files fill
    // m_names and m_events themselves).
    void Add(int year, int month, int day, const std::string& name, int file = 0);
    // Sorts the events by date, keeps each name once and drops repeats of
    // the same name from the same file on the same day.
    void Normalize();
    // Drops a file and its events; the later files move up one.
    void RemoveFile(std::size_t index);
    // Gives the file at index the days of another list (all of its events,
    // whatever their file), replacing the file's days; an index just past
    // the last file adds the file under the name source.
    void SetFileDays(std::size_t index, const std::string& source, const CHolidayList& days);
    // Appends days whose names are indices into names, all as days of the
    // file at index file (a name index outside names becomes no name); the
    // events are not sorted again.
    void AppendDays(const std::vector<std::string>& names, const std::vector<CHolidayEvent>& days, int file);
    // Whether a document can keep the list; false with the reason in plain
    // words when it holds too many files or days, or too long a text.
    bool WithinLimits(CMessageOut error) const;
    // The refusal of one file more than kMaxFiles.
    static CMessage TooManyFiles();

    bool operator==(const CHolidayList&) const = default;

    std::vector<std::string> m_files;
    std::vector<std::string> m_names;
    std::vector<CHolidayEvent> m_events;
    bool m_bShowNames = false;
    // The week numbers drawn beside the weeks (a WeekNumbering); kept here
    // so the "Contents" stream keeps its format.
    int m_nWeekNumbers = 0;
};
