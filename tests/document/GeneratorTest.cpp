#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawRect.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <vector>

// Rectangles in failure messages as their four values.
void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

struct LayoutTable {
    int layout;
    bool frame;
    std::vector<CRect> cells;
};

// Worked out by hand from the layout rules (f = 15 with a frame).
const LayoutTable kFixedLayouts[] = {
    {2, false, {{-177, 316, -352, 446}, {-177, 172, -352, 302}, {-177, 28, -352, 158}, {-177, -116, -352, 14}, {-177, -260, -352, -130}, {-107, -454, -282, -324}, {81, -454, -94, -324}, {269, -454, 94, -324}}},
    {2, true, {{-162, 301, -337, 431}, {-162, 157, -337, 287}, {-162, 13, -337, 143}, {-162, -131, -337, -1}, {-162, -275, -337, -145}, {-92, -429, -267, -299}, {96, -429, -79, -299}, {284, -429, 109, -299}}},
    {3, false, {{367, 316, 192, 446}, {367, 172, 192, 302}, {367, 28, 192, 158}, {367, -116, 192, 14}, {367, -260, 192, -130}, {-107, -454, -282, -324}, {81, -454, -94, -324}, {269, -454, 94, -324}}},
    {3, true, {{347, 301, 172, 431}, {347, 157, 172, 287}, {347, 13, 172, 143}, {347, -131, 172, -1}, {347, -275, 172, -145}, {-92, -429, -267, -299}, {96, -429, -79, -299}, {284, -429, 109, -299}}},
    {4, false, {{-172, 356, -337, 486}, {-2, 356, -167, 486}, {168, 356, 3, 486}, {338, 356, 173, 486}, {-172, -487, -337, -357}, {-2, -487, -167, -357}, {168, -487, 3, -357}, {338, -487, 173, -357}}},
    {4, true, {{-177, 341, -342, 471}, {-7, 341, -172, 471}, {163, 341, -2, 471}, {333, 341, 168, 471}, {-177, -466, -342, -336}, {-7, -466, -172, -336}, {163, -466, -2, -336}, {333, -466, 168, -336}}},
    {5, false, {{-172, 356, -337, 486}, {-2, 356, -167, 486}, {168, 356, 3, 486}, {338, 356, 173, 486}, {367, 146, 192, 276}, {367, 2, 192, 132}, {367, -142, 192, -12}, {367, -286, 192, -156}, {-177, 146, -352, 276}, {-177, 2, -352, 132}, {-177, -142, -352, -12}, {-177, -286, -352, -156}, {-172, -487, -337, -357}, {-2, -487, -167, -357}, {168, -487, 3, -357}, {338, -487, 173, -357}}},
    {5, true, {{-177, 341, -342, 471}, {-7, 341, -172, 471}, {163, 341, -2, 471}, {333, 341, 168, 471}, {347, 131, 172, 261}, {347, -13, 172, 117}, {347, -157, 172, -27}, {347, -301, 172, -171}, {-162, 131, -337, 261}, {-162, -13, -337, 117}, {-162, -157, -337, -27}, {-162, -301, -337, -171}, {-177, -466, -342, -336}, {-7, -466, -172, -336}, {163, -466, -2, -336}, {333, -466, 168, -336}}},
    {6, false, {{-107, 356, -282, 486}, {81, 356, -94, 486}, {269, 356, 94, 486}, {367, 172, 192, 302}, {367, 28, 192, 158}, {367, -116, 192, 14}, {367, -260, 192, -130}, {367, -404, 192, -274}}},
    {6, true, {{-92, 341, -267, 471}, {96, 341, -79, 471}, {284, 341, 109, 471}, {347, 157, 172, 287}, {347, 13, 172, 143}, {347, -131, 172, -1}, {347, -275, 172, -145}, {347, -419, 172, -289}}},
    {7, false, {{-107, 356, -282, 486}, {81, 356, -94, 486}, {269, 356, 94, 486}, {-177, 172, -352, 302}, {-177, 28, -352, 158}, {-177, -116, -352, 14}, {-177, -260, -352, -130}, {-177, -404, -352, -274}}},
    {7, true, {{-92, 341, -267, 471}, {96, 341, -79, 471}, {284, 341, 109, 471}, {-162, 157, -337, 287}, {-162, 13, -337, 143}, {-162, -131, -337, -1}, {-162, -275, -337, -145}, {-162, -419, -337, -289}}},
};

