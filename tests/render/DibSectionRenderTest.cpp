#include "platform/QtDC.h"
#include "text3d/DibSection.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

COLORREF ImageAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// The colour of a section's pixel, y counted from the top of the picture.
COLORREF SectionAt(const CDibSection& dib, int x, int yFromTop)
{
    const std::size_t row = static_cast<std::size_t>(DibRowSize(dib.Width(), dib.BitsPerPixel()));
    const BYTE* p = dib.GetBits() + row * (dib.Height() - 1 - yFromTop) + dib.BitsPerPixel() / 8 * x;
    return RGB(p[2], p[1], p[0]);
}

void SetSectionPixel(CDibSection& dib, int x, int yFromTop, COLORREF colour)
{
    const std::size_t row = static_cast<std::size_t>(DibRowSize(dib.Width(), dib.BitsPerPixel()));
    BYTE* p = dib.GetBits() + row * (dib.Height() - 1 - yFromTop) + dib.BitsPerPixel() / 8 * x;
    p[0] = static_cast<BYTE>(GetBValue(colour));
    p[1] = static_cast<BYTE>(GetGValue(colour));
    p[2] = static_cast<BYTE>(GetRValue(colour));
}

// Four quarters: red, green above; blue, white below.
QImage Quarters(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor(255, 0, 0));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(0, 255, 0));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(0, 0, 255));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(255, 255, 255));
    return image;
}

TEST(DibSectionCapture, StretchesTheSourceIntoTheSection)
{
    for (bool b24 : {true, false}) {
        QImage image = Quarters(100, 80);
        CQtDC dc(image);
        CDibSection dib(b24);
        ASSERT_TRUE(dib.Create(50, 40));
        dib.Capture(&dc, CRect(0, 0, 100, 80));
        EXPECT_EQ(SectionAt(dib, 5, 5), RGB(255, 0, 0));
        EXPECT_EQ(SectionAt(dib, 45, 5), RGB(0, 255, 0));
        EXPECT_EQ(SectionAt(dib, 5, 35), RGB(0, 0, 255));
        EXPECT_EQ(SectionAt(dib, 45, 35), RGB(255, 255, 255));

        // A part of the surface fills the whole section.
        dib.Capture(&dc, CRect(50, 0, 100, 40));
        EXPECT_EQ(SectionAt(dib, 0, 0), RGB(0, 255, 0));
        EXPECT_EQ(SectionAt(dib, 49, 39), RGB(0, 255, 0));
    }
}

TEST(DibSectionCapture, EmptySectionIsLeftAlone)
{
    QImage image = Quarters(10, 10);
    CQtDC dc(image);
    CDibSection dib;
    dib.Capture(&dc, CRect(0, 0, 10, 10));
    EXPECT_FALSE(dib.IsValid());
}

// A page whose y axis points up, as the design view maps it: logical
// (0, 0) is the bottom-left pixel of a 200 × 200 image.
void MapYUp(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(200, 200);
    dc.SetViewportExt(200, -200);
    dc.SetViewportOrg(0, 200);
}

TEST(DibSectionDrawTransparent, WhiteIsLeftOutAndThePictureIsUpright)
{
    for (bool b24 : {true, false}) {
        CDibSection dib(b24);
        ASSERT_TRUE(dib.Create(4, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) SetSectionPixel(dib, x, y, RGB(255, 255, 255));
        for (int x = 0; x < 4; ++x) {
            SetSectionPixel(dib, x, 0, RGB(255, 0, 0));  // top row
            SetSectionPixel(dib, x, 3, RGB(0, 0, 255));  // bottom row
        }
        SetSectionPixel(dib, 0, 1, RGB(0, 128, 0));  // near the top-left corner

        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(QColor(128, 128, 128));
        CQtDC dc(image);
        MapYUp(dc);
        // Logical 40..120 both ways: device x 40..120, device y 80..160.
        dib.DrawTransparent(&dc, CRect(40, 40, 120, 120));

        EXPECT_EQ(ImageAt(image, 80, 85), RGB(255, 0, 0)) << "the top row belongs at the top";
        EXPECT_EQ(ImageAt(image, 80, 155), RGB(0, 0, 255));
        EXPECT_EQ(ImageAt(image, 45, 105), RGB(0, 128, 0));
        EXPECT_EQ(ImageAt(image, 110, 105), RGB(128, 128, 128)) << "white is transparent";
        EXPECT_EQ(ImageAt(image, 80, 125), RGB(128, 128, 128));
        EXPECT_EQ(ImageAt(image, 30, 85), RGB(128, 128, 128));
        EXPECT_EQ(ImageAt(image, 80, 170), RGB(128, 128, 128));
        EXPECT_EQ(dc.GetStretchBltMode(), BLACKONWHITE) << "the caller's stretch mode is kept";
    }
}

TEST(DibSectionDrawTransparent, AllWhitePictureLeavesTheDestination)
{
    CDibSection dib;
    ASSERT_TRUE(dib.Create(8, 8));
    std::fill(dib.m_bits.begin(), dib.m_bits.end(), BYTE(255));
    QImage image = Quarters(200, 200);
    const QImage before = image.copy();
    CQtDC dc(image);
    MapYUp(dc);
    dib.DrawTransparent(&dc, CRect(0, 0, 200, 200));
    EXPECT_EQ(image, before);
}

}  // namespace
