#include "calendar/IcalReader.h"
#include "document/CalendarGenerator.h"
#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "objects/ByteReader.h"
#include "objects/DrawRect.h"

#include "support/DocumentObjects.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

const std::string kData = std::string(MONDREL_TEST_DATA) + "/holidays/";

// A page with a rectangle and two calendars; the second calendar (index 2)
// may get holidays.
void Fill(CDrawDoc& doc)
{
    doc.Add(new CDrawRect(CRect(0, 0, 100, 100), CDrawRect::kindRectangle));
    for (int month : {3, 4}) {
        auto* cal = new CDrawRect(CRect(350, -250, -350, 250), CDrawRect::kindCalendar);
        cal->SetCalendarMonth(month, 2024);
        doc.Add(cal);
    }
}

CDrawRect* ObjectAt(CDrawDoc& doc, int index)
{
    auto it = doc.GetObjects()->begin();
    std::advance(it, index);
    return dynamic_cast<CDrawRect*>(*it);
}

CHolidayList Sample()
{
    CHolidayList list;
    list.m_files = {"/home/anna/Kalender/Geburtstage.ics", "/srv/town days.ics"};
    list.Add(2024, 4, 1, "Umzug \xC3\x9C" "berraschung");
    list.Add(2024, 4, 1, "Town fair");
    list.Add(2025, 1, 1, "");
    list.m_bShowNames = true;
    return list;
}

// Opens a document whose "Holidays" stream is replaced by the given bytes.
bool OpenWithStream(const std::vector<BYTE>& stream, CDrawDoc* opened)
{
    CDrawDoc doc;
    Fill(doc);
    CStorage root;
    doc.SaveToStorage(&root, nullptr);
    root.CreateStream(CHolidayStream::kStreamName, stream);
    return opened->LoadFromStorage(root, nullptr);
}

}  // namespace

TEST(HolidayStream, ADocumentWithFilesAndEventsRoundTrips)
{
    CDrawDoc doc;
    Fill(doc);
    ObjectAt(doc, 2)->m_holidays = Sample();
    ObjectAt(doc, 2)->m_holidays.Normalize();
    const std::vector<BYTE> bytes = FileBytesOf(doc, nullptr);
    ASSERT_FALSE(bytes.empty());

    CDrawDoc opened;
    std::string error;
    ASSERT_TRUE(opened.LoadFromBytes(bytes.data(), bytes.size(), &error)) << error;
    EXPECT_TRUE(ObjectAt(opened, 1)->m_holidays.IsEmpty());
    EXPECT_EQ(ObjectAt(opened, 2)->m_holidays, ObjectAt(doc, 2)->m_holidays);
    EXPECT_TRUE(ObjectAt(opened, 2)->IsSpecialDay(2024, 4, 1));
    EXPECT_TRUE(opened.HolidayProblem().empty());
}

TEST(HolidayStream, ContentsStaysByteIdenticalAndNoStreamWithoutHolidays)
{
    CDrawDoc plain, marked;
    Fill(plain);
    Fill(marked);
    ObjectAt(marked, 2)->m_holidays = Sample();
    CStorage a, b;
    ASSERT_TRUE(plain.SaveToStorage(&a, nullptr));
    ASSERT_TRUE(marked.SaveToStorage(&b, nullptr));
    ASSERT_NE(a.OpenStream(CDrawDoc::kContentsStream), nullptr);
    EXPECT_EQ(*a.OpenStream(CDrawDoc::kContentsStream), *b.OpenStream(CDrawDoc::kContentsStream));
    EXPECT_EQ(a.OpenStream(CHolidayStream::kStreamName), nullptr);
    EXPECT_NE(b.OpenStream(CHolidayStream::kStreamName), nullptr);

    // A document without the stream opens as it always did.
    const std::vector<BYTE> bytes = FileBytesOf(plain, nullptr);
    ASSERT_FALSE(bytes.empty());
    CDrawDoc opened;
    ASSERT_TRUE(opened.LoadFromBytes(bytes.data(), bytes.size(), nullptr));
    EXPECT_EQ(opened.GetObjects()->size(), 3u);
    EXPECT_TRUE(ObjectAt(opened, 2)->m_holidays.IsEmpty());
    EXPECT_TRUE(opened.HolidayProblem().empty());
}

