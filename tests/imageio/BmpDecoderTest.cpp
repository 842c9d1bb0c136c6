#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"
#include "objects/ByteReader.h"

namespace {

// The rule of the hand-made palette pictures (see make-decoder-fixtures.py).
RGBQUAD FixtureColour(long x, long yFromTop, int colours)
{
    const int i = static_cast<int>((x + 2 * yFromTop) % colours);
    return RGBQUAD{BYTE(29 * i % 256), BYTE(255 - i), BYTE(17 * i % 256), 0};
}

void ExpectFixturePixels(const CPictureImage& img, long w, long h, int colours)
{
    ASSERT_TRUE(img.IsValid()) << img.GetLastError();
    ASSERT_EQ(img.GetWidth(), w);
    ASSERT_EQ(img.GetHeight(), h);
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x) {
            const RGBQUAD want = FixtureColour(x, y, colours);
            const RGBQUAD got = img.GetPixelColor(x, h - 1 - y);
            EXPECT_EQ(got.rgbRed, want.rgbRed) << x << "," << y;
            EXPECT_EQ(got.rgbGreen, want.rgbGreen) << x << "," << y;
            EXPECT_EQ(got.rgbBlue, want.rgbBlue) << x << "," << y;
        }
}

std::string Fixture(const std::string& name)
{
    return std::string(MONDREL_TEST_DATA) + "/" + name;
}

// A 40-byte-header BMP around the given pixel bytes.
std::vector<BYTE> MakeBmp(long w, long h, int bpp, DWORD compression, const std::vector<BYTE>& pixels,
                          DWORD colours = 0, const std::vector<DWORD>& masks = {})
{
    CByteWriter out;
    const DWORD paletteBytes = (bpp <= 8 ? (colours ? colours : (1u << bpp)) : 0) * 4 + DWORD(masks.size()) * 4;
    out.U16(0x4D42);
    out.U32(14 + 40 + paletteBytes + static_cast<DWORD>(pixels.size()));
    out.U32(0);
    out.U32(14 + 40 + paletteBytes);
    out.U32(40);
    out.I32(static_cast<std::int32_t>(w));
    out.I32(static_cast<std::int32_t>(h));
    out.U16(1);
    out.U16(static_cast<WORD>(bpp));
    out.U32(compression);
    out.U32(static_cast<DWORD>(pixels.size()));
    out.U32(0);
    out.U32(0);
    out.U32(colours);
    out.U32(0);
    for (DWORD m : masks) out.U32(m);
    for (DWORD i = 0; i < paletteBytes / 4 - masks.size(); ++i) out.U32(0x00010101u * i);
    out.Write(pixels.data(), pixels.size());
    return out.Buffer();
}

}  // namespace

// Pictures written by ImageMagick in each layout it can write, compared with
// its own decoding pixel by pixel.
TEST(BmpDecoderMagick, EveryWrittenLayoutMatches)
{
    struct Variant { const char* name; std::string args; bool alpha; };
    const std::string src = Quote(SourcePicture());
    const std::string srcAlpha = Quote(SourcePictureAlpha());
    const Variant variants[] = {
        {"1-bit", src + " -type Bilevel -compress None BMP3:", false},
        {"4-bit", src + " -colors 16 -type Palette -compress None BMP3:", false},
        {"8-bit", src + " -type Palette -compress None BMP3:", false},
        {"8-bit RLE", src + " -type Palette -compress RLE BMP3:", false},
        {"24-bit", src + " -type TrueColor BMP3:", false},
        {"12-byte header", src + " -type Palette BMP2:", false},
        {"124-byte header, palette", src + " -type Palette -compress None BMP:", false},
        {"124-byte header, RLE", src + " -type Palette -compress RLE BMP:", false},
        {"16-bit 5-6-5", src + " -define bmp:subtype=RGB565 BMP:", false},
        {"16-bit 5-5-5", src + " -define bmp:subtype=RGB555 BMP:", false},
        {"32-bit with alpha", srcAlpha + " BMP:", true},
    };
    int n = 0;
    for (const Variant& v : variants) {
        const std::string path = PicturePath("bmp-variant-" + std::to_string(n++) + ".bmp");
        ASSERT_TRUE(Convert(v.args + Quote(path))) << v.name;
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_BMP);
        ExpectSamePixels(img, MagickDecode(path), v.name);
        EXPECT_EQ(img.AlphaIsValid(), v.alpha) << v.name;
    }
}

