#include "app/Artwork.h"
#include "MondrelVersion.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QBuffer>
#include <QtCore/QtMath>
#include <QtGui/QIconEngine>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPixmapCache>
#include <QtGui/QRadialGradient>

#include <functional>
#include <map>

namespace {

// One small palette keeps every picture of the program in the same flat style.
const QColor kInk(0x34, 0x49, 0x5e);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperShade(0xdd, 0xe4, 0xee);
const QColor kBlue(0x2d, 0x7d, 0xd2);
const QColor kBlueDark(0x1f, 0x5f, 0xa8);
const QColor kBlueLight(0xcf, 0xe3, 0xfa);
const QColor kOrange(0xe8, 0x9f, 0x35);
const QColor kYellow(0xf7, 0xc9, 0x48);
const QColor kGreen(0x3b, 0xaa, 0x5c);
const QColor kRed(0xe0, 0x53, 0x4a);
const QColor kGrey(0x8e, 0x9a, 0xa6);
const QColor kGreyLight(0xd5, 0xdb, 0xe2);

QPen Pen(const QColor& color, qreal width = 1.5)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet of paper with its top-right corner folded.
void Page(QPainter& p, const QRectF& r, qreal fold = 5, const QBrush& fill = kPaper)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Pen(kInk));
    p.setBrush(fill);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(kPaperShade);
    p.drawPath(corner);
}

void TextLines(QPainter& p, qreal x1, qreal x2, qreal y, int count, qreal step = 3)
{
    p.setPen(Pen(kGrey, 1.2));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(x1, y + i * step), QPointF(i == count - 1 ? (x1 + x2) / 2 : x2, y + i * step));
}

// A round badge with a white plus or minus, for "new" and the zoom lenses.
void Badge(QPainter& p, QPointF centre, qreal radius, const QColor& color, bool plus)
{
    p.setPen(QPen(kPaper, 1.2));
    p.setBrush(color);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Pen(kPaper, 1.6));
    const qreal a = radius * 0.5;
    p.drawLine(QPointF(centre.x() - a, centre.y()), QPointF(centre.x() + a, centre.y()));
    if (plus) p.drawLine(QPointF(centre.x(), centre.y() - a), QPointF(centre.x(), centre.y() + a));
}

// A straight arrow with a filled head at its end.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, qreal width = 1.8, qreal head = 3.5)
{
    const QLineF line(from, to);
    const qreal angle = qDegreesToRadians(line.angle());
    const QPointF dir(std::cos(angle), -std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = to - dir * head;
    p.setPen(Pen(color, width));
    p.drawLine(from, base + dir * 0.5);
    QPolygonF tip;
    tip << to << base + normal * (head * 0.75) << base - normal * (head * 0.75);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(tip);
}

void DoubleArrow(QPainter& p, QPointF a, QPointF b, const QColor& color)
{
    const QPointF mid = (a + b) / 2;
    Arrow(p, mid, a, color, 1.4, 3);
    Arrow(p, mid, b, color, 1.4, 3);
}

// A small landscape (sky, sun, two hills) inside a rectangle.
void Landscape(QPainter& p, const QRectF& r)
{
    p.save();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x8e, 0xc5, 0xf5));
    sky.setColorAt(1, QColor(0xe3, 0xf1, 0xfd));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(r);
    p.setClipRect(r);
    p.setBrush(kYellow);
    const qreal s = r.height();
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + s * 0.3), s * 0.16, s * 0.16);
    QPainterPath far;
    far.moveTo(r.left(), r.bottom());
    far.lineTo(r.left(), r.top() + s * 0.7);
    far.lineTo(r.left() + r.width() * 0.35, r.top() + s * 0.35);
    far.lineTo(r.left() + r.width() * 0.7, r.top() + s * 0.8);
    far.lineTo(r.left() + r.width(), r.top() + s * 0.55);
    far.lineTo(r.right(), r.bottom());
    far.closeSubpath();
    p.setBrush(QColor(0x5c, 0xb8, 0x75));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(r.left(), r.bottom());
    near.quadTo(r.left() + r.width() * 0.55, r.top() + s * 0.55, r.right(), r.bottom());
    near.closeSubpath();
    p.setBrush(kGreen);
    p.drawPath(near);
    p.restore();
}

