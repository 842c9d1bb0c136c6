#pragma once

// A calendar's holiday list at every limit a document keeps at once: the
// most files and days, a name and a path of the longest length.

#include "calendar/HolidayList.h"

#include <string>

inline CHolidayList HolidayListAtTheLimits()
{
    CHolidayList list;
    for (std::size_t i = 0; i < CHolidayList::kMaxFiles; ++i)
        list.m_files.push_back("/home/anna/" + std::to_string(i) + ".ics");
    list.m_files[1] = "/" + std::string(CHolidayList::kMaxText - 1, 'p');
    list.m_names = {std::string(CHolidayList::kMaxText, 'n'), "Picnic"};
    list.m_events.reserve(CHolidayList::kMaxEvents);
    for (std::size_t i = 0; i < CHolidayList::kMaxEvents; ++i)
        list.m_events.push_back({1000 + static_cast<int>(i / 372), 1 + static_cast<int>(i / 31 % 12),
                                 1 + static_cast<int>(i % 31), static_cast<int>(i % 2),
                                 static_cast<int>(i % CHolidayList::kMaxFiles)});
    list.Normalize();
    return list;
}