CNewCalendarChoices Choices(int layout, int months, bool frame = false)
{
    CNewCalendarChoices ch;
    ch.m_nLayout = layout;
    ch.m_nMonths = months;
    ch.m_nFirstMonth = 0;
    ch.m_nYear = 2027;
    ch.m_bFrame = frame ? 1 : 0;
    return ch;
}

std::vector<CDrawRect*> Calendars(CDrawDoc& doc)
{
    std::vector<CDrawRect*> out;
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* r = dynamic_cast<CDrawRect*>(obj);
        if (r && r->m_nKind == CDrawRect::kindCalendar) out.push_back(r);
    }
    return out;
}

}  // namespace

TEST(CalendarGenerator, FixedLayoutsMatchTheirTables)
{
    for (const LayoutTable& t : kFixedLayouts) {
        for (int n : {0, 1, 12, 30}) {
            CDrawDoc doc;
            ASSERT_TRUE(CCalendarGenerator::Generate(doc, Choices(t.layout, n, t.frame)));
            std::vector<CDrawRect*> cals = Calendars(doc);
            ASSERT_EQ(cals.size(), t.cells.size()) << "layout " << t.layout << " N " << n;
            for (std::size_t i = 0; i < cals.size(); ++i)
                EXPECT_EQ(cals[i]->m_position, t.cells[i]) << "layout " << t.layout << " frame " << t.frame << " cell " << i;
        }
    }
}

TEST(CalendarGenerator, FrameComesFirstWithTheChosenStyle)
{
    CNewCalendarChoices ch = Choices(4, 1, true);
    ch.m_nFrameThickness = 15;
    ch.m_crOutline = RGB(1, 2, 3);
    ch.m_crFill = RGB(4, 5, 6);
    ch.m_nOutlineThickness = 3;
    CDrawDoc doc;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, ch));
    auto* frame = dynamic_cast<CDrawRect*>(doc.GetObjects()->front());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->m_nKind, CDrawRect::kindFrame);
    EXPECT_EQ(frame->m_position, CRect(379, -492, -377, 506));
    EXPECT_EQ(frame->m_nGridThickness, 15);
    EXPECT_EQ(frame->m_nGridLineType, 1);
    EXPECT_EQ(frame->m_logpen.lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(frame->m_logbrush.lbColor, RGB(4, 5, 6));
    EXPECT_EQ(frame->m_nBorderThickness, 3);
    EXPECT_EQ(doc.GetObjects()->size(), 9u);
}