// A calendar sheet: a coloured header with two rings and a grid of days.
void CalendarSheet(QPainter& p, const QRectF& r, const QColor& header, int rows, int cols, bool photo)
{
    const qreal unit = r.width() / 17.0;
    p.setPen(Pen(kInk, 1.5 * unit));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5 * unit, 1.5 * unit);
    QPainterPath band;
    band.addRoundedRect(r, 1.5 * unit, 1.5 * unit);
    QPainterPath top;
    top.addRect(QRectF(r.left(), r.top(), r.width(), 4.5 * unit));
    p.setPen(Qt::NoPen);
    p.setBrush(header);
    p.drawPath(band.intersected(top));
    p.setPen(Pen(kInk, 1.5 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 1.5 * unit, 1.5 * unit);
    p.setPen(Pen(kInk, 1.6 * unit));
    p.drawLine(QPointF(r.left() + r.width() * 0.28, r.top() - 2 * unit), QPointF(r.left() + r.width() * 0.28, r.top() + 1.8 * unit));
    p.drawLine(QPointF(r.left() + r.width() * 0.72, r.top() - 2 * unit), QPointF(r.left() + r.width() * 0.72, r.top() + 1.8 * unit));
    qreal gridTop = r.top() + 6.5 * unit;
    if (photo) {
        const QRectF pic(r.left() + 2 * unit, gridTop, r.width() - 4 * unit, r.height() * 0.33);
        Landscape(p, pic);
        gridTop = pic.bottom() + 1.5 * unit;
    }
    const qreal gx = r.left() + 2 * unit, gw = r.width() - 4 * unit;
    const qreal gh = r.bottom() - 1.8 * unit - gridTop;
    const qreal cw = gw / cols, ch = gh / rows;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const bool today = row == rows / 2 && col == cols - 2;
            p.setBrush(today ? kBlue : kGreyLight);
            p.drawRect(QRectF(gx + col * cw + cw * 0.12, gridTop + row * ch + ch * 0.12, cw * 0.76, ch * 0.76));
        }
    }
}

void Magnifier(QPainter& p)
{
    p.setPen(Pen(kInk, 3));
    p.drawLine(QPointF(15, 15), QPointF(20.5, 20.5));
    p.setPen(Pen(kInk, 1.8));
    p.setBrush(QColor(0xee, 0xf6, 0xff));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
}

