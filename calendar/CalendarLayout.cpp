#include "calendar/CalendarLayout.h"

#include <cmath>
#include <numbers>

namespace {

// The layout is 32-bit arithmetic truncating toward zero. It is done in 64
// bits and stored back into 32 bits, which gives the same numbers for every
// real calendar and keeps a rectangle or percentage from a damaged file from
// overflowing.
using Wide = long long;

int Narrow(Wide v) { return static_cast<int>(v); }

CRect MakeRect(Wide l, Wide t, Wide r, Wide b) { return CRect(Narrow(l), Narrow(t), Narrow(r), Narrow(b)); }

CPoint MakePoint(Wide x, Wide y) { return CPoint(Narrow(x), Narrow(y)); }

CCalSegment Segment(Wide x1, Wide y1, Wide x2, Wide y2) { return {MakePoint(x1, y1), MakePoint(x2, y2)}; }

}  // namespace

CCalendarLayout::CCalendarLayout(const CCalLayoutParams& params) : m_nLayout(params.layout)
{
    if (params.weekNumbers && (params.layout == layoutVertical || params.layout == layoutHorizontal)) {
        LayoutWithWeekNumbers(params);
        return;
    }
    switch (params.layout) {
    case layoutStar:
        LayoutStar(params);
        break;
    case layoutHorizontal:
        LayoutHorizontal(params);
        break;
    case layoutTop:
    case layoutMountain:
        LayoutTriangle(params);
        break;
    default:
        m_nLayout = layoutVertical;
        LayoutVertical(params);
        break;
    }
}

void CCalendarLayout::LayoutVertical(const CCalLayoutParams& p)
{
    const Wide lx = p.position.left, ty = p.position.top, rx = p.position.right, by = p.position.bottom;
    const Wide w = rx - lx, h = by - ty;
    const Wide hH = h * p.headerPercent / 100;
    const Wide dH = h * p.dayNamePercent / 100;
    m_nHeaderHeight = Narrow(hH);
    m_nDayNameHeight = Narrow(dH);

    Wide ch, cw, bInner;
    if (p.b3DBorder) {
        ch = (h - hH - dH - 3) / 5;
        cw = (w - 3) / 7;
        bInner = by - 4;
    } else {
        ch = (h - hH - dH) / 5;
        cw = (w - 2) / 7;
        bInner = by;
    }
    m_bHeader = !p.bNoHeader;
    Wide y0 = by - hH;
    if (!m_bHeader) {
        ch = ((p.b3DBorder ? h - 3 : h) - dH) / 5;
        y0 = bInner;
    }
    m_nCellHeight = Narrow(ch);
    m_nCellWidth = Narrow(cw);
    m_rcHeader = MakeRect(lx, y0, rx, bInner);

    // The day names and the weeks are measured from the header's lower edge,
    // or from the object's edge without a header.
    const Wide bandTop = m_bHeader ? by - hH : by;
    for (int slot = 1; slot <= 7; ++slot) {
        const int c = 8 - slot;
        const Wide x1 = lx + (c - 1) * cw, x2 = lx + c * cw;
        m_rcDayName[slot] = MakeRect(x1, y0 - dH, x2, bandTop);
        for (int row = 1; row <= 5; ++row)
            m_rcDay[row][slot] = MakeRect(x1, y0 - dH - row * ch, x2, bandTop - dH - (row - 1) * ch);
    }

    const Wide shortEnd = rx - 1;
    const Wide weekEnd = p.gridThickness != 1 ? rx : rx - 1;
    if (m_bHeader)
        m_gridLines.push_back(Segment(lx, y0, shortEnd, y0));
    m_gridLines.push_back(Segment(lx, y0 - dH, shortEnd, y0 - dH));
    for (int row = 1; row <= 4; ++row)
        m_gridLines.push_back(Segment(lx, y0 - dH - row * ch, weekEnd, y0 - dH - row * ch));
    const Wide yFrom = p.b3DBorder ? ty + 5 : ty + 2;
    const Wide yTo = m_bHeader ? by - hH : (p.b3DBorder ? by - 4 : by);
    for (int c = 1; c <= 6; ++c)
        m_gridLines.push_back(Segment(lx + c * cw, yFrom, lx + c * cw, yTo));

    m_headerLine = Segment(lx, y0, rx, y0);
}

