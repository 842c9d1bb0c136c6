#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"

namespace {

// An icon file with one BMP-style entry of the given depth: the header says
// 2 × height for the colour and mask rows.
std::vector<BYTE> MakeIcon(int w, int h, int bpp, BYTE entryColours, const std::vector<BYTE>& body)
{
    std::vector<BYTE> f = {0, 0, 1, 0, 1, 0, BYTE(w), BYTE(h), entryColours, 0, 1, 0, BYTE(bpp), 0};
    const DWORD size = static_cast<DWORD>(40 + body.size());
    for (int i = 0; i < 4; ++i) f.push_back(BYTE(size >> (8 * i)));
    f.insert(f.end(), {22, 0, 0, 0});
    const BYTE head[40] = {40, 0, 0, 0, BYTE(w), 0, 0, 0, BYTE(2 * h), 0, 0, 0, 1, 0, BYTE(bpp), 0};
    f.insert(f.end(), head, head + 40);
    f.insert(f.end(), body.begin(), body.end());
    return f;
}

}  // namespace

TEST(IcoDecoderMagick, IconsOfEveryDepthMatch)
{
    struct Variant { const char* name; std::string args; int bpp; };
    const std::string src = Quote(SourcePicture());
    const std::string srcAlpha = Quote(SourcePictureAlpha());
    const Variant variants[] = {
        {"4-bit", src + " -resize 16x16! -colors 16 -type Palette ICO:", 4},
        {"8-bit", src + " -resize 20x20! -colors 200 -type Palette ICO:", 8},
        {"32-bit", src + " -resize 32x32! ICO:", 24},
        {"32-bit alpha", srcAlpha + " -resize 24x24! ICO:", 24},
    };
    int n = 0;
    for (const Variant& v : variants) {
        const std::string path = PicturePath("ico-variant-" + std::to_string(n++) + ".ico");
        ASSERT_TRUE(Convert(v.args + Quote(path))) << v.name;
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_ICO);
        ExpectSamePixels(img, MagickDecode(path), v.name);
        EXPECT_EQ(img.GetBpp(), v.bpp) << v.name;
        EXPECT_EQ(img.GetTransIndex(), -1);
    }
}

TEST(IcoDecoderMagick, IconByFrameNumberAndCount)
{
    const std::string path = PicturePath("ico-multi.ico");
    ASSERT_TRUE(Convert(Quote(SourcePictureAlpha()) + " -define icon:auto-resize=16,32,48 " + Quote(path)));
    for (long f = 0; f < 3; ++f) {
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_ICO, f);
        ExpectSamePixels(img, MagickDecode(path + "[" + std::to_string(f) + "]"), "icon " + std::to_string(f));
        EXPECT_EQ(img.GetNumFrames(), 3);
    }
    // An icon index beyond the count fails, and so does a negative one.
    CPictureImage img;
    img.SetFrame(3);
    EXPECT_FALSE(img.Load(path, IMAGE_FORMAT_ICO));
    EXPECT_EQ(img.GetNumFrames(), 3);
    img.SetFrame(-1);
    EXPECT_FALSE(img.Load(path, IMAGE_FORMAT_ICO));
}

TEST(IcoDecoderMagick, PngIconsGoToThePngDecoder)
{
    const std::string png = PicturePath("ico-plain.png");
    ASSERT_TRUE(Convert(Quote(SourcePictureAlpha()) + " -resize 256x256! " + Quote(png)));
    if (!DecodeFile(png, IMAGE_FORMAT_PNG).IsValid()) GTEST_SKIP() << "no PNG decoder in this build yet";
    const std::string path = PicturePath("ico-png.ico");
    ASSERT_TRUE(Convert(Quote(png) + " -define icon:auto-resize=16,256 " + Quote(path)));
    const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_ICO, 1);
    // The icon holds 16-bit samples, which the two decoders round differently.
    ExpectSamePixels(img, MagickDecode(path + "[1]"), "PNG icon", 1);
    EXPECT_EQ(img.GetWidth(), 256);
    EXPECT_EQ(img.GetNumFrames(), 2);
    EXPECT_EQ(img.GetType(), IMAGE_FORMAT_ICO);
}

TEST(IcoDecoderHandMade, OldIconsTakeTheirDepthFromTheColourCount)
{
    // Depth 0 in the header, 2 colours in the directory: a 1-bit icon whose
    // mask makes the right half transparent.
    std::vector<BYTE> body = {0, 0, 0, 0, 255, 255, 255, 0};    // palette: black, white
    for (int y = 0; y < 8; ++y) body.insert(body.end(), {0xAA, 0, 0, 0});  // colour rows
    for (int y = 0; y < 8; ++y) body.insert(body.end(), {0x0F, 0, 0, 0});  // mask rows
    std::vector<BYTE> f = MakeIcon(8, 8, 0, 2, body);
    CPictureImage img;
    ASSERT_TRUE(img.Decode(f.data(), f.size(), IMAGE_FORMAT_ICO));
    EXPECT_EQ(img.GetBpp(), 1);
    EXPECT_EQ(img.GetPixelColor(0, 0).rgbRed, 255);
    EXPECT_EQ(img.GetPixelColor(1, 0).rgbRed, 0);
    ASSERT_TRUE(img.AlphaIsValid());
    EXPECT_EQ(img.AlphaGet(0, 5), 255);
    EXPECT_EQ(img.AlphaGet(7, 5), 0);
}

TEST(IcoDecoderBroken, BadDirectoriesAndDataFailCleanly)
{
    CPictureImage img;
    const std::vector<std::vector<BYTE>> bad = {
        {0, 0, 2, 0, 1, 0},                                      // a cursor, not an icon
        {0, 0, 1, 0, 0, 0},                                      // no icons
        {0, 0, 1, 0, 200, 0, 16, 16},                            // count beyond the directory
        MakeIcon(8, 8, 24, 0, std::vector<BYTE>(10)),            // pixels cut short
        MakeIcon(8, 8, 7, 0, std::vector<BYTE>(400)),            // no such depth
    };
    for (const auto& f : bad) EXPECT_FALSE(img.Decode(f.data(), f.size(), IMAGE_FORMAT_ICO));
    // An entry whose offset points outside the file.
    std::vector<BYTE> offset = MakeIcon(8, 8, 24, 0, std::vector<BYTE>(400));
    offset[18] = 0xFF;
    offset[19] = 0xFF;
    EXPECT_FALSE(img.Decode(offset.data(), offset.size(), IMAGE_FORMAT_ICO));

    const std::string path = PicturePath("ico-damage.ico");
    ASSERT_TRUE(Convert(Quote(SourcePictureAlpha()) + " -define icon:auto-resize=16,24 " + Quote(path)));
    ExpectSurvivesDamage(ReadFileBytes(path), IMAGE_FORMAT_ICO);
}