void CurvedArrow(QPainter& p)
{
    QPainterPath path;
    path.moveTo(19, 19);
    path.cubicTo(20.5, 12, 16, 7.5, 9, 8.5);
    p.setPen(Pen(kBlue, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPolygonF head;
    head << QPointF(3, 9) << QPointF(9.5, 4) << QPointF(10, 13.5);
    p.setPen(Pen(kBlue, 1));
    p.setBrush(kBlue);
    p.drawPolygon(head);
}

void Bar(QPainter& p, const QRectF& r, bool strong = true)
{
    p.setPen(Pen(strong ? kBlueDark : kBlue, 1.2));
    p.setBrush(strong ? kBlue : kBlueLight);
    p.drawRect(r);
}

void Guide(QPainter& p, QPointF a, QPointF b, bool dashed = false)
{
    QPen pen = Pen(kInk, 1.5);
    if (dashed) pen.setDashPattern({2, 1.5});
    p.setPen(pen);
    p.drawLine(a, b);
}

// Two overlapping squares with the one being moved in blue; the arrow at
// the right tells which way it goes, and a bar at its point means all the way.
void Stack(QPainter& p, bool blueInFront, bool up, bool allTheWay)
{
    const QRectF lower(1.5, 8.5, 11, 11), upper(6.5, 3.5, 11, 11);
    auto square = [&](const QRectF& r, bool blue) {
        p.setPen(Pen(blue ? kBlueDark : kGrey, 1.3));
        p.setBrush(blue ? kBlue : kGreyLight);
        p.drawRect(r);
    };
    // The square drawn last lies in front.
    square(lower, !blueInFront);
    square(upper, blueInFront);
    const qreal x = 21;
    const QColor colour = up ? kGreen : kRed;
    const qreal from = up ? 21.5 : 2.5, to = up ? (allTheWay ? 6 : 3.5) : (allTheWay ? 18 : 20.5);
    Arrow(p, QPointF(x, from), QPointF(x, to), colour, 1.8, 3.4);
    if (allTheWay) {
        p.setPen(Pen(colour, 1.8));
        const qreal bar = up ? 3 : 21;
        p.drawLine(QPointF(x - 2.6, bar), QPointF(x + 2.6, bar));
    }
}

using Painter = std::function<void(QPainter&, qreal pixels)>;

const std::map<QString, Painter>& Painters()
{
    static const std::map<QString, Painter> painters = {
        {"file_new", [](QPainter& p, qreal) {
             Page(p, QRectF(4.5, 2.5, 13, 18));
             TextLines(p, 7.5, 14, 9.5, 2);
             Badge(p, QPointF(17, 17.5), 5, kGreen, true);
         }},
        {"file_open", [](QPainter& p, qreal) {
             QPainterPath back;
             back.moveTo(2.5, 19.5);
             back.lineTo(2.5, 4.5);
             back.lineTo(8.5, 4.5);
             back.lineTo(10.5, 6.5);
             back.lineTo(18.5, 6.5);
             back.lineTo(18.5, 19.5);
             back.closeSubpath();
             p.setPen(Pen(kInk));
             p.setBrush(kOrange);
             p.drawPath(back);
             p.setBrush(kPaper);
             p.drawRect(QRectF(5.5, 8.5, 11, 6));
             QPolygonF front;
             front << QPointF(6, 10.5) << QPointF(22, 10.5) << QPointF(18.5, 19.5) << QPointF(2.5, 19.5);
             p.setBrush(kYellow);
             p.drawPolygon(front);
         }},
        {"file_save", [](QPainter& p, qreal) {
             p.setPen(Pen(kBlueDark));
             p.setBrush(kBlue);
             QPainterPath body;
             body.moveTo(3.5, 3.5);
             body.lineTo(17.5, 3.5);
             body.lineTo(20.5, 6.5);
             body.lineTo(20.5, 20.5);
             body.lineTo(3.5, 20.5);
             body.closeSubpath();
             p.drawPath(body);
             p.setBrush(kPaper);
             p.setPen(Pen(kBlueDark, 1.2));
             p.drawRect(QRectF(7, 3.5, 9, 5.5));
             p.setBrush(kBlueDark);
             p.setPen(Qt::NoPen);
             p.drawRect(QRectF(12.5, 4.5, 2, 3.5));
             p.setBrush(kPaper);
             p.setPen(Pen(kBlueDark, 1.2));
             p.drawRect(QRectF(6.5, 12.5, 11, 8));
             TextLines(p, 8.5, 15.5, 15, 2, 2.5);
         }},
        {"file_print", [](QPainter& p, qreal) {
             p.setPen(Pen(kInk));
             p.setBrush(kPaper);
             p.drawRect(QRectF(6.5, 2.5, 11, 7));
             p.setBrush(kGreyLight);
             p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(6.5, 14.5, 11, 7));
             TextLines(p, 8.5, 15.5, 17, 2, 2.5);
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawEllipse(QPointF(18.5, 11.5), 1.2, 1.2);
         }},
        {"print_preview", [](QPainter& p, qreal) {
             Page(p, QRectF(3.5, 2.5, 13, 18));
             TextLines(p, 6, 13, 6.5, 2);
             p.setPen(Pen(kInk, 2.6));
             p.drawLine(QPointF(16.5, 16.5), QPointF(21, 21));
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(QColor(0xee, 0xf6, 0xff));
             p.drawEllipse(QPointF(13.5, 13.5), 4.5, 4.5);
         }},
        {"edit_cut", [](QPainter& p, qreal) {
             p.setPen(Pen(kGrey, 2));
             p.drawLine(QPointF(9, 15), QPointF(16, 2.5));
             p.drawLine(QPointF(15, 15), QPointF(8, 2.5));
             p.setPen(Pen(kInk, 1));
             p.setBrush(kInk);
             p.drawEllipse(QPointF(12, 11.5), 0.9, 0.9);
             p.setPen(Pen(kRed, 2));
             p.setBrush(kPaper);
             p.drawEllipse(QPointF(7, 18), 3, 3);
             p.drawEllipse(QPointF(17, 18), 3, 3);
         }},
        {"edit_copy", [](QPainter& p, qreal) {
             Page(p, QRectF(3.5, 2.5, 11, 14), 4);
             Page(p, QRectF(9.5, 7.5, 11, 14), 4);
             TextLines(p, 12, 18, 12.5, 3);
         }},
        {"edit_paste", [](QPainter& p, qreal) {
             p.setPen(Pen(kInk));
             p.setBrush(QColor(0xc8, 0x8c, 0x4e));
             p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
             p.setBrush(kGreyLight);
             p.drawRoundedRect(QRectF(7, 2.5, 7, 4), 1, 1);
             Page(p, QRectF(9.5, 9.5, 11, 12.5), 3.5);
             TextLines(p, 12, 18, 14, 3, 2.5);
         }},
        {"edit_undo", [](QPainter& p, qreal) { CurvedArrow(p); }},
        {"edit_redo", [](QPainter& p, qreal) {
             p.translate(24, 0);
             p.scale(-1, 1);
             CurvedArrow(p);
         }},
        {"edit_delete", [](QPainter& p, qreal) {
             p.setPen(Pen(kInk));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF() << QPointF(9, 5.5) << QPointF(9.5, 3) << QPointF(14.5, 3) << QPointF(15, 5.5));
             p.setBrush(kRed);
             QPolygonF body;
             body << QPointF(6, 7.5) << QPointF(18, 7.5) << QPointF(16.8, 21) << QPointF(7.2, 21);
             p.drawPolygon(body);
             p.drawLine(QPointF(3.5, 6), QPointF(20.5, 6));
             p.setPen(Pen(kPaper, 1.3));
             for (qreal x : {9.5, 12.0, 14.5}) p.drawLine(QPointF(x, 10.5), QPointF(x, 18));
         }},
        {"tool_select", [](QPainter& p, qreal) {
             QPolygonF arrow;
             arrow << QPointF(6, 2.5) << QPointF(6, 19) << QPointF(10, 15.2) << QPointF(13, 21.5)
                   << QPointF(15.6, 20.3) << QPointF(12.7, 14.2) << QPointF(18, 14);
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(kPaper);
             p.drawPolygon(arrow);
         }},
        {"tool_line", [](QPainter& p, qreal) {
             p.setPen(Pen(kBlue, 2));
             p.drawLine(QPointF(4.5, 19.5), QPointF(19.5, 4.5));
             p.setPen(Pen(kInk, 1));
             p.setBrush(kPaper);
             p.drawRect(QRectF(2.5, 17.5, 4, 4));
             p.drawRect(QRectF(17.5, 2.5, 4, 4));
         }},
        {"tool_rect", [](QPainter& p, qreal) {
             p.setPen(Pen(kBlueDark, 1.6));
             p.setBrush(kBlueLight);
             p.drawRect(QRectF(3.5, 5.5, 17, 13));
         }},
        {"tool_roundrect", [](QPainter& p, qreal) {
             p.setPen(Pen(kBlueDark, 1.6));
             p.setBrush(kBlueLight);
             p.drawRoundedRect(QRectF(3.5, 5.5, 17, 13), 4, 4);
         }},
        {"tool_ellipse", [](QPainter& p, qreal) {
             p.setPen(Pen(kBlueDark, 1.6));
             p.setBrush(kBlueLight);
             p.drawEllipse(QRectF(2.5, 5, 19, 14));
         }},
        {"tool_polygon", [](QPainter& p, qreal) {
             QPolygonF poly;
             poly << QPointF(4, 18) << QPointF(6.5, 5) << QPointF(15, 3.5) << QPointF(20.5, 11.5) << QPointF(13.5, 20.5);
             p.setPen(Pen(kBlueDark, 1.6));
             p.setBrush(kBlueLight);
             p.drawPolygon(poly);
             p.setPen(Pen(kInk, 1));
             p.setBrush(kPaper);
             for (const QPointF& pt : poly) p.drawRect(QRectF(pt.x() - 1.5, pt.y() - 1.5, 3, 3));
         }},
        {"tool_text", [](QPainter& p, qreal) {
             p.setPen(Pen(kInk, 2.6));
             p.drawLine(QPointF(4, 20), QPointF(10.5, 3.5));
             p.drawLine(QPointF(10.5, 3.5), QPointF(17, 20));
             p.drawLine(QPointF(6.8, 13.5), QPointF(14.2, 13.5));
             p.setPen(Pen(kBlue, 1.6));
             p.drawLine(QPointF(20.5, 5), QPointF(20.5, 20));
             p.drawLine(QPointF(18.8, 4), QPointF(22.2, 4));
             p.drawLine(QPointF(18.8, 21), QPointF(22.2, 21));
         }},
        {"tool_calendar", [](QPainter& p, qreal) { CalendarSheet(p, QRectF(3.5, 4.5, 17, 16.5), kRed, 3, 4, false); }},
        {"tool_image", [](QPainter& p, qreal) {
             const QRectF r(2.5, 4.5, 19, 15);
             Landscape(p, r);
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(Qt::NoBrush);
             p.drawRect(r);
         }},
        {"tool_frame", [](QPainter& p, qreal) {
             QPainterPath band;
             band.addRect(QRectF(2.5, 2.5, 19, 19));
             QPainterPath hole;
             hole.addRect(QRectF(7.5, 7.5, 9, 9));
             band = band.subtracted(hole);
             p.setPen(Qt::NoPen);
             p.setBrush(kOrange);
             p.drawPath(band);
             p.save();
             p.setClipPath(band);
             p.setPen(Pen(QColor(0xf6, 0xc7, 0x7c), 1.2));
             for (qreal d = -24; d < 24; d += 3.5) p.drawLine(QPointF(d, 0), QPointF(d + 24, 24));
             p.restore();
             p.setPen(Pen(kInk, 1.4));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(2.5, 2.5, 19, 19));
             p.setBrush(kPaper);
             p.drawRect(QRectF(7.5, 7.5, 9, 9));
         }},
        {"tool_polyline", [](QPainter& p, qreal) {
             QPainterPath path;
             path.moveTo(3, 18);
             path.cubicTo(6, 4, 10, 22, 13.5, 12);
             path.cubicTo(16, 5, 19, 8, 21, 5);
             p.setPen(Pen(kBlue, 2.2));
             p.setBrush(Qt::NoBrush);
             p.drawPath(path);
             p.setPen(Pen(kInk, 1));
             p.setBrush(kPaper);
             p.drawEllipse(QPointF(3, 18), 1.7, 1.7);
             p.drawEllipse(QPointF(21, 5), 1.7, 1.7);
         }},
        {"align_left", [](QPainter& p, qreal) {
             Bar(p, QRectF(6.5, 5.5, 14, 5));
             Bar(p, QRectF(6.5, 13.5, 8, 5), false);
             Guide(p, QPointF(4, 2.5), QPointF(4, 21.5));
         }},
        {"align_right", [](QPainter& p, qreal) {
             Bar(p, QRectF(3.5, 5.5, 14, 5));
             Bar(p, QRectF(9.5, 13.5, 8, 5), false);
             Guide(p, QPointF(20, 2.5), QPointF(20, 21.5));
         }},
        {"align_top", [](QPainter& p, qreal) {
             Bar(p, QRectF(5.5, 6.5, 5, 14));
             Bar(p, QRectF(13.5, 6.5, 5, 8), false);
             Guide(p, QPointF(2.5, 4), QPointF(21.5, 4));
         }},
        {"align_bottom", [](QPainter& p, qreal) {
             Bar(p, QRectF(5.5, 3.5, 5, 14));
             Bar(p, QRectF(13.5, 9.5, 5, 8), false);
             Guide(p, QPointF(2.5, 20), QPointF(21.5, 20));
         }},
        {"align_center", [](QPainter& p, qreal) {
             Bar(p, QRectF(5.5, 3.5, 5, 17));
             Bar(p, QRectF(13.5, 7.5, 5, 9), false);
             Guide(p, QPointF(2, 12), QPointF(22, 12), true);
         }},
        {"align_vcenter", [](QPainter& p, qreal) {
             Bar(p, QRectF(3.5, 5.5, 17, 5));
             Bar(p, QRectF(7.5, 13.5, 9, 5), false);
             Guide(p, QPointF(12, 2), QPointF(12, 22), true);
         }},
        {"same_width", [](QPainter& p, qreal) {
             Bar(p, QRectF(4.5, 3.5, 15, 5));
             Bar(p, QRectF(4.5, 15.5, 15, 5), false);
             DoubleArrow(p, QPointF(3, 12), QPointF(21, 12), kInk);
         }},
        {"same_height", [](QPainter& p, qreal) {
             Bar(p, QRectF(3.5, 4.5, 5, 15));
             Bar(p, QRectF(15.5, 4.5, 5, 15), false);
             DoubleArrow(p, QPointF(12, 3), QPointF(12, 21), kInk);
         }},
        {"same_size", [](QPainter& p, qreal) {
             Bar(p, QRectF(2.5, 2.5, 9, 9));
             Bar(p, QRectF(12.5, 12.5, 9, 9), false);
             DoubleArrow(p, QPointF(14, 4), QPointF(20, 10), kInk);
             DoubleArrow(p, QPointF(4, 14), QPointF(10, 20), kInk);
         }},
        {"space_across", [](QPainter& p, qreal) {
             for (qreal x : {2.5, 10.0, 17.5}) Bar(p, QRectF(x, 4.5, 4, 11), x == 2.5);
             p.setPen(Pen(kInk, 1.2));
             for (qreal x : {6.5, 10.0, 14.0, 17.5}) p.drawLine(QPointF(x, 17.5), QPointF(x, 21.5));
             p.drawLine(QPointF(6.5, 19.5), QPointF(10, 19.5));
             p.drawLine(QPointF(14, 19.5), QPointF(17.5, 19.5));
         }},
        {"space_down", [](QPainter& p, qreal) {
             for (qreal y : {2.5, 10.0, 17.5}) Bar(p, QRectF(4.5, y, 11, 4), y == 2.5);
             p.setPen(Pen(kInk, 1.2));
             for (qreal y : {6.5, 10.0, 14.0, 17.5}) p.drawLine(QPointF(17.5, y), QPointF(21.5, y));
             p.drawLine(QPointF(19.5, 6.5), QPointF(19.5, 10));
             p.drawLine(QPointF(19.5, 14), QPointF(19.5, 17.5));
         }},
        {"move_front", [](QPainter& p, qreal) { Stack(p, true, true, true); }},
        {"move_back", [](QPainter& p, qreal) { Stack(p, false, false, true); }},
        {"move_forward", [](QPainter& p, qreal) { Stack(p, true, true, false); }},
        {"move_backward", [](QPainter& p, qreal) { Stack(p, false, false, false); }},
        {"properties", [](QPainter& p, qreal) {
             p.setPen(Pen(kInk, 1.6));
             for (qreal y : {5.5, 12.0, 18.5}) p.drawLine(QPointF(3.5, y), QPointF(20.5, y));
             p.setPen(QPen(kPaper, 1.2));
             p.setBrush(kBlue);
             p.drawEllipse(QPointF(8, 5.5), 2.8, 2.8);
             p.drawEllipse(QPointF(15.5, 12), 2.8, 2.8);
             p.drawEllipse(QPointF(10.5, 18.5), 2.8, 2.8);
         }},
        {"zoom_in", [](QPainter& p, qreal) {
             Magnifier(p);
             p.setPen(Pen(kBlue, 2));
             p.drawLine(QPointF(7, 10), QPointF(13, 10));
             p.drawLine(QPointF(10, 7), QPointF(10, 13));
         }},
        {"zoom_out", [](QPainter& p, qreal) {
             Magnifier(p);
             p.setPen(Pen(kBlue, 2));
             p.drawLine(QPointF(7, 10), QPointF(13, 10));
         }},
        {"zoom_fit", [](QPainter& p, qreal) {
             Magnifier(p);
             p.setPen(Pen(kBlue, 1.4));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF() << QPointF(6.5, 9) << QPointF(6.5, 6.5) << QPointF(9, 6.5));
             p.drawPolyline(QPolygonF() << QPointF(11, 6.5) << QPointF(13.5, 6.5) << QPointF(13.5, 9));
             p.drawPolyline(QPolygonF() << QPointF(13.5, 11) << QPointF(13.5, 13.5) << QPointF(11, 13.5));
             p.drawPolyline(QPolygonF() << QPointF(9, 13.5) << QPointF(6.5, 13.5) << QPointF(6.5, 11));
         }},
        {"export_picture", [](QPainter& p, qreal) {
             const QRectF r(2.5, 3.5, 15, 12);
             Landscape(p, r);
             p.setPen(Pen(kInk, 1.4));
             p.setBrush(Qt::NoBrush);
             p.drawRect(r);
             Arrow(p, QPointF(10, 19.5), QPointF(22, 19.5), kGreen, 2.2, 4);
         }},
        {"export_pdf", [](QPainter& p, qreal pixels) {
             Page(p, QRectF(3.5, 2.5, 14, 18));
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawRect(QRectF(3.5, 9, 14, 6.5));
             if (pixels >= 22) {
                 QFont font;
                 font.setFamily(QStringLiteral("DejaVu Sans"));
                 font.setBold(true);
                 font.setPixelSize(5);
                 p.setFont(font);
                 p.setPen(kPaper);
                 p.drawText(QRectF(3.5, 9, 14, 6.5), Qt::AlignCenter, QStringLiteral("PDF"));
             } else {
                 p.setPen(Pen(kPaper, 1.2));
                 p.drawLine(QPointF(6, 12.3), QPointF(15, 12.3));
             }
             Arrow(p, QPointF(13, 19.5), QPointF(22.5, 19.5), kGreen, 2.2, 4);
         }},
        {"background_color", [](QPainter& p, qreal) {
             QLinearGradient g(QPointF(3, 3), QPointF(21, 21));
             g.setColorAt(0, kPaper);
             g.setColorAt(1, QColor(0x77, 0xb6, 0xf2));
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(g);
             p.drawRect(QRectF(2.5, 2.5, 16, 19));
             QPainterPath drop;
             drop.moveTo(18, 9.5);
             drop.cubicTo(21, 14, 23, 16, 23, 18);
             drop.arcTo(QRectF(13, 13, 10, 10), 0, -180);
             drop.cubicTo(13, 16, 15, 14, 18, 9.5);
             p.setPen(Pen(kPaper, 1.2));
             p.setBrush(kRed);
             p.drawPath(drop);
         }},
        {"background_image", [](QPainter& p, qreal) {
             const QRectF r(3.5, 2.5, 17, 19);
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(kPaper);
             p.drawRect(r);
             Landscape(p, r.adjusted(2, 2, -2, -2));
             p.setBrush(Qt::NoBrush);
             p.setPen(Pen(kInk, 1.5));
             p.drawRect(r);
         }},
        {"help", [](QPainter& p, qreal) {
             p.setPen(Pen(kBlueDark, 1.2));
             p.setBrush(kBlue);
             p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
             QPainterPath mark;
             mark.moveTo(8.8, 9.3);
             mark.cubicTo(8.8, 5.8, 15.2, 5.8, 15.2, 9.3);
             mark.cubicTo(15.2, 11.8, 12, 11.8, 12, 14.3);
             p.setPen(Pen(kPaper, 2.4));
             p.setBrush(Qt::NoBrush);
             p.drawPath(mark);
             p.setPen(Qt::NoPen);
             p.setBrush(kPaper);
             p.drawEllipse(QPointF(12, 17.6), 1.5, 1.5);
         }},
        {"help_back", [](QPainter& p, qreal) { Arrow(p, QPointF(20, 12), QPointF(3.5, 12), kBlue, 2.6, 7); }},
        {"help_forward", [](QPainter& p, qreal) { Arrow(p, QPointF(4, 12), QPointF(20.5, 12), kBlue, 2.6, 7); }},
        {"help_home", [](QPainter& p, qreal) {
             QPolygonF roof;
             roof << QPointF(2.5, 12) << QPointF(12, 3) << QPointF(21.5, 12);
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(kPaper);
             p.drawRect(QRectF(5.5, 10.5, 13, 10));
             p.setBrush(kRed);
             p.drawPolygon(roof);
             p.setBrush(kBlue);
             p.drawRect(QRectF(10, 14.5, 4, 6));
         }},
    };
    return painters;
}

