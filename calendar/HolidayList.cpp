#include "calendar/HolidayList.h"

#include <algorithm>
#include <tuple>

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

}  // namespace

bool CHolidayList::IsHoliday(int year, int month, int day) const
{
    const auto range = DayRange(m_events, year, month, day);
    return range.first != range.second;
}

std::vector<std::string> CHolidayList::NamesOn(int year, int month, int day) const
{
    std::vector<std::string> names;
    const auto range = DayRange(m_events, year, month, day);
    for (auto it = range.first; it != range.second; ++it) {
        if (!it->m_strName.empty() && std::find(names.begin(), names.end(), it->m_strName) == names.end())
            names.push_back(it->m_strName);
    }
    return names;
}

void CHolidayList::Normalize()
{
    // A stable sort keeps the order of the files and of the events in them
    // for the names of one day.
    std::stable_sort(m_events.begin(), m_events.end());
    m_events.erase(std::unique(m_events.begin(), m_events.end()), m_events.end());
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
}
