#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"

namespace {

// A PCX file of our own: lines of planes × bytesPerLine bytes, run-length
// encoded line by line; a 256-colour table is appended when given.
std::vector<BYTE> MakePcx(int w, int h, int bits, int planes, int bytesPerLine, const std::vector<BYTE>& raw,
                          const std::vector<BYTE>& bigPalette = {})
{
    std::vector<BYTE> f(128, 0);
    f[0] = 10;
    f[1] = 5;
    f[2] = 1;
    f[3] = BYTE(bits);
    f[8] = BYTE(w - 1);
    f[9] = BYTE((w - 1) >> 8);
    f[10] = BYTE(h - 1);
    f[11] = BYTE((h - 1) >> 8);
    for (int i = 0; i < 16; ++i) {
        f[16 + i * 3] = BYTE(i * 16);            // red
        f[17 + i * 3] = BYTE(255 - i * 16);      // green
        f[18 + i * 3] = BYTE((i * 77) & 0xFF);   // blue
    }
    f[65] = BYTE(planes);
    f[66] = BYTE(bytesPerLine);
    f[67] = BYTE(bytesPerLine >> 8);
    const std::size_t line = std::size_t(planes) * bytesPerLine;
    for (std::size_t start = 0; start < raw.size(); start += line) {
        for (std::size_t i = start; i < start + line;) {
            std::size_t run = 1;
            while (i + run < start + line && raw[i + run] == raw[i] && run < 63) ++run;
            if (run > 1 || raw[i] > 191) f.push_back(BYTE(0xC0 | run));
            f.push_back(raw[i]);
            i += run;
        }
    }
    if (!bigPalette.empty()) {
        f.push_back(12);
        f.insert(f.end(), bigPalette.begin(), bigPalette.end());
    }
    return f;
}

// Raw lines for a picture of colour indices index(x, y) = (x + 3y) % colours,
// packed at `bits` per pixel in one plane, or spread over 1-bit planes.
std::vector<BYTE> IndexLines(int w, int h, int bits, int planes, int bytesPerLine)
{
    const int colours = 1 << (bits * planes);
    std::vector<BYTE> raw(std::size_t(h) * planes * bytesPerLine, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int index = (x + 3 * y) % colours;
            BYTE* line = &raw[std::size_t(y) * planes * bytesPerLine];
            if (planes == 1) {
                const int bit = x * bits;
                line[bit / 8] |= BYTE(index << (8 - bits - bit % 8));
            } else {
                for (int p = 0; p < planes; ++p)
                    if ((index >> p) & 1) line[p * bytesPerLine + x / 8] |= BYTE(0x80 >> (x % 8));
            }
        }
    return raw;
}

}  // namespace

TEST(PcxDecoderMagick, WrittenPicturesMatch)
{
    struct Variant { const char* name; std::string args; int bpp; };
    const Variant variants[] = {
        {"8 bits, 256-colour table", Quote(SourcePicture()) + " -type Palette PCX:", 8},
        {"24 bits in three planes", Quote(SourcePicture()) + " -type TrueColor PCX:", 24},
        {"four planes with alpha", Quote(SourcePictureAlpha()) + " PCX:", 24},
    };
    int n = 0;
    for (const Variant& v : variants) {
        const std::string path = PicturePath("pcx-variant-" + std::to_string(n++) + ".pcx");
        ASSERT_TRUE(Convert(v.args + Quote(path))) << v.name;
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_PCX);
        ExpectSamePixels(img, MagickDecode(path), v.name);
        EXPECT_EQ(img.GetBpp(), v.bpp) << v.name;
    }
}

