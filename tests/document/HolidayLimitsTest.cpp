// What a document keeps of its holidays opens again: lists are held to the
// stream's limits where they are built, each file's days are stored once
// however many calendars name them, and documents of the first layout still
// open.

#include "calendar/IcalReader.h"
#include "document/CalendarGenerator.h"
#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "objects/ByteReader.h"
#include "objects/DrawRect.h"
#include "support/HolidayLimits.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

CDrawRect* AddCalendar(CDrawDoc& doc, int month)
{
    auto* cal = new CDrawRect(CRect(350, -250, -350, 250), CDrawRect::kindCalendar);
    cal->SetCalendarMonth(month, 2025);
    doc.Add(cal);
    return cal;
}

CDrawRect* CalendarAt(CDrawDoc& doc, int index)
{
    return dynamic_cast<CDrawRect*>(*std::next(doc.GetObjects()->begin(), index));
}

// Saves the document as a file's bytes and opens them again.
bool SaveAndOpen(CDrawDoc& doc, CDrawDoc* opened, std::size_t* streamSize = nullptr)
{
    CStorage root;
    std::string error;
    EXPECT_TRUE(doc.SaveToStorage(&root, &error)) << error;
    if (streamSize) {
        const std::vector<BYTE>* stream = root.OpenStream(CHolidayStream::kStreamName);
        *streamSize = stream ? stream->size() : 0;
    }
    std::vector<BYTE> bytes;
    EXPECT_TRUE(CCompoundFile::Write(root, &bytes, &error)) << error;
    return opened->LoadFromBytes(bytes.data(), bytes.size(), &error) && opened->HolidayProblem().empty();
}

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("mondrel-" + std::to_string(getpid()) + "-" + name)).string();
}

}  // namespace

TEST(HolidayLimits, AListAtEveryLimitIsSavedAndOpensWithEveryDay)
{
    CDrawDoc doc;
    CDrawRect* cal = AddCalendar(doc, 1);
    cal->m_holidays = HolidayListAtTheLimits();
    ASSERT_TRUE(cal->m_holidays.WithinLimits(nullptr));
    ASSERT_EQ(cal->m_holidays.m_events.size(), CHolidayList::kMaxEvents);
    CDrawDoc opened;
    ASSERT_TRUE(SaveAndOpen(doc, &opened));
    EXPECT_TRUE(CalendarAt(opened, 0)->m_holidays == cal->m_holidays);

    // One more of anything is not within the limits.
    CHolidayList over = cal->m_holidays;
    over.m_files.push_back("/one/more.ics");
    std::string error;
    EXPECT_FALSE(over.WithinLimits(&error));
    EXPECT_NE(error.find("at most 256"), std::string::npos) << error;
    over = cal->m_holidays;
    over.m_events.push_back({2030, 1, 1, 0, 0});
    EXPECT_FALSE(over.WithinLimits(&error));
    over = cal->m_holidays;
    over.m_names[1] += std::string(CHolidayList::kMaxText, 'x');
    EXPECT_FALSE(over.WithinLimits(&error));
}

TEST(HolidayLimits, FilesBeyondTheLimitsAreRefusedWhereTheListIsBuilt)
{
    const std::string path = TempPath("daily.ics");
    std::ofstream(path, std::ios::binary) << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:d\r\n"
                                             "DTSTART;VALUE=DATE:20250101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Every day\r\n"
                                             "END:VEVENT\r\nEND:VCALENDAR\r\n";
    CHolidayList list;
    std::string error;
    int added = 0;
    while (AddICalendarFile(&list, path, 2025, 2025, &error)) ++added;
    EXPECT_EQ(added, static_cast<int>(CHolidayList::kMaxFiles));
    EXPECT_NE(error.find("at most 256"), std::string::npos) << error;
    EXPECT_TRUE(list.WithinLimits(nullptr));

    // Days beyond what a calendar keeps: days of no source near the limit
    // (as a list from another version may hold), then a file of a year of
    // days.
    CHolidayList days;
    for (std::size_t i = 0; i + 200 < CHolidayList::kMaxEvents; ++i)
        days.m_events.push_back({1000 + static_cast<int>(i / 372), 1 + static_cast<int>(i / 31 % 12),
                                 1 + static_cast<int>(i % 31), 0, -1});
    days.m_names = {"Kept"};
    days.Normalize();
    EXPECT_FALSE(AddICalendarFile(&days, path, 2025, 2025, &error));
    EXPECT_NE(error.find("at most 1000000"), std::string::npos) << error;
    EXPECT_EQ(days.m_files.size(), 0u);

    // A change of year to more days than that reports it and leaves the
    // list as it was; the days of no source are kept as they are.
    days.m_files.push_back(path);
    const CHolidayList before = days;
    EXPECT_FALSE(ReloadHolidayList(&days, 2025, 2025, &error));
    EXPECT_NE(error.find("at most 1000000"), std::string::npos) << error;
    EXPECT_TRUE(days == before);
    days.m_events.resize(days.m_events.size() - 1000);
    ASSERT_TRUE(ReloadHolidayList(&days, 2025, 2025, &error)) << error;
    EXPECT_EQ(days.m_events.size(), CHolidayList::kMaxEvents - 1200 + 365);

    // So does the batch and wizard path, calendars untouched.
    CDrawDoc doc;
    AddCalendar(doc, 1);
    std::vector<std::string> files(CHolidayList::kMaxFiles + 1, path);
    EXPECT_FALSE(CCalendarGenerator::ApplyHolidayFiles(doc, files, false, &error));
    EXPECT_TRUE(CalendarAt(doc, 0)->m_holidays.IsEmpty());
    std::filesystem::remove(path);
}