TEST(CalendarGenerator, FirstLayoutsBySizeOfN)
{
    struct Case {
        int layout, n;
        bool frame;
        std::size_t columns;
        CRect first, last;
    };
    // Where the rows or columns would leave the page or the frame's band,
    // they are drawn together: the first row keeps its upper edge.
    const Case cases[] = {
        {0, 1, false, 1, {350, -480, -350, 0}, {350, -480, -350, 0}},
        {0, 1, true, 1, {335, -465, -335, 15}, {335, -465, -335, 15}},
        {0, 2, false, 2, {0, -480, -350, 0}, {350, -480, 0, 0}},
        {0, 3, false, 3, {-102, -140, -277, -10}, {274, -140, 99, -10}},
        {0, 12, false, 3, {-102, -125, -277, -10}, {274, -505, 99, -391}},
        {0, 14, false, 3, {-102, -102, -277, -10}, {86, -505, -89, -414}},
        {0, 15, false, 4, {-122, -125, -277, -10}, {212, -505, 57, -391}},
        {0, 12, true, 3, {-102, -128, -277, -25}, {274, -467, 99, -365}},
        {0, 24, false, 4, {-122, -86, -277, -10}, {380, -505, 224, -430}},
        {1, 1, false, 1, {350, -480, -350, 0}, {350, -480, -350, 0}},
        {1, 2, false, 2, {350, 0, -350, 490}, {350, -470, -350, 0}},
        {1, 12, false, 3, {-107, 316, -282, 446}, {269, -116, 94, 14}},
        {1, 24, false, 3, {-107, 337, -282, 446}, {269, -505, 94, -397}},
        {1, 25, false, 4, {-126, 316, -282, 446}, {-126, -548, -282, -418}},
        {1, 12, true, 3, {-102, 301, -277, 431}, {274, -131, 99, -1}},
    };
    for (const Case& c : cases) {
        CDrawDoc doc;
        ASSERT_TRUE(CCalendarGenerator::Generate(doc, Choices(c.layout, c.n, c.frame)));
        std::vector<CDrawRect*> cals = Calendars(doc);
        ASSERT_EQ(cals.size(), static_cast<std::size_t>(c.n)) << c.layout << "/" << c.n;
        EXPECT_EQ(cals.front()->m_position, c.first) << c.layout << "/" << c.n;
        EXPECT_EQ(cals.back()->m_position, c.last) << c.layout << "/" << c.n;
        if (c.n >= 3) {
            std::size_t columns = 0;
            for (CDrawRect* cal : cals)
                if (cal->m_position.top == cals.front()->m_position.top) ++columns;
            EXPECT_EQ(columns, c.columns) << c.layout << "/" << c.n;
        }
    }
}

TEST(CalendarGenerator, FontsOfSingleAndDoubleCalendars)
{
    CDrawDoc doc;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, Choices(1, 2)));
    std::vector<CDrawRect*> cals = Calendars(doc);
    ASSERT_EQ(cals.size(), 2u);
    EXPECT_EQ(cals[0]->m_fontHeader.m_nPointSize, 26);
    EXPECT_EQ(cals[1]->m_fontHeader.m_nPointSize, 28);
    EXPECT_EQ(cals[0]->m_fontHeader.m_strFaceName, "Tahoma");
    EXPECT_EQ(cals[0]->m_fontHeader.m_crColor, 0x646400u);
    EXPECT_TRUE(cals[0]->m_fontHeader.m_bBold);
    EXPECT_EQ(cals[0]->m_fontDays.m_nPointSize, 16);
    EXPECT_EQ(cals[0]->m_fontDays.m_crColor, 0xFF0000u);
    EXPECT_FALSE(cals[0]->m_fontDayNames.m_bBold);
    EXPECT_EQ(cals[0]->m_fontSpecial.m_crColor, 0x0000FFu);
    EXPECT_TRUE(cals[0]->m_fontSpecial.m_bBold);  // layout 1 with two months

    CDrawDoc single;
    ASSERT_TRUE(CCalendarGenerator::Generate(single, Choices(0, 1)));
    cals = Calendars(single);
    ASSERT_EQ(cals.size(), 1u);
    EXPECT_EQ(cals[0]->m_fontHeader.m_nPointSize, 36);
    EXPECT_EQ(cals[0]->m_fontSpecial.m_nPointSize, 28);
    EXPECT_FALSE(cals[0]->m_fontSpecial.m_bBold);
}

TEST(CalendarGenerator, MonthsRollOverIntoTheNextYear)
{
    CDrawDoc doc;
    CNewCalendarChoices ch = Choices(0, 14);
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, ch));
    std::vector<CDrawRect*> cals = Calendars(doc);
    ASSERT_EQ(cals.size(), 14u);
    EXPECT_EQ(cals.front()->m_nMonth, 1);
    EXPECT_EQ(cals.front()->m_nYear, 2027);
    EXPECT_EQ(cals.back()->m_nMonth, 2);
    EXPECT_EQ(cals.back()->m_nYear, 2028);

    CDrawDoc december;
    ch = Choices(4, 0);
    ch.m_nFirstMonth = 11;
    ASSERT_TRUE(CCalendarGenerator::Generate(december, ch));
    cals = Calendars(december);
    ASSERT_EQ(cals.size(), 8u);
    EXPECT_EQ(cals[0]->m_nMonth, 12);
    EXPECT_EQ(cals[1]->m_nMonth, 1);
    EXPECT_EQ(cals[1]->m_nYear, 2028);
}

