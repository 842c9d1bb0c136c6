#include "calendar/CalendarNames.h"
#include "objects/DrawRect.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// The calendar operations rebuild names from the user's locale; the tests
// pin it to the C locale (English names) and put the old one back.
class CalObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* all = std::getenv("LC_ALL");
        m_bHadLcAll = all != nullptr;
        if (all)
            m_strLcAll = all;
        m_strTimeLocale = std::setlocale(LC_TIME, nullptr);
        setenv("LC_ALL", "C", 1);
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override
    {
        if (m_bHadLcAll)
            setenv("LC_ALL", m_strLcAll.c_str(), 1);
        else
            unsetenv("LC_ALL");
        std::setlocale(LC_TIME, m_strTimeLocale.c_str());
    }

    static CRect Generated() { return CRect(350, -250, -350, 250); }

private:
    bool m_bHadLcAll = false;
    std::string m_strLcAll;
    std::string m_strTimeLocale;
};

TEST_F(CalObjectTest, NamesIgnoreIndicesOutOfRange)
{
    CDrawRect cal(Generated(), CDrawRect::kindCalendar);
    cal.SetMonthName(3, "Marzo");
    cal.SetMonthName(0, "none");
    cal.SetMonthName(13, "none");
    EXPECT_EQ(cal.GetMonthName(3), "Marzo");
    EXPECT_EQ(cal.GetMonthName(0), "");
    EXPECT_EQ(cal.GetMonthName(13), "");
    EXPECT_EQ(cal.GetMonthName(-1), "");
    cal.SetDayName(7, "Sa");
    cal.SetDayName(8, "none");
    cal.SetDayName(0, "none");
    EXPECT_EQ(cal.GetDayName(7), "Sa");
    EXPECT_EQ(cal.GetDayName(0), "");
    EXPECT_EQ(cal.GetDayName(8), "");
    EXPECT_EQ(CDrawRect::FormatNumber(-42), "-42");
    EXPECT_EQ(CDrawRect::FormatNumber(2026), "2026");
}

