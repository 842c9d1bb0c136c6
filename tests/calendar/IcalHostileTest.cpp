// Files made to hurt the reader: each is refused with a message or read,
// and either way within the reader's budget of time.

#include "calendar/HolidayList.h"
#include "calendar/IcalReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

std::string Calendar(const std::string& events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Mondrel//Tests//EN\r\n" + events + "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines)
{
    return "BEGIN:VEVENT\r\nUID:" + std::to_string(std::hash<std::string>{}(lines)) + "\r\n" + lines +
           "END:VEVENT\r\n";
}

struct CTimed {
    bool ok = false;
    std::string error;
    CHolidayList days;
    double seconds = 0;
};

CTimed Read(const std::string& text, int from = 2024, int to = 2026, CIcalProgress* progress = nullptr)
{
    CTimed r;
    const auto start = std::chrono::steady_clock::now();
    r.ok = ParseICalendar(text, from, to, &r.days, &r.error, progress);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

// The budget and some room for a machine under load.
constexpr double kWithinBudget = kMaxIcalSeconds + 3;

}  // namespace

TEST(IcalHostile, DeepNestingIsRefusedBeforeTheLibrarySeesIt)
{
    std::string deep;
    for (int i = 0; i < 200000; ++i) deep += "BEGIN:X\r\n";
    const CTimed plain = Read(Calendar(deep));
    EXPECT_FALSE(plain.ok);
    EXPECT_NE(plain.error.find("nested too deeply"), std::string::npos) << plain.error;
    EXPECT_LT(plain.seconds, kWithinBudget);

    // Folding a line does not hide a BEGIN, nor does lower case or a
    // parameter.
    std::string folded;
    for (int i = 0; i < 20; ++i) folded += (i % 3 == 0 ? "BEG\r\n IN:Y\r\n" : i % 3 == 1 ? "begin:y\r\n" : "BEGIN;X=1:Y\r\n");
    const CTimed hidden = Read(Calendar(folded));
    EXPECT_FALSE(hidden.ok);
    EXPECT_NE(hidden.error.find("nested too deeply"), std::string::npos) << hidden.error;

    // Ordinary nesting (an alarm in an event) is read; closed components
    // leave no depth behind.
    std::string alarms;
    for (int i = 0; i < 50; ++i)
        alarms += Event("DTSTART;VALUE=DATE:2024050" + std::to_string(1 + i % 9) +
                        "\r\nSUMMARY:A\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n");
    const CTimed fine = Read(Calendar(alarms));
    EXPECT_TRUE(fine.ok) << fine.error;
}

TEST(IcalHostile, ImpossibleAndSubDailyRulesEndQuickly)
{
    const char* rules[] = {
        "FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30",
        "FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30;COUNT=5",
        "FREQ=HOURLY;INTERVAL=1;BYMONTH=2;BYMONTHDAY=31",
        "FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30;COUNT=5",
        "FREQ=MONTHLY;BYMONTH=4;BYMONTHDAY=31",
        "FREQ=DAILY;BYSETPOS=2;BYMONTH=2;BYMONTHDAY=30",
        // Every twelfth month from January is never February.
        "FREQ=MONTHLY;INTERVAL=12;BYMONTH=2;BYMONTHDAY=1",
    };
    std::string all;
    for (const char* rule : rules) {
        const std::string event =
            Event(std::string("DTSTART:20240101T000000\r\nRRULE:") + rule + "\r\nSUMMARY:Never\r\n");
        all += event;
        const CTimed r = Read(Calendar(event));
        EXPECT_LT(r.seconds, kWithinBudget) << rule;
        // Nothing but the start itself, or (on a machine too busy for the
        // budget) refused as too slow.
        if (!r.ok) {
            EXPECT_NE(r.error.find("too long"), std::string::npos) << rule << ": " << r.error;
            continue;
        }
        ASSERT_EQ(r.days.m_events.size(), 1u) << rule;
        EXPECT_TRUE(r.days.IsHoliday(2024, 1, 1)) << rule;
    }
    // Many of them together stay within the budget of one file: read, or
    // refused as too slow.
    std::string many;
    for (int i = 0; i < 300; ++i) many += all;
    const CTimed r = Read(Calendar(many));
    EXPECT_LT(r.seconds, kWithinBudget) << r.error;
    if (!r.ok) {
        EXPECT_NE(r.error.find("too long"), std::string::npos) << r.error;
    }

    // A sub-daily rule that can happen marks each day it touches.
    const CTimed hourly = Read(Calendar(
        Event("DTSTART:20240301T220000\r\nRRULE:FREQ=HOURLY;INTERVAL=6;COUNT=3\r\nSUMMARY:Shift\r\n")));
    ASSERT_TRUE(hourly.ok) << hourly.error;
    EXPECT_TRUE(hourly.days.IsHoliday(2024, 3, 1));
    EXPECT_TRUE(hourly.days.IsHoliday(2024, 3, 2));
}

TEST(IcalHostile, AHugeNameIsKeptOnceAndCutOnACharacterBoundary)
{
    // 1 MiB of two-byte letters on an event of every day.
    std::string name;
    while (name.size() < 1024 * 1024) name += "\xC3\xA4";
    std::string folded;  // folded at 74 bytes, as writers do
    for (std::size_t i = 0; i < name.size(); i += 74) folded += (i ? "\r\n " : "") + name.substr(i, 74);
    const CTimed r = Read(Calendar(Event("DTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:" + folded + "\r\n")));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.days.m_events.size(), 366u + 365u + 365u);
    ASSERT_EQ(r.days.m_names.size(), 1u);
    const std::string& kept = r.days.m_names[0];
    EXPECT_EQ(kept.size(), 2u * CHolidayList::kMaxNameChars);
    EXPECT_EQ(kept, name.substr(0, kept.size()));
    EXPECT_LT(r.seconds, kWithinBudget);
}