TEST(HolidayStream, DamagedStreamsAreRefusedWholeAndTheDesignStillOpens)
{
    CDrawDoc doc;
    Fill(doc);
    ObjectAt(doc, 1)->m_holidays = Sample();
    ObjectAt(doc, 2)->m_holidays = Sample();
    std::vector<BYTE> good;
    ASSERT_TRUE(CHolidayStream::Write(doc, &good));

    std::vector<std::pair<const char*, std::vector<BYTE>>> cases;
    cases.push_back({"empty", {}});
    for (std::size_t cut : {4u, 10u, 20u, 40u})
        cases.push_back({"truncated", std::vector<BYTE>(good.begin(), good.end() - cut)});
    // The first calendar's record: its object index, flags, number of files
    // and the first path's length come just before the path.
    const std::string firstPath = Sample().m_files[0];
    const std::size_t path =
        static_cast<std::size_t>(std::search(good.begin(), good.end(), firstPath.begin(), firstPath.end()) - good.begin());
    ASSERT_LT(path, good.size());
    const std::size_t index = path - 13;
    std::vector<BYTE> v = good;
    v[0] = 'X';
    cases.push_back({"magic", v});
    v = good;
    v[4] = 3;
    cases.push_back({"newer version", v});
    v = good;
    v[index] = 0;  // the first record names the rectangle
    cases.push_back({"not a calendar", v});
    v = good;
    v[index] = 2;  // both records name the same calendar
    cases.push_back({"twice", v});
    v = good;
    v.push_back(0);
    cases.push_back({"trailing byte", v});
    v = good;
    v[path - 2] = 0xFF;  // the first file name's length
    cases.push_back({"huge text", v});
    v = good;
    v[6] = 5;  // day tables announced that are not there
    cases.push_back({"tables", v});

    for (const auto& [what, bytes] : cases) {
        CDrawDoc opened;
        ASSERT_TRUE(OpenWithStream(bytes, &opened)) << what;
        EXPECT_EQ(opened.GetObjects()->size(), 3u) << what;
        EXPECT_TRUE(ObjectAt(opened, 1)->m_holidays.IsEmpty()) << what;
        EXPECT_TRUE(ObjectAt(opened, 2)->m_holidays.IsEmpty()) << what;
        EXPECT_FALSE(opened.HolidayProblem().empty()) << what;
    }
    CDrawDoc opened;
    ASSERT_TRUE(OpenWithStream(good, &opened));
    EXPECT_FALSE(ObjectAt(opened, 1)->m_holidays.IsEmpty());
}

TEST(HolidayStream, RecordCountsAreCheckedBeforeAnythingIsKept)
{
    CByteWriter out;
    out.U32(1);            // one day table
    out.U32(0);            // without names
    out.U32(0xFFFFFFF0u);  // days announced, none there
    CByteReader in(out.Buffer());
    CHolidayList list = Sample();
    EXPECT_FALSE(CHolidayStream::ReadRecord(in, &list));
    EXPECT_EQ(list, Sample());
}

TEST(HolidayCalendars, GeneratedCalendarsAndTheCopyToAllCarryTheFiles)
{
    CDrawDoc doc;
    CNewCalendarChoices choices;
    choices.m_nMonths = 12;
    choices.m_nFirstMonth = 0;
    choices.m_nYear = 2027;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, choices));
    std::string error;
    ASSERT_TRUE(CCalendarGenerator::ApplyHolidayFiles(doc, {kData + "family.ics", kData + "town.ics"}, true, &error))
        << error;
    int calendars = 0;
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* cal = dynamic_cast<CDrawRect*>(obj);
        if (!cal || cal->m_nKind != CDrawRect::kindCalendar) continue;
        ++calendars;
        EXPECT_EQ(cal->m_holidays.m_files.size(), 2u);
        EXPECT_TRUE(cal->m_holidays.m_bShowNames);
        EXPECT_TRUE(cal->IsSpecialDay(2027, 3, 14));  // the birthday
        EXPECT_TRUE(cal->IsSpecialDay(2027, 6, 7));   // the town fair, first Monday
        EXPECT_FALSE(cal->IsSpecialDay(2027, 6, 8));
    }
    EXPECT_EQ(calendars, 12);

    // A file that cannot be used changes no calendar.
    CDrawDoc other;
    ASSERT_TRUE(CCalendarGenerator::Generate(other, choices));
    EXPECT_FALSE(CCalendarGenerator::ApplyHolidayFiles(other, {kData + "town.ics", kData + "missing.ics"}, false,
                                                        &error));
    for (CDrawObj* obj : *other.GetObjects())
        if (auto* cal = dynamic_cast<CDrawRect*>(obj)) {
            EXPECT_TRUE(cal->m_holidays.IsEmpty());
        }

    // "Apply these properties to ALL Calendar objects" takes the files along.
    auto* source = dynamic_cast<CDrawRect*>(*std::next(doc.GetObjects()->begin(), 0));
    CDrawRect* target = nullptr;
    for (CDrawObj* obj : *other.GetObjects()) {
        auto* cal = dynamic_cast<CDrawRect*>(obj);
        if (cal && cal->m_nKind == CDrawRect::kindCalendar) target = cal;
    }
    ASSERT_NE(target, nullptr);
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* cal = dynamic_cast<CDrawRect*>(obj);
        if (cal && cal->m_nKind == CDrawRect::kindCalendar) source = cal;
    }
    target->CopyCalendarSettingsFrom(source);
    EXPECT_EQ(target->m_holidays, source->m_holidays);
}