void CCalendarLayout::LayoutHorizontal(const CCalLayoutParams& p)
{
    const Wide lx = p.position.left, ty = p.position.top, rx = p.position.right, by = p.position.bottom;
    const Wide w = rx - lx, h = by - ty;
    const Wide hH = w * p.headerPercent / 100;
    const Wide dH = w * p.dayNamePercent / 100;
    m_nHeaderHeight = Narrow(hH);
    m_nDayNameHeight = Narrow(dH);

    Wide ch, cw, tInner, bInner;
    if (p.b3DBorder) {
        ch = (h - 3) / 7;
        cw = (w - 3 - hH - dH) / 5;
        tInner = ty + 4;
        bInner = by - 4;
    } else {
        ch = h / 7;
        cw = (w - hH - dH) / 5;
        tInner = ty;
        bInner = by;
    }
    m_bHeader = !p.bNoHeader;
    Wide x0 = rx - hH;
    if (!m_bHeader) {
        cw = ((p.b3DBorder ? w - 3 : w) - dH) / 5;
        x0 = rx;
    }
    m_nCellHeight = Narrow(ch);
    m_nCellWidth = Narrow(cw);
    m_rcHeader = MakeRect(x0, tInner, rx, bInner);

    // Without a header the week cells keep one unit clear of the strip's
    // edge on the side of the day-name strip's first row.
    const Wide weekInset = m_bHeader ? 0 : 1;
    for (int slot = 1; slot <= 7; ++slot) {
        const Wide yOuter = bInner - (slot - 1) * ch;
        const Wide yInner = by - slot * ch;
        m_rcDayName[slot] = MakeRect(x0 - dH, yInner, x0, yOuter);
        for (int col = 1; col <= 5; ++col)
            m_rcDay[col][slot] = MakeRect(x0 - dH - col * cw, yInner, x0 - dH - (col - 1) * cw, yOuter - weekInset);
    }

    if (m_bHeader)
        m_gridLines.push_back(Segment(x0, tInner + 1, x0, bInner));
    m_gridLines.push_back(Segment(x0 - dH, tInner + 1, x0 - dH, bInner));
    for (int col = 1; col <= 4; ++col)
        m_gridLines.push_back(Segment(x0 - dH - col * cw, tInner + 1, x0 - dH - col * cw, bInner));
    for (int k = 1; k <= 6; ++k)
        m_gridLines.push_back(Segment(x0, tInner + k * ch, lx, tInner + k * ch));

    m_headerLine = Segment(x0, tInner, x0, bInner);
}

void CCalendarLayout::LayoutWithWeekNumbers(const CCalLayoutParams& p)
{
    // The grid is laid out as usual in what the band leaves of the
    // rectangle; the header, the lines across the weeks and the lines
    // between them then reach over the band.
    const bool vertical = p.layout == layoutVertical;
    const Wide band = vertical ? (Wide(p.position.right) - p.position.left) / 15
                               : (Wide(p.position.bottom) - p.position.top) / 15;
    CCalLayoutParams grid = p;
    grid.weekNumbers = false;
    if (vertical) {
        grid.position.right = Narrow(p.position.right - band);
        LayoutVertical(grid);
    } else {
        grid.position.bottom = Narrow(p.position.bottom - band);
        LayoutHorizontal(grid);
    }
    const auto stretch = [&](CCalSegment& s) {
        if (vertical && s.from.y == s.to.y)
            s.to.x = Narrow(s.to.x + band);
        else if (!vertical && s.from.x == s.to.x)
            s.to.y = Narrow(s.to.y + band);
    };
    for (CCalSegment& s : m_gridLines)
        stretch(s);
    stretch(m_headerLine);

    m_bWeekNumbers = true;
    if (vertical) {
        m_rcHeader.right = Narrow(m_rcHeader.right + band);
        const Wide x = grid.position.right;
        m_gridLines.push_back(Segment(x, m_rcDay[5][1].top, x, m_rcDay[1][1].bottom));
        for (int row = 1; row <= 5; ++row)
            m_rcWeek[row] = MakeRect(x, m_rcDay[row][1].top, p.position.right, m_rcDay[row][1].bottom);
    } else {
        m_rcHeader.bottom = Narrow(m_rcHeader.bottom + band);
        const Wide y = grid.position.bottom;
        m_gridLines.push_back(Segment(m_rcDay[1][1].right, y, m_rcDay[5][1].left, y));
        for (int col = 1; col <= 5; ++col)
            m_rcWeek[col] = MakeRect(m_rcDay[col][1].left, y, m_rcDay[col][1].right, p.position.bottom);
    }
}