// Turns a picture into its disabled look: grey and faint.
QImage Disabled(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(row[x]) / 2 + 100;
            row[x] = qRgba(grey, grey, grey, qAlpha(row[x]) * 45 / 100);
        }
    }
    return image;
}

class CArtIconEngine : public QIconEngine {
public:
    explicit CArtIconEngine(QString id) : m_strId(std::move(id)) {}

    QIconEngine* clone() const override { return new CArtIconEngine(m_strId); }
    QString key() const override { return QStringLiteral("mondrel-art"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QString cacheKey = QStringLiteral("art:%1:%2x%3:%4").arg(m_strId).arg(size.width()).arg(size.height()).arg(int(mode));
        QPixmap cached;
        if (QPixmapCache::find(cacheKey, &cached)) return cached;
        const auto it = Painters().find(m_strId);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (it != Painters().end()) {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            const qreal side = std::min(size.width(), size.height());
            p.translate((size.width() - side) / 2, (size.height() - side) / 2);
            p.scale(side / 24.0, side / 24.0);
            it->second(p, side);
        }
        if (mode == QIcon::Disabled) image = Disabled(image);
        QPixmap result = QPixmap::fromImage(image);
        QPixmapCache::insert(cacheKey, result);
        return result;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

private:
    QString m_strId;
};

void DrawAppIcon(QPainter& p, qreal side)
{
    // Drawn on a 64-unit grid.
    p.scale(side / 64.0, side / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(7, 9, 52, 53), 7, 7);
    const QRectF page(5, 6, 52, 53);
    p.setBrush(kPaper);
    p.setPen(QPen(kInk, 2.5));
    p.drawRoundedRect(page, 7, 7);
    QPainterPath clip;
    clip.addRoundedRect(page, 7, 7);
    p.save();
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(page.left(), page.top(), page.width(), 12));
    Landscape(p, QRectF(page.left() + 6, page.top() + 17, page.width() - 12, 16));
    const qreal gx = page.left() + 6, gy = page.top() + 37, cw = (page.width() - 12) / 7.0, ch = 4.6;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 7; ++col) {
            p.setBrush(row == 1 && col == 4 ? kBlue : kGreyLight);
            p.drawRect(QRectF(gx + col * cw + 0.6, gy + row * ch + 0.6, cw - 1.2, ch - 1.2));
        }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2.5));
    p.drawRoundedRect(page, 7, 7);
    p.setPen(Pen(kInk, 4));
    p.drawLine(QPointF(20, 2), QPointF(20, 11));
    p.drawLine(QPointF(42, 2), QPointF(42, 11));
}

