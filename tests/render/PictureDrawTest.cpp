#include "imageio/PictureImage.h"
#include "platform/QtDC.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Canvas(int w, int h, QColor fill = Qt::white)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// A 4 × 2 palette picture: the top row red, green, key, key; the bottom row
// blue, key, red, green. Index 3 is the key colour magenta.
CPictureImage KeyedPicture()
{
    CPictureImage img;
    img.Create(4, 2, 8);
    img.SetPaletteColor(0, 255, 0, 0);
    img.SetPaletteColor(1, 0, 255, 0);
    img.SetPaletteColor(2, 0, 0, 255);
    img.SetPaletteColor(3, 255, 0, 255);
    const BYTE top[4] = {0, 1, 3, 3};
    const BYTE bottom[4] = {2, 3, 0, 1};
    for (long x = 0; x < 4; ++x) {
        img.SetPixelIndex(x, 1, top[x]);
        img.SetPixelIndex(x, 0, bottom[x]);
    }
    img.SetTransIndex(3);
    return img;
}

}  // namespace

TEST(PictureDraw, StretchScalesEveryPixelToABlock)
{
    QImage canvas = Canvas(60, 40);
    CQtDC dc(canvas);
    const CPictureImage img = KeyedPicture();
    ASSERT_TRUE(img.Stretch(&dc, 10, 10, 40, 20));
    // Each source pixel covers 10 × 10; the top row of the picture is on top.
    EXPECT_EQ(PixelAt(canvas, 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(canvas, 25, 15), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(canvas, 35, 15), RGB(255, 0, 255));
    EXPECT_EQ(PixelAt(canvas, 15, 25), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(canvas, 45, 25), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(canvas, 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(canvas, 55, 35), RGB(255, 255, 255));
}

TEST(PictureDraw, KeyColourShowsWhatIsBehind)
{
    for (bool flipped : {false, true}) {
        QImage canvas = Canvas(40, 20, QColor(10, 20, 30));
        CQtDC dc(canvas);
        const CPictureImage img = KeyedPicture();
        const RGBQUAD key = img.GetTransColor();
        const COLORREF keyRef = RGB(key.rgbRed, key.rgbGreen, key.rgbBlue);
        ASSERT_EQ(keyRef, RGB(255, 0, 255));
        if (flipped) ASSERT_TRUE(img.DrawFlippedTransparent(&dc, 0, 0, 40, 20, keyRef));
        else ASSERT_TRUE(img.DrawTransparent(&dc, 0, 0, 40, 20, keyRef));
        const int top = flipped ? 15 : 5;
        const int bottom = flipped ? 5 : 15;
        EXPECT_EQ(PixelAt(canvas, 5, top), RGB(255, 0, 0)) << flipped;
        EXPECT_EQ(PixelAt(canvas, 25, top), RGB(10, 20, 30)) << flipped;
        EXPECT_EQ(PixelAt(canvas, 35, top), RGB(10, 20, 30)) << flipped;
        EXPECT_EQ(PixelAt(canvas, 15, bottom), RGB(10, 20, 30)) << flipped;
        EXPECT_EQ(PixelAt(canvas, 25, bottom), RGB(255, 0, 0)) << flipped;
    }
    // Draw keys out the transparent colour only when asked to.
    QImage canvas = Canvas(40, 20, QColor(10, 20, 30));
    CQtDC dc(canvas);
    CPictureImage img = KeyedPicture();
    img.Draw(&dc, 0, 0, 40, 20);
    EXPECT_EQ(PixelAt(canvas, 25, 5), RGB(255, 0, 255));
    img.SetDrawTransparent(true);
    img.Draw(&dc, 0, 0, 40, 20);
    EXPECT_EQ(PixelAt(canvas, 25, 5), RGB(255, 0, 255));  // the earlier drawing shows through
    QImage fresh = Canvas(40, 20, QColor(10, 20, 30));
    CQtDC dc2(fresh);
    img.Draw(&dc2, 0, 0, 40, 20);
    EXPECT_EQ(PixelAt(fresh, 25, 5), RGB(10, 20, 30));
}

TEST(PictureDraw, AlphaPlaneBlendsAndDisabledPicturesDoNotDraw)
{
    CPictureImage img;
    img.Create(2, 1, 24);
    img.SetPixelColor(0, 0, RGBQUAD{0, 0, 255, 0});
    img.SetPixelColor(1, 0, RGBQUAD{0, 0, 255, 0});
    img.AlphaCreate();
    img.AlphaSet(0, 0, 255);
    img.AlphaSet(1, 0, 0);
    QImage canvas = Canvas(20, 10);
    CQtDC dc(canvas);
    ASSERT_TRUE(img.Draw(&dc, 0, 0, 20, 10));
    EXPECT_EQ(PixelAt(canvas, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(canvas, 15, 5), RGB(255, 255, 255));

    img.AlphaSet(1, 0, 128);
    img.Draw(&dc, 0, 0, 20, 10);
    const QRgb half = canvas.pixel(15, 5);
    EXPECT_NEAR(qGreen(half), 127, 3);
    EXPECT_EQ(qRed(half), 255);

    QImage blank = Canvas(20, 10);
    CQtDC dc2(blank);
    img.Enable(false);
    EXPECT_FALSE(img.Draw(&dc2, 0, 0, 20, 10));
    EXPECT_FALSE(CPictureImage().Draw(&dc2, 0, 0, 20, 10));
    EXPECT_EQ(PixelAt(blank, 5, 5), RGB(255, 255, 255));
}

TEST(PictureDraw, TileRepeatsAndClipsToTheRectangle)
{
    CPictureImage img;
    img.Create(4, 4, 1);
    img.SetPaletteColor(0, 0, 0, 0);
    img.SetPaletteColor(1, 255, 255, 0);
    img.SetPixelIndex(0, 3, 1);  // the top-left pixel of each tile is yellow
    QImage canvas = Canvas(30, 30);
    CQtDC dc(canvas);
    ASSERT_TRUE(img.Tile(&dc, CRect(2, 2, 12, 11)));
    for (int ty = 2; ty < 11; ty += 4)
        for (int tx = 2; tx < 12; tx += 4) EXPECT_EQ(PixelAt(canvas, tx, ty), RGB(255, 255, 0)) << tx << "," << ty;
    EXPECT_EQ(PixelAt(canvas, 3, 3), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(canvas, 11, 10), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(canvas, 12, 5), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(canvas, 5, 11), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(canvas, 1, 1), RGB(255, 255, 255));

    // Over a rectangle far larger than the surface only the visible tiles
    // are drawn, and they line up with the rectangle's corner.
    QImage small = Canvas(10, 10);
    CQtDC dc2(small);
    ASSERT_TRUE(img.Tile(&dc2, CRect(-1000001, -1000001, 1000000, 1000000)));
    EXPECT_EQ(PixelAt(small, 3, 3), RGB(255, 255, 0));
    EXPECT_EQ(PixelAt(small, 4, 4), RGB(0, 0, 0));
}
