#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

// A 24-bit picture whose pixel (x, y) has blue x, green y and red 7.
CPictureImage MakeGradient(long w, long h)
{
    CPictureImage img;
    img.Create(w, h, 24);
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x) img.SetPixelColor(x, y, RGBQUAD{BYTE(x), BYTE(y), 7, 0});
    return img;
}

}  // namespace

TEST(PictureImageCreate, NormalisesDepthsAndSizesRows)
{
    struct Case { long asked; int bpp; DWORD colours; };
    const Case cases[] = {{0, 1, 2}, {1, 1, 2}, {2, 4, 16}, {4, 4, 16}, {5, 8, 256},
                          {8, 8, 256}, {9, 24, 0}, {16, 24, 0}, {32, 24, 0}};
    for (const Case& c : cases) {
        CPictureImage img;
        ASSERT_NE(img.Create(3, 2, c.asked), nullptr) << c.asked;
        EXPECT_EQ(img.GetBpp(), c.bpp) << c.asked;
        EXPECT_EQ(img.GetNumColors(), c.colours) << c.asked;
        EXPECT_EQ(img.GetEffWidth(), DibRowSize(3, c.bpp));
        EXPECT_EQ(img.GetHeader().biSizeImage, DWORD(DibRowSize(3, c.bpp) * 2));
        EXPECT_EQ(img.GetSize(), long(40 + c.colours * 4 + DibRowSize(3, c.bpp) * 2));
        // The block starts with a copy of the header.
        BITMAPINFOHEADER head;
        std::memcpy(&head, img.GetDIB(), 40);
        EXPECT_EQ(head.biBitCount, c.bpp);
        EXPECT_EQ(head.biSize, 40u);
    }
    CPictureImage eight;
    eight.Create(3, 1, 8);
    EXPECT_EQ(eight.GetEffWidth(), 4);
}

TEST(PictureImageCreate, RefusesEmptyAndHugeSizes)
{
    CPictureImage img;
    EXPECT_EQ(img.Create(0, 5, 24), nullptr);
    EXPECT_EQ(img.Create(5, -1, 24), nullptr);
    EXPECT_EQ(img.Create(kMaxImageSide + 1, 1, 8), nullptr);
    CPictureImage::SetAllocationLimit(1 << 20);
    EXPECT_EQ(img.Create(1000, 1000, 24), nullptr);
    EXPECT_NE(img.Create(100, 100, 24), nullptr);
    CPictureImage::SetAllocationLimit(0);
    img.Destroy();
    EXPECT_FALSE(img.IsValid());
}

TEST(PictureImagePalette, GreyRampsAndEntries)
{
    CPictureImage img;
    img.Create(2, 2, 4);
    img.SetGrayPalette();
    EXPECT_EQ(img.GetPaletteColor(0).rgbRed, 0);
    EXPECT_EQ(img.GetPaletteColor(1).rgbGreen, 17);
    EXPECT_EQ(img.GetPaletteColor(15).rgbBlue, 255);
    img.SetPaletteColor(3, 10, 20, 30, 40);
    const RGBQUAD c = img.GetPaletteColor(3);
    EXPECT_EQ(c.rgbRed, 10);
    EXPECT_EQ(c.rgbGreen, 20);
    EXPECT_EQ(c.rgbBlue, 30);
    EXPECT_EQ(c.rgbReserved, 40);
    const BYTE r[2] = {1, 2}, g[2] = {3, 4}, b[2] = {5, 6};
    img.SetPalette(2, r, g, b);
    EXPECT_EQ(img.GetPaletteColor(1).rgbBlue, 6);
    // Entries beyond the table are neither read nor written.
    img.SetPaletteColor(200, 1, 1, 1);
    EXPECT_EQ(img.GetPaletteColor(200).rgbRed, 0);
}

TEST(PictureImagePixels, PackedIndicesRoundTrip)
{
    for (int bpp : {1, 4, 8}) {
        CPictureImage img;
        img.Create(13, 3, bpp);
        const int mask = (1 << bpp) - 1;
        for (long y = 0; y < 3; ++y)
            for (long x = 0; x < 13; ++x) img.SetPixelIndex(x, y, BYTE((x * 3 + y) & mask));
        for (long y = 0; y < 3; ++y)
            for (long x = 0; x < 13; ++x) EXPECT_EQ(img.GetPixelIndex(x, y), (x * 3 + y) & mask) << bpp;
    }
}

TEST(PictureImageGeometry, FlipMirrorAndAlphaFollow)
{
    CPictureImage img = MakeGradient(5, 4);
    img.AlphaCreate();
    img.AlphaSet(0, 0, 200);
    ASSERT_TRUE(img.Flip());
    EXPECT_EQ(img.GetPixelColor(2, 0).rgbGreen, 3);
    EXPECT_EQ(img.AlphaGet(0, 3), 200);
    ASSERT_TRUE(img.Mirror());
    EXPECT_EQ(img.GetPixelColor(0, 0).rgbBlue, 4);
    EXPECT_EQ(img.AlphaGet(4, 3), 200);

    for (int bpp : {1, 4}) {
        CPictureImage pal;
        pal.Create(9, 1, bpp);
        pal.SetPixelIndex(0, 0, 1);
        pal.Mirror();
        EXPECT_EQ(pal.GetPixelIndex(8, 0), 1);
        EXPECT_EQ(pal.GetPixelIndex(0, 0), 0);
    }
}

