#include "calendar/HolidayList.h"
#include "calendar/IcalReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string kData = std::string(MONDREL_TEST_DATA) + "/holidays/";

CHolidayList Read(const std::string& file, int from, int to)
{
    CHolidayList list;
    list.m_files = {kData + file};
    std::string error;
    EXPECT_TRUE(ReloadHolidayList(&list, from, to, &error)) << error;
    return list;
}

// An iCalendar text around the given event lines.
std::string Calendar(const std::string& events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Mondrel//Tests//EN\r\n" + events + "END:VCALENDAR\r\n";
}

std::vector<CHolidayEvent> Parse(const std::string& text, int from = 2024, int to = 2024)
{
    CHolidayList days;
    std::string error;
    EXPECT_TRUE(ParseICalendar(text, from, to, &days, &error)) << error;
    return days.m_events;
}

}  // namespace

TEST(IcalReader, AYearlyBirthdayFallsInEveryYearsMonth)
{
    const CHolidayList list = Read("family.ics", 2020, 2035);
    for (int year = 2020; year <= 2035; ++year) {
        EXPECT_TRUE(list.IsHoliday(year, 3, 14)) << year;
        EXPECT_FALSE(list.IsHoliday(year, 3, 15)) << year;
    }
    ASSERT_EQ(list.NamesOn(2031, 3, 14).size(), 1u);
    EXPECT_EQ(list.NamesOn(2031, 3, 14)[0], "Anna's birthday");
    // Nothing outside the years asked for.
    EXPECT_FALSE(list.IsHoliday(2019, 3, 14));
    EXPECT_FALSE(list.IsHoliday(2036, 3, 14));
}

TEST(IcalReader, ExceptionsAndCancelledOccurrencesAreLeftOut)
{
    const CHolidayList list = Read("family.ics", 2024, 2024);
    // Eight Wednesdays from 3 January; the 17th is an exception date and the
    // 24th a cancelled occurrence.
    for (int day : {3, 10, 31})
        EXPECT_TRUE(list.IsHoliday(2024, 1, day)) << day;
    EXPECT_FALSE(list.IsHoliday(2024, 1, 17));
    EXPECT_FALSE(list.IsHoliday(2024, 1, 24));
    EXPECT_TRUE(list.IsHoliday(2024, 2, 21));
    EXPECT_FALSE(list.IsHoliday(2024, 2, 28));  // the count is used up
    // A cancelled event keeps its day free.
    EXPECT_FALSE(list.IsHoliday(2024, 6, 10));

    const CHolidayList town = Read("town.ics", 2024, 2026);
    EXPECT_TRUE(town.IsHoliday(2024, 11, 11));
    EXPECT_FALSE(town.IsHoliday(2025, 11, 11));
    EXPECT_TRUE(town.IsHoliday(2026, 11, 11));
    // The first Monday of June, by rule.
    EXPECT_TRUE(town.IsHoliday(2024, 6, 3));
    EXPECT_TRUE(town.IsHoliday(2025, 6, 2));
    EXPECT_FALSE(town.IsHoliday(2025, 6, 3));
}

TEST(IcalReader, AMultiDayEventMarksEachDayAcrossTheMonthsEnd)
{
    const CHolidayList list = Read("family.ics", 2024, 2024);
    for (int day : {29, 30, 31})
        EXPECT_TRUE(list.IsHoliday(2024, 7, day)) << day;
    EXPECT_TRUE(list.IsHoliday(2024, 8, 1));
    EXPECT_TRUE(list.IsHoliday(2024, 8, 2));
    // The end of an all-day event is the day after its last.
    EXPECT_FALSE(list.IsHoliday(2024, 8, 3));
    EXPECT_FALSE(list.IsHoliday(2024, 7, 28));
}

