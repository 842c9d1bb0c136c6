// Regions for hit testing. They are kept as their defining geometry and
// tested exactly, so no pixels are needed and logical units of any size work.

#include "objects/DC.h"

#include <cmath>

namespace {

// A closed axis-aligned box in double precision.
struct Box {
    double l, t, r, b;
};

// The pixels a rectangle covers: its right and bottom edges are outside, so
// the last covered pixel row and column are one less.
bool ToBox(const CRect& rect, Box* box)
{
    CRect n = rect.Normalized();
    if (n.IsRectEmpty()) return false;
    *box = Box{double(n.left), double(n.top), double(n.right) - 1.0, double(n.bottom) - 1.0};
    return true;
}

bool BoxesMeet(const Box& a, const Box& b)
{
    return a.l <= b.r && b.l <= a.r && a.t <= b.b && b.t <= a.b;
}

// Does the box touch the ellipse inscribed in e? The nearest point of the
// box to the centre decides, since scaling the axes to a circle keeps the
// box a box.
bool BoxMeetsEllipse(const Box& box, const Box& e)
{
    const double cx = (e.l + e.r) / 2.0, cy = (e.t + e.b) / 2.0;
    const double rx = (e.r - e.l) / 2.0, ry = (e.b - e.t) / 2.0;
    if (rx <= 0 || ry <= 0) return BoxesMeet(box, e);
    const double px = std::clamp(cx, box.l, box.r), py = std::clamp(cy, box.t, box.b);
    const double dx = (px - cx) / rx, dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0 + 1e-9;
}

bool SegmentsCross(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy)
{
    auto orient = [](double px, double py, double qx, double qy, double rx, double ry) {
        double v = (qx - px) * (ry - py) - (qy - py) * (rx - px);
        return (v > 0) - (v < 0);
    };
    auto onSegment = [](double px, double py, double qx, double qy, double rx, double ry) {
        return std::min(px, qx) <= rx && rx <= std::max(px, qx) && std::min(py, qy) <= ry && ry <= std::max(py, qy);
    };
    int o1 = orient(ax, ay, bx, by, cx, cy), o2 = orient(ax, ay, bx, by, dx, dy);
    int o3 = orient(cx, cy, dx, dy, ax, ay), o4 = orient(cx, cy, dx, dy, bx, by);
    if (o1 != o2 && o3 != o4) return true;
    if (o1 == 0 && onSegment(ax, ay, bx, by, cx, cy)) return true;
    if (o2 == 0 && onSegment(ax, ay, bx, by, dx, dy)) return true;
    if (o3 == 0 && onSegment(cx, cy, dx, dy, ax, ay)) return true;
    if (o4 == 0 && onSegment(cx, cy, dx, dy, bx, by)) return true;
    return false;
}

bool SegmentMeetsBox(double ax, double ay, double bx, double by, const Box& box)
{
    if (ax >= box.l && ax <= box.r && ay >= box.t && ay <= box.b) return true;
    if (bx >= box.l && bx <= box.r && by >= box.t && by <= box.b) return true;
    return SegmentsCross(ax, ay, bx, by, box.l, box.t, box.r, box.t) ||
           SegmentsCross(ax, ay, bx, by, box.r, box.t, box.r, box.b) ||
           SegmentsCross(ax, ay, bx, by, box.r, box.b, box.l, box.b) ||
           SegmentsCross(ax, ay, bx, by, box.l, box.b, box.l, box.t);
}

// Point in polygon by the fill rule: alternate counts crossings, winding
// sums their directions.
bool PointInPolygon(const std::vector<CPoint>& pts, double x, double y, int fillMode)
{
    int crossings = 0, winding = 0;
    const std::size_t n = pts.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = pts[i].x, yi = pts[i].y, xj = pts[j].x, yj = pts[j].y;
        if ((yi > y) != (yj > y)) {
            const double xc = xj + (y - yj) * (xi - xj) / (yi - yj);
            if (x < xc) {
                ++crossings;
                winding += yi > yj ? 1 : -1;
            }
        }
    }
    return fillMode == WINDING ? winding != 0 : (crossings & 1) != 0;
}

}  // namespace

bool CRgn::CreateRectRgn(int l, int t, int r, int b)
{
    m_shape = Shape::Rect;
    m_rect = CRect(l, t, r, b).Normalized();
    m_points.clear();
    return true;
}

bool CRgn::CreateRoundRectRgn(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight)
{
    m_shape = Shape::RoundRect;
    m_rect = CRect(l, t, r, b).Normalized();
    // The corner ellipse cannot be larger than the rectangle itself.
    m_corner = CSize(std::min(std::abs(ellipseWidth), m_rect.Width()), std::min(std::abs(ellipseHeight), m_rect.Height()));
    m_points.clear();
    return true;
}

bool CRgn::CreateEllipticRgnIndirect(const CRect& rect)
{
    m_shape = Shape::Ellipse;
    m_rect = rect.Normalized();
    m_points.clear();
    return true;
}

bool CRgn::CreatePolygonRgn(const CPoint* points, int count, int fillMode)
{
    if (!points || count < 2) {
        m_shape = Shape::None;
        m_points.clear();
        return false;
    }
    m_shape = Shape::Polygon;
    m_points.assign(points, points + count);
    m_nFillMode = fillMode == WINDING ? WINDING : ALTERNATE;
    return true;
}

bool CRgn::PtInRegion(CPoint p) const
{
    return RectInRegion(CRect(p.x, p.y, p.x + 1, p.y + 1));
}

bool CRgn::RectInRegion(const CRect& rect) const
{
    Box box;
    if (!ToBox(rect, &box)) return false;
    switch (m_shape) {
    case Shape::None:
        return false;
    case Shape::Rect: {
        Box self;
        return ToBox(m_rect, &self) && BoxesMeet(box, self);
    }
    case Shape::Ellipse: {
        Box self;
        return ToBox(m_rect, &self) && BoxMeetsEllipse(box, self);
    }
    case Shape::RoundRect: {
        Box self;
        if (!ToBox(m_rect, &self)) return false;
        const double cw = m_corner.cx, ch = m_corner.cy;
        if (cw < 1 || ch < 1) return BoxesMeet(box, self);
        // The shape is a cross of two boxes plus the four corner ellipses.
        const double hw = cw / 2.0, hh = ch / 2.0;
        if (BoxesMeet(box, Box{self.l + hw, self.t, self.r - hw, self.b})) return true;
        if (BoxesMeet(box, Box{self.l, self.t + hh, self.r, self.b - hh})) return true;
        const Box corners[4] = {
            {self.l, self.t, self.l + cw, self.t + ch},
            {self.r - cw, self.t, self.r, self.t + ch},
            {self.l, self.b - ch, self.l + cw, self.b},
            {self.r - cw, self.b - ch, self.r, self.b},
        };
        for (const Box& c : corners)
            if (BoxMeetsEllipse(box, c)) return true;
        return false;
    }
    case Shape::Polygon: {
        const std::size_t n = m_points.size();
        // An edge that passes through the box means some of the inside is
        // there too; otherwise the box is wholly inside or wholly outside.
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            if (SegmentMeetsBox(m_points[j].x, m_points[j].y, m_points[i].x, m_points[i].y, box)) return true;
        }
        return PointInPolygon(m_points, (box.l + box.r) / 2.0, (box.t + box.b) / 2.0, m_nFillMode);
    }
    }
    return false;
}
