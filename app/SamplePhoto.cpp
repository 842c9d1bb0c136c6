#include "app/SamplePhoto.h"

#include "platform/PageExport.h"
#include "text3d/DibSection.h"

#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QRadialGradient>

#include <cmath>

namespace {

// A ridge line across the picture: a few sine waves over a base height.
QPainterPath Ridge(int width, int height, double base, double amplitude, double phase, double frequency)
{
    QPainterPath path;
    path.moveTo(0, height);
    for (int x = 0; x <= width; x += 4) {
        double t = static_cast<double>(x) / width;
        double y = base - amplitude * (0.6 * std::sin(frequency * t * 6.283 + phase) +
                                       0.3 * std::sin(2.7 * frequency * t * 6.283 + 1.7 * phase) +
                                       0.1 * std::sin(7.1 * frequency * t * 6.283 + 0.3));
        path.lineTo(x, y);
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

}  // namespace

bool MakeSamplePhoto(const std::string& path, std::string* error, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = height * 0.62;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(38, 84, 160));
    sky.setColorAt(0.55, QColor(120, 170, 220));
    sky.setColorAt(1.0, QColor(250, 214, 160));
    p.fillRect(QRectF(0, 0, width, horizon + 2), sky);

    const QPointF sun(width * 0.70, height * 0.34);
    const double sunRadius = height * 0.07;
    QRadialGradient glow(sun, sunRadius * 4.5);
    glow.setColorAt(0.0, QColor(255, 246, 200, 220));
    glow.setColorAt(0.25, QColor(255, 226, 150, 120));
    glow.setColorAt(1.0, QColor(255, 210, 140, 0));
    p.fillRect(QRectF(0, 0, width, horizon), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 249, 222));
    p.drawEllipse(sun, sunRadius, sunRadius);

    // Thin clouds.
    p.setBrush(QColor(255, 255, 255, 70));
    for (int i = 0; i < 5; ++i) {
        double cx = width * (0.12 + 0.19 * i);
        double cy = height * (0.12 + 0.05 * ((i * 3) % 4));
        p.drawEllipse(QPointF(cx, cy), width * 0.09, height * 0.018);
        p.drawEllipse(QPointF(cx + width * 0.04, cy - height * 0.012), width * 0.05, height * 0.016);
    }

    // The lake below the horizon reflects the sky.
    QLinearGradient lake(0, horizon, 0, height);
    lake.setColorAt(0.0, QColor(200, 190, 170));
    lake.setColorAt(1.0, QColor(40, 80, 130));
    p.fillRect(QRectF(0, horizon, width, height - horizon), lake);
    p.setBrush(QColor(255, 240, 200, 90));
    p.drawEllipse(QPointF(sun.x(), horizon + height * 0.06), sunRadius * 0.9, height * 0.012);
    p.drawEllipse(QPointF(sun.x(), horizon + height * 0.10), sunRadius * 0.6, height * 0.008);

    // Hills from far (pale) to near (dark).
    struct Hill { double base, amplitude, phase, frequency; QColor color; };
    const Hill hills[] = {
        {horizon - height * 0.10, height * 0.08, 0.4, 1.3, QColor(120, 150, 170)},
        {horizon - height * 0.03, height * 0.07, 2.1, 1.8, QColor(80, 125, 110)},
        {horizon + height * 0.02, height * 0.04, 4.0, 2.4, QColor(55, 105, 70)},
    };
    for (const Hill& h : hills) {
        QPainterPath ridge = Ridge(width, static_cast<int>(horizon + height * 0.03), h.base, h.amplitude, h.phase,
                                   h.frequency);
        p.setBrush(h.color);
        p.drawPath(ridge);
    }
    // A near meadow in the lower left corner.
    QPainterPath meadow;
    meadow.moveTo(0, height);
    meadow.lineTo(0, height * 0.80);
    meadow.cubicTo(width * 0.18, height * 0.74, width * 0.32, height * 0.86, width * 0.46, height);
    meadow.closeSubpath();
    QLinearGradient grass(0, height * 0.75, 0, height);
    grass.setColorAt(0.0, QColor(96, 150, 60));
    grass.setColorAt(1.0, QColor(40, 90, 30));
    p.setBrush(grass);
    p.drawPath(meadow);
    p.end();

    // The file is written by our own JPEG writer, as exported pages are.
    CDibSection dib(true);
    if (!ImageToDib(image, &dib)) {
        if (error) *error = "Out of memory for the sample photo";
        return false;
    }
    std::string why;
    if (!dib.WriteJpeg(95, path, &why)) {
        if (error) *error = why.empty() ? "Cannot write " + path : why;
        return false;
    }
    return true;
}