void DrawLightBulb(QPainter& p)
{
    // Drawn on a 48-unit grid.
    QRadialGradient glow(QPointF(24, 19), 22);
    glow.setColorAt(0, QColor(255, 230, 120, 150));
    glow.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(24, 19), 22, 22);
    p.setPen(Pen(QColor(0xf0, 0xa8, 0x20), 2.2));
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(180.0 + 30.0 * i);
        p.drawLine(QPointF(24 + 15.5 * std::cos(a), 19 + 15.5 * std::sin(a)),
                   QPointF(24 + 20.5 * std::cos(a), 19 + 20.5 * std::sin(a)));
    }
    QPainterPath bulb;
    bulb.moveTo(18.5, 31);
    bulb.cubicTo(18.5, 26, 13, 24, 13, 18);
    bulb.arcTo(QRectF(13, 7, 22, 22), 180, -180);
    bulb.cubicTo(35, 24, 29.5, 26, 29.5, 31);
    bulb.closeSubpath();
    QRadialGradient glass(QPointF(21, 14), 16);
    glass.setColorAt(0, QColor(0xff, 0xf7, 0xc2));
    glass.setColorAt(1, kYellow);
    p.setPen(Pen(QColor(0xb9, 0x82, 0x12), 1.6));
    p.setBrush(glass);
    p.drawPath(bulb);
    p.setPen(Pen(QColor(0xe0, 0x98, 0x10), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(21, 30) << QPointF(21, 22) << QPointF(24, 19.5) << QPointF(27, 22) << QPointF(27, 30));
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(18.5, 31, 11, 3.5), 1, 1);
    p.drawRoundedRect(QRectF(19, 34.5, 10, 3.5), 1, 1);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(21, 38, 6, 3), 1.5, 1.5);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16.5, 10.5, 11, 11), 100 * 16, 70 * 16);
}

}  // namespace

