// The drawing of calendar objects in their five layouts. Draw has already
// set up the object's pen and brush and made the four fonts; this code
// draws only through the surface's operations, so the same picture reaches
// the screen, the printer and exported pictures.

#include "calendar/CalDate.h"
#include "calendar/CalendarLayout.h"
#include "calendar/CalendarNames.h"
#include "calendar/MonthGrid.h"
#include "calendar/WeekNumbers.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

int Narrow(long long v) { return static_cast<int>(v); }

UINT AlignFormat(int align)
{
    switch (align) {
    case 1:
    case 4:
    case 7:
        return DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    case 2:
    case 5:
    case 8:
        return DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    default:
        return DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
}

// The pen style of a line type; types the pages never produce draw solid.
UINT PenStyle(int lineType)
{
    static const UINT styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    return lineType >= 0 && lineType <= 4 ? styles[lineType] : PS_SOLID;
}

// Narrows a text rectangle to the upper or lower half of a band of size b
// for the "Top" and "Bottom" alignments.
void AlignBand(CRect& text, int align, int band)
{
    if (align >= 3 && align <= 5)
        text.top = Narrow(static_cast<long long>(text.top) + band / 2);
    else if (align >= 6 && align <= 8)
        text.bottom = Narrow(static_cast<long long>(text.bottom) - band / 2);
}

// The style fields of one kind of cell.
struct CCellStyle {
    CCalFont* font;
    COLORREF back;
    BOOL transparent;
    BOOL border;
    CPen* pen;
    int align;
};

class CCalendarPainter {
public:
    CCalendarPainter(CDrawRect& cal, CDC* dc)
        : m_cal(cal),
          m_dc(dc),
          m_gridPen(PenStyle(cal.m_nGridLineType), cal.m_nGridThickness, cal.m_crGrid),
          m_headerPen(PenStyle(cal.m_nHeaderLineType), cal.m_nHeaderLineThickness, cal.m_crHeaderLine),
          m_dayNamePen(PenStyle(cal.m_nDayNameBorderType), cal.m_nDayNameBorderThickness, cal.m_crDayNameBorder),
          m_dayPen(PenStyle(cal.m_nDayBorderType), cal.m_nDayBorderThickness, cal.m_crDayBorder),
          m_specialPen(PenStyle(cal.m_nSpecialBorderType), cal.m_nSpecialBorderThickness, cal.m_crSpecialBorder)
    {
    }

    CCellStyle DayNameStyle()
    {
        return {&m_cal.m_fontDayNames, m_cal.m_crDayNameBack, m_cal.m_bDayNameTransparent,
                m_cal.m_bDayNameBorder, &m_dayNamePen, m_cal.m_nDayNameAlign};
    }
    CCellStyle DayStyle()
    {
        return {&m_cal.m_fontDays, m_cal.m_crDayBack, m_cal.m_bDayTransparent, m_cal.m_bDayBorder, &m_dayPen,
                m_cal.m_nDayAlign};
    }
    CCellStyle SpecialStyle()
    {
        return {&m_cal.m_fontSpecial, m_cal.m_crSpecialBack, m_cal.m_bSpecialTransparent, m_cal.m_bSpecialBorder,
                &m_specialPen, m_cal.m_nSpecialAlign};
    }

    // Selects a calendar font, making it first if Draw has not (a font
    // setter may have dropped it since). Returns the font selected before.
    CFont* SelectFont(CCalFont& font)
    {
        if (!font.m_pFont)
            font.CreateGdiFont(m_dc);
        return font.m_pFont ? m_dc->SelectObject(font.m_pFont.get()) : nullptr;
    }
    void RestoreFont(CFont* previous)
    {
        if (previous)
            m_dc->SelectObject(previous);
    }

    void Line(const CCalSegment& segment)
    {
        m_dc->MoveTo(segment.from);
        m_dc->LineTo(segment.to);
    }

    void Outline(const CRect& c, CPen* pen)
    {
        CPen* previous = m_dc->SelectObject(pen);
        m_dc->MoveTo(c.left, c.top);
        m_dc->LineTo(c.right, c.top);
        m_dc->LineTo(c.right, c.bottom);
        m_dc->LineTo(c.left, c.bottom);
        m_dc->LineTo(c.left, c.top);
        m_dc->SelectObject(previous);
    }

    // A cell with its background, its text and its border. text is the
    // rectangle the text is placed in, already narrowed as the layout wants.
    void StyledCell(const CRect& cell, CRect text, const std::string& label, const CCellStyle& style)
    {
        CFont* previousFont = SelectFont(*style.font);
        if (!style.transparent)
            m_dc->FillSolidRect(cell, style.back);
        m_dc->SetTextColor(style.font->m_crColor);
        m_dc->DrawTextA(label, &text, AlignFormat(style.align));
        if (style.border)
            Outline(cell, style.pen);
        RestoreFont(previousFont);
    }

    // The common cell of the grid layouts: the text 2 units inside the cell
    // (or the given insets) and in the upper or lower half of the band.
    void GridCell(const CRect& cell, const std::string& label, const CCellStyle& style, int band, int insetLx = -2,
                  int insetRx = 2)
    {
        CRect text = cell;
        text.left = Narrow(static_cast<long long>(text.left) + insetLx);
        text.right = Narrow(static_cast<long long>(text.right) + insetRx);
        AlignBand(text, style.align, band);
        StyledCell(cell, text, label, style);
    }

    // The names of a day's events in small type, one a line, under the day
    // number as far as the cell has room; each line is clipped to the cell.
    // Page units grow upwards, so "under" is towards the lower y.
    void EventNames(const CRect& cell, const std::vector<std::string>& names, const CCellStyle& style, int band,
                    int insetLx, int insetRx)
    {
        if (names.empty())
            return;
        CRect text = cell;
        AlignBand(text, style.align, band);
        const long long middle = (static_cast<long long>(text.top) + text.bottom) / 2;
        const long long numberHeight = std::llabs(CCalFont::HeightForPoints(style.font->m_nPointSize));
        const long long low = std::min(cell.top, cell.bottom);
        const long long high = std::max(cell.top, cell.bottom);
        const long long start = std::min(middle - numberHeight / 2, high) - 1;

        // Two thirds of the number's size, made smaller (down to 6 points)
        // where that gives a cell with big numbers room for one line.
        const long long room = start - low - 1;
        int points = std::max(1, style.font->m_nPointSize * 2 / 3);
        while (points > 6 && std::llabs(CCalFont::HeightForPoints(points)) + 1 > room)
            --points;
        if (!m_nameFont || m_nameFont->m_nPointSize != points || m_nameFont->m_strFaceName != style.font->m_strFaceName) {
            m_nameFont = std::make_unique<CCalFont>(*style.font);
            m_nameFont->m_nPointSize = points;
            m_nameFont->m_bBold = 0;
            m_nameFont->m_bUnderline = 0;
            m_nameFont->m_nRotation = 0;
            m_nameFont->m_pFont.reset();
        }
        const long long lineHeight = std::llabs(CCalFont::HeightForPoints(m_nameFont->m_nPointSize)) + 1;
        const long long lines = room / lineHeight;
        if (lines < 1)
            return;

        CFont* previousFont = SelectFont(*m_nameFont);
        const COLORREF previousColor = m_dc->SetTextColor(style.font->m_crColor);
        const int left = Narrow(static_cast<long long>(cell.left) + insetLx);
        const int right = Narrow(static_cast<long long>(cell.right) + insetRx);
        const std::size_t count = std::min<std::size_t>(names.size(), static_cast<std::size_t>(lines));
        for (std::size_t i = 0; i < count; ++i) {
            const long long top = start - static_cast<long long>(i) * lineHeight;
            // The rectangle runs as the cell's does, so the text sits the
            // same way up in either orientation.
            CRect line = cell.top <= cell.bottom ? CRect(left, Narrow(top - lineHeight), right, Narrow(top))
                                                 : CRect(left, Narrow(top), right, Narrow(top - lineHeight));
            m_dc->DrawTextA(Elided(names[i], std::llabs(static_cast<long long>(right) - left)), &line,
                            AlignFormat(style.align));
        }
        m_dc->SetTextColor(previousColor);
        RestoreFont(previousFont);
    }

    // The text as it fits the width in the selected font: whole, or cut at
    // a character's start and ended with an ellipsis, so that a long name
    // shows its beginning whatever the alignment.
    std::string Elided(const std::string& text, long long width)
    {
        if (m_dc->GetTextExtent(text).cx <= width)
            return text;
        static const std::string kEllipsis = "\xE2\x80\xA6";
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
                starts.push_back(i);
        std::size_t fits = 0, tooLong = starts.size();
        while (tooLong - fits > 1) {
            const std::size_t mid = (fits + tooLong) / 2;
            if (m_dc->GetTextExtent(text.substr(0, starts[mid]) + kEllipsis).cx <= width)
                fits = mid;
            else
                tooLong = mid;
        }
        return fits == 0 ? kEllipsis : text.substr(0, starts[fits]) + kEllipsis;
    }

    // A frame of Draw3dRect at i units in from the object's corner, with the
    // size shrunk by 2i, as the platform's frames are given.
    void Frame(int i, COLORREF topLeft, COLORREF bottomRight)
    {
        const CRect& p = m_cal.m_position;
        const long long w = static_cast<long long>(p.right) - p.left;
        const long long h = static_cast<long long>(p.bottom) - p.top;
        m_dc->Draw3dRect(Narrow(p.left + static_cast<long long>(i)), Narrow(p.top + static_cast<long long>(i)),
                         Narrow(w - 2LL * i), Narrow(h - 2LL * i), topLeft, bottomRight);
    }

    void Border3D()
    {
        const CEnvironment& env = Environment();
        Frame(0, env.m_crBtnFace, env.m_crBtnText);
        Frame(1, env.m_crWindow, env.m_crBtnShadow);
        Frame(2, env.m_crBtnFace, env.m_crBtnFace);
        Frame(3, env.m_crBtnShadow, env.m_crWindow);
    }

    void Header(const CRect& band, int bandSize)
    {
        CFont* previousFont = SelectFont(m_cal.m_fontHeader);
        if (!m_cal.m_bHeaderTransparent)
            m_dc->FillSolidRect(band, m_cal.m_crHeaderBack);
        const COLORREF previousColor = m_dc->SetTextColor(m_cal.m_fontHeader.m_crColor);
        CRect text = band;
        text.left = Narrow(static_cast<long long>(text.left) - 3);
        text.right = Narrow(static_cast<long long>(text.right) + 3);
        AlignBand(text, m_cal.m_nHeaderAlign, bandSize);
        m_dc->DrawTextA(m_cal.m_strHeader, &text, AlignFormat(m_cal.m_nHeaderAlign));
        m_dc->SetTextColor(previousColor);
        RestoreFont(previousFont);
    }

    // The header of the "Horizontal" layout, turned to run along its strip.
    void TurnedHeader(const CCalendarLayout& layout)
    {
        const CRect& strip = layout.m_rcHeader;
        CFont* previousFont = SelectFont(m_cal.m_fontHeader);
        if (!m_cal.m_bHeaderTransparent)
            m_dc->FillSolidRect(strip, m_cal.m_crHeaderBack);
        const COLORREF previousColor = m_dc->SetTextColor(m_cal.m_fontHeader.m_crColor);
        // The text is centred on a rectangle that reaches three quarters of
        // the strip's width beyond its inner edge.
        const long long left = strip.left - 3LL * layout.m_nHeaderHeight / 4;
        const long long width = strip.right - left;
        const long long height = static_cast<long long>(strip.bottom) - strip.top;

        const CSize extent = m_dc->GetTextExtent(m_cal.m_strHeader);
        const int hx = extent.cx / 2, hy = extent.cy / 2;
        const double a = m_cal.m_fontHeader.m_nRotation * 2 * std::numbers::pi / 360;
        const long long dx = static_cast<long long>(std::trunc(std::cos(a) * hx - std::sin(a) * hy));
        const long long dy = static_cast<long long>(std::trunc(std::sin(a) * hx + std::cos(a) * hy));
        const UINT previousAlign = m_dc->SetTextAlign(TA_BASELINE);
        m_dc->ExtTextOut(Narrow(left + width / 2 - dx), Narrow(strip.top + height / 2 + dy), 0, nullptr,
                         m_cal.m_strHeader);
        m_dc->SetTextAlign(previousAlign);
        m_dc->SetTextColor(previousColor);
        RestoreFont(previousFont);

        if (m_cal.m_bHeaderLine) {
            CPen* previous = m_dc->SelectObject(&m_headerPen);
            Line(layout.m_headerLine);
            m_dc->SelectObject(previous);
        }
    }

    bool SlotIsSpecial(int slot) const
    {
        // The slot shows the weekday that many days after the first day of
        // the week; its number decides, whatever the names read.
        const int first = m_cal.m_nFirstDayOfWeek >= 1 && m_cal.m_nFirstDayOfWeek <= 7 ? m_cal.m_nFirstDayOfWeek : 1;
        return IsSpecialWeekday(m_cal.m_bSpecialWeekday, (first - 1 + slot - 1) % 7 + 1);
    }

    bool MonthIsValid() const { return m_cal.m_nMonth >= 1 && m_cal.m_nMonth <= 12; }

    void DrawGridLayout(const CCalendarLayout& layout)
    {
        const bool horizontal = layout.Layout() == layoutHorizontal;
        if (m_cal.m_b3DBorder)
            Border3D();

        if (layout.m_bHeader) {
            if (horizontal) {
                TurnedHeader(layout);
            } else {
                Header(layout.m_rcHeader, layout.m_nHeaderHeight);
                if (m_cal.m_bHeaderLine) {
                    CPen* previous = m_dc->SelectObject(&m_headerPen);
                    Line(layout.m_headerLine);
                    m_dc->SelectObject(previous);
                }
            }
        }

        for (int slot = 1; slot <= 7; ++slot) {
            const CCellStyle style = SlotIsSpecial(slot) ? SpecialStyle() : DayNameStyle();
            GridCell(layout.m_rcDayName[slot], m_cal.m_strDayNames[slot], style, layout.m_nDayNameHeight);
        }

        const COLORREF previousColor = m_dc->GetTextColor();
        if (MonthIsValid()) {
            const CMonthGrid grid(m_cal.m_nMonth, m_cal.m_nYear, m_cal.m_nFirstDayOfWeek);
            if (!m_cal.m_bDayTransparent) {
                for (int row = 1; row <= 5; ++row) {
                    for (int slot = 1; slot <= 7; ++slot)
                        m_dc->FillSolidRect(layout.DayCell(row, slot), m_cal.m_crDayBack);
                }
            }
            const int insetLx = horizontal ? 4 : -2;
            const int insetRx = horizontal ? -4 : 2;
            for (const CMonthGrid::Cell& cell : grid.Cells()) {
                if (!cell.inMonth)
                    continue;
                const CCalDate& d = cell.date;
                const bool special = m_cal.IsSpecialDay(d.GetYear(), d.GetMonth(), d.GetDay());
                const CRect rect = layout.DayCell(cell.row, cell.slot);
                const CCellStyle style = special ? SpecialStyle() : DayStyle();
                GridCell(rect, CDrawRect::FormatNumber(d.GetDay()), style, layout.m_nCellHeight, insetLx, insetRx);
                if (m_cal.m_holidays.m_bShowNames)
                    EventNames(rect, m_cal.m_holidays.NamesOn(d.GetYear(), d.GetMonth(), d.GetDay()), style,
                               layout.m_nCellHeight, insetLx, insetRx);
            }
            if (layout.HasWeekNumbers())
                WeekNumbers(layout, grid);
        }
        m_dc->SetTextColor(previousColor);

        if (m_cal.m_bGrid) {
            CPen* previous = m_dc->SelectObject(&m_gridPen);
            if (!m_cal.m_b3DBorder && m_cal.m_bShow3D) {
                // Frames past the middle of the rectangle add nothing; a
                // thickness read from a damaged file must not keep the
                // drawing busy for billions of them.
                const CRect& p = m_cal.m_position;
                const long long half =
                    std::min(std::llabs(static_cast<long long>(p.right) - p.left),
                             std::llabs(static_cast<long long>(p.bottom) - p.top)) / 2 + 1;
                const long long frames = std::min<long long>(m_cal.m_nGridThickness, half);
                for (int i = 0; i < frames; ++i)
                    Frame(i, m_cal.m_crGrid, m_cal.m_crGrid);
            }
            for (const CCalSegment& segment : layout.m_gridLines)
                Line(segment);
            m_dc->SelectObject(previous);
        }

        if (m_cal.m_bHeaderLine && layout.m_bHeader) {
            CPen* previous = m_dc->SelectObject(&m_headerPen);
            Line(layout.m_headerLine);
            m_dc->SelectObject(previous);
        }
    }

    // The week numbers in the band beside the weeks, in the days' face at
    // a size that fits the band's width.
    void WeekNumbers(const CCalendarLayout& layout, const CMonthGrid& grid)
    {
        std::string labels[6];
        std::string widest;
        for (int row = 1; row <= 5; ++row) {
            labels[row] = WeekRowLabel(grid, row, m_cal.m_holidays.m_nWeekNumbers);
            if (labels[row].size() > widest.size())
                widest = labels[row];
        }
        const CRect first = layout.WeekCell(1);
        const long long width = std::llabs(static_cast<long long>(first.right) - first.left) - 2;
        const long long height = std::llabs(static_cast<long long>(first.bottom) - first.top) - 2;
        CCalFont font(m_cal.m_fontDays);
        font.m_bBold = 0;
        font.m_bUnderline = 0;
        font.m_nRotation = 0;
        font.m_nPointSize = std::max(4, m_cal.m_fontDays.m_nPointSize * 3 / 4);
        for (;;) {
            font.m_pFont.reset();
            CFont* previous = SelectFont(font);
            const CSize extent = m_dc->GetTextExtent(widest);
            RestoreFont(previous);
            if (font.m_nPointSize <= 4 || (extent.cx <= width && std::llabs(extent.cy) <= height))
                break;
            --font.m_nPointSize;
        }
        CFont* previous = SelectFont(font);
        m_dc->SetTextColor(font.m_crColor);
        for (int row = 1; row <= 5; ++row) {
            CRect cell = layout.WeekCell(row);
            m_dc->DrawTextA(labels[row], &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        RestoreFont(previous);
    }

    void Ellipse(const CRect& rect, CPen* pen)
    {
        CPen* previousPen = m_dc->SelectObject(pen);
        CGdiObject* previousBrush = m_dc->SelectStockObject(NULL_BRUSH);
        m_dc->Ellipse(rect);
        m_dc->SelectObject(previousBrush);
        m_dc->SelectObject(previousPen);
    }

    // Centred text in the given font and colour; the star's cells are passed
    // with their edges exchanged, which places the text the same way.
    void StarText(const CRect& cell, const std::string& text, CCalFont& font, UINT extra = 0)
    {
        CFont* previousFont = SelectFont(font);
        m_dc->SetTextColor(font.m_crColor);
        CRect swapped(cell.right, cell.bottom, cell.left, cell.top);
        m_dc->DrawTextA(text, &swapped, DT_CENTER | DT_VCENTER | DT_SINGLELINE | extra);
        RestoreFont(previousFont);
    }

    void DrawStar(const CCalendarLayout& layout)
    {
        const CEnvironment& env = Environment();
        const CRect& p = m_cal.m_position;
        if (m_cal.m_b3DBorder) {
            // Each ring one unit further in, whatever the rectangle's
            // orientation.
            const int sx = p.right >= p.left ? 1 : -1;
            const int sy = p.bottom >= p.top ? 1 : -1;
            const COLORREF colors[4] = {env.m_crBtnFace, env.m_crWindow, env.m_crBtnFace, env.m_crBtnShadow};
            for (int i = 0; i < 4; ++i) {
                CPen pen(PS_SOLID, 1, colors[i]);
                Ellipse(CRect(p.left + sx * i, p.top + sy * i, p.right - sx * i, p.bottom - sy * i), &pen);
            }
        } else if (m_cal.m_bGrid) {
            Ellipse(p, &m_gridPen);
        }

        const COLORREF previousColor = m_dc->GetTextColor();
        if (layout.m_bHeader) {
            if (m_cal.m_bGrid)
                Ellipse(layout.m_rcHeader, &m_gridPen);
            CFont* previousFont = SelectFont(m_cal.m_fontHeader);
            m_dc->SetTextColor(m_cal.m_fontHeader.m_crColor);
            CRect text = layout.m_rcHeader;
            m_dc->DrawTextA(m_cal.m_strHeader, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
            RestoreFont(previousFont);
        }

        for (int slot = 1; slot <= 7; ++slot) {
            CCalFont& font = SlotIsSpecial(slot) ? m_cal.m_fontSpecial : m_cal.m_fontDayNames;
            StarText(layout.m_rcDayName[slot], m_cal.m_strDayNames[slot], font);
        }

        if (MonthIsValid()) {
            const CMonthGrid grid(m_cal.m_nMonth, m_cal.m_nYear, m_cal.m_nFirstDayOfWeek);
            for (const CMonthGrid::Cell& cell : grid.Cells()) {
                if (!cell.inMonth)
                    continue;
                const CCalDate& d = cell.date;
                const bool special = m_cal.IsSpecialDay(d.GetYear(), d.GetMonth(), d.GetDay());
                const CRect rect = layout.DayCell(cell.row, cell.slot);
                CCellStyle style = special ? SpecialStyle() : DayStyle();
                StarText(rect, CDrawRect::FormatNumber(d.GetDay()), *style.font);
                // The numbers are centred in their cells whatever the
                // alignment; the names follow them the same way.
                style.align = 0;
                if (m_cal.m_holidays.m_bShowNames)
                    EventNames(CRect(rect.right, rect.bottom, rect.left, rect.top),
                               m_cal.m_holidays.NamesOn(d.GetYear(), d.GetMonth(), d.GetDay()), style, 0, 0, 0);
            }
        }
        m_dc->SetTextColor(previousColor);

        if (m_cal.m_bHeaderLine && layout.m_bHeader)
            Ellipse(layout.m_rcHeader, &m_headerPen);
    }

    // The label of a triangle cell: the date's own weekday, taken from the
    // stored day names (which start at the first day of the week), so that
    // it is right whatever that day is and follows names the user edited.
    std::string WeekdayLabel(const CCalDate& date) const
    {
        return m_cal.m_strDayNames[DayNameSlot(date.GetDayOfWeek(), m_cal.m_nFirstDayOfWeek)];
    }

    void DrawTriangle(const CCalendarLayout& layout)
    {
        if (m_cal.m_b3DBorder)
            Border3D();

        const COLORREF previousColor = m_dc->GetTextColor();
        if (MonthIsValid()) {
            for (const CCalTriangleCell& cell : layout.m_triangle) {
                const CCalDate date(m_cal.m_nYear, m_cal.m_nMonth, cell.day);
                const bool special = m_cal.IsSpecialDay(m_cal.m_nYear, m_cal.m_nMonth, cell.day);
                const CCellStyle style = special ? SpecialStyle() : DayStyle();
                StyledCell(cell.rect, cell.rect, CDrawRect::FormatNumber(cell.day), style);
                if (m_cal.m_holidays.m_bShowNames)
                    EventNames(cell.rect, m_cal.m_holidays.NamesOn(m_cal.m_nYear, m_cal.m_nMonth, cell.day), style,
                               0, -2, 2);

                CFont* previousFont = SelectFont(m_cal.m_fontDayNames);
                m_dc->SetTextColor(style.font->m_crColor);
                CRect label = cell.label;
                m_dc->DrawTextA(WeekdayLabel(date), &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                RestoreFont(previousFont);

                if (m_cal.m_bGrid)
                    GridRectangle(cell.rect);
            }
        }
        m_dc->SetTextColor(previousColor);

        if (layout.m_bHeader) {
            Header(layout.m_rcHeader, layout.m_nCellHeight);
            if (m_cal.m_bGrid)
                GridRectangle(layout.m_rcHeader);
            if (m_cal.m_bHeaderLine) {
                CPen* previous = m_dc->SelectObject(&m_headerPen);
                Line(layout.m_headerLine);
                m_dc->SelectObject(previous);
            }
        }
    }

    void GridRectangle(const CRect& rect)
    {
        CPen* previousPen = m_dc->SelectObject(&m_gridPen);
        CGdiObject* previousBrush = m_dc->SelectStockObject(NULL_BRUSH);
        m_dc->Rectangle(rect);
        m_dc->SelectObject(previousBrush);
        m_dc->SelectObject(previousPen);
    }

private:
    CDrawRect& m_cal;
    CDC* m_dc;
    CPen m_gridPen;
    CPen m_headerPen;
    CPen m_dayNamePen;
    CPen m_dayPen;
    CPen m_specialPen;
    std::unique_ptr<CCalFont> m_nameFont;
};

int LastDayOfMonth(int month, int year)
{
    if (month < 1 || month > 12)
        return 31;
    const CCalDate next = month == 12 ? CCalDate(year + 1, 1, 1) : CCalDate(year, month + 1, 1);
    return (next - 1).GetDay();
}

}  // namespace

void CDrawRect::DrawCalendar(CDC* dc)
{
    m_strText = "Calendar Object";

    CCalLayoutParams params;
    params.position = m_position;
    params.layout = m_nLayout;
    params.headerPercent = m_nHeaderPercent;
    params.dayNamePercent = m_nDayNamePercent;
    params.b3DBorder = m_b3DBorder;
    params.bNoHeader = m_bNoHeader;
    params.gridThickness = m_nGridThickness;
    params.lastDayOfMonth = LastDayOfMonth(m_nMonth, m_nYear);
    params.weekNumbers =
        m_holidays.m_nWeekNumbers == weekNumbersIso || m_holidays.m_nWeekNumbers == weekNumbersUs;
    CCalendarLayout layout(params);
    if (layout.SetsBandSizes()) {
        m_nHeaderHeight = layout.m_nHeaderHeight;
        m_nDayNameHeight = layout.m_nDayNameHeight;
    } else {
        // The triangle and star layouts keep the stored band sizes; the
        // header of the triangles is measured by its row.
        layout.m_nHeaderHeight = m_nHeaderHeight;
        layout.m_nDayNameHeight = m_nDayNameHeight;
    }
    m_nCellHeight = layout.m_nCellHeight;
    m_nCellWidth = layout.m_nCellWidth;

    const int previousMode = dc->SetBkMode(TRANSPARENT);
    CCalendarPainter painter(*this, dc);
    switch (layout.Layout()) {
    case layoutStar:
        painter.DrawStar(layout);
        break;
    case layoutTop:
    case layoutMountain:
        painter.DrawTriangle(layout);
        break;
    default:
        painter.DrawGridLayout(layout);
        break;
    }
    dc->SetBkMode(previousMode);
}
