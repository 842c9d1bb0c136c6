// The day an event lands on: times in UTC are shown in the calendar's zone
// (the file's X-WR-TIMEZONE, else the user's), exceptions are matched as
// instants, and the start is always an occurrence.

#include "calendar/HolidayList.h"
#include "calendar/IcalReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// Runs with TZ set to a zone and puts back what was there.
class CUserZone {
public:
    explicit CUserZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ")) {
            m_strOld = old;
            m_bHad = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~CUserZone()
    {
        if (m_bHad)
            setenv("TZ", m_strOld.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string m_strOld;
    bool m_bHad = false;
};

CHolidayList Read(const std::string& body, const std::string& header = "")
{
    const std::string text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Mondrel//Tests//EN\r\n" + header + body + "END:VCALENDAR\r\n";
    CHolidayList days;
    std::string error;
    EXPECT_TRUE(ParseICalendar(text, 2024, 2024, &days, &error)) << error;
    return days;
}

const std::string kLateUtc = "BEGIN:VEVENT\r\nUID:late\r\nDTSTART:20240401T233000Z\r\nDTEND:20240402T003000Z\r\n"
                             "SUMMARY:Call\r\nEND:VEVENT\r\n";

}  // namespace

TEST(IcalZones, AUtcTimeNearMidnightLandsOnTheDayOfTheCalendarsZone)
{
    struct Case {
        const char* user;
        const char* header;
        int day;
    };
    const Case cases[] = {
        {"Europe/Berlin", "", 2},  // 01:30 in Berlin
        {"America/New_York", "", 1},  // 19:30 in New York
        {"America/New_York", "X-WR-TIMEZONE:Europe/Berlin\r\n", 2},
        {"Europe/Berlin", "X-WR-TIMEZONE:America/New_York\r\n", 1},
        // A zone the system does not know leaves the user's.
        {"Europe/Berlin", "X-WR-TIMEZONE:Nowhere/Atlantis\r\n", 2},
    };
    for (const Case& c : cases) {
        CUserZone zone(c.user);
        const CHolidayList days = Read(kLateUtc, c.header);
        ASSERT_EQ(days.m_events.size(), 1u) << c.user << " " << c.header;
        EXPECT_EQ(days.m_events[0].m_nDay, c.day) << c.user << " " << c.header;
    }

    // A weekly rule in UTC: each occurrence is shown in the zone, across
    // the change to summer time.
    CUserZone zone("Europe/Berlin");
    const CHolidayList weekly = Read("BEGIN:VEVENT\r\nUID:w\r\nDTSTART:20240317T230000Z\r\n"
                                     "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Sunday night\r\nEND:VEVENT\r\n");
    for (int day : {18, 25})
        EXPECT_TRUE(weekly.IsHoliday(2024, 3, day)) << day;
    EXPECT_TRUE(weekly.IsHoliday(2024, 4, 1));  // 01:00 in summer time
    EXPECT_FALSE(weekly.IsHoliday(2024, 3, 17));
}

TEST(IcalZones, ExceptionsInUtcMatchTheOccurrenceOfAZonedEvent)
{
    CUserZone zone("America/New_York");
    // Every day at half past midnight in Berlin; the exception written in
    // UTC is the night of the 3rd in Berlin, still the 2nd in UTC.
    const std::string master = "BEGIN:VEVENT\r\nUID:m\r\nDTSTART;TZID=Europe/Berlin:20240101T003000\r\n"
                               "RRULE:FREQ=DAILY;COUNT=5\r\nSUMMARY:Night shift\r\n";
    const CHolidayList excluded = Read(master + "EXDATE:20240102T233000Z\r\nEND:VEVENT\r\n");
    EXPECT_TRUE(excluded.IsHoliday(2024, 1, 2));
    EXPECT_FALSE(excluded.IsHoliday(2024, 1, 3));
    EXPECT_EQ(excluded.m_events.size(), 4u);

    // The same for an occurrence moved by an override named in UTC.
    const CHolidayList moved =
        Read(master + "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:m\r\nRECURRENCE-ID:20240101T233000Z\r\n"
                      "DTSTART;TZID=Europe/Berlin:20240110T120000\r\nSUMMARY:Night shift\r\nEND:VEVENT\r\n");
    EXPECT_TRUE(moved.IsHoliday(2024, 1, 1));
    EXPECT_FALSE(moved.IsHoliday(2024, 1, 2));
    EXPECT_TRUE(moved.IsHoliday(2024, 1, 10));

    // A date exception against an all-day event.
    const CHolidayList dated = Read("BEGIN:VEVENT\r\nUID:d\r\nDTSTART;VALUE=DATE:20240101\r\n"
                                    "RRULE:FREQ=DAILY;COUNT=3\r\nEXDATE;VALUE=DATE:20240102\r\nEND:VEVENT\r\n");
    EXPECT_TRUE(dated.IsHoliday(2024, 1, 1));
    EXPECT_FALSE(dated.IsHoliday(2024, 1, 2));
}

TEST(IcalZones, TheStartIsAnOccurrenceEvenOffItsRule)
{
    // A Wednesday start of a rule for Mondays: the start and two Mondays,
    // the start counting as the first of three.
    const CHolidayList days = Read("BEGIN:VEVENT\r\nUID:o\r\nDTSTART;VALUE=DATE:20240103\r\n"
                                   "RRULE:FREQ=WEEKLY;BYDAY=MO;COUNT=3\r\nSUMMARY:Course\r\nEND:VEVENT\r\n");
    EXPECT_TRUE(days.IsHoliday(2024, 1, 3));
    EXPECT_TRUE(days.IsHoliday(2024, 1, 8));
    EXPECT_TRUE(days.IsHoliday(2024, 1, 15));
    EXPECT_FALSE(days.IsHoliday(2024, 1, 22));
    EXPECT_EQ(days.m_events.size(), 3u);

    // Without a count every Monday follows the start.
    const CHolidayList open = Read("BEGIN:VEVENT\r\nUID:p\r\nDTSTART;VALUE=DATE:20240103\r\n"
                                   "RRULE:FREQ=WEEKLY;BYDAY=MO\r\nSUMMARY:Course\r\nEND:VEVENT\r\n");
    EXPECT_TRUE(open.IsHoliday(2024, 1, 3));
    EXPECT_TRUE(open.IsHoliday(2024, 12, 30));
    EXPECT_EQ(open.m_events.size(), 1u + 52u);
}

TEST(IcalZones, AFileWithNoDayInTheYearsIsRefusedInPlainWords)
{
    const std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20190505\r\n"
                             "SUMMARY:Long ago\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    CHolidayList days;
    std::string error;
    EXPECT_FALSE(ParseICalendar(text, 2025, 2036, &days, &error));
    EXPECT_NE(error.find("no event in the years 2025 to 2036"), std::string::npos) << error;
    EXPECT_TRUE(days.m_events.empty());
}
