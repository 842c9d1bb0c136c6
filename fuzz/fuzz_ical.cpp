// Reads special days from arbitrary text, as adding or reloading an
// iCalendar file does. Every input up to the size cap must either give
// events or be refused with a message, without touching memory it does not
// own and within the reader's budget of time, whatever rules the text holds.

#include "calendar/IcalReader.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kMaxIcalFileSize) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    CHolidayList days;
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = ParseICalendar(text, 2023, 2026, &days, &error);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    // The budget is a backstop on the wall clock; a reading that ends far
    // past it has a step the budget does not see.
    if (took.count() > kMaxIcalSeconds * 4 + 2) __builtin_trap();
    if (!ok && error.empty()) __builtin_trap();
    if (ok && (days.m_events.empty() || days.m_events.size() > kMaxIcalEventDays)) __builtin_trap();
    for (const CHolidayEvent& e : days.m_events)
        if (e.m_nYear < 2023 || e.m_nYear > 2026 || e.m_nMonth < 1 || e.m_nMonth > 12 || e.m_nDay < 1 ||
            e.m_nDay > 31 || e.m_nName < 0 || static_cast<std::size_t>(e.m_nName) >= days.m_names.size())
            __builtin_trap();
    for (const std::string& name : days.m_names)
        if (name.size() > 4 * CHolidayList::kMaxNameChars) __builtin_trap();
    return 0;
}
