#pragma once

// Helpers shared by the surface tests: an application object for fonts, a
// white canvas and colour checks.

#include "platform/QtDC.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace surfacetest {

inline void EnsureApp()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "test_platform";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
}

inline QImage WhiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline COLORREF At(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Counts the pixels of one colour in a rectangle of the image.
inline int CountColor(const QImage& image, const QRect& area, COLORREF color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && At(image, x, y) == color) ++n;
    return n;
}

// True when the pixel is clearly darker than white, as text strokes are.
inline bool IsInk(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return qGray(p) < 160;
}

// The bounding box of the non-white pixels.
inline QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image, x, y)) box = box.united(QRect(x, y, 1, 1));
    return box;
}

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApp(); }
};

}  // namespace surfacetest
