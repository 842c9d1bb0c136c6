// Reads special days from arbitrary text, as adding or reloading an
// iCalendar file does. Every input must either give events or be refused
// with a message, without touching memory it does not own and without
// running for long, whatever rules the text holds.

#include "calendar/IcalReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 256 * 1024) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<CHolidayEvent> events;
    std::string error;
    if (!ParseICalendar(text, 2023, 2026, &events, &error) && error.empty()) __builtin_trap();
    for (const CHolidayEvent& e : events)
        if (e.m_nYear < 2023 || e.m_nYear > 2026 || e.m_nMonth < 1 || e.m_nMonth > 12 || e.m_nDay < 1 || e.m_nDay > 31)
            __builtin_trap();
    return 0;
}
