// A large picture reaches a picture surface in bands of rows; a printer or
// PDF gets it whole. Both must give the same pixels, at every band border,
// stretched or reduced, opaque or with alpha, clipped or mirrored.

#include "objects/DC.h"
#include "platform/QtDC.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A 32-bit top-down picture with detail in every row and column, its
// fourth byte an alpha ramp.
struct CTestPicture {
    int width, height;
    std::vector<std::uint32_t> pixels;
    BITMAPINFO info{};

    CTestPicture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const unsigned hash = static_cast<unsigned>(x * 2654435761u ^ y * 40503u);
                pixels[static_cast<std::size_t>(y) * w + x] =
                    (static_cast<std::uint32_t>((x + y) & 0xFF) << 24) | ((x * 3) & 0xFF) << 16 |
                    ((y * 5) & 0xFF) << 8 | ((hash >> 12) & 0xFF);
            }
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
    }
};

struct CCase {
    const char* what;
    int x, y, w, h;  // destination, device pixels
    bool halftone;
    bool alpha;
};

// Draws the picture on a picture surface (in bands) and on a painter
// marked as printing (whole), both over a grey page.
void Draw(const CTestPicture& pic, const CCase& c, bool printing, QImage* page)
{
    *page = QImage(1400, 1700, QImage::Format_RGB32);
    page->fill(QColor(90, 120, 150));
    const auto paint = [&](CDC& dc) {
        dc.SetStretchBltMode(c.halftone ? HALFTONE : COLORONCOLOR);
        if (c.alpha)
            dc.StretchDIBitsAlpha(c.x, c.y, c.w, c.h, 0, 0, pic.width, pic.height, pic.pixels.data(), &pic.info);
        else
            dc.StretchDIBits(c.x, c.y, c.w, c.h, 0, 0, pic.width, pic.height, pic.pixels.data(), &pic.info,
                             DIB_RGB_COLORS, SRCCOPY);
    };
    if (printing) {
        QPainter painter(page);
        CQtDC dc(painter, 96, 96, true);
        paint(dc);
    } else {
        CQtDC dc(*page, 96, 96);
        paint(dc);
    }
}

}  // namespace

TEST(BandedPictures, GiveTheSamePixelsAsAPictureDrawnWhole)
{
    const CTestPicture pic(1500, 1100);
    const CCase cases[] = {
        {"reduced, averaged", 10, 20, 1300, 953, true, false},
        {"enlarged", -37, 5, 1450, 1690, false, false},
        {"with alpha", 100, 40, 1201, 1333, true, true},
        {"partly off the page", 600, 900, 1500, 1100, false, false},
        {"mirrored both ways", 1350, 1650, -1300, -1600, true, false},
    };
    for (const CCase& c : cases) {
        QImage banded, whole;
        Draw(pic, c, false, &banded);
        Draw(pic, c, true, &whole);
        ASSERT_EQ(banded.size(), whole.size());
        int differing = 0, firstX = -1, firstY = -1;
        for (int y = 0; y < banded.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(banded.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
            for (int x = 0; x < banded.width(); ++x)
                if (a[x] != b[x] && differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
        }
        EXPECT_EQ(differing, 0) << c.what << ": first at " << firstX << "," << firstY;
        // The picture was drawn at all: the page is not just grey in the
        // middle of its place.
        const QPoint middle(std::clamp(c.x + c.w / 2, 0, banded.width() - 1),
                            std::clamp(c.y + c.h / 2, 0, banded.height() - 1));
        EXPECT_NE(banded.pixel(middle), QColor(90, 120, 150).rgb()) << c.what;
    }
}

TEST(BandedPictures, APictureAtItsOwnSizeIsCopiedPixelForPixel)
{
    // 24-bit rows, bottom-up and padded to four bytes, as photos are held.
    const int w = 333, h = 211, stride = (w * 3 + 3) & ~3;
    std::vector<BYTE> bits(static_cast<std::size_t>(stride) * h, 0xEE);
    const auto colour = [](int x, int y) {
        return qRgb((x * 7 + y) & 0xFF, (y * 3) & 0xFF, static_cast<int>((x * 2654435761u ^ y * 40503u) >> 24));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            BYTE* p = &bits[static_cast<std::size_t>(h - 1 - y) * stride + 3 * x];
            const QRgb c = colour(x, y);
            p[0] = static_cast<BYTE>(qBlue(c));
            p[1] = static_cast<BYTE>(qGreen(c));
            p[2] = static_cast<BYTE>(qRed(c));
        }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // Wholly on the page, and hanging over its top left and right edges.
    for (const QPoint at : {QPoint(40, 30), QPoint(-25, -9), QPoint(300, 12)}) {
        QImage page(400, 300, QImage::Format_RGB32);
        page.fill(QColor(90, 120, 150));
        {
            CQtDC dc(page, 96, 96);
            dc.StretchDIBits(at.x(), at.y(), w, h, 0, 0, w, h, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
        }
        int differing = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const int sx = x - at.x(), sy = y - at.y();
                const bool inside = sx >= 0 && sx < w && sy >= 0 && sy < h;
                differing += page.pixel(x, y) != (inside ? colour(sx, sy) : QColor(90, 120, 150).rgb());
            }
        EXPECT_EQ(differing, 0) << "at " << at.x() << "," << at.y();
    }
}