QIcon CommandIcon(const QString& id)
{
    if (Painters().find(id) == Painters().end()) return QIcon();
    return QIcon(new CArtIconEngine(id));
}

QStringList CommandIconIds()
{
    QStringList ids;
    for (const auto& [id, painter] : Painters()) ids << id;
    return ids;
}

QIcon AppIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        DrawAppIcon(p, side);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor PencilCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The pencil lies along the diagonal, its point at the lower left.
    p.translate(1.5, 30.5);
    p.rotate(-45);
    QPainterPath outline;
    outline.moveTo(0, 0);
    outline.lineTo(8, -3.6);
    outline.lineTo(36, -3.6);
    outline.lineTo(36, 3.6);
    outline.lineTo(8, 3.6);
    outline.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.setPen(Pen(kInk, 1.1));
    p.setBrush(kYellow);
    p.drawRect(QRectF(8, -3.6, 20, 7.2));
    p.setBrush(kGrey);
    p.drawRect(QRectF(28, -3.6, 3, 7.2));
    p.setBrush(QColor(0xf2, 0x8b, 0x9a));
    p.drawRect(QRectF(31, -3.6, 5, 7.2));
    QPolygonF wood;
    wood << QPointF(0, 0) << QPointF(8, -3.6) << QPointF(8, 3.6);
    p.setBrush(QColor(0xf3, 0xd6, 0xa4));
    p.drawPolygon(wood);
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(3, -1.35) << QPointF(3, 1.35);
    p.setBrush(kInk);
    p.drawPolygon(lead);
    p.setPen(Pen(QColor(0xd9, 0xa5, 0x20), 1));
    p.drawLine(QPointF(9, 0), QPointF(27.5, 0));
    p.end();
    return QCursor(QPixmap::fromImage(image), 1, 30);
}