TEST(BmpDecoderMagick, PaletteAfterTheRealHeaderSize)
{
    // A 124-byte-header palette picture cut down to the 108-byte header: the
    // colour table starts right after the shorter header.
    const std::string path = PicturePath("bmp-v5.bmp");
    ASSERT_TRUE(Convert(Quote(SourcePicture()) + " -type Palette -compress None BMP:" + Quote(path)));
    std::vector<BYTE> v5 = ReadFileBytes(path);
    ASSERT_EQ(v5[14], 124);
    std::vector<BYTE> v4(v5.begin(), v5.begin() + 14 + 108);
    v4.insert(v4.end(), v5.begin() + 14 + 124, v5.end());
    v4[14] = 108;
    CByteReader r(v5);
    r.Seek(10);
    const DWORD offset = r.U32() - 16;
    for (int i = 0; i < 4; ++i) v4[10 + i] = BYTE(offset >> (8 * i));
    const std::string v4path = PicturePath("bmp-v4.bmp");
    WriteFileBytes(v4path, v4);
    ExpectSamePixels(DecodeFile(v4path, IMAGE_FORMAT_BMP), MagickDecode(path), "108-byte header");
    ExpectFixturePixels(DecodeFile(Fixture("bmp-v4-palette.bmp"), IMAGE_FORMAT_BMP), 7, 3, 256);
}

TEST(BmpDecoderHandMade, CoreHeaderHeaderlessAndTopDown)
{
    const CPictureImage core = DecodeFile(Fixture("bmp-core-1bit.bmp"), IMAGE_FORMAT_BMP);
    ExpectFixturePixels(core, 11, 5, 2);
    EXPECT_EQ(core.GetBpp(), 1);

    const CPictureImage bare = DecodeFile(Fixture("bmp-headerless-4bit.dib"), IMAGE_FORMAT_BMP);
    ExpectFixturePixels(bare, 9, 4, 16);
    EXPECT_EQ(bare.GetBpp(), 4);

    const CPictureImage topDown = DecodeFile(Fixture("bmp-top-down.bmp"), IMAGE_FORMAT_BMP);
    ASSERT_TRUE(topDown.IsValid()) << topDown.GetLastError();
    ASSERT_EQ(topDown.GetHeight(), 3);
    for (long y = 0; y < 3; ++y)
        for (long x = 0; x < 5; ++x) {
            const RGBQUAD c = topDown.GetPixelColor(x, 2 - y);
            EXPECT_EQ(c.rgbBlue, x * 20);
            EXPECT_EQ(c.rgbGreen, y * 40);
            EXPECT_EQ(c.rgbRed, 200);
        }
    EXPECT_EQ(topDown.GetXDPI(), 72);

    // A bare 24-bit header with a colour table: the pixels follow the table.
    CByteWriter bare24;
    const BYTE head[40] = {40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                           0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    bare24.Write(head, 40);
    bare24.U32(0x00FFFFFF);
    bare24.U32(0x00FFFFFF);
    bare24.U32(0x00563412);
    CPictureImage one;
    ASSERT_TRUE(one.Decode(bare24.Buffer().data(), bare24.Size(), IMAGE_FORMAT_BMP));
    EXPECT_EQ(one.GetPixelColor(0, 0).rgbRed, 0x56);
    EXPECT_EQ(one.GetPixelColor(0, 0).rgbBlue, 0x12);
}

TEST(BmpDecoderHandMade, MasksAfterTheShortHeader)
{
    // 5-6-5 pixels with their masks right after a 40-byte header: white,
    // pure red, a mid green and pure blue.
    const std::vector<BYTE> pixels = {0xFF, 0xFF, 0x00, 0xF8, 0x00, 0x04, 0x1F, 0x00};
    const std::vector<BYTE> file = MakeBmp(4, 1, 16, BI_BITFIELDS, pixels, 0, {0xF800, 0x07E0, 0x001F});
    CPictureImage img;
    ASSERT_TRUE(img.Decode(file.data(), file.size(), IMAGE_FORMAT_BMP)) << img.GetLastError();
    const RGBQUAD white = img.GetPixelColor(0, 0);
    EXPECT_EQ(white.rgbRed + white.rgbGreen + white.rgbBlue, 3 * 255);
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbRed, 255);
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbGreen, 0);
    EXPECT_EQ(img.GetPixelColor(2, 0).rgbGreen, 130);  // 32 of 63
    EXPECT_EQ(img.GetPixelColor(3, 0).rgbBlue, 255);
}