TEST(CalendarGenerator, NoMonthsNoPhotoAndBadLayout)
{
    for (int layout : {0, 1}) {
        CDrawDoc doc;
        ASSERT_TRUE(CCalendarGenerator::Generate(doc, Choices(layout, 0)));
        EXPECT_TRUE(doc.GetObjects()->empty());
        EXPECT_TRUE(doc.IsModified());
    }
    CDrawDoc doc;
    EXPECT_FALSE(CCalendarGenerator::Generate(doc, Choices(8, 1)));
    EXPECT_FALSE(CCalendarGenerator::Generate(doc, Choices(-1, 1)));
    EXPECT_TRUE(doc.GetObjects()->empty());
}

TEST(CalendarGenerator, BackgroundChoicesReachTheDocument)
{
    CNewCalendarChoices ch = Choices(0, 1);
    ch.m_nBackStyle = 1;
    ch.m_nGradientDirection = 0;
    ch.m_crFrom = RGB(10, 20, 30);
    ch.m_crTo = RGB(40, 50, 60);
    ch.m_bDrawBackImage = 1;
    ch.m_nBackImagePlacement = 0;
    ch.m_bBackImageStretch = 1;
    ch.m_strBackImagePath = "/nonexistent/back.png";
    ch.m_strBackImageType = "png";
    CDrawDoc doc;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, ch));
    EXPECT_EQ(doc.m_nBackStyle, 1);
    EXPECT_EQ(doc.m_nGradientDirection, 0);
    EXPECT_EQ(doc.m_crBackFrom, RGB(10, 20, 30));
    EXPECT_EQ(doc.m_crBackTo, RGB(40, 50, 60));
    EXPECT_EQ(doc.m_bDrawBackImage, 1);
    EXPECT_EQ(doc.m_nBackImagePlacement, 0);
    EXPECT_EQ(doc.m_bBackImageStretch, 1);
    EXPECT_EQ(doc.m_strBackImagePath, "/nonexistent/back.png");
    ASSERT_NE(doc.BackImage(), nullptr);
    EXPECT_FALSE(doc.BackImage()->IsValid());
}

TEST(CalendarGenerator, PhotoIsFittedAndCentred)
{
    // A 300 x 200 picture made by ImageMagick.
    auto dir = std::filesystem::temp_directory_path() / ("mondrel-gen-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string photo = (dir / "p.png").string();
    ASSERT_EQ(std::system(("convert -size 300x200 xc:'#3366cc' '" + photo + "'").c_str()), 0);
    CNewCalendarChoices ch = Choices(0, 12);
    ch.m_strPhotoPath = photo;
    ch.m_strPhotoType = "png";
    CDrawDoc doc;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc, ch));
    auto* image = dynamic_cast<CDrawRect*>(doc.GetObjects()->front());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nKind, CDrawRect::kindImage);
    // (350, 28, -350, 490) fitted: ih < iw, so top = 490 + 200 * -700 / 300
    // = 24; then re-centred: left = 350, right = -350.
    EXPECT_EQ(image->m_position, CRect(350, 24, -350, 490));
    std::vector<CDrawRect*> cals = Calendars(doc);
    ASSERT_EQ(cals.size(), 12u);
    EXPECT_EQ(cals.front()->m_position, CRect(-102, 24 - 140, -277, 24 - 10));

    // An unreadable photo still gets its object.
    std::string broken = (dir / "broken.jpg").string();
    ASSERT_EQ(std::system(("echo not a picture > '" + broken + "'").c_str()), 0);
    ch.m_strPhotoPath = broken;
    ch.m_strPhotoType = "jpg";
    CDrawDoc doc2;
    ASSERT_TRUE(CCalendarGenerator::Generate(doc2, ch));
    image = dynamic_cast<CDrawRect*>(doc2.GetObjects()->front());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_nKind, CDrawRect::kindImage);
    std::filesystem::remove_all(dir);
}
