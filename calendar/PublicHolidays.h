#pragma once

// The public holidays of a country or of one of its states, built in, so a
// calendar can mark them without a file. A region is named by its code:
// "DE" for a country, "DE-BY" for a state, which has the country's days
// and its own. A calendar lists a region among its holiday sources as
// "region:DE-BY"; its days are made into events like a file's.
//
// The rules are the law as it stands from 2025: a day that a law added or
// dropped carries the first or last year it applies.

#include "calendar/HolidayList.h"

#include <string>
#include <vector>

// One public holiday of a region.
struct CPublicHoliday {
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    std::string m_strName;

    bool operator<(const CPublicHoliday& other) const
    {
        return m_nYear != other.m_nYear ? m_nYear < other.m_nYear
             : m_nMonth != other.m_nMonth ? m_nMonth < other.m_nMonth : m_nDay < other.m_nDay;
    }
};

struct CHolidayRegion {
    std::string m_strCode;  // "DE", "DE-BY"
    std::string m_strName;  // "Germany (Bavaria)"
};

// Every region, countries before their states, in the order the lists
// show them.
const std::vector<CHolidayRegion>& HolidayRegions();
// The readable name of a region code, or "" when there is no such region.
std::string HolidayRegionName(const std::string& code);
// The region a country's users most likely want (the country itself, or
// its largest part where only the parts have a list); "" when none.
std::string RegionForCountry(const std::string& countryCode);

// "region:DE-BY" for "DE-BY", and back; the code of a source that does not
// name a region is "".
std::string RegionSource(const std::string& code);
std::string RegionOfSource(const std::string& source);
bool IsRegionSource(const std::string& source);
// What a list shows for a source: the region's name, or the file's name.
std::string HolidaySourceTitle(const std::string& source);

// Appends the region's public holidays in the years fromYear to toYear,
// a day for each (a weekend holiday that the country moves to a weekday
// gives that weekday too, named as observed). False for an unknown code.
bool PublicHolidays(const std::string& code, int fromYear, int toYear, std::vector<CPublicHoliday>* events);
// The same for a source "region:CC", as the days of file 0 of a list
// (replacing what it held); error says why it failed.
bool ReadRegionSource(const std::string& source, int fromYear, int toYear, CHolidayList* days, CMessageOut error);

// Easter Sunday of a Gregorian year.
void EasterSunday(int year, int* month, int* day);