TEST(BmpDecoderHandMade, Rle4WithEveryEscape)
{
    const CPictureImage img = DecodeFile(Fixture("bmp-rle4.bmp"), IMAGE_FORMAT_BMP);
    ASSERT_TRUE(img.IsValid()) << img.GetLastError();
    // Rows from the bottom, as the generator wrote them.
    const int rows[6][12] = {
        {1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2},
        {3, 4, 5, 6, 7, 10, 10, 10, 10, 10, 10, 10},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 15, 0, 15, 0, 9, 11, 12, 13, 0},
        {8, 8, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (long y = 0; y < 6; ++y)
        for (long x = 0; x < 12; ++x) EXPECT_EQ(img.GetPixelIndex(x, y), rows[y][x]) << x << "," << y;
}

TEST(BmpDecoderBroken, RunsPastThePictureStopSafely)
{
    // Runs longer than the row, moves beyond the top and right, absolute runs
    // cut short by the end of the file.
    const std::vector<std::vector<BYTE>> streams = {
        {255, 7, 255, 7, 0, 0, 255, 3},
        {0, 2, 255, 255, 5, 1, 0, 0, 9, 9},
        {0, 255, 1, 2, 3},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 0, 0, 2, 2},
        {0, 3, 1, 2},
    };
    for (DWORD compression : {BI_RLE8, BI_RLE4}) {
        for (const auto& s : streams) {
            const int bpp = compression == BI_RLE8 ? 8 : 4;
            const std::vector<BYTE> file = MakeBmp(6, 3, bpp, compression, s);
            CPictureImage img;
            EXPECT_TRUE(img.Decode(file.data(), file.size(), IMAGE_FORMAT_BMP)) << img.GetLastError();
        }
    }
}

TEST(BmpDecoderBroken, BadHeadersGiveTheirTexts)
{
    struct Case { std::vector<BYTE> file; const char* text; };
    std::vector<BYTE> noInfo = {'B', 'M', 1, 2, 3};
    std::vector<BYTE> shortInfo = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0};
    const Case cases[] = {
        {noInfo, "Not a BMP"},
        {shortInfo, "Error reading BMP info"},
        {MakeBmp(4, 4, 8, 4, std::vector<BYTE>(16)), "compression type not supported"},
        {MakeBmp(4, 4, 4, BI_RLE8, std::vector<BYTE>(16)), "compression type not supported"},
        {MakeBmp(4, 4, 24, BI_RLE8, std::vector<BYTE>(48)), "unknown compression"},
        {MakeBmp(4, 4, 32, BI_RLE4, std::vector<BYTE>(64)), "unknown compression"},
        {MakeBmp(100000, 4, 24, 0, std::vector<BYTE>(64)), "Can't allocate memory"},
        {MakeBmp(30000, 30000, 8, BI_RGB, std::vector<BYTE>(64)), "Error reading BMP info"},
        {MakeBmp(4, 4, 7, 0, std::vector<BYTE>(64)), "Error reading BMP info"},
        {MakeBmp(0, 4, 8, 0, std::vector<BYTE>(64)), "Error reading BMP info"},
    };
    for (const Case& c : cases) {
        CPictureImage img;
        EXPECT_FALSE(img.Decode(c.file.data(), c.file.size(), IMAGE_FORMAT_BMP)) << c.text;
        EXPECT_STREQ(img.GetLastError(), c.text);
        EXPECT_FALSE(img.IsValid());
    }
}

TEST(BmpDecoderBroken, TruncatedAndCorruptedFilesFailCleanly)
{
    const std::string src = Quote(SourcePicture());
    const char* layouts[] = {"-type Palette -compress RLE BMP3:", "-colors 16 -type Palette -compress None BMP3:",
                             "-define bmp:subtype=RGB565 BMP:", "-type Palette BMP2:"};
    int n = 0;
    for (const char* layout : layouts) {
        const std::string path = PicturePath("bmp-damage-" + std::to_string(n++) + ".bmp");
        ASSERT_TRUE(Convert(src + " " + layout + Quote(path)));
        ExpectSurvivesDamage(ReadFileBytes(path), IMAGE_FORMAT_BMP);
    }
    ExpectSurvivesDamage(ReadFileBytes(Fixture("bmp-rle4.bmp")), IMAGE_FORMAT_BMP);
}
