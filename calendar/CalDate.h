#pragma once

// A Gregorian calendar date without a time of day. The calendar never works
// out month lengths or leap years itself: it steps dates one day at a time
// and asks this type for the day, month and weekday of each, so every such
// rule lives here, in the standard library's civil calendar.

#include <chrono>
#include <compare>
#include <string>

class CCalDate {
public:
    // 2000-01-01, a harmless value for default-constructed dates.
    CCalDate();
    // Out-of-range days are clamped into the month so that a date is always
    // valid (day 31 of April becomes April 30).
    CCalDate(int year, int month, int day);

    static CCalDate Today();

    int GetYear() const;
    int GetMonth() const;  // 1-12
    int GetDay() const;    // 1-31
    // 1 = Sunday, 2 = Monday, ..., 7 = Saturday.
    int GetDayOfWeek() const;

    CCalDate& operator++();  // one day later
    CCalDate& operator--();  // one day earlier
    CCalDate operator+(int days) const;
    CCalDate operator-(int days) const;
    int operator-(const CCalDate& other) const;  // whole days between

    auto operator<=>(const CCalDate&) const = default;
    bool operator==(const CCalDate&) const = default;

    // strftime with the process's current time-formatting locale, returned
    // as UTF-8 whatever the locale's own character set is ("%B", "%A").
    std::string Format(const char* format) const;

private:
    explicit CCalDate(std::chrono::sys_days days) : m_days(days) {}
    std::chrono::sys_days m_days;
};
