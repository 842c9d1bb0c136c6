#include "JpegPngTiffSupport.h"

#include "imageio/ImageCodecs.h"

#include <zlib.h>

using namespace codectest;

namespace {

struct PngVariant {
    const char* name;
    bool alphaSource;     // made from the pattern with its alpha ramp
    const char* options;  // ImageMagick options; the output name follows
    int depth;            // bit depth and colour type ImageMagick must have written
    int colourType;
    bool interlaced;
    int bpp;              // expected depth of our picture
    bool alpha;           // expect an alpha plane or a colour table with alpha
    int tolerance = 0;    // 16-bit samples keep their high byte; ImageMagick rounds
};

class PngVariants : public ::testing::TestWithParam<PngVariant> {};

TEST_P(PngVariants, MatchImageMagick)
{
    const PngVariant& v = GetParam();
    const std::string src = WritePam(Pattern(), v.alphaSource ? "png-src-alpha.pam" : "png-src.pam", v.alphaSource);
    const std::string file = Scratch(std::string("variant-") + v.name + ".png");
    std::string options = v.options;
    const std::size_t at = options.find("OUT");
    options.replace(at, 3, "'" + file + "'");
    ASSERT_EQ(Shell("convert '" + src + "' " + options), 0);
    const std::vector<BYTE> bytes = ReadFile(file);
    ASSERT_GT(bytes.size(), 33u);
    ASSERT_EQ(bytes[24], v.depth) << "ImageMagick wrote another bit depth";
    ASSERT_EQ(bytes[25], v.colourType) << "ImageMagick wrote another colour type";
    ASSERT_EQ(bytes[28], v.interlaced ? 1 : 0);

    CPictureImage image;
    ASSERT_TRUE(image.Decode(bytes.data(), bytes.size(), IMAGE_FORMAT_PNG)) << image.GetLastError();
    EXPECT_EQ(image.GetBpp(), v.bpp);
    EXPECT_EQ(image.AlphaIsValid() || image.AlphaPaletteIsEnabled() || image.GetTransIndex() >= 0, v.alpha);
    const Rgba ref = MagickDecode(file);
    EXPECT_LE(MaxDifference(image, ref, v.alpha), v.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Png, PngVariants,
    ::testing::Values(
        PngVariant{"rgb8", false, "PNG24:OUT", 8, 2, false, 24, false},
        PngVariant{"rgb16", false, "-depth 16 PNG48:OUT", 16, 2, false, 24, false, 1},
        PngVariant{"rgb8_interlaced", false, "-interlace PNG PNG24:OUT", 8, 2, true, 24, false},
        PngVariant{"grey1", false, "-colorspace Gray -threshold 50% -define png:color-type=0 -define png:bit-depth=1 OUT", 1, 0, false, 1, false},
        PngVariant{"grey2", false, "-colorspace Gray -depth 2 -define png:color-type=0 -define png:bit-depth=2 OUT", 2, 0, false, 4, false},
        PngVariant{"grey4", false, "-colorspace Gray -depth 4 -define png:color-type=0 -define png:bit-depth=4 OUT", 4, 0, false, 4, false},
        PngVariant{"grey8", false, "-colorspace Gray -define png:color-type=0 -define png:bit-depth=8 OUT", 8, 0, false, 8, false},
        PngVariant{"grey16", false, "-colorspace Gray -depth 16 -define png:color-type=0 -define png:bit-depth=16 OUT", 16, 0, false, 8, false, 1},
        PngVariant{"grey2_interlaced", false, "-colorspace Gray -depth 2 -interlace PNG -define png:color-type=0 -define png:bit-depth=2 OUT", 2, 0, true, 4, false},
        PngVariant{"palette2", false, "-colors 3 -type Palette OUT", 2, 3, false, 4, false},
        PngVariant{"palette4", false, "-colors 9 -type Palette OUT", 4, 3, false, 4, false},
        PngVariant{"palette8", false, "-colors 200 PNG8:OUT", 8, 3, false, 8, false},
        PngVariant{"palette8_interlaced", false, "-colors 16 -interlace PNG -type Palette OUT", 8, 3, true, 8, false},
        PngVariant{"palette_trns", true, "-colors 100 PNG8:OUT", 8, 3, false, 8, true},
        PngVariant{"palette4_trns", true, "-channel A -threshold 50% +channel -colors 8 -type PaletteAlpha OUT", 4, 3, false, 4, true},
        PngVariant{"rgba8", true, "PNG32:OUT", 8, 6, false, 24, true},
        PngVariant{"rgba16", true, "PNG64:OUT", 16, 6, false, 24, true, 1},
        PngVariant{"rgba8_interlaced", true, "-interlace PNG PNG32:OUT", 8, 6, true, 24, true},
        PngVariant{"grey_alpha8", true, "-colorspace Gray -define png:color-type=4 -define png:bit-depth=8 OUT", 8, 4, false, 24, true},
        PngVariant{"grey_alpha16", true, "-colorspace Gray -depth 16 -define png:color-type=4 -define png:bit-depth=16 OUT", 16, 4, false, 24, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// A grey or colour file with one transparent value is composited on its
// background colour, or on light grey when it names none.
TEST(PngBackground, TransparentValueTakesTheBackground)
{
    const std::string src = WritePam(Pattern(), "png-bg.pam", true);
    struct Case {
        const char* options;
        int colourType;
        BYTE expected[3];
    } cases[] = {
        {"-define png:exclude-chunk=bKGD -colorspace Gray -define png:color-type=0", 0, {192, 192, 192}},
        {"-define png:exclude-chunk=bKGD -define png:color-type=2", 2, {192, 192, 192}},
        {"-background '#204060' -define png:color-type=2", 2, {0x20, 0x40, 0x60}},
        {"-background '#808080' -colorspace Gray -define png:color-type=0", 0, {0x80, 0x80, 0x80}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string file = Scratch("bg" + std::to_string(n++) + ".png");
                // Every transparent pixel gets one colour, so that the file can name
        // it as its single transparent value.
        ASSERT_EQ(Shell("convert '" + src + "' -channel A -threshold 50% +channel -background 'rgb(5,5,5)' "
                        "-alpha background " + c.options + " '" + file + "'"), 0);
        const std::vector<BYTE> bytes = ReadFile(file);
        ASSERT_EQ(bytes[25], c.colourType);
        CPictureImage image;
        ASSERT_TRUE(image.Decode(bytes.data(), bytes.size(), IMAGE_FORMAT_PNG)) << c.options;
        EXPECT_FALSE(image.AlphaIsValid());
        const Rgba ref = MagickDecode(file);
        EXPECT_EQ(MaxDifference(image, ref, false), 0) << c.options;
        // The leftmost quarter of the pattern is fully transparent.
        BYTE px[4];
        OurPixel(image, 2, 5, px);
        EXPECT_EQ(px[0], c.expected[0]) << c.options;
        EXPECT_EQ(px[1], c.expected[1]) << c.options;
        EXPECT_EQ(px[2], c.expected[2]) << c.options;
    }
}

TEST(PngBackground, AlphaPictureKeepsTheFileBackground)
{
    const std::string src = WritePam(Pattern(), "png-bg32.pam", true);
    const std::string file = Scratch("bg32.png");
    ASSERT_EQ(Shell("convert '" + src + "' -background '#0A141E' PNG32:'" + file + "'"), 0);
    CPictureImage image;
    ASSERT_TRUE(DecodeFile(file, IMAGE_FORMAT_PNG, image));
    EXPECT_EQ(image.m_rgbBackground.rgbRed, 0x0A);
    EXPECT_EQ(image.m_rgbBackground.rgbGreen, 0x14);
    EXPECT_EQ(image.m_rgbBackground.rgbBlue, 0x1E);
}

TEST(PngBroken, TruncatedAndCorruptedFilesFailCleanly)
{
    const std::string src = WritePam(Pattern(40, 30), "png-broken.pam", true);
    for (const char* options : {"PNG32:", "-interlace PNG PNG8:"}) {
        const std::string file = Scratch("broken.png");
        ASSERT_EQ(Shell("convert '" + src + "' " + options + "'" + file + "'"), 0);
        const std::vector<BYTE> good = ReadFile(file);
        for (std::size_t cut = 0; cut + 12 < good.size(); cut += 5) {
            CPictureImage image;
            EXPECT_FALSE(DecodePng(good.data(), cut, image)) << cut;
            EXPECT_FALSE(image.m_szLastError.empty());
        }
        for (std::size_t pos = 8; pos < good.size(); pos += 3) {
            std::vector<BYTE> bad = good;
            bad[pos] ^= 0xA5;
            CPictureImage image;
            DecodePng(bad.data(), bad.size(), image);
        }
    }
    CPictureImage image;
    const BYTE notPng[] = "GIF89a....";
    EXPECT_FALSE(DecodePng(notPng, sizeof notPng, image));
    EXPECT_STREQ(image.GetLastError(), "Error reading PNG file");
}

TEST(PngBroken, HugeDimensionsAreRefused)
{
    const std::string file = Scratch("huge.png");
    ASSERT_EQ(Shell("convert -size 4x4 xc:red PNG24:'" + file + "'"), 0);
    std::vector<BYTE> bytes = ReadFile(file);
    // Claim 40000 a side (beyond the side cap) and 32768 a side (within
    // the caps, but far more rows than the few compressed bytes can hold),
    // with a correct header checksum.
    for (DWORD side : {40000u, 32768u}) {
        std::vector<BYTE> bad = bytes;
        for (int i = 0; i < 2; ++i) {
            bad[16 + 4 * i] = static_cast<BYTE>(side >> 24);
            bad[17 + 4 * i] = static_cast<BYTE>(side >> 16);
            bad[18 + 4 * i] = static_cast<BYTE>(side >> 8);
            bad[19 + 4 * i] = static_cast<BYTE>(side);
        }
        const uLong crc = crc32(0, bad.data() + 12, 17);
        for (int i = 0; i < 4; ++i) bad[29 + i] = static_cast<BYTE>(crc >> (24 - 8 * i));
        CPictureImage image;
        EXPECT_FALSE(DecodePng(bad.data(), bad.size(), image));
        EXPECT_FALSE(image.IsValid());
    }
}

}  // namespace

namespace {

// Files the fuzzer found: each fails at once, without allocating what its
// chunks claim.
TEST(PngBroken, FuzzFindingsFailCleanly)
{
    for (const char* name : {"png-huge-chunk.png"}) {
        const std::vector<BYTE> bytes = ReadFile(std::string(MONDREL_TEST_DATA) + "/libcodecs/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        CPictureImage image;
        EXPECT_FALSE(image.Decode(bytes.data(), bytes.size(), IMAGE_FORMAT_PNG)) << name;
        EXPECT_STREQ(image.GetLastError(), "Error reading PNG file");
    }
}

}  // namespace
