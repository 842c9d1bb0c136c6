#include "calendar/CalDate.h"
#include "calendar/IcalReader.h"
#include "calendar/PublicHolidays.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The public holidays of each country for three years, worked out by hand
// from the laws and a printed calendar, as "MM-DD" (a weekday standing in
// for a weekend holiday included).
struct CExpectedYear {
    const char* region;
    int year;
    const char* days;
};

const CExpectedYear kExpected[] = {
    {"AT", 2025, "01-01 01-06 04-21 05-01 05-29 06-09 06-19 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"AT", 2026, "01-01 01-06 04-06 05-01 05-14 05-25 06-04 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"AT", 2027, "01-01 01-06 03-29 05-01 05-06 05-17 05-27 08-15 10-26 11-01 12-08 12-25 12-26"},
    // Christmas Day 2027 is a Saturday: Boxing Day (Sunday) goes to the
    // Tuesday; Anzac Day on a Sunday stays.
    {"AU", 2025, "01-01 01-26 01-27 04-18 04-21 04-25 12-25 12-26"},
    {"AU", 2027, "01-01 01-26 03-26 03-29 04-25 12-25 12-26 12-27 12-28"},
    {"AU", 2028, "01-01 01-03 01-26 04-14 04-17 04-25 12-25 12-26"},
    {"BE", 2025, "01-01 04-21 05-01 05-29 06-09 07-21 08-15 11-01 11-11 12-25"},
    {"BE", 2026, "01-01 04-06 05-01 05-14 05-25 07-21 08-15 11-01 11-11 12-25"},
    {"BE", 2027, "01-01 03-29 05-01 05-06 05-17 07-21 08-15 11-01 11-11 12-25"},
    {"CA", 2025, "01-01 04-18 05-19 07-01 09-01 09-30 10-13 11-11 12-25 12-26"},
    {"CA", 2026, "01-01 04-03 05-18 07-01 09-07 09-30 10-12 11-11 12-25 12-26 12-28"},
    {"CA", 2028, "01-01 01-03 04-14 05-22 07-01 07-03 09-04 09-30 10-02 10-09 11-11 11-13 12-25 12-26"},
    {"CH", 2025, "01-01 04-18 04-21 05-29 06-09 08-01 12-25 12-26"},
    {"CH", 2026, "01-01 04-03 04-06 05-14 05-25 08-01 12-25 12-26"},
    {"CH", 2027, "01-01 03-26 03-29 05-06 05-17 08-01 12-25 12-26"},
    {"CZ", 2025, "01-01 04-18 04-21 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"CZ", 2026, "01-01 04-03 04-06 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"CZ", 2027, "01-01 03-26 03-29 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"DE", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 10-03 12-25 12-26"},
    {"DE", 2026, "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26"},
    {"DE", 2028, "01-01 04-14 04-17 05-01 05-25 06-05 10-03 12-25 12-26"},
    // Store bededag is gone from 2024.
    {"DK", 2025, "01-01 04-17 04-18 04-20 04-21 05-29 06-08 06-09 12-25 12-26"},
    {"DK", 2026, "01-01 04-02 04-03 04-05 04-06 05-14 05-24 05-25 12-25 12-26"},
    {"DK", 2027, "01-01 03-25 03-26 03-28 03-29 05-06 05-16 05-17 12-25 12-26"},
    {"ES", 2025, "01-01 01-06 04-18 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES", 2026, "01-01 01-06 04-03 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES", 2027, "01-01 01-06 03-26 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"FI", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-08 06-21 11-01 12-06 12-25 12-26"},
    {"FI", 2026, "01-01 01-06 04-03 04-05 04-06 05-01 05-14 05-24 06-20 10-31 12-06 12-25 12-26"},
    {"FI", 2027, "01-01 01-06 03-26 03-28 03-29 05-01 05-06 05-16 06-26 11-06 12-06 12-25 12-26"},
    {"FR", 2025, "01-01 04-21 05-01 05-08 05-29 06-09 07-14 08-15 11-01 11-11 12-25"},
    {"FR", 2026, "01-01 04-06 05-01 05-08 05-14 05-25 07-14 08-15 11-01 11-11 12-25"},
    {"FR", 2027, "01-01 03-29 05-01 05-06 05-08 05-17 07-14 08-15 11-01 11-11 12-25"},
    {"GB-EAW", 2025, "01-01 04-18 04-21 05-05 05-26 08-25 12-25 12-26"},
    {"GB-EAW", 2027, "01-01 03-26 03-29 05-03 05-31 08-30 12-25 12-26 12-27 12-28"},
    {"GB-EAW", 2028, "01-01 01-03 04-14 04-17 05-01 05-29 08-28 12-25 12-26"},
    {"GB-NIR", 2025, "01-01 03-17 04-18 04-21 05-05 05-26 07-12 07-14 08-25 12-25 12-26"},
    {"GB-NIR", 2026, "01-01 03-17 04-03 04-06 05-04 05-25 07-12 07-13 08-31 12-25 12-26 12-28"},
    {"GB-NIR", 2027, "01-01 03-17 03-26 03-29 05-03 05-31 07-12 08-30 12-25 12-26 12-27 12-28"},
    // St Andrew's Day 2025 is a Sunday; 1 and 2 January 2028 a weekend.
    {"GB-SCT", 2025, "01-01 01-02 04-18 05-05 05-26 08-04 11-30 12-01 12-25 12-26"},
    {"GB-SCT", 2027, "01-01 01-02 01-04 03-26 05-03 05-31 08-02 11-30 12-25 12-26 12-27 12-28"},
    {"GB-SCT", 2028, "01-01 01-02 01-03 01-04 04-14 05-01 05-29 08-07 11-30 12-25 12-26"},
    // St Brigid's Day: the first Monday of February, or 1 February when
    // that is a Friday (2030).
    {"IE", 2025, "01-01 02-03 03-17 04-21 05-05 06-02 08-04 10-27 12-25 12-26"},
    {"IE", 2026, "01-01 02-02 03-17 04-06 05-04 06-01 08-03 10-26 12-25 12-26 12-28"},
    {"IE", 2030, "01-01 02-01 03-17 03-18 04-22 05-06 06-03 08-05 10-28 12-25 12-26"},
    // San Francesco d'Assisi (4 October) from 2026.
    {"IT", 2025, "01-01 01-06 04-21 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
    {"IT", 2026, "01-01 01-06 04-06 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"IT", 2027, "01-01 01-06 03-29 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"LU", 2025, "01-01 04-21 05-01 05-09 05-29 06-09 06-23 08-15 11-01 12-25 12-26"},
    {"LU", 2026, "01-01 04-06 05-01 05-09 05-14 05-25 06-23 08-15 11-01 12-25 12-26"},
    {"LU", 2027, "01-01 03-29 05-01 05-06 05-09 05-17 06-23 08-15 11-01 12-25 12-26"},
    // King's Day 2025 falls on a Sunday and is kept on the Saturday.
    {"NL", 2025, "01-01 04-21 04-26 05-05 05-29 06-09 12-25 12-26"},
    {"NL", 2026, "01-01 04-06 04-27 05-05 05-14 05-25 12-25 12-26"},
    {"NL", 2027, "01-01 03-29 04-27 05-05 05-06 05-17 12-25 12-26"},
    {"NO", 2025, "01-01 04-17 04-18 04-20 04-21 05-01 05-17 05-29 06-08 06-09 12-25 12-26"},
    {"NO", 2026, "01-01 04-02 04-03 04-05 04-06 05-01 05-14 05-17 05-24 05-25 12-25 12-26"},
    {"NO", 2027, "01-01 03-25 03-26 03-28 03-29 05-01 05-06 05-16 05-17 12-25 12-26"},
    {"NZ", 2025, "01-01 01-02 02-06 04-18 04-21 04-25 06-02 06-20 10-27 12-25 12-26"},
    {"NZ", 2026, "01-01 01-02 02-06 04-03 04-06 04-25 04-27 06-01 07-10 10-26 12-25 12-26 12-28"},
    {"NZ", 2027, "01-01 01-02 01-04 02-06 02-08 03-26 03-29 04-25 04-26 06-07 06-25 10-25 12-25 12-26 12-27 12-28"},
    // Christmas Eve from 2025.
    {"PL", 2025, "01-01 01-06 04-20 04-21 05-01 05-03 06-08 06-19 08-15 11-01 11-11 12-24 12-25 12-26"},
    {"PL", 2026, "01-01 01-06 04-05 04-06 05-01 05-03 05-24 06-04 08-15 11-01 11-11 12-24 12-25 12-26"},
    {"PL", 2027, "01-01 01-06 03-28 03-29 05-01 05-03 05-16 05-27 08-15 11-01 11-11 12-24 12-25 12-26"},
    {"PT", 2025, "01-01 04-18 04-20 04-25 05-01 06-10 06-19 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"PT", 2026, "01-01 04-03 04-05 04-25 05-01 06-04 06-10 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"PT", 2027, "01-01 03-26 03-28 04-25 05-01 05-27 06-10 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"SE", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-06 06-08 06-21 11-01 12-25 12-26"},
    {"SE", 2026, "01-01 01-06 04-03 04-05 04-06 05-01 05-14 05-24 06-06 06-20 10-31 12-25 12-26"},
    {"SE", 2027, "01-01 01-06 03-26 03-28 03-29 05-01 05-06 05-16 06-06 06-26 11-06 12-25 12-26"},
    // New Year's Day 2028 is a Saturday: it is kept on 31 December 2027.
    {"US", 2025, "01-01 01-20 02-17 05-26 06-19 07-04 09-01 10-13 11-11 11-27 12-25"},
    {"US", 2027, "01-01 01-18 02-15 05-31 06-18 06-19 07-04 07-05 09-06 10-11 11-11 11-25 12-24 12-25 12-31"},
    {"US", 2028, "01-01 01-17 02-21 05-29 06-19 07-04 09-04 10-09 11-10 11-11 11-23 12-25"},
};

// The days each German state adds to the national ones in 2025 (Berlin's
// 8 May is that year only), and 2026 for a few.
const CExpectedYear kGermanStates[] = {
    {"DE-BW", 2025, "01-06 06-19 11-01"},
    {"DE-BY", 2025, "01-06 06-19 08-15 11-01"},
    {"DE-BE", 2025, "03-08 05-08"},
    {"DE-BE", 2026, "03-08"},
    {"DE-BB", 2025, "04-20 06-08 10-31"},
    {"DE-HB", 2025, "10-31"},
    {"DE-HH", 2025, "10-31"},
    {"DE-HE", 2025, "06-19"},
    {"DE-MV", 2025, "03-08 10-31"},
    {"DE-NI", 2025, "10-31"},
    {"DE-NW", 2025, "06-19 11-01"},
    {"DE-RP", 2025, "06-19 11-01"},
    {"DE-SL", 2025, "06-19 08-15 11-01"},
    {"DE-SN", 2025, "10-31 11-19"},
    {"DE-SN", 2026, "10-31 11-18"},
    {"DE-SN", 2027, "10-31 11-17"},
    {"DE-ST", 2025, "01-06 10-31"},
    {"DE-SH", 2025, "10-31"},
    {"DE-TH", 2025, "09-20 10-31"},
};

std::set<std::string> Split(const std::string& days)
{
    std::set<std::string> out;
    std::istringstream in(days);
    for (std::string day; in >> day;)
        out.insert(day);
    return out;
}

std::string Key(const CPublicHoliday& e)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d-%02d", e.m_nMonth, e.m_nDay);
    return text;
}