QPixmap SplashPicture()
{
    const int w = 480, h = 300;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, w, h);
    sky.setColorAt(0, QColor(0x1b, 0x2f, 0x52));
    sky.setColorAt(1, QColor(0x2d, 0x7d, 0xd2));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    const struct { qreal x, y, r; int alpha; } circles[] = {{420, 40, 120, 22}, {60, 300, 150, 18}, {300, 330, 90, 14}};
    for (const auto& c : circles) {
        p.setBrush(QColor(255, 255, 255, c.alpha));
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
    }

    // A calendar page, slightly turned, on the right.
    p.save();
    p.translate(392, 152);
    p.rotate(6);
    p.scale(0.82, 0.82);
    const QRectF page(-78, -104, 156, 208);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(page.translated(5, 7), 8, 8);
    p.setBrush(kPaper);
    p.drawRoundedRect(page, 8, 8);
    QPainterPath clip;
    clip.addRoundedRect(page, 8, 8);
    p.setClipPath(clip);
    p.setBrush(kRed);
    p.drawRect(QRectF(page.left(), page.top(), page.width(), 26));
    Landscape(p, QRectF(page.left() + 12, page.top() + 36, page.width() - 24, 78));
    const qreal gx = page.left() + 12, gy = page.top() + 124, cw = (page.width() - 24) / 7.0, ch = 14;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 7; ++col) {
            const bool today = row == 2 && col == 4;
            p.setBrush(today ? kBlue : (col == 0 ? QColor(0xf7, 0xd4, 0xd1) : kGreyLight));
            p.drawRoundedRect(QRectF(gx + col * cw + 1.5, gy + row * ch + 1.5, cw - 3, ch - 3), 1.5, 1.5);
        }
    }
    p.setClipping(false);
    p.setPen(Pen(kInk, 4));
    p.drawLine(QPointF(-38, -114), QPointF(-38, -94));
    p.drawLine(QPointF(38, -114), QPointF(38, -94));
    p.restore();

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(48);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(QPointF(33, 141), QStringLiteral("Mondrel"));
    p.setPen(kPaper);
    p.drawText(QPointF(30, 138), QStringLiteral("Mondrel"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(0xcf, 0xe3, 0xfa));
    p.drawText(QPointF(32, 168), QCoreApplication::translate("Artwork", "Photo calendars, designed by you"));
    p.setPen(kYellow);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(32, 182), QPointF(112, 182));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 190));
    p.drawText(QPointF(32, 276), QCoreApplication::translate("Artwork", "Version %1").arg(QStringLiteral(MONDREL_VERSION)));
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap LightBulbPicture()
{
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawLightBulb(p);
    p.end();
    return QPixmap::fromImage(image);
}

