// The wall calendar generator: a page for each month, a cover when asked,
// the layouts that suit one month, and the edges of the month count.

#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"

#include <gtest/gtest.h>

namespace {

std::vector<CDrawRect*> OfKind(const CDrawPage* page, int kind)
{
    std::vector<CDrawRect*> found;
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == kind) found.push_back(r);
    return found;
}

CNewCalendarChoices Wall(int months, bool cover)
{
    CNewCalendarChoices ch;
    ch.m_bPagePerMonth = true;
    ch.m_bCover = cover;
    ch.m_nMonths = months;
    ch.m_nFirstMonth = 6;
    ch.m_nYear = 2027;
    ch.m_bFrame = 1;
    ch.m_nFrameThickness = 20;
    ch.m_nBackStyle = 2;
    ch.m_crFrom = RGB(1, 2, 3);
    return ch;
}

}  // namespace

TEST(WallGenerator, EveryPageHasItsMonthFrameAndBackground)
{
    CDrawDoc doc;
    doc.OnNewDocument();
    ASSERT_TRUE(CCalendarGenerator::GenerateWall(doc, Wall(14, true)));
    ASSERT_EQ(doc.PageCount(), 15);
    EXPECT_EQ(doc.CurrentPage(), 0);
    // The cover: a frame and the title of the two years the months touch.
    const std::vector<CDrawRect*> titles = OfKind(doc.GetPage(0), CDrawRect::kindText);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0]->m_strText, "2027-2028");
    EXPECT_TRUE(OfKind(doc.GetPage(0), CDrawRect::kindCalendar).empty());
    for (int p = 1; p <= 14; ++p) {
        const CDrawPage* page = doc.GetPage(p);
        const std::vector<CDrawRect*> months = OfKind(page, CDrawRect::kindCalendar);
        ASSERT_EQ(months.size(), 1u) << p;
        EXPECT_EQ(months[0]->m_nMonth, (6 + p - 1) % 12 + 1) << p;
        EXPECT_EQ(months[0]->m_nYear, 2027 + (6 + p - 1) / 12) << p;
        EXPECT_EQ(OfKind(page, CDrawRect::kindFrame).size(), 1u) << p;
        EXPECT_EQ(page->m_nBackStyle, 2) << p;
        EXPECT_EQ(page->m_crBackFrom, RGB(1, 2, 3)) << p;
        // The month stands inside the frame's band.
        const CRect band = CCalendarGenerator::kFrameRect.Normalized();
        const CRect r = months[0]->m_position.Normalized();
        EXPECT_TRUE(r.left >= band.left + 20 && r.right <= band.right - 20 && r.top >= band.top + 20 &&
                    r.bottom <= band.bottom - 20)
            << p;
    }
}

TEST(WallGenerator, LayoutsForManyMonthsAreRefusedAndTheCountHasItsEdges)
{
    for (int layout = 2; layout <= 7; ++layout) {
        CDrawDoc doc;
        CNewCalendarChoices ch = Wall(12, true);
        ch.m_nLayout = layout;
        EXPECT_FALSE(CCalendarGenerator::GenerateWall(doc, ch)) << layout;
        EXPECT_EQ(doc.PageCount(), 1) << layout;
        EXPECT_TRUE(doc.GetObjects()->empty()) << layout;
    }
    // No months: one page without a calendar, or the cover alone.
    CDrawDoc none;
    ASSERT_TRUE(CCalendarGenerator::GenerateWall(none, Wall(0, false)));
    EXPECT_EQ(none.PageCount(), 1);
    EXPECT_TRUE(OfKind(&none, CDrawRect::kindCalendar).empty());
    CDrawDoc coverOnly;
    ASSERT_TRUE(CCalendarGenerator::GenerateWall(coverOnly, Wall(0, true)));
    EXPECT_EQ(coverOnly.PageCount(), 1);
    EXPECT_EQ(OfKind(&coverOnly, CDrawRect::kindText).size(), 1u);
    // The most months the command line takes, with a cover.
    CDrawDoc twentyYears;
    ASSERT_TRUE(CCalendarGenerator::GenerateWall(twentyYears, Wall(240, true)));
    EXPECT_EQ(twentyYears.PageCount(), 241);
    EXPECT_EQ(OfKind(twentyYears.GetPage(240), CDrawRect::kindCalendar)[0]->m_nYear, 2047);
}
