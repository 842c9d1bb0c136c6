#pragma once

// How a calendar object's rectangle is divided into the header, the day
// names and the day cells in each of the five layouts. All arithmetic is on
// 32-bit integers with division truncating toward zero, on the rectangle's
// edges as they stand: calendars are stored with left > right and
// top < bottom in a page space whose y axis points up, and the formulas give
// the usual picture for them (header on top, the first day of the week on
// the left); other orientations mirror it.
//
// Every rectangle here keeps the orientation of the object's rectangle:
// left is the edge on the side of the object's left edge, top the edge on
// the side of its top edge, whatever their values.

#include "objects/Types.h"

#include <vector>

enum CalendarLayoutKind {
    layoutVertical = 0,
    layoutStar = 1,
    layoutHorizontal = 2,
    layoutTop = 3,
    layoutMountain = 4,
};

struct CCalLayoutParams {
    CRect position;
    int layout = layoutVertical;
    int headerPercent = 14;
    int dayNamePercent = 14;
    BOOL b3DBorder = 1;
    BOOL bNoHeader = 0;
    int gridThickness = 1;
    int lastDayOfMonth = 31;  // only the triangle layouts use it
    // A narrow band for week numbers: a column before the week rows of the
    // "Vertical" layout, a strip above the week columns of the
    // "Horizontal" one. The other layouts have no place for them.
    bool weekNumbers = false;
};

struct CCalSegment {
    CPoint from;
    CPoint to;
    bool operator==(const CCalSegment&) const = default;
};

// One day cell of the "Top" and "Mountain" triangles.
struct CCalTriangleCell {
    int row = 1;   // 1-8
    int cell = 1;  // 1..row
    int day = 1;   // day of the month shown (only days that exist are kept)
    CRect rect;
    CRect label;   // the weekday label's box at the cell's corner
};

class CCalendarLayout {
public:
    explicit CCalendarLayout(const CCalLayoutParams& params);

    int Layout() const { return m_nLayout; }
    // Whether the layout computes the header and day-name band sizes; the
    // others leave the stored values as they were.
    bool SetsBandSizes() const { return m_nLayout == layoutVertical || m_nLayout == layoutHorizontal; }

    int m_nHeaderHeight = 0;
    int m_nDayNameHeight = 0;
    int m_nCellHeight = 0;
    int m_nCellWidth = 0;

    bool m_bHeader = false;  // a header is drawn
    CRect m_rcHeader;        // band, strip, central cell or the row-8 part

    // Grid layouts ("Vertical", "Horizontal", "Star").
    CRect m_rcDayName[8];  // slot 1-7
    // Row 1-5 (the sixth week uses row 1), slot 1-7.
    CRect DayCell(int row, int slot) const { return m_rcDay[row][slot]; }
    std::vector<CCalSegment> m_gridLines;
    CCalSegment m_headerLine;
    // The week-number cell of row 1-5 (columns in "Horizontal"); only
    // when HasWeekNumbers().
    bool HasWeekNumbers() const { return m_bWeekNumbers; }
    CRect WeekCell(int row) const { return m_rcWeek[row]; }

    // "Star": the centre and the ray points.
    CPoint m_ptCentre;
    static CPoint RayPoint(CPoint centre, int slot, long long radius);

    // "Top" and "Mountain".
    std::vector<CCalTriangleCell> m_triangle;
    int m_nRow8Start = 0;  // x where row 8 starts

private:
    void LayoutVertical(const CCalLayoutParams& p);
    void LayoutHorizontal(const CCalLayoutParams& p);
    void LayoutWithWeekNumbers(const CCalLayoutParams& p);
    void LayoutStar(const CCalLayoutParams& p);
    void LayoutTriangle(const CCalLayoutParams& p);

    int m_nLayout = layoutVertical;
    CRect m_rcDay[6][8];
    bool m_bWeekNumbers = false;
    CRect m_rcWeek[6];
};