TEST(IcalReader, TimedEventsCoverTheDaysTheyTouch)
{
    auto days = [](const std::string& start, const std::string& end) {
        return Parse(Calendar("BEGIN:VEVENT\r\nUID:a\r\nDTSTART:" + start + "\r\nDTEND:" + end +
                              "\r\nSUMMARY:Late\r\nEND:VEVENT\r\n"))
            .size();
    };
    EXPECT_EQ(days("20240305T220000", "20240306T000000"), 1u);  // ends at midnight
    EXPECT_EQ(days("20240305T220000", "20240306T010000"), 2u);
    EXPECT_EQ(days("20240305T090000", "20240305T100000"), 1u);
    // Times in a zone keep the date the file gives them.
    const auto zoned = Parse(Calendar("BEGIN:VEVENT\r\nUID:z\r\nDTSTART;TZID=Asia/Tokyo:20240306T003000\r\n"
                                      "SUMMARY:Early\r\nEND:VEVENT\r\n"));
    ASSERT_EQ(zoned.size(), 1u);
    EXPECT_EQ(zoned[0].m_nDay, 6);
    // A rule that repeats every second touches every day of the year; it is
    // walked as a daily rule.
    const auto busy = Parse(Calendar("BEGIN:VEVENT\r\nUID:s\r\nDTSTART:20240101T000000\r\nRRULE:FREQ=SECONDLY\r\n"
                                     "SUMMARY:Tick\r\nEND:VEVENT\r\n"));
    EXPECT_EQ(busy.size(), 366u);
}

TEST(IcalReader, UnusableFilesAreRefusedInPlainWordsAndChangeNothing)
{
    struct Case {
        const char* what;
        std::string text;
        const char* words;
    };
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const Case cases[] = {
        {"empty", "", "empty"},
        {"blank", " \r\n\t\n", "empty"},
        {"picture", png, "not an iCalendar file"},
        {"plain text", "Shopping: bread, milk\n", "not an iCalendar file"},
        {"vCard", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\nEND:VCARD\r\n", "not an iCalendar file"},
        {"no events", Calendar("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Tidy up\r\nEND:VTODO\r\n"), "no events"},
        {"nul inside", Calendar("BEGIN:VEVENT\r\nSUMMARY:A" + std::string(1, '\0') + "B\r\nEND:VEVENT\r\n"), "binary"},
    };
    for (const Case& c : cases) {
        CHolidayList days;
        days.Add(2024, 1, 1, "kept");
        std::string error;
        EXPECT_FALSE(ParseICalendar(c.text, 2024, 2024, &days, &error)) << c.what;
        EXPECT_NE(error.find(c.words), std::string::npos) << c.what << ": " << error;
        ASSERT_EQ(days.m_events.size(), 1u) << c.what;
        EXPECT_EQ(days.NameOf(days.m_events[0]), "kept");
    }

    // One bad file among good ones leaves the whole list as it was, and the
    // message names the file.
    const std::string bad = std::filesystem::temp_directory_path() / ("mondrel-bad-" + std::to_string(getpid()) + ".ics");
    std::ofstream(bad) << "not a calendar\n";
    CHolidayList list = Read("town.ics", 2024, 2024);
    const CHolidayList before = list;
    list.m_files = {kData + "family.ics", bad};
    std::string error;
    EXPECT_FALSE(ReloadHolidayList(&list, 2024, 2024, &error));
    EXPECT_NE(error.find(bad), std::string::npos) << error;
    EXPECT_EQ(list.m_events, before.m_events);
    std::filesystem::remove(bad);

    list.m_files = {kData + "no-such-file.ics"};
    EXPECT_FALSE(ReloadHolidayList(&list, 2024, 2024, &error));
    EXPECT_NE(error.find("cannot be opened"), std::string::npos) << error;
    EXPECT_EQ(list.m_events, before.m_events);
}

TEST(HolidayList, NamesOfADayInFileOrderEachOnce)
{
    CHolidayList list;
    for (auto [day, name] : {std::pair{2, "B"}, {1, "A"}, {2, "C"}, {2, "B"}, {2, ""}})
        list.Add(2024, 5, day, name);
    list.Normalize();
    EXPECT_EQ(list.NamesOn(2024, 5, 2), (std::vector<std::string>{"B", "C"}));
    EXPECT_TRUE(list.IsHoliday(2024, 5, 1));
    EXPECT_FALSE(list.IsHoliday(2024, 5, 3));
}
