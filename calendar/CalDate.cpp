#include "calendar/CalDate.h"

#include "calendar/Utf8Text.h"

#include <algorithm>
#include <clocale>
#include <ctime>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <vector>

using namespace std::chrono;

namespace {

// The character set of the locale that strftime formats with (the current
// LC_TIME locale). Names of a locale in a legacy character set are
// converted to UTF-8, the program's only text encoding.
std::string TimeLocaleCodeset()
{
    const char* name = std::setlocale(LC_TIME, nullptr);
    if (!name || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
        return "ANSI_X3.4-1968";
    // A calendar formats dozens of dates per drawing, nearly always in the
    // same locale; remember the answer for the last one asked about.
    thread_local std::string lastName;
    thread_local std::string lastCodeset;
    if (lastName == name && !lastCodeset.empty())
        return lastCodeset;
    locale_t loc = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
    if (!loc)
        return "ANSI_X3.4-1968";
    lastCodeset = nl_langinfo_l(CODESET, loc);
    lastName = name;
    freelocale(loc);
    return lastCodeset;
}

std::string ToUtf8(const std::string& text, const std::string& codeset)
{
    if (codeset == "UTF-8" || IsAscii(text))
        return text;
    iconv_t cd = iconv_open("UTF-8", codeset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return MakeValidUtf8(text);
    std::string out;
    std::vector<char> buffer(text.size() * 4 + 16);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        return MakeValidUtf8(text);
    return std::string(buffer.data(), outPtr);
}

}  // namespace

CCalDate::CCalDate() : m_days(sys_days(year(2000) / January / 1)) {}

CCalDate::CCalDate(int y, int m, int d)
{
    // The civil calendar of the standard library covers these years; a
    // stored year beyond them is held at the nearest end.
    y = std::clamp(y, -32000, 32000);
    if (m < 1)
        m = 1;
    if (m > 12)
        m = 12;
    const year_month ym = year(y) / month(static_cast<unsigned>(m));
    const unsigned last = static_cast<unsigned>((ym / std::chrono::last).day());
    unsigned day = d < 1 ? 1u : static_cast<unsigned>(d);
    if (day > last)
        day = last;
    m_days = sys_days(ym / std::chrono::day(day));
}

CCalDate CCalDate::Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CCalDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int CCalDate::GetYear() const { return static_cast<int>(year_month_day(m_days).year()); }

int CCalDate::GetMonth() const { return static_cast<int>(static_cast<unsigned>(year_month_day(m_days).month())); }

int CCalDate::GetDay() const { return static_cast<int>(static_cast<unsigned>(year_month_day(m_days).day())); }

int CCalDate::GetDayOfWeek() const { return static_cast<int>(weekday(m_days).c_encoding()) + 1; }

CCalDate& CCalDate::operator++()
{
    m_days += days(1);
    return *this;
}

CCalDate& CCalDate::operator--()
{
    m_days -= days(1);
    return *this;
}

CCalDate CCalDate::operator+(int n) const { return CCalDate(m_days + days(n)); }

CCalDate CCalDate::operator-(int n) const { return CCalDate(m_days - days(n)); }

int CCalDate::operator-(const CCalDate& other) const { return static_cast<int>((m_days - other.m_days).count()); }

std::string CCalDate::Format(const char* format) const
{
    const year_month_day ymd(m_days);
    std::tm tm{};
    tm.tm_year = static_cast<int>(ymd.year()) - 1900;
    tm.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
    tm.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
    tm.tm_wday = static_cast<int>(weekday(m_days).c_encoding());
    tm.tm_yday = static_cast<int>((m_days - sys_days(ymd.year() / January / 1)).count());
    tm.tm_isdst = -1;

    // strftime reports 0 both for an empty result and for a small buffer, so
    // grow the buffer a few times before giving up with an empty text.
    std::vector<char> buffer(128);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const std::size_t n = std::strftime(buffer.data(), buffer.size(), format, &tm);
        if (n > 0)
            return ToUtf8(std::string(buffer.data(), n), TimeLocaleCodeset());
        buffer.resize(buffer.size() * 4);
    }
    return {};
}