std::vector<CPublicHoliday> Days(const std::string& region, int from, int to)
{
    std::vector<CPublicHoliday> events;
    EXPECT_TRUE(PublicHolidays(region, from, to, &events)) << region;
    return events;
}

std::set<std::string> DaysOf(const std::string& region, int year)
{
    std::set<std::string> days;
    for (const CPublicHoliday& e : Days(region, year, year))
        days.insert(Key(e));
    return days;
}

std::string NameOn(const std::string& region, int year, int month, int day)
{
    std::string names;
    for (const CPublicHoliday& e : Days(region, year, year))
        if (e.m_nMonth == month && e.m_nDay == day)
            names += (names.empty() ? "" : " | ") + e.m_strName;
    return names;
}

}  // namespace

TEST(PublicHolidays, EasterSundayFollowsTheGregorianComputus)
{
    const int expected[][3] = {{2024, 3, 31}, {2025, 4, 20}, {2026, 4, 5},  {2027, 3, 28},
                               {2028, 4, 16}, {2029, 4, 1},  {2030, 4, 21}, {2038, 4, 25}};
    for (const auto& e : expected) {
        int month = 0, day = 0;
        EasterSunday(e[0], &month, &day);
        EXPECT_EQ(month * 100 + day, e[1] * 100 + e[2]) << e[0];
    }
}

