// The area filter that reduces decoded photos: pictures large enough to be
// reduced by two threads against an average taken here the slow way, for
// colour, grey, alpha and palette pictures.

#include "imageio/PictureImage.h"
#include "imageio/PictureReduce.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Camera-like detail: smooth gradients with a fine irregular grain.
BYTE Sample(long x, long y, int channel)
{
    const unsigned h = static_cast<unsigned>(x * 73856093u ^ y * 19349663u ^ channel * 83492791u);
    return static_cast<BYTE>((x * (channel + 1) + y * 2 + (h >> 8) % 48) & 0xFF);
}

// The channel of pixel x, y as the filter reads it: colour, or alpha as
// channel 3.
double Read(const CPictureImage& p, long x, long y, int channel)
{
    const RGBQUAD c = p.GetPixelColor(x, y);
    switch (channel) {
    case 0: return c.rgbBlue;
    case 1: return c.rgbGreen;
    case 2: return c.rgbRed;
    default: return p.AlphaGet(x, y);
    }
}

// The exact area average of the source under new pixel x, y.
double AreaAverage(const CPictureImage& src, long w, long h, long x, long y, int channel)
{
    const double sx = double(src.GetWidth()) / w, sy = double(src.GetHeight()) / h;
    const double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
    double sum = 0;
    for (long j = static_cast<long>(std::floor(y0)); j < std::min<double>(src.GetHeight(), std::ceil(y1)); ++j) {
        const double wy = std::min<double>(y1, j + 1) - std::max<double>(y0, j);
        for (long i = static_cast<long>(std::floor(x0)); i < std::min<double>(src.GetWidth(), std::ceil(x1)); ++i) {
            const double wx = std::min<double>(x1, i + 1) - std::max<double>(x0, i);
            sum += wx * wy * Read(src, i, j, channel);
        }
    }
    return sum / (sx * sy);
}

// Every pixel of the reduction within one level of the exact average.
void ExpectAreaAverages(const CPictureImage& src, long w, long h, int channels, const std::string& what)
{
    CPictureImage out;
    ASSERT_TRUE(ReducePicture(src, w, h, out)) << what;
    ASSERT_EQ(out.GetWidth(), w);
    ASSERT_EQ(out.GetHeight(), h);
    int worst = 0;
    long worstX = 0, worstY = 0;
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c) {
                const int d = static_cast<int>(std::lround(std::abs(Read(out, x, y, c) - AreaAverage(src, w, h, x, y, c))));
                if (d > worst) {
                    worst = d;
                    worstX = x;
                    worstY = y;
                }
            }
    EXPECT_LE(worst, 1) << what << ": off by " << worst << " at " << worstX << "," << worstY;
}

}  // namespace

TEST(PictureReduce, LargeColourPictureIsTheAreaAverageInEveryRow)
{
    // Over a million pixels: the rows are shared between two threads, and
    // every row, the halves' border among them, must come out the same.
    CPictureImage photo;
    ASSERT_TRUE(photo.Create(1203, 901, 24));
    for (long y = 0; y < 901; ++y) {
        BYTE* row = photo.GetBits(y);
        for (long x = 0; x < 1203; ++x)
            for (int c = 0; c < 3; ++c) row[x * 3 + c] = Sample(x, y, c);
    }
    ExpectAreaAverages(photo, 500, 377, 3, "colour 1203x901 to 500x377");
    ExpectAreaAverages(photo, 1202, 900, 3, "colour to one pixel less each way");
    ExpectAreaAverages(photo, 401, 300, 3, "colour to a third");
    // By less than half, as after the decoder's own scaling: a new pixel
    // covers up to three source pixels each way.
    ExpectAreaAverages(photo, 700, 530, 3, "colour to 0.58");
}

TEST(PictureReduce, GreyAlphaAndPalettePicturesKeepTheirKind)
{
    CPictureImage grey;
    ASSERT_TRUE(grey.Create(1100, 1000, 8));
    grey.SetGrayPalette();
    for (long y = 0; y < 1000; ++y)
        for (long x = 0; x < 1100; ++x) grey.SetPixelIndex(x, y, Sample(x, y, 0));
    ExpectAreaAverages(grey, 333, 250, 3, "grey");
    ExpectAreaAverages(grey, 641, 587, 3, "grey to 0.58");
    CPictureImage greyOut;
    ASSERT_TRUE(ReducePicture(grey, 333, 250, greyOut));
    EXPECT_EQ(greyOut.GetBpp(), 8);

    CPictureImage withAlpha;
    ASSERT_TRUE(withAlpha.Create(1024, 1030, 24));
    ASSERT_TRUE(withAlpha.AlphaCreate());
    for (long y = 0; y < 1030; ++y)
        for (long x = 0; x < 1024; ++x) {
            withAlpha.SetPixelColor(x, y, RGBQUAD{Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2), 0});
            withAlpha.AlphaSet(x, y, Sample(x, y, 3));
        }
    ExpectAreaAverages(withAlpha, 700, 333, 4, "colour with alpha");

    CPictureImage palette;
    ASSERT_TRUE(palette.Create(1030, 1024, 8));
    for (int i = 0; i < 256; ++i)
        palette.SetPaletteColor(static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(255 - i),
                                static_cast<BYTE>(i * 7));
    for (long y = 0; y < 1024; ++y)
        for (long x = 0; x < 1030; ++x) palette.SetPixelIndex(x, y, Sample(x, y, 1));
    ExpectAreaAverages(palette, 515, 341, 3, "palette");
}

TEST(PictureReduce, FlatColourStaysExactlyFlat)
{
    // Weights rounded to fixed point still sum to one for every pixel: a
    // flat sky does not gain stripes one level darker.
    CPictureImage flat;
    ASSERT_TRUE(flat.Create(1500, 800, 24));
    for (long y = 0; y < 800; ++y)
        for (long x = 0; x < 1500; ++x) flat.SetPixelColor(x, y, RGBQUAD{255, 254, 1, 0});
    for (const auto& [w, h] : {std::pair<long, long>{1499, 799}, {700, 371}, {3, 1}}) {
        CPictureImage out;
        ASSERT_TRUE(ReducePicture(flat, w, h, out));
        for (long y = 0; y < h; ++y)
            for (long x = 0; x < w; ++x) {
                const RGBQUAD c = out.GetPixelColor(x, y);
                ASSERT_EQ(c.rgbBlue, 255) << w << "x" << h << " at " << x << "," << y;
                ASSERT_EQ(c.rgbGreen, 254);
                ASSERT_EQ(c.rgbRed, 1);
            }
    }
}