QByteArray BackgroundJpeg()
{
    // Soft enough that the document windows stand out in front of it.
    const int w = 1024, h = 768;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, w * 0.4, h);
    base.setColorAt(0, QColor(0x4a, 0x6f, 0x9c));
    base.setColorAt(1, QColor(0x27, 0x3e, 0x5e));
    p.fillRect(image.rect(), base);
    p.setPen(Qt::NoPen);
    QRadialGradient light(QPointF(w * 0.78, h * 0.2), w * 0.6);
    light.setColorAt(0, QColor(255, 255, 255, 60));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(light);
    p.drawRect(image.rect());
    // Faint calendar sheets scattered over the area.
    const struct { qreal x, y, angle, scale; } sheets[] = {
        {180, 560, -12, 1.4}, {820, 600, 9, 1.1}, {560, 170, 4, 0.9}, {120, 150, 16, 0.7}, {900, 250, -8, 0.8}};
    for (const auto& s : sheets) {
        p.save();
        p.translate(s.x, s.y);
        p.rotate(s.angle);
        p.scale(s.scale, s.scale);
        const QRectF page(-90, -115, 180, 230);
        p.setPen(QPen(QColor(255, 255, 255, 55), 3));
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawRoundedRect(page, 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 38));
        p.drawRect(QRectF(page.left(), page.top(), page.width(), 34));
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 7; ++col)
                p.drawRoundedRect(QRectF(-78 + col * 22.5, -50 + row * 31, 17, 24), 2, 2);
        p.restore();
    }
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 88);
    return bytes;
}

QPixmap StatusPanePicture(int which)
{
    if (which != 113 && which != 114) return QPixmap();
    QImage image(24, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // 113 is the quiet picture, 114 the lit one.
    const bool lit = which == 114;
    p.setPen(Pen(lit ? kInk : kGrey, 1));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(6.5, 2.5, 11, 12), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? kRed : kGreyLight);
    p.drawRect(QRectF(7, 3, 10, 3));
    p.setBrush(lit ? kBlue : kGreyLight);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) p.drawRect(QRectF(8 + col * 3, 8 + row * 3, 2, 2));
    p.end();
    return QPixmap::fromImage(image);
}
