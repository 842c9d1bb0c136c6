#include "JpegPngTiffSupport.h"

#include "imageio/ImageCodecs.h"

using namespace codectest;

namespace {

struct JpegVariant {
    const char* name;
    const char* options;  // ImageMagick options that make the variant
    int bpp;              // expected depth of our picture
    int tolerance;        // largest channel difference from ImageMagick's decoding
};

class JpegVariants : public ::testing::TestWithParam<JpegVariant> {};

TEST_P(JpegVariants, MatchImageMagick)
{
    const JpegVariant& v = GetParam();
    const std::string src = WritePam(Pattern(), "jpeg-src.pam", false);
    const std::string file = Scratch(std::string("variant-") + v.name + ".jpg");
    ASSERT_EQ(Shell("convert '" + src + "' " + v.options + " '" + file + "'"), 0);

    CPictureImage image;
    ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_JPG, image)) << image.GetLastError();
    EXPECT_EQ(image.GetBpp(), v.bpp);
    EXPECT_EQ(image.GetType(), IMAGE_FORMAT_JPG);
    const Rgba ref = MagickDecode(file, "-colorspace sRGB");
    EXPECT_LE(MaxDifference(image, ref, false), v.tolerance);
    if (v.bpp == 8) {
        // A grey picture carries the grey ramp as its colour table.
        EXPECT_EQ(image.GetNumColors(), 256u);
        EXPECT_EQ(image.GetPalette()[200].rgbGreen, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(Jpeg, JpegVariants,
                         ::testing::Values(JpegVariant{"baseline", "-quality 90", 24, 2},
                                           JpegVariant{"progressive", "-quality 85 -interlace Plane", 24, 2},
                                           JpegVariant{"full-chroma", "-quality 95 -sampling-factor 1x1", 24, 2},
                                           JpegVariant{"grey", "-colorspace Gray -quality 90", 8, 1},
                                           JpegVariant{"grey-progressive", "-colorspace Gray -interlace Plane", 8, 1},
                                           JpegVariant{"cmyk", "-colorspace CMYK -quality 95", 24, 3}),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

// CMYK files from ImageMagick and most photo programs store inverted ink amounts with an
// Adobe marker; decoded naively they come out as a negative.
TEST(JpegCmyk, PrimaryColoursAreNotNegative)
{
    const std::string file = Scratch("cmyk-colours.jpg");
    ASSERT_EQ(Shell("convert -size 24x8 xc:red xc:lime xc:white +append -colorspace CMYK -quality 100 '" + file + "'"), 0);
    CPictureImage image;
    ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_JPG, image));
    ASSERT_EQ(image.GetWidth(), 72);
    BYTE px[4];
    OurPixel(image, 12, 4, px);
    EXPECT_GT(px[0], 240);
    EXPECT_LT(px[1], 20);
    EXPECT_LT(px[2], 20);
    OurPixel(image, 36, 4, px);
    EXPECT_LT(px[0], 20);
    EXPECT_GT(px[1], 240);
    OurPixel(image, 60, 4, px);
    EXPECT_GT(px[0], 245);
    EXPECT_GT(px[1], 245);
    EXPECT_GT(px[2], 245);
}

TEST(JpegHeader, ResolutionComesFromTheFile)
{
    const std::string file = Scratch("dpi.jpg");
    ASSERT_EQ(Shell("convert -size 8x8 xc:gray -units PixelsPerInch -density 150x300 '" + file + "'"), 0);
    CPictureImage image;
    ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_JPG, image));
    EXPECT_EQ(image.GetXDPI(), 150);
    EXPECT_EQ(image.GetYDPI(), 300);
}

// Damaged files of every kind end in a clean failure or a picture of the
// declared size, never in a crash or a read outside the buffer.
TEST(JpegBroken, TruncatedAndCorruptedFilesAreSafe)
{
    const std::string src = WritePam(Pattern(40, 30), "jpeg-broken.pam", false);
    const std::string file = Scratch("broken-src.jpg");
    ASSERT_EQ(Shell("convert '" + src + "' -interlace Plane '" + file + "'"), 0);
    const std::vector<BYTE> good = ReadFile(file);
    ASSERT_GT(good.size(), 200u);

    for (std::size_t cut = 0; cut < good.size(); cut += 7) {
        CPictureImage image;
        if (DecodeJpeg(good.data(), cut, image)) {
            EXPECT_EQ(image.GetWidth(), 40);
            EXPECT_EQ(image.GetHeight(), 30);
        }
    }
    for (std::size_t pos = 0; pos < good.size(); pos += 3) {
        std::vector<BYTE> bad = good;
        bad[pos] ^= 0x5A;
        CPictureImage image;
        DecodeJpeg(bad.data(), bad.size(), image);
    }
    const BYTE noise[] = {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34};
    CPictureImage image;
    EXPECT_FALSE(DecodeJpeg(noise, sizeof noise, image));
    EXPECT_FALSE(DecodeJpeg(nullptr, 0, image));
}

TEST(JpegBroken, HugeDimensionsFailBeforeAllocating)
{
    const std::string file = Scratch("huge.jpg");
    ASSERT_EQ(Shell("convert -size 16x16 xc:blue '" + file + "'"), 0);
    std::vector<BYTE> bytes = ReadFile(file);
    // Find the frame header and claim 60000 × 60000 pixels (beyond the
    // side cap), then 30000 × 30000 (within it, but far beyond what a few
    // hundred bytes of Huffman-coded data can hold).
    std::size_t sof = 0;
    for (std::size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) { sof = i; break; }
    ASSERT_NE(sof, 0u);
    for (int side : {60000, 30000}) {
        bytes[sof + 5] = bytes[sof + 7] = static_cast<BYTE>(side >> 8);
        bytes[sof + 6] = bytes[sof + 8] = static_cast<BYTE>(side);
        CPictureImage image;
        EXPECT_FALSE(DecodeJpeg(bytes.data(), bytes.size(), image));
        EXPECT_FALSE(image.IsValid());
    }
}

TEST(JpegBroken, FailedDecodeKeepsThePreviousPicture)
{
    const std::string file = Scratch("keep.jpg");
    ASSERT_EQ(Shell("convert -size 20x10 xc:red '" + file + "'"), 0);
    CPictureImage image;
    ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_JPG, image));
    const BYTE junk[] = {0xFF, 0xD8, 0xFF, 0xC0, 0, 0};
    EXPECT_FALSE(image.Decode(junk, sizeof junk, IMAGE_FORMAT_JPG));
    EXPECT_EQ(image.GetWidth(), 20);
    EXPECT_EQ(image.GetHeight(), 10);
}

}  // namespace