TEST(PcxDecoderHandMade, PackedPixelsAndBitPlanes)
{
    struct Layout { int bits; int planes; int bpp; };
    const Layout layouts[] = {{1, 1, 1}, {2, 1, 4}, {4, 1, 4}, {1, 2, 4}, {1, 3, 4}, {1, 4, 4}};
    for (const Layout& l : layouts) {
        const int w = 21, h = 5;
        const int bytesPerLine = ((w * l.bits + 15) / 16) * 2;
        const std::vector<BYTE> file = MakePcx(w, h, l.bits, l.planes, bytesPerLine,
                                               IndexLines(w, h, l.bits, l.planes, bytesPerLine));
        const std::string path = PicturePath("pcx-hand.pcx");
        WriteFileBytes(path, file);
        const std::string name = std::to_string(l.bits) + " bits × " + std::to_string(l.planes) + " planes";
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_PCX);
        ASSERT_TRUE(img.IsValid()) << name << ": " << img.GetLastError();
        EXPECT_EQ(img.GetBpp(), l.bpp) << name;
        const int colours = 1 << (l.bits * l.planes);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(img.GetPixelIndex(x, h - 1 - y), (x + 3 * y) % colours) << name << " " << x << "," << y;
        if (l.bits * l.planes > 1) ExpectSamePixels(img, MagickDecode(path), name);
        // One bit in one plane is black and white, whatever the header says.
        if (l.bpp == 1) {
            EXPECT_EQ(img.GetPaletteColor(1).rgbGreen, 255);
            EXPECT_EQ(img.GetPaletteColor(0).rgbGreen, 0);
        }
    }
}

TEST(PcxDecoderBroken, BadFilesGiveTheirTexts)
{
    struct Case { std::vector<BYTE> file; const char* text; };
    auto withHeader = [](int at, BYTE value) {
        std::vector<BYTE> f = MakePcx(4, 2, 8, 1, 4, std::vector<BYTE>(8, 1), std::vector<BYTE>(768, 7));
        f[at] = value;
        return f;
    };
    std::vector<BYTE> spans = MakePcx(4, 2, 8, 1, 4, {});
    spans.insert(spans.end(), {0xC5, 1, 0xC5, 2});
    std::vector<BYTE> shortData = MakePcx(4, 2, 8, 1, 4, {});
    shortData.insert(shortData.end(), {0xC3, 1});
    std::vector<BYTE> noSignature = MakePcx(4, 2, 8, 1, 4, std::vector<BYTE>(8, 1));
    std::vector<BYTE> badPalette = MakePcx(4, 2, 8, 1, 4, std::vector<BYTE>(8, 1), std::vector<BYTE>(768, 7));
    badPalette[badPalette.size() - 769] = 11;
    const Case cases[] = {
        {std::vector<BYTE>(100, 10), "Can't read PCX image"},
        {withHeader(0, 11), "Error: Not a PCX file"},
        {withHeader(2, 0), "PCX file has unknown encoding scheme"},
        {MakePcx(4, 2, 1, 5, 2, std::vector<BYTE>(20)), "Can't handle image with more than 4 planes"},
        {MakePcx(4, 2, 3, 1, 2, std::vector<BYTE>(4)), "Can't handle bits per pixel image with planes."},
        {MakePcx(4, 2, 8, 2, 4, std::vector<BYTE>(16)), "Can't handle bits per pixel image with planes."},
        {MakePcx(4, 2, 4, 3, 2, std::vector<BYTE>(12)), "Can't handle packed pixels with more than 1 plane."},
        {spans, "repeat count spans end of image"},
        {shortData, "corrupted PCX"},
        {noSignature, "bad color map signature"},
        {badPalette, "bad color map signature"},
        {MakePcx(40, 2, 8, 1, 4, std::vector<BYTE>(8)), "corrupted PCX"},
        {withHeader(9, 0x90), "corrupted PCX"},
    };
    for (const Case& c : cases) {
        CPictureImage img;
        EXPECT_FALSE(img.Decode(c.file.data(), c.file.size(), IMAGE_FORMAT_PCX)) << c.text;
        EXPECT_STREQ(img.GetLastError(), c.text);
    }
}

TEST(PcxDecoderBroken, TruncatedAndCorruptedFilesFailCleanly)
{
    int n = 0;
    for (const char* layout : {"-type Palette", "-type TrueColor"}) {
        const std::string path = PicturePath("pcx-damage-" + std::to_string(n++) + ".pcx");
        ASSERT_TRUE(Convert(Quote(SourcePicture()) + " " + layout + " PCX:" + Quote(path)));
        ExpectSurvivesDamage(ReadFileBytes(path), IMAGE_FORMAT_PCX);
    }
    ExpectSurvivesDamage(MakePcx(21, 5, 1, 4, 4, IndexLines(21, 5, 1, 4, 4)), IMAGE_FORMAT_PCX);
}