TEST_F(CalObjectTest, FirstDayOfWeekRebuildsTheDayNames)
{
    CDrawRect cal(Generated(), CDrawRect::kindCalendar);
    cal.m_nDayNameFormat = 3;
    cal.SetFirstDayOfWeek(2);
    EXPECT_EQ(cal.m_nFirstDayOfWeek, 2);
    const char* full[] = {"", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_EQ(cal.GetDayName(slot), full[slot]) << slot;

    cal.SetFirstDayOfWeek(0);
    cal.SetFirstDayOfWeek(8);
    EXPECT_EQ(cal.m_nFirstDayOfWeek, 2);
    EXPECT_EQ(cal.GetDayName(1), "Monday");

    // The format takes effect only when the names are rebuilt.
    cal.m_nDayNameFormat = 2;
    EXPECT_EQ(cal.GetDayName(1), "Monday");
    cal.SetFirstDayOfWeek(1);
    EXPECT_EQ(cal.GetDayName(1), "SUN");
    EXPECT_EQ(cal.GetDayName(7), "SAT");
}

TEST_F(CalObjectTest, SetCalendarMonth)
{
    CDrawRect obj(Generated(), CDrawRect::kindRectangle);
    obj.m_nLayout = 3;
    obj.m_nHeaderPercent = 30;
    obj.m_nDayNamePercent = 5;
    obj.m_bNoHeader = 1;
    obj.SetMonthName(2, "Luty");
    obj.SetCalendarMonth(2, 2028);
    EXPECT_EQ(obj.m_nKind, CDrawRect::kindCalendar);
    EXPECT_EQ(obj.m_nMonth, 2);
    EXPECT_EQ(obj.m_nYear, 2028);
    EXPECT_EQ(obj.m_strHeader, "Luty 2028");
    EXPECT_EQ(obj.m_nLayout, 0);
    EXPECT_EQ(obj.m_nHeaderPercent, 14);
    EXPECT_EQ(obj.m_nDayNamePercent, 14);
    EXPECT_EQ(obj.m_bNoHeader, 0);
}

TEST_F(CalObjectTest, SpecialDaysOfTheObject)
{
    CDrawRect cal(Generated(), CDrawRect::kindCalendar);
    EXPECT_EQ(cal.m_strSpecialDates, ", ");
    EXPECT_TRUE(cal.IsSpecialDay(2024, 6, 1));   // a Saturday
    EXPECT_TRUE(cal.IsSpecialDay(2024, 6, 2));   // a Sunday
    EXPECT_FALSE(cal.IsSpecialDay(2024, 6, 5));  // a Wednesday
    cal.m_strSpecialDates = ", 5, 12,";
    EXPECT_TRUE(cal.IsSpecialDay(2024, 6, 5));
    EXPECT_TRUE(cal.IsSpecialDay(2024, 6, 12));
    EXPECT_FALSE(cal.IsSpecialDay(2024, 6, 13));
}

// A calendar with every setting that the copy carries set away from its
// default, and its own month, names and texts.
void MakeSource(CDrawRect& s)
{
    s.SetCalendarMonth(7, 2031);
    s.m_nCellHeight = 11;
    s.m_nCellWidth = 12;
    s.m_b3DBorder = 0;
    s.m_bGrid = 0;
    s.m_nGridLineType = 3;
    s.m_nGridThickness = 4;
    s.m_crGrid = 0x00123456;
    s.m_nFirstDayOfWeek = 4;
    s.m_nDayNameFormat = 1;
    s.SetDayName(1, "custom");
    s.m_fontHeader.m_strFaceName = "Header Face";
    s.m_fontHeader.m_nPointSize = 21;
    s.m_fontHeader.m_nRotation = 33;
    s.m_fontHeader.m_bBold = 0;
    s.m_fontHeader.m_bItalic = 1;
    s.m_fontHeader.m_bUnderline = 1;
    s.m_fontHeader.m_crColor = 0x00010203;
    s.m_fontHeader.m_pFont = std::make_unique<CFont>();
    s.m_fontDayNames.m_nPointSize = 22;
    s.m_fontDays.m_nPointSize = 23;
    s.m_fontSpecial.m_nPointSize = 24;
    s.m_fontSpecial.m_crColor = 0x00040506;
    s.m_crHeaderBack = 0x00111111;
    s.m_crHeaderLine = 0x00222222;
    s.m_bHeaderLine = 1;
    s.m_bHeaderTransparent = 0;
    s.m_nHeaderAlign = 5;
    s.m_nHeaderPercent = 20;
    s.m_nDayNamePercent = 9;
    s.m_nHeaderLineType = 2;
    s.m_nHeaderLineThickness = 3;
    s.m_crDayNameBack = 0x00333333;
    s.m_crDayNameBorder = 0x00444444;
    s.m_bDayNameBorder = 1;
    s.m_bDayNameTransparent = 0;
    s.m_nDayNameAlign = 6;
    s.m_nDayNameBorderType = 1;
    s.m_nDayNameBorderThickness = 5;
    s.m_crDayBack = 0x00555555;
    s.m_crDayBorder = 0x00666666;
    s.m_bDayBorder = 1;
    s.m_bDayTransparent = 0;
    s.m_nDayAlign = 7;
    s.m_nDayBorderType = 4;
    s.m_nDayBorderThickness = 6;
    s.m_crSpecialBack = 0x00777777;
    s.m_crSpecialBorder = 0x00888888;
    s.m_bSpecialBorder = 1;
    s.m_bSpecialTransparent = 0;
    s.m_nSpecialAlign = 8;
    s.m_nSpecialBorderType = 3;
    s.m_nSpecialBorderThickness = 7;
    for (int i = 0; i < 7; ++i)
        s.m_bSpecialWeekday[i] = i % 2;
    s.m_strDefaultFace = "Source Face";
    s.m_nSpareSize = 17;
    s.m_bShow3D = 1;
    s.m_nLayout = 4;
    s.m_bNoHeader = 1;
    // Not carried over.
    s.m_strSpecialDates = ", 9,";
    s.m_strText = "source text";
    s.m_nHeaderHeight = 99;
    s.m_nDayNameHeight = 98;
    s.m_bWireframe = 1;
    s.m_bOpaque = 0;
    s.m_roundness = CPoint(3, 4);
    s.m_strImageType = "png";
    s.m_crTransparent = 0x00ABCDEF;
    s.m_bFill = 0;
    s.m_bDrawBorder = 0;
    s.m_nBorderThickness = 9;
}

TEST_F(CalObjectTest, CopyCalendarSettingsCopiesTheListedFieldsOnly)
{
    CDrawRect source(Generated(), CDrawRect::kindCalendar);
    MakeSource(source);

    CDrawRect target(CRect(-400, 100, -100, 300), CDrawRect::kindCalendar);
    target.SetCalendarMonth(2, 2029);
    target.SetMonthName(2, "Own February");
    target.m_strHeader = "Own header";
    target.m_strSpecialDates = ", 14,";
    target.m_strText = "own text";
    target.m_nHeaderHeight = 7;
    target.m_nDayNameHeight = 8;
    target.m_bFontsReady = 1;
    const CDrawRect before(target.m_position, CDrawRect::kindCalendar);

    target.CopyCalendarSettingsFrom(&source);

    EXPECT_EQ(target.m_nCellHeight, 11);
    EXPECT_EQ(target.m_nCellWidth, 12);
    EXPECT_EQ(target.m_b3DBorder, 0);
    EXPECT_EQ(target.m_bGrid, 0);
    EXPECT_EQ(target.m_nGridLineType, 3);
    EXPECT_EQ(target.m_nGridThickness, 4);
    EXPECT_EQ(target.m_crGrid, 0x00123456u);
    EXPECT_EQ(target.m_nFirstDayOfWeek, 4);
    EXPECT_EQ(target.m_nDayNameFormat, 1);
    EXPECT_EQ(target.m_fontHeader.m_strFaceName, "Header Face");
    EXPECT_EQ(target.m_fontHeader.m_nPointSize, 21);
    EXPECT_EQ(target.m_fontHeader.m_nRotation, 33);
    EXPECT_EQ(target.m_fontHeader.m_bBold, 0);
    EXPECT_EQ(target.m_fontHeader.m_bItalic, 1);
    EXPECT_EQ(target.m_fontHeader.m_bUnderline, 1);
    EXPECT_EQ(target.m_fontHeader.m_crColor, 0x00010203u);
    EXPECT_EQ(target.m_fontHeader.m_pFont, nullptr);  // makes its own when drawn
    EXPECT_EQ(target.m_fontDayNames.m_nPointSize, 22);
    EXPECT_EQ(target.m_fontDays.m_nPointSize, 23);
    EXPECT_EQ(target.m_fontSpecial.m_nPointSize, 24);
    EXPECT_EQ(target.m_fontSpecial.m_crColor, 0x00040506u);
    EXPECT_EQ(target.m_crHeaderBack, 0x00111111u);
    EXPECT_EQ(target.m_crHeaderLine, 0x00222222u);
    EXPECT_EQ(target.m_bHeaderLine, 1);
    EXPECT_EQ(target.m_bHeaderTransparent, 0);
    EXPECT_EQ(target.m_nHeaderAlign, 5);
    EXPECT_EQ(target.m_nHeaderPercent, 20);
    EXPECT_EQ(target.m_nDayNamePercent, 9);
    EXPECT_EQ(target.m_nHeaderLineType, 2);
    EXPECT_EQ(target.m_nHeaderLineThickness, 3);
    EXPECT_EQ(target.m_crDayNameBack, 0x00333333u);
    EXPECT_EQ(target.m_crDayNameBorder, 0x00444444u);
    EXPECT_EQ(target.m_bDayNameBorder, 1);
    EXPECT_EQ(target.m_bDayNameTransparent, 0);
    EXPECT_EQ(target.m_nDayNameAlign, 6);
    EXPECT_EQ(target.m_nDayNameBorderType, 1);
    EXPECT_EQ(target.m_nDayNameBorderThickness, 5);
    EXPECT_EQ(target.m_crDayBack, 0x00555555u);
    EXPECT_EQ(target.m_crDayBorder, 0x00666666u);
    EXPECT_EQ(target.m_bDayBorder, 1);
    EXPECT_EQ(target.m_bDayTransparent, 0);
    EXPECT_EQ(target.m_nDayAlign, 7);
    EXPECT_EQ(target.m_nDayBorderType, 4);
    EXPECT_EQ(target.m_nDayBorderThickness, 6);
    EXPECT_EQ(target.m_crSpecialBack, 0x00777777u);
    EXPECT_EQ(target.m_crSpecialBorder, 0x00888888u);
    EXPECT_EQ(target.m_bSpecialBorder, 1);
    EXPECT_EQ(target.m_bSpecialTransparent, 0);
    EXPECT_EQ(target.m_nSpecialAlign, 8);
    EXPECT_EQ(target.m_nSpecialBorderType, 3);
    EXPECT_EQ(target.m_nSpecialBorderThickness, 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(target.m_bSpecialWeekday[i], i % 2) << i;
    EXPECT_EQ(target.m_strDefaultFace, "Source Face");
    EXPECT_EQ(target.m_nSpareSize, 17);
    EXPECT_EQ(target.m_bShow3D, 1);
    EXPECT_EQ(target.m_nLayout, 4);
    EXPECT_EQ(target.m_bNoHeader, 1);
    EXPECT_EQ(target.m_bFontsReady, 0);

    // The day names are rebuilt in the copied format from the copied first
    // day (a Wednesday), not taken over.
    EXPECT_EQ(target.GetDayName(1), "Wed");
    EXPECT_EQ(target.GetDayName(7), "Tue");

    // What stays the target's own.
    EXPECT_EQ(target.m_nMonth, 2);
    EXPECT_EQ(target.m_nYear, 2029);
    EXPECT_EQ(target.GetMonthName(2), "Own February");
    EXPECT_EQ(target.m_strHeader, "Own header");
    EXPECT_EQ(target.m_strSpecialDates, ", 14,");
    EXPECT_EQ(target.m_strText, "own text");
    EXPECT_EQ(target.m_position, CRect(-400, 100, -100, 300));
    EXPECT_EQ(target.m_nHeaderHeight, 7);
    EXPECT_EQ(target.m_nDayNameHeight, 8);
    EXPECT_EQ(target.m_bWireframe, before.m_bWireframe);
    EXPECT_EQ(target.m_bOpaque, before.m_bOpaque);
    EXPECT_EQ(target.m_roundness, before.m_roundness);
    EXPECT_EQ(target.m_strImageType, before.m_strImageType);
    EXPECT_EQ(target.m_strImagePath, before.m_strImagePath);
    EXPECT_EQ(target.m_crTransparent, before.m_crTransparent);
    EXPECT_EQ(target.m_bFill, before.m_bFill);
    EXPECT_EQ(target.m_bDrawBorder, before.m_bDrawBorder);
    EXPECT_EQ(target.m_nBorderThickness, before.m_nBorderThickness);
}

TEST_F(CalObjectTest, CopyCalendarSettingsLeavesOtherKindsAlone)
{
    CDrawRect source(Generated(), CDrawRect::kindCalendar);
    MakeSource(source);
    for (int kind : {CDrawRect::kindText, CDrawRect::kindImage, CDrawRect::kindRectangle}) {
        CDrawRect other(Generated(), kind);
        const int layout = other.m_nLayout;
        const int grid = other.m_nGridThickness;
        const std::string face = other.m_strDefaultFace;
        other.CopyCalendarSettingsFrom(&source);
        EXPECT_EQ(other.m_nLayout, layout) << kind;
        EXPECT_EQ(other.m_nGridThickness, grid) << kind;
        EXPECT_EQ(other.m_strDefaultFace, face) << kind;
    }
    // A source that is not a rectangle object is no source.
    CDrawRect cal(Generated(), CDrawRect::kindCalendar);
    CDrawObj plain(Generated());
    cal.CopyCalendarSettingsFrom(&plain);
    cal.CopyCalendarSettingsFrom(nullptr);
    EXPECT_EQ(cal.m_nLayout, 0);
}

}  // namespace