TEST(IcalHostile, FilesAtTheSizeCapAreReadOrRefusedWithinTheBudget)
{
    // Repeat rules fill the library's memory fastest: refused by count.
    std::string rules = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20240101\r\n";
    while (rules.size() + 64 < kMaxIcalFileSize) rules += "RRULE:FREQ=DAILY\r\n";
    rules += "END:VEVENT\r\nEND:VCALENDAR\r\n";
    const CTimed spam = Read(rules);
    EXPECT_FALSE(spam.ok);
    EXPECT_NE(spam.error.find("too many repeating events"), std::string::npos) << spam.error;
    EXPECT_LT(spam.seconds, kWithinBudget);

    // Ordinary events up to the cap: read, or refused as too slow on a busy
    // machine, but never beyond the budget.
    std::string big = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int i = 0; big.size() + 200 < kMaxIcalFileSize; ++i)
        big += "BEGIN:VEVENT\r\nUID:" + std::to_string(i) + "\r\nDTSTART;VALUE=DATE:2025" +
               (i % 12 < 9 ? "0" : "") + std::to_string(1 + i % 12) + "1" + std::to_string(i % 10) +
               "\r\nSUMMARY:Meeting " + std::to_string(i % 500) + "\r\nEND:VEVENT\r\n";
    big += "END:VCALENDAR\r\n";
    ASSERT_LE(big.size(), kMaxIcalFileSize);
    const CTimed r = Read(big);
    EXPECT_LT(r.seconds, kWithinBudget) << r.error;
    if (!r.ok) {
        EXPECT_NE(r.error.find("too long"), std::string::npos) << r.error;
    }

    // A Cancel from another thread ends the reading at once.
    CIcalProgress progress;
    std::thread cancel([&progress] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        progress.m_bCancel = true;
    });
    const CTimed stopped = Read(big, 2024, 2026, &progress);
    cancel.join();
    if (!stopped.ok) {
        EXPECT_EQ(stopped.error, kIcalCancelled);
        EXPECT_LT(stopped.seconds, 1.5);
    }
}