CPoint CCalendarLayout::RayPoint(CPoint centre, int slot, long long radius)
{
    // The slots run clockwise; slot 7 lies on the +x axis.
    const double step = std::numbers::pi * -(2.0 / 7.0);
    const double angle = slot * step;
    return MakePoint(centre.x + static_cast<Wide>(std::trunc(std::cos(angle) * static_cast<double>(radius))),
                     centre.y + static_cast<Wide>(std::trunc(std::sin(angle) * static_cast<double>(radius))));
}

void CCalendarLayout::LayoutStar(const CCalLayoutParams& p)
{
    const Wide lx = p.position.left, ty = p.position.top, rx = p.position.right, by = p.position.bottom;
    const Wide w = rx - lx, h = by - ty;
    const Wide ch = h / 8;
    const Wide cw = w / 7;
    m_nCellHeight = Narrow(ch);
    m_nCellWidth = Narrow(cw);
    m_ptCentre = MakePoint(lx + w / 2, ty + h / 2);
    const auto cellAround = [&](CPoint c) { return MakeRect(c.x - cw / 2, c.y - ch / 2, c.x + cw / 2, c.y + ch / 2); };

    m_bHeader = !p.bNoHeader;
    m_rcHeader = cellAround(m_ptCentre);
    for (int slot = 1; slot <= 7; ++slot) {
        m_rcDayName[slot] = cellAround(RayPoint(m_ptCentre, slot, cw * 3 / 4));
        for (int week = 1; week <= 5; ++week)
            m_rcDay[week][slot] = cellAround(RayPoint(m_ptCentre, slot, (week + 1) * cw / 2));
    }
}

void CCalendarLayout::LayoutTriangle(const CCalLayoutParams& p)
{
    const Wide lx = p.position.left, ty = p.position.top, rx = p.position.right, by = p.position.bottom;
    const Wide w = rx - lx, h = by - ty;
    const bool top = p.layout == layoutTop;
    const Wide ch = p.b3DBorder ? (h - 3) / 8 : h / 8;
    const Wide cw = p.b3DBorder ? (w - 3) / 8 : w / 8;
    m_nCellHeight = Narrow(ch);
    m_nCellWidth = Narrow(cw);
    m_bHeader = !p.bNoHeader;

    Wide f, mh;
    if (top) {
        f = p.b3DBorder ? ty + 4 : ty;
        mh = p.b3DBorder ? lx + (w - 3) / 2 + 2 : lx + w / 2;
    } else {
        f = p.b3DBorder ? by - 4 : by;
        mh = p.b3DBorder ? rx - (w - 3) / 2 - 2 : rx - w / 2;
    }
    Wide u = mh - cw / 2;
    // Rows grow from f by dy; a cell's top field is still its edge on the
    // side of the object's top edge, so that the "Top" and "Bottom"
    // alignments of the header in row 8 pick the right half.
    const Wide dy = top ? ch : -ch;

    // Row 8 holds the days after the 28th; x counts how many of its cells
    // stay free of days beyond the five that always do (1 for a 31-day month
    // up to 4 for a 28-day one).
    int lastDay = p.lastDayOfMonth;
    if (lastDay < 28)
        lastDay = 28;
    if (lastDay > 31)
        lastDay = 31;
    const int x = 32 - lastDay;

    Wide u3 = u;
    for (int row = 1; row <= 8; ++row) {
        if (row == 3)
            u3 = u;
        if (row == 8) {
            if (m_bHeader) {
                // The header fills the cells in front of the last days, so
                // that the two meet without overlapping.
                const Wide headerCells = 36 - lastDay;
                m_rcHeader = MakeRect(u, top ? f : f + dy, u + headerCells * cw, top ? f + dy : f);
                m_headerLine = Segment(u, f, u + headerCells * cw, f);
            } else if (top) {
                u = u3 - (x + 4) * cw + (x == 2 ? cw / 2 : 0) + (x == 3 ? cw : 0);
            } else {
                u = u3 - 5 * cw - (x == 2 ? cw / 2 : 0) - (x == 3 ? cw : 0);
            }
            m_nRow8Start = Narrow(u);
        }
        for (int cell = 1; cell <= row; ++cell) {
            const int day = row < 8 ? row * (row + 1) / 2 - cell + 1 : 37 - cell;
            if (day > lastDay)
                continue;
            const Wide x1 = u + (cell - 1) * cw;
            CCalTriangleCell c;
            c.row = row;
            c.cell = cell;
            c.day = day;
            c.rect = MakeRect(x1, top ? f : f + dy, x1 + cw, top ? f + dy : f);
            c.label = top ? MakeRect(x1 - 15, f, x1, f + 15) : MakeRect(x1 - 15, f - 15, x1, f);
            m_triangle.push_back(c);
        }
        u -= cw / 2;
        f += dy;
    }
}