TEST(PictureImageGeometry, CropClampsSwapsAndRefusesEmpty)
{
    CPictureImage img = MakeGradient(10, 8);
    CPictureImage out;
    // Top-left coordinates: rows 2..5 from the top are rows 2..5 from the bottom of an 8-row picture reversed.
    ASSERT_TRUE(img.Crop(7, 5, 2, 2, &out));
    EXPECT_EQ(out.GetWidth(), 5);
    EXPECT_EQ(out.GetHeight(), 3);
    EXPECT_EQ(out.GetPixelColor(0, 0).rgbBlue, 2);
    EXPECT_EQ(out.GetPixelColor(0, 0).rgbGreen, 3);  // bottom crop row is picture row 8 - 5
    EXPECT_EQ(out.GetPixelColor(4, 2).rgbGreen, 5);

    ASSERT_TRUE(img.Crop(-5, -5, 100, 100, &out));
    EXPECT_EQ(out.GetWidth(), 10);
    EXPECT_EQ(out.GetHeight(), 8);
    EXPECT_FALSE(img.Crop(3, 1, 3, 6, &out));
    EXPECT_FALSE(img.Crop(20, 20, 30, 30, &out));

    CPictureImage mono;
    mono.Create(20, 4, 1);
    mono.SetPixelIndex(11, 3, 1);
    ASSERT_TRUE(mono.Crop(10, 0, 13, 1));
    EXPECT_EQ(mono.GetWidth(), 3);
    EXPECT_EQ(mono.GetPixelIndex(1, 0), 1);
    EXPECT_EQ(mono.GetPixelIndex(0, 0), 0);
}

TEST(PictureImageAlpha, StripBlendsOnBackground)
{
    CPictureImage img;
    img.Create(2, 1, 8);
    img.SetPaletteColor(1, 255, 0, 0);
    img.SetPixelIndex(0, 0, 1);
    img.SetPixelIndex(1, 0, 1);
    img.AlphaCreate();
    img.AlphaSet(0, 0, 255);
    img.AlphaSet(1, 0, 0);
    img.SetTransColor(RGBQUAD{255, 0, 0, 0});  // blue background
    img.AlphaStrip();
    EXPECT_EQ(img.GetBpp(), 24);
    EXPECT_FALSE(img.AlphaIsValid());
    EXPECT_EQ(img.GetPixelColor(0, 0).rgbRed, 255);
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbBlue, 255);
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbRed, 0);
}

TEST(PictureImageDecode, FailureKeepsThePicture)
{
    CPictureImage img = MakeGradient(4, 4);
    const BYTE junk[] = {1, 2, 3};
    EXPECT_FALSE(img.Decode(junk, sizeof junk, 99));
    EXPECT_STREQ(img.GetLastError(), "Unsupported operation for this format");
    EXPECT_FALSE(img.Decode(junk, sizeof junk, IMAGE_FORMAT_BMP));
    EXPECT_EQ(img.GetWidth(), 4);
    EXPECT_EQ(img.GetPixelColor(3, 2).rgbBlue, 3);
    EXPECT_FALSE(img.Load("/nonexistent/file.bmp", IMAGE_FORMAT_BMP));
    EXPECT_FALSE(img.LoadResource("no-such-resource.jpg", IMAGE_FORMAT_JPG));
    EXPECT_STREQ(img.GetLastError(), "Unable to load resource!");
}

TEST(PictureImageSettings, ResolutionAndFormatCodes)
{
    CPictureImage img;
    img.Create(1, 1, 24);
    img.SetXDPI(300);
    img.SetYDPI(96);
    EXPECT_EQ(img.GetHeader().biXPelsPerMeter, 11811);
    EXPECT_EQ(img.GetHeader().biYPelsPerMeter, 3780);
    EXPECT_EQ(ImageFormatFromExtension("jpeg"), IMAGE_FORMAT_JPG);
    EXPECT_EQ(ImageFormatFromExtension("tif"), IMAGE_FORMAT_TIF);
    EXPECT_EQ(ImageFormatFromExtension("JPG"), IMAGE_FORMAT_BMP);
    EXPECT_EQ(ImageFormatFromExtension("pcx"), IMAGE_FORMAT_PCX);
}

TEST(PictureImageLoad, OnlyRegularFilesAreRead)
{
    // A document may name any path as its picture: a pipe must fail at once
    // rather than block loading, and so must a folder or a missing file.
    const std::string fifo = ::testing::TempDir() + "picture-fifo.bmp";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    CPictureImage image;
    EXPECT_FALSE(image.Load(fifo, IMAGE_FORMAT_BMP));
    EXPECT_FALSE(image.Load(::testing::TempDir(), IMAGE_FORMAT_BMP));
    EXPECT_FALSE(image.Load(::testing::TempDir() + "no-such-picture.bmp", IMAGE_FORMAT_BMP));
    EXPECT_FALSE(image.IsValid());
    std::remove(fifo.c_str());
}
