// Paints Mondrel's icon as PNG pictures of the usual theme sizes, for
// desktops that do not draw the scalable one: make-icons FOLDER writes
// FOLDER/mondrel-N.png. The drawing follows resources/mondrel.svg, on its
// 128 by 128 grid.

#include <QtCore/QString>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <cstdio>

namespace {

void Paint(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 46));
    p.drawRoundedRect(QRectF(18, 14, 96, 108), 6, 6);
    QLinearGradient paper(0, 10, 0, 118);
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(0xe8, 0xec, 0xf0));
    p.setBrush(paper);
    p.setPen(QPen(QColor(0x8a, 0x96, 0xa3), 2));
    p.drawRoundedRect(QRectF(14, 10, 96, 108), 6, 6);
    p.setPen(Qt::NoPen);

    QLinearGradient sky(0, 20, 0, 64);
    sky.setColorAt(0, QColor(0x2f, 0x6f, 0xb5));
    sky.setColorAt(1, QColor(0x9f, 0xd3, 0xf2));
    p.fillRect(QRectF(22, 20, 80, 44), sky);
    p.setBrush(QColor(0xff, 0xd3, 0x5c));
    p.drawEllipse(QPointF(86, 32), 7, 7);
    QPainterPath far;
    far.moveTo(22, 64);
    for (QPointF pt : {QPointF(22, 52), QPointF(40, 38), QPointF(54, 50), QPointF(68, 40), QPointF(102, 58), QPointF(102, 64)})
        far.lineTo(pt);
    p.fillPath(far, QColor(0x3f, 0x8f, 0x4f));
    QPainterPath near;
    near.moveTo(22, 64);
    for (QPointF pt : {QPointF(22, 58), QPointF(46, 50), QPointF(70, 58), QPointF(102, 54), QPointF(102, 64)})
        near.lineTo(pt);
    p.fillPath(near, QColor(0x2d, 0x6e, 0x3a));
    p.fillRect(QRectF(22, 70, 80, 9), QColor(0xc8, 0x32, 0x2f));

    // Three weeks of days, Sundays in red.
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 7; ++col) {
            if (row == 2 && col > 3) continue;
            p.fillRect(QRectF(24 + col * 11.5, 84 + row * 10, 8, 6),
                       col == 0 ? QColor(0xc8, 0x32, 0x2f) : QColor(0x4d, 0x56, 0x61));
        }
    }
    p.setBrush(QColor(0x5b, 0x63, 0x6d));
    for (int x : {32, 56, 86}) p.drawRoundedRect(QRectF(x, 4, 6, 14), 3, 3);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icons FOLDER\n");
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 128.0, size / 128.0);
        Paint(p);
        p.end();
        const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/mondrel-%1.png").arg(size);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
