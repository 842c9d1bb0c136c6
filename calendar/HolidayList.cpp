#include "calendar/HolidayList.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

bool CHolidayEvent::operator<(const CHolidayEvent& other) const
{
    return std::tie(m_nYear, m_nMonth, m_nDay) < std::tie(other.m_nYear, other.m_nMonth, other.m_nDay);
}

namespace {

// The events of one day: the list is kept sorted by date.
std::pair<std::vector<CHolidayEvent>::const_iterator, std::vector<CHolidayEvent>::const_iterator> DayRange(
    const std::vector<CHolidayEvent>& events, int year, int month, int day)
{
    CHolidayEvent probe;
    probe.m_nYear = year;
    probe.m_nMonth = month;
    probe.m_nDay = day;
    return std::equal_range(events.begin(), events.end(), probe);
}

const std::string kNoName;

}  // namespace

bool CHolidayList::IsHoliday(int year, int month, int day) const
{
    const auto range = DayRange(m_events, year, month, day);
    return range.first != range.second;
}

const std::string& CHolidayList::NameOf(const CHolidayEvent& event) const
{
    if (event.m_nName < 0 || static_cast<std::size_t>(event.m_nName) >= m_names.size())
        return kNoName;
    return m_names[static_cast<std::size_t>(event.m_nName)];
}

std::vector<std::string> CHolidayList::NamesOn(int year, int month, int day) const
{
    std::vector<std::string> names;
    const auto range = DayRange(m_events, year, month, day);
    for (auto it = range.first; it != range.second; ++it) {
        const std::string& name = NameOf(*it);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

void CHolidayList::Add(int year, int month, int day, const std::string& name, int file)
{
    auto found = std::find(m_names.begin(), m_names.end(), name);
    if (found == m_names.end())
        found = m_names.insert(m_names.end(), name);
    m_events.push_back({year, month, day, static_cast<int>(found - m_names.begin()), file});
}

void CHolidayList::Normalize()
{
    // Equal names become one, so that repeats are found by index.
    std::unordered_map<std::string, int> firstIndex;
    std::vector<int> same(m_names.size());
    for (std::size_t i = 0; i < m_names.size(); ++i)
        same[i] = firstIndex.emplace(m_names[i], static_cast<int>(i)).first->second;
    for (CHolidayEvent& e : m_events) {
        if (e.m_nName < 0 || static_cast<std::size_t>(e.m_nName) >= m_names.size()) {
            e.m_nName = -1;  // No name; given one below.
            continue;
        }
        e.m_nName = same[static_cast<std::size_t>(e.m_nName)];
    }
    // A stable sort keeps the order of the files and of the events in them
    // for the names of one day.
    if (!std::is_sorted(m_events.begin(), m_events.end()))
        std::stable_sort(m_events.begin(), m_events.end());
    m_events.erase(std::unique(m_events.begin(), m_events.end()), m_events.end());

    // The names in the order the events first use them; unused ones go.
    std::vector<int> renumber(m_names.size(), -1);
    std::vector<std::string> names;
    int unnamed = -1;
    for (CHolidayEvent& e : m_events) {
        if (e.m_nName < 0) {
            if (unnamed < 0) {
                unnamed = static_cast<int>(names.size());
                names.emplace_back();
            }
            e.m_nName = unnamed;
            continue;
        }
        int& to = renumber[static_cast<std::size_t>(e.m_nName)];
        if (to < 0) {
            to = static_cast<int>(names.size());
            names.push_back(std::move(m_names[static_cast<std::size_t>(e.m_nName)]));
        }
        e.m_nName = to;
    }
    m_names = std::move(names);
    // An empty name read from a file and the stand-in for a missing one are
    // the same name; repeats they leave are dropped once more.
    if (unnamed >= 0) {
        Normalize();
        return;
    }
}

void CHolidayList::RemoveFile(std::size_t index)
{
    if (index >= m_files.size())
        return;
    m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
    const int removed = static_cast<int>(index);
    std::erase_if(m_events, [removed](const CHolidayEvent& e) { return e.m_nFile == removed; });
    for (CHolidayEvent& e : m_events) {
        if (e.m_nFile > removed)
            --e.m_nFile;
    }
    Normalize();
}

void CHolidayList::SetFileDays(std::size_t index, const std::string& source, const CHolidayList& days)
{
    if (index > m_files.size())
        return;
    if (index == m_files.size())
        m_files.push_back(source);
    const int file = static_cast<int>(index);
    std::erase_if(m_events, [file](const CHolidayEvent& e) { return e.m_nFile == file; });
    const auto middle = static_cast<std::ptrdiff_t>(m_events.size());
    AppendDays(days.m_names, days.m_events, file);
    // Two sorted runs are merged rather than sorted again.
    if (std::is_sorted(m_events.begin(), m_events.begin() + middle) &&
        std::is_sorted(m_events.begin() + middle, m_events.end()))
        std::inplace_merge(m_events.begin(), m_events.begin() + middle, m_events.end());
    Normalize();
}

void CHolidayList::AppendDays(const std::vector<std::string>& names, const std::vector<CHolidayEvent>& days,
                              int file)
{
    const int firstName = static_cast<int>(m_names.size());
    m_names.insert(m_names.end(), names.begin(), names.end());
    m_events.reserve(m_events.size() + days.size());
    for (CHolidayEvent e : days) {
        e.m_nName = e.m_nName >= 0 && static_cast<std::size_t>(e.m_nName) < names.size() ? firstName + e.m_nName : -1;
        e.m_nFile = file;
        m_events.push_back(e);
    }
}

CMessage CHolidayList::TooManyFiles()
{
    return CMessage(MESSAGE_TEXT("CMessage", "A calendar can take at most %1 holiday files.")).Arg(kMaxFiles);
}

bool CHolidayList::WithinLimits(CMessageOut error) const
{
    auto fail = [error](const CMessage& why) {
        error.Set(why);
        return false;
    };
    if (m_files.size() > kMaxFiles)
        return fail(TooManyFiles());
    if (m_events.size() > kMaxEvents)
        return fail(CMessage(MESSAGE_TEXT("CMessage",
                                          "The holiday files give %1 days in all; a calendar can keep at most %2."))
                        .Arg(m_events.size())
                        .Arg(kMaxEvents));
    for (const std::string& file : m_files) {
        if (file.empty() || file.size() > kMaxText)
            return fail(CMessage(MESSAGE_TEXT("CMessage", "The name of a holiday file is too long to be kept.")));
    }
    for (const std::string& name : m_names) {
        if (name.size() > kMaxText)
            return fail(CMessage(MESSAGE_TEXT("CMessage", "An event name is too long to be kept.")));
    }
    return true;
}
