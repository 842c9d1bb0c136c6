#include "calendar/PublicHolidays.h"
#include "calendar/WeekNumbers.h"
#include "document/CalendarGenerator.h"
#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "objects/ByteReader.h"
#include "objects/DrawRect.h"

#include "support/DocumentObjects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CHolidayList RecordRoundTrip(const CHolidayList& list, bool* read)
{
    CByteWriter out;
    CHolidayStream::WriteRecord(out, list);
    CByteReader in(out.Buffer());
    CHolidayList back;
    *read = CHolidayStream::ReadRecord(in, &back);
    return back;
}

}  // namespace

// A region is kept as a source with its days, so the document shows them
// where this version's table is not at hand; the Contents stream is the
// same as without it.
TEST(HolidayRegions, ARegionAndItsDaysAreSavedWithTheCalendars)
{
    CNewCalendarChoices choices;
    choices.m_nMonths = 2;
    choices.m_nFirstMonth = 11;
    choices.m_nYear = 2027;
    CDrawDoc doc, plain;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, choices));
    ASSERT_TRUE(CCalendarGenerator::Generate(plain, choices));
    std::string error;
    ASSERT_TRUE(CCalendarGenerator::ApplyHolidayFiles(doc, {RegionSource("GB-SCT")}, true, &error)) << error;
    for (CDrawRect* cal : Calendars(doc)) {
        EXPECT_EQ(cal->m_holidays.m_files, std::vector<std::string>{"region:GB-SCT"});
        EXPECT_TRUE(cal->IsSpecialDay(2027, 11, 30));  // St Andrew's Day
        EXPECT_TRUE(cal->IsSpecialDay(2027, 12, 28));  // Boxing Day, kept on the Tuesday
        EXPECT_TRUE(cal->IsSpecialDay(2028, 1, 4));    // 2 January, kept on the Tuesday
        cal->m_holidays.m_nWeekNumbers = weekNumbersIso;
    }

    const std::vector<BYTE> bytes = FileBytesOf(doc, nullptr);
    ASSERT_FALSE(bytes.empty());
    CDrawDoc opened;
    ASSERT_TRUE(opened.LoadFromBytes(bytes.data(), bytes.size(), &error)) << error;
    const std::vector<CDrawRect*> calendars = Calendars(opened);
    ASSERT_EQ(calendars.size(), 2u);
    for (CDrawRect* cal : calendars) {
        EXPECT_EQ(cal->m_holidays, Calendars(doc).front()->m_holidays);
        EXPECT_EQ(cal->m_holidays.NamesOn(2027, 12, 28),
                  (std::vector<std::string>{"Boxing Day (substitute day)"}));
        EXPECT_EQ(cal->m_holidays.m_nWeekNumbers, weekNumbersIso);
    }

    CStorage withRegion, without;
    ASSERT_TRUE(opened.SaveToStorage(&withRegion, &error));
    ASSERT_TRUE(plain.SaveToStorage(&without, &error));
    ASSERT_NE(withRegion.OpenStream("Contents"), nullptr);
    EXPECT_EQ(*withRegion.OpenStream("Contents"), *without.OpenStream("Contents"));
}

TEST(HolidayRegions, WeekNumbersAloneMakeARecordAndTheirBitsAreChecked)
{
    CHolidayList list;
    EXPECT_TRUE(list.IsEmpty());
    for (int numbering : {weekNumbersIso, weekNumbersUs}) {
        list.m_nWeekNumbers = numbering;
        list.m_bShowNames = numbering == weekNumbersUs;
        EXPECT_FALSE(list.IsEmpty());
        bool read = false;
        const CHolidayList back = RecordRoundTrip(list, &read);
        EXPECT_TRUE(read);
        EXPECT_EQ(back, list);
    }

    // Flags 0b110 (week numbers 3) and 0b1000 are no record this version
    // wrote.
    for (BYTE flags : {BYTE(6), BYTE(8)}) {
        CByteWriter out;
        out.U8(flags);
        out.U32(0);
        out.U32(0);
        CByteReader in(out.Buffer());
        CHolidayList back;
        EXPECT_FALSE(CHolidayStream::ReadRecord(in, &back)) << int(flags);
    }
}
