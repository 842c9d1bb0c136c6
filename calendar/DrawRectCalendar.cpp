// The calendar operations of CDrawRect: names, the first day of the week,
// the month shown, special days and the copy of settings between calendars.

#include "calendar/CalendarNames.h"
#include "objects/DrawRect.h"

void CDrawRect::SetMonthName(int index, const std::string& text)
{
    if (index >= 1 && index <= 12)
        m_strMonthNames[index] = text;
}

std::string CDrawRect::GetMonthName(int index) const
{
    if (index >= 1 && index <= 12)
        return m_strMonthNames[index];
    return {};
}

void CDrawRect::SetDayName(int index, const std::string& text)
{
    if (index >= 1 && index <= 7)
        m_strDayNames[index] = text;
}

std::string CDrawRect::GetDayName(int index) const
{
    if (index >= 1 && index <= 7)
        return m_strDayNames[index];
    return {};
}

std::string CDrawRect::FormatNumber(int value) { return FormatCalendarNumber(value); }

void CDrawRect::SetFirstDayOfWeek(int day)
{
    if (day < 1 || day > 7)
        return;
    m_nFirstDayOfWeek = day;
    UseUserTimeLocale();
    BuildDayNames(day, m_nDayNameFormat, m_strDayNames);
}

void CDrawRect::SetCalendarMonth(int month, int year)
{
    m_nMonth = month;
    m_nYear = year;
    m_nKind = kindCalendar;
    m_strHeader = GetMonthName(month) + " " + FormatNumber(year);
    m_nLayout = 0;
    m_nHeaderPercent = 14;
    m_nDayNamePercent = 14;
    m_bNoHeader = 0;
}

bool CDrawRect::IsSpecialDay(int year, int month, int day) const
{
    return IsSpecialDate(m_bSpecialWeekday, m_strSpecialDates, CCalDate(year, month, day)) ||
           m_holidays.IsHoliday(year, month, day);
}

void CDrawRect::CopyCalendarSettingsFrom(CDrawObj* object)
{
    auto* source = dynamic_cast<CDrawRect*>(object);
    if (m_nKind != kindCalendar || !source || source == this)
        return;

    m_nCellHeight = source->m_nCellHeight;
    m_nCellWidth = source->m_nCellWidth;
    m_b3DBorder = source->m_b3DBorder;
    m_bGrid = source->m_bGrid;
    m_nGridLineType = source->m_nGridLineType;
    m_nGridThickness = source->m_nGridThickness;
    m_crGrid = source->m_crGrid;
    m_nFirstDayOfWeek = source->m_nFirstDayOfWeek;
    m_nDayNameFormat = source->m_nDayNameFormat;

    // Assigning a font copies its description only; this object makes its
    // own font on its next draw.
    m_fontHeader = source->m_fontHeader;
    m_fontDayNames = source->m_fontDayNames;
    m_fontDays = source->m_fontDays;
    m_fontSpecial = source->m_fontSpecial;

    m_crHeaderBack = source->m_crHeaderBack;
    m_crHeaderLine = source->m_crHeaderLine;
    m_bHeaderLine = source->m_bHeaderLine;
    m_bHeaderTransparent = source->m_bHeaderTransparent;
    m_nHeaderAlign = source->m_nHeaderAlign;
    m_nHeaderPercent = source->m_nHeaderPercent;
    m_nDayNamePercent = source->m_nDayNamePercent;
    m_nHeaderLineType = source->m_nHeaderLineType;
    m_nHeaderLineThickness = source->m_nHeaderLineThickness;

    m_crDayNameBack = source->m_crDayNameBack;
    m_crDayNameBorder = source->m_crDayNameBorder;
    m_bDayNameBorder = source->m_bDayNameBorder;
    m_bDayNameTransparent = source->m_bDayNameTransparent;
    m_nDayNameAlign = source->m_nDayNameAlign;
    m_nDayNameBorderType = source->m_nDayNameBorderType;
    m_nDayNameBorderThickness = source->m_nDayNameBorderThickness;

    m_crDayBack = source->m_crDayBack;
    m_crDayBorder = source->m_crDayBorder;
    m_bDayBorder = source->m_bDayBorder;
    m_bDayTransparent = source->m_bDayTransparent;
    m_nDayAlign = source->m_nDayAlign;
    m_nDayBorderType = source->m_nDayBorderType;
    m_nDayBorderThickness = source->m_nDayBorderThickness;

    m_crSpecialBack = source->m_crSpecialBack;
    m_crSpecialBorder = source->m_crSpecialBorder;
    m_bSpecialBorder = source->m_bSpecialBorder;
    m_bSpecialTransparent = source->m_bSpecialTransparent;
    m_nSpecialAlign = source->m_nSpecialAlign;
    m_nSpecialBorderType = source->m_nSpecialBorderType;
    m_nSpecialBorderThickness = source->m_nSpecialBorderThickness;

    for (int i = 0; i < 7; ++i)
        m_bSpecialWeekday[i] = source->m_bSpecialWeekday[i];
    m_strDefaultFace = source->m_strDefaultFace;
    m_nSpareSize = source->m_nSpareSize;
    m_bShow3D = source->m_bShow3D;
    // The holiday files and what was read from them go along: the files
    // hold every year, so each target shows its own month's days.
    m_holidays = source->m_holidays;

    SetFirstDayOfWeek(source->m_nFirstDayOfWeek);

    m_nLayout = source->m_nLayout;
    m_bNoHeader = source->m_bNoHeader;
    m_bFontsReady = 0;
}