TEST(HolidayLimits, TwelveCalendarsOfOneFileStoreItsDaysOnce)
{
    CHolidayList busy;
    busy.m_files = {"/home/anna/work.ics"};
    for (int i = 0; i < 5000; ++i) busy.Add(2025, 1 + i % 12, 1 + i % 28, "Meeting " + std::to_string(i % 300));
    busy.Normalize();

    CDrawDoc one, twelve;
    AddCalendar(one, 1)->m_holidays = busy;
    for (int month = 1; month <= 12; ++month) AddCalendar(twelve, month)->m_holidays = busy;
    // A calendar that shows the names has the same days.
    CalendarAt(twelve, 5)->m_holidays.m_bShowNames = true;
    std::size_t oneSize = 0, twelveSize = 0;
    CDrawDoc openedOne, openedTwelve;
    ASSERT_TRUE(SaveAndOpen(one, &openedOne, &oneSize));
    ASSERT_TRUE(SaveAndOpen(twelve, &openedTwelve, &twelveSize));
    EXPECT_LT(twelveSize, oneSize + 12 * 64);
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(CalendarAt(openedTwelve, i)->m_holidays == CalendarAt(twelve, i)->m_holidays) << i;
}

TEST(HolidayLimits, DocumentsOfTheFirstLayoutStillOpen)
{
    // The first layout kept each event with its file and its name.
    CByteWriter out;
    out.Write("MHOL", 4);
    out.U16(1);
    out.U32(1);  // one calendar
    out.U32(0);  // object 0
    out.U8(1);   // names shown
    out.U32(2);
    for (const char* file : {"/a.ics", "/b.ics"}) {
        out.U32(static_cast<DWORD>(std::strlen(file)));
        out.Write(file, std::strlen(file));
    }
    out.U32(3);
    auto event = [&out](int year, int month, int day, int file, const std::string& name) {
        out.U16(static_cast<WORD>(year));
        out.U8(static_cast<BYTE>(month));
        out.U8(static_cast<BYTE>(day));
        out.U16(static_cast<WORD>(file));
        out.U32(static_cast<DWORD>(name.size()));
        out.Write(name.data(), name.size());
    };
    event(2025, 5, 1, 0, "May Day");
    event(2025, 5, 1, 1, "May Day");
    event(2025, 12, 24, 1, "Eve");

    CDrawDoc doc;
    AddCalendar(doc, 5);
    std::string error;
    ASSERT_TRUE(CHolidayStream::Read(out.Buffer(), &doc, &error)) << error;
    const CHolidayList& read = CalendarAt(doc, 0)->m_holidays;
    EXPECT_TRUE(read.m_bShowNames);
    EXPECT_EQ(read.m_files, (std::vector<std::string>{"/a.ics", "/b.ics"}));
    EXPECT_EQ(read.m_events.size(), 3u);
    EXPECT_EQ(read.m_names.size(), 2u);  // each name once
    EXPECT_EQ(read.NamesOn(2025, 5, 1), std::vector<std::string>{"May Day"});
    EXPECT_TRUE(read.IsHoliday(2025, 12, 24));

    // Saved again, it is written in the present layout and reads the same.
    std::vector<BYTE> again;
    ASSERT_TRUE(CHolidayStream::Write(doc, &again));
    EXPECT_EQ(again[4], CHolidayStream::kVersion);
    CDrawDoc reopened;
    AddCalendar(reopened, 5);
    ASSERT_TRUE(CHolidayStream::Read(again, &reopened, &error)) << error;
    EXPECT_TRUE(CalendarAt(reopened, 0)->m_holidays == read);
}