TEST(PublicHolidays, EachCountryGivesTheDaysItsLawNames)
{
    for (const CExpectedYear& e : kExpected)
        EXPECT_EQ(DaysOf(e.region, e.year), Split(e.days)) << e.region << " " << e.year;
}

TEST(PublicHolidays, EachGermanStateAddsItsOwnDays)
{
    for (const CExpectedYear& e : kGermanStates) {
        std::set<std::string> expected = DaysOf("DE", e.year);
        const std::set<std::string> own = Split(e.days);
        expected.insert(own.begin(), own.end());
        EXPECT_EQ(DaysOf(e.region, e.year), expected) << e.region << " " << e.year;
    }
}

TEST(PublicHolidays, RulesThatBeganOrEndedApplyOnlyInTheirYears)
{
    // Store bededag was a holiday until 2023.
    EXPECT_EQ(NameOn("DK", 2023, 5, 5), "Store bededag");
    EXPECT_EQ(NameOn("DK", 2024, 4, 26), "");
    // Christmas Eve in Poland from 2025.
    EXPECT_EQ(NameOn("PL", 2024, 12, 24), "");
    EXPECT_EQ(NameOn("PL", 2025, 12, 24), "Wigilia Bożego Narodzenia");
    EXPECT_EQ(NameOn("IT", 2025, 10, 4), "");
    EXPECT_EQ(NameOn("IT", 2026, 10, 4), "San Francesco d'Assisi");
    // St Brigid's Day from 2023.
    EXPECT_EQ(NameOn("IE", 2022, 2, 7), "");
    EXPECT_EQ(NameOn("IE", 2023, 2, 6), "St Brigid's Day");
}

