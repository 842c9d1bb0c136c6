#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"

namespace {

// Rewrites an uncompressed bottom-left TGA so that its rows run from the top
// (descriptor bit 5) or its pixels from the right (bit 4): the same picture
// stored the other way round.
std::vector<BYTE> Reorder(const std::vector<BYTE>& tga, bool topDown, bool rightToLeft)
{
    std::vector<BYTE> out = tga;
    const std::size_t start = 18 + tga[0] + (tga[1] ? std::size_t(tga[5] | (tga[6] << 8)) * ((tga[7] + 7) / 8) : 0);
    const long w = tga[12] | (tga[13] << 8);
    const long h = tga[14] | (tga[15] << 8);
    const long px = (tga[16] + 7) / 8;
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x) {
            const long sy = topDown ? h - 1 - y : y;
            const long sx = rightToLeft ? w - 1 - x : x;
            for (long b = 0; b < px; ++b) out[start + (y * w + x) * px + b] = tga[start + (sy * w + sx) * px + b];
        }
    if (topDown) out[17] |= 0x20;
    if (rightToLeft) out[17] |= 0x10;
    return out;
}

}  // namespace

TEST(TgaDecoderMagick, EveryWrittenTypeMatches)
{
    struct Variant { const char* name; std::string args; int bpp; bool alpha; };
    const std::string src = Quote(SourcePicture());
    const std::string srcAlpha = Quote(SourcePictureAlpha());
    const Variant variants[] = {
        {"type 1", src + " -type Palette -compress None TGA:", 8, false},
        {"type 2, 24 bits", src + " -type TrueColor -compress None TGA:", 24, false},
        {"type 2, 32 bits", srcAlpha + " -compress None TGA:", 24, true},
        {"type 3", src + " -type Grayscale -compress None TGA:", 8, false},
        {"type 9", src + " -type Palette -compress RLE TGA:", 8, false},
        {"type 10, 24 bits", src + " -type TrueColor -compress RLE TGA:", 24, false},
        {"type 10, 32 bits", srcAlpha + " -compress RLE TGA:", 24, true},
        {"type 11", src + " -type Grayscale -compress RLE TGA:", 8, false},
    };
    int n = 0;
    for (const Variant& v : variants) {
        const std::string path = PicturePath("tga-variant-" + std::to_string(n++) + ".tga");
        ASSERT_TRUE(Convert(v.args + Quote(path))) << v.name;
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_TGA);
        ExpectSamePixels(img, MagickDecode(path, "-auto-orient"), v.name);
        EXPECT_EQ(img.GetBpp(), v.bpp) << v.name;
        EXPECT_EQ(img.AlphaIsValid(), v.alpha) << v.name;
    }
}

TEST(TgaDecoderOrigins, AllFourOriginsGiveThePicture)
{
    for (const char* type : {"-type TrueColor", "-type Palette"}) {
        const std::string path = PicturePath("tga-origin.tga");
        ASSERT_TRUE(Convert(Quote(SourcePicture()) + " " + type + " -compress None TGA:" + Quote(path)));
        const CReference ref = MagickDecode(path, "-auto-orient");
        const std::vector<BYTE> file = ReadFileBytes(path);
        for (bool topDown : {false, true})
            for (bool rightToLeft : {false, true}) {
                const std::vector<BYTE> moved = Reorder(file, topDown, rightToLeft);
                CPictureImage img;
                img.Decode(moved.data(), moved.size(), IMAGE_FORMAT_TGA);
                ExpectSamePixels(img, ref, std::string(type) + (topDown ? " top" : " bottom") +
                                               (rightToLeft ? " right" : " left"));
            }
    }
}

TEST(TgaDecoderHandMade, SixteenBitPixelsAndTheirAttributeBit)
{
    // 3 × 2 pixels of 5-5-5 with the attribute bit on all but the first; the
    // descriptor declares one alpha bit. A second copy declares none.
    const WORD pixels[6] = {0x7FFF, 0x801F, 0x83E0, 0xFC00, 0x8000 | (15 << 10) | (1 << 5) | 30, 0x8421};
    std::vector<BYTE> f = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 16, 0x01};
    for (WORD p : pixels) f.insert(f.end(), {BYTE(p), BYTE(p >> 8)});
    const std::string path = PicturePath("tga-16.tga");
    WriteFileBytes(path, f);
    CPictureImage img = DecodeFile(path, IMAGE_FORMAT_TGA);
    ASSERT_TRUE(img.IsValid()) << img.GetLastError();
    ASSERT_TRUE(img.AlphaIsValid());
    EXPECT_EQ(img.AlphaGet(0, 0), 0);
    EXPECT_EQ(img.AlphaGet(1, 0), 255);
    // Full intensity stays full: 31 gives 255.
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbBlue, 255);
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbRed, 0);
    EXPECT_EQ(img.GetPixelColor(2, 0).rgbGreen, 255);
    // ImageMagick widens 5-bit channels through 16 bits and may round one lower.
    ExpectSamePixels(img, MagickDecode(path, "-auto-orient"), "16 bits with alpha", 1);

    f[17] = 0;
    CPictureImage opaque;
    ASSERT_TRUE(opaque.Decode(f.data(), f.size(), IMAGE_FORMAT_TGA));
    EXPECT_FALSE(opaque.AlphaIsValid());
    EXPECT_EQ(opaque.GetPixelColor(0, 0).rgbRed, 255);
}

TEST(TgaDecoderBroken, BadHeadersGiveTheirTexts)
{
    struct Case { std::vector<BYTE> file; const char* text; };
    auto header = [](BYTE type, WORD w, WORD h, BYTE depth) {
        return std::vector<BYTE>{0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, BYTE(w), BYTE(w >> 8), BYTE(h), BYTE(h >> 8), depth, 0};
    };
    std::vector<BYTE> raw = header(2, 4, 4, 24);
    raw.resize(raw.size() + 40);
    std::vector<BYTE> rleShort = header(10, 4, 4, 24);
    rleShort.insert(rleShort.end(), {0x83, 1, 2, 3, 0x02, 1});
    const Case cases[] = {
        {{0, 0, 2, 0, 0}, "Not a TGA"},
        {header(5, 4, 4, 24), "Unknown TGA image type"},
        {header(2, 4, 4, 12), "TGA Create failed"},
        {header(2, 0, 4, 24), "TGA Create failed"},
        {header(1, 4, 4, 24), "TGA Create failed"},
        {raw, "corrupted TGA"},
        {rleShort, "corrupted TGA"},
        {header(10, 40000, 40000, 24), "TGA Create failed"},
        {header(10, 30000, 30000, 24), "corrupted TGA"},
    };
    for (const Case& c : cases) {
        CPictureImage img;
        EXPECT_FALSE(img.Decode(c.file.data(), c.file.size(), IMAGE_FORMAT_TGA)) << c.text;
        EXPECT_STREQ(img.GetLastError(), c.text);
    }
}

TEST(TgaDecoderBroken, TruncatedAndCorruptedFilesFailCleanly)
{
    int n = 0;
    for (const char* layout : {"-type Palette -compress RLE", "-compress RLE", "-type TrueColor -compress None"}) {
        const std::string path = PicturePath("tga-damage-" + std::to_string(n++) + ".tga");
        ASSERT_TRUE(Convert(Quote(SourcePictureAlpha()) + " " + layout + " TGA:" + Quote(path)));
        ExpectSurvivesDamage(ReadFileBytes(path), IMAGE_FORMAT_TGA);
    }
}
