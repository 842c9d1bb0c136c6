#include "JpegPngTiffSupport.h"

#include "imageio/ImageCodecs.h"

using namespace codectest;

namespace {

struct TiffVariant {
    const char* name;
    bool alphaSource;
    const char* options;      // ImageMagick options that make the variant
    const char* photometric;  // what ImageMagick must have written, and its depth
    int depth;
    int bpp;                  // expected depth of our picture
    int tolerance;
};

class TiffVariants : public ::testing::TestWithParam<TiffVariant> {};

TEST_P(TiffVariants, MatchImageMagick)
{
    // 16-bit samples and colour maps keep their high byte; ImageMagick rounds.
    const TiffVariant& v = GetParam();
    const std::string src = WritePam(Pattern(), v.alphaSource ? "tiff-src-alpha.pam" : "tiff-src.pam", v.alphaSource);
    const std::string file = Scratch(std::string("variant-") + v.name + ".tif");
    ASSERT_EQ(Shell("convert '" + src + "' " + v.options + " '" + file + "'"), 0);
    const std::vector<BYTE> written = Capture("identify -format '%[tiff:photometric] %z' '" + file + "'");
    ASSERT_EQ(std::string(written.begin(), written.end()), std::string(v.photometric) + " " + std::to_string(v.depth));

    CPictureImage image;
    ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_TIF, image)) << image.GetLastError();
    EXPECT_EQ(image.GetBpp(), v.bpp);
    EXPECT_EQ(image.GetNumFrames(), 1);
    const Rgba ref = MagickDecode(file, "-colorspace sRGB");
    EXPECT_LE(MaxDifference(image, ref, false), v.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Tiff, TiffVariants,
    ::testing::Values(
        TiffVariant{"rgb", false, "-compress None", "RGB", 8, 24, 0},
        TiffVariant{"rgb_lzw", false, "-compress LZW", "RGB", 8, 24, 0},
        TiffVariant{"rgb_deflate", false, "-compress Zip", "RGB", 8, 24, 0},
        TiffVariant{"rgb_packbits", false, "-compress RLE", "RGB", 8, 24, 0},
        TiffVariant{"rgb16", false, "-depth 16", "RGB", 16, 24, 0},
        TiffVariant{"rgb_tiled", false, "-compress LZW -define tiff:tile-geometry=16x16", "RGB", 8, 24, 0},
        TiffVariant{"grey_tiled", false, "-colorspace Gray -compress Zip -define tiff:tile-geometry=32x32", "min-is-black", 8, 24, 0},
        TiffVariant{"rgba", true, "-compress LZW", "RGB", 8, 24, 0},
        TiffVariant{"cmyk", false, "-colorspace CMYK", "separated", 8, 24, 1},
        TiffVariant{"jpeg", false, "-compress JPEG -quality 95", "RGB", 8, 24, 2},
        TiffVariant{"grey8", false, "-colorspace Gray", "min-is-black", 8, 8, 0},
        TiffVariant{"grey8_white", false, "-colorspace Gray -define quantum:polarity=min-is-white", "min-is-white", 8, 8, 0},
        TiffVariant{"grey16", false, "-colorspace Gray -depth 16", "min-is-black", 16, 8, 1},
        TiffVariant{"grey16_white", false, "-colorspace Gray -depth 16 -define quantum:polarity=min-is-white", "min-is-white", 16, 8, 1},
        TiffVariant{"grey4", false, "-colorspace Gray -depth 4", "min-is-black", 4, 4, 0},
        TiffVariant{"grey2", false, "-colorspace Gray -depth 2", "min-is-black", 2, 24, 0},
        TiffVariant{"bilevel", false, "-monochrome -depth 1", "min-is-black", 1, 1, 0},
        TiffVariant{"bilevel_white", false, "-monochrome -depth 1 -define quantum:polarity=min-is-white", "min-is-white", 1, 1, 0},
        TiffVariant{"bilevel_group4", false, "-monochrome -compress Group4", "min-is-white", 1, 1, 0},
        TiffVariant{"grey8_lzw_predictor", false, "-colorspace Gray -compress LZW -define tiff:predictor=2", "min-is-black", 8, 8, 0},
        TiffVariant{"palette8", false, "-colors 200 -type Palette", "palette", 8, 8, 1},
        TiffVariant{"palette4", false, "-colors 16 -type Palette -compress LZW", "palette", 4, 4, 1},
        TiffVariant{"palette2", false, "-colors 4 -type Palette", "palette", 2, 24, 1},
        TiffVariant{"palette1", false, "-colors 2 -type Palette", "palette", 1, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TiffPages, EachPageDecodesAndPagesBeyondTheLastFail)
{
    const std::string file = Scratch("pages.tif");
    ASSERT_EQ(Shell("convert -size 10x6 xc:red -size 12x7 xc:lime -size 14x8 xc:blue -compress LZW '" + file + "'"), 0);
    const BYTE colours[3][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    for (long page = 0; page < 3; ++page) {
        CPictureImage image;
        ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_TIF, image, page)) << image.GetLastError();
        EXPECT_EQ(image.GetNumFrames(), 3);
        EXPECT_EQ(image.GetWidth(), 10 + 2 * page);
        EXPECT_EQ(image.GetHeight(), 6 + page);
        BYTE px[4];
        OurPixel(image, 3, 2, px);
        EXPECT_EQ(px[0], colours[page][0]);
        EXPECT_EQ(px[1], colours[page][1]);
        EXPECT_EQ(px[2], colours[page][2]);
    }
    for (long page : {3L, -1L}) {
        CPictureImage image;
        const std::vector<BYTE> bytes = ReadFile(file);
        image.SetFrame(page);
        EXPECT_FALSE(DecodeTiff(bytes.data(), bytes.size(), image));
        EXPECT_STREQ(image.GetLastError(), "Error: page not present in TIFF file");
        EXPECT_EQ(image.GetNumFrames(), 3);
    }
}

TEST(TiffHeader, ResolutionIsReadInDotsPerInch)
{
    const std::string inch = Scratch("dpi-inch.tif");
    const std::string cm = Scratch("dpi-cm.tif");
    ASSERT_EQ(Shell("convert -size 8x8 xc:gray -units PixelsPerInch -density 200x100 '" + inch + "'"), 0);
    ASSERT_EQ(Shell("convert -size 8x8 xc:gray -units PixelsPerCentimeter -density 118.11 '" + cm + "'"), 0);
    CPictureImage a, b;
    ASSERT_TRUE(DecodeFile(inch, IMAGE_FORMAT_TIF, a));
    ASSERT_TRUE(DecodeFile(cm, IMAGE_FORMAT_TIF, b));
    EXPECT_EQ(a.GetXDPI(), 200);
    EXPECT_EQ(a.GetYDPI(), 100);
    EXPECT_EQ(b.GetXDPI(), 300);
}

TEST(TiffBroken, TruncatedAndCorruptedFilesFailCleanly)
{
    const std::string src = WritePam(Pattern(40, 30), "tiff-broken.pam", false);
    for (const char* options : {"-compress LZW", "-colorspace Gray -compress Zip", "-colors 16 -type Palette",
                                "-define tiff:tile-geometry=16x16 -compress LZW"}) {
        const std::string file = Scratch("broken.tif");
        ASSERT_EQ(Shell("convert '" + src + "' " + std::string(options) + " '" + file + "'"), 0);
        const std::vector<BYTE> good = ReadFile(file);
        for (std::size_t cut = 0; cut < good.size(); cut += 11) {
            CPictureImage image;
            if (!DecodeTiff(good.data(), cut, image)) {
                EXPECT_FALSE(image.m_szLastError.empty());
            }
        }
        for (std::size_t pos = 0; pos < good.size(); pos += 5) {
            std::vector<BYTE> bad = good;
            bad[pos] ^= 0xFF;
            CPictureImage image;
            DecodeTiff(bad.data(), bad.size(), image);
        }
    }
    CPictureImage image;
    const BYTE notTiff[] = "II*\0garbage";
    EXPECT_FALSE(DecodeTiff(notTiff, sizeof notTiff, image));
    EXPECT_STREQ(image.GetLastError(), "Error encountered while opening TIFF file");
}

// A hand-built little-endian file of one strip and one sample per pixel.
std::vector<BYTE> BuildTiff(unsigned width, unsigned height, unsigned bits, unsigned photometric,
                            const std::vector<BYTE>& strip)
{
    std::vector<BYTE> f = {'I', 'I', 42, 0, 8, 0, 0, 0};
    auto u16 = [&f](unsigned v) { f.push_back(v & 0xFF); f.push_back(v >> 8); };
    auto u32 = [&f](unsigned v) { for (int i = 0; i < 4; ++i) f.push_back((v >> (8 * i)) & 0xFF); };
    auto entry = [&](unsigned tag, unsigned type, unsigned value) { u16(tag); u16(type); u32(1); u32(value); };
    const unsigned dataOffset = 8 + 2 + 8 * 12 + 4;
    u16(8);
    entry(256, 4, width);
    entry(257, 4, height);
    entry(258, 3, bits);
    entry(262, 3, photometric);
    entry(273, 4, dataOffset);
    entry(277, 3, 1);
    entry(278, 4, height);
    entry(279, 4, static_cast<unsigned>(strip.size()));
    u32(0);
    f.insert(f.end(), strip.begin(), strip.end());
    return f;
}

// In a min-is-white file 0 is white, whatever the depth.
TEST(TiffGrey, FourBitMinIsWhite)
{
    const std::vector<BYTE> f = BuildTiff(4, 1, 4, 0, {0x0F, 0x7A});
    CPictureImage image;
    ASSERT_TRUE(DecodeTiff(f.data(), f.size(), image)) << image.GetLastError();
    ASSERT_EQ(image.GetBpp(), 4);
    const BYTE expected[4] = {255, 0, 255 - 7 * 17, 255 - 10 * 17};
    for (int x = 0; x < 4; ++x) {
        BYTE px[4];
        OurPixel(image, x, 0, px);
        EXPECT_EQ(px[0], expected[x]) << x;
        EXPECT_EQ(px[2], expected[x]) << x;
    }
}

// One strip of 8-bit grey claiming 60000 × 60000 pixels, and one claiming
// 30000 × 30000 with only a few bytes of data.
TEST(TiffBroken, HugeDimensionsAreRefused)
{
    for (unsigned side : {60000u, 30000u}) {
        const std::vector<BYTE> f = BuildTiff(side, side, 8, 1, std::vector<BYTE>(16, 0x55));
        CPictureImage image;
        EXPECT_FALSE(DecodeTiff(f.data(), f.size(), image));
        EXPECT_FALSE(image.IsValid());
    }
}

}  // namespace