TEST(PublicHolidays, WeekdaysStandingInForWeekendHolidaysSaySo)
{
    EXPECT_EQ(NameOn("GB-EAW", 2027, 12, 28), "Boxing Day (substitute day)");
    EXPECT_EQ(NameOn("US", 2027, 12, 31), "New Year's Day (observed)");
    EXPECT_EQ(NameOn("US", 2027, 12, 24), "Christmas Day (observed)");
    EXPECT_EQ(NameOn("NZ", 2026, 4, 27), "Anzac Day (observed)");
    EXPECT_EQ(NameOn("NZ", 2027, 1, 4), "Day after New Year's Day (observed)");
    // A day that is two holidays keeps both names.
    EXPECT_EQ(NameOn("NO", 2027, 5, 17), "Grunnlovsdag | Andre pinsedag");
}

TEST(PublicHolidays, EveryRegionGivesItsDaysForTheYearsAhead)
{
    for (const CHolidayRegion& region : HolidayRegions()) {
        for (int year = 2025; year <= 2030; ++year) {
            const std::vector<CPublicHoliday> events = Days(region.m_strCode, year, year);
            // At least seven days, all in the year, each named, in date
            // order; a state has every day of its country.
            EXPECT_GE(events.size(), 7u) << region.m_strCode << " " << year;
            for (std::size_t i = 0; i < events.size(); ++i) {
                EXPECT_EQ(events[i].m_nYear, year);
                EXPECT_FALSE(events[i].m_strName.empty());
                if (i > 0) {
                    EXPECT_FALSE(events[i] < events[i - 1]) << region.m_strCode;
                }
            }
            const std::string country = region.m_strCode.substr(0, 2);
            if (region.m_strCode.size() > 2 && country == "DE") {
                const std::set<std::string> own = DaysOf(region.m_strCode, year);
                for (const std::string& day : DaysOf(country, year)) {
                    EXPECT_TRUE(own.count(day)) << region.m_strCode << " " << year << " " << day;
                }
            }
        }
        EXPECT_EQ(HolidayRegionName(region.m_strCode), region.m_strName);
    }
    // New Zealand's Matariki is always a Friday.
    for (int year = 2025; year <= 2030; ++year) {
        for (const CPublicHoliday& e : Days("NZ", year, year)) {
            if (e.m_strName == "Matariki") {
                EXPECT_EQ(CCalDate(e.m_nYear, e.m_nMonth, e.m_nDay).GetDayOfWeek(), 6) << year;
            }
        }
    }
}

TEST(PublicHolidays, ARegionIsAHolidaySourceOfTheList)
{
    CHolidayList list;
    list.m_files = {RegionSource("DE-BY"), RegionSource("AT")};
    std::string error;
    ASSERT_TRUE(ReloadHolidayList(&list, 2026, 2026, &error)) << error;
    EXPECT_EQ(list.NamesOn(2026, 1, 6), (std::vector<std::string>{"Heilige Drei Könige"}));
    EXPECT_EQ(list.NamesOn(2026, 10, 26), (std::vector<std::string>{"Nationalfeiertag"}));
    EXPECT_FALSE(list.IsHoliday(2026, 10, 31));
    for (const CHolidayEvent& e : list.m_events) {
        if (list.NameOf(e) == "Nationalfeiertag") {
            EXPECT_EQ(e.m_nFile, 1);
        }
        if (list.NameOf(e) == "Tag der Deutschen Einheit") {
            EXPECT_EQ(e.m_nFile, 0);
        }
    }

    EXPECT_EQ(HolidaySourceTitle(RegionSource("DE-BY")), "Germany (Bavaria)");
    EXPECT_EQ(HolidaySourceTitle("/home/anna/family.ics"), "family.ics");
    EXPECT_EQ(RegionOfSource("region:GB-SCT"), "GB-SCT");
    EXPECT_EQ(RegionForCountry("GB"), "GB-EAW");
    EXPECT_EQ(RegionForCountry("DE"), "DE");
    EXPECT_EQ(RegionForCountry("JP"), "");

    // A document from a later version may name a region this one lacks:
    // the list is refused whole and keeps what it had.
    list.m_files.push_back(RegionSource("XX"));
    const auto before = list.m_events;
    EXPECT_FALSE(ReloadHolidayList(&list, 2027, 2027, &error));
    EXPECT_NE(error.find("XX"), std::string::npos);
    EXPECT_EQ(list.m_events, before);
}
