#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"

namespace {

std::string GifFixture()
{
    return std::string(MONDREL_TEST_DATA) + "/gif-frames.gif";
}

// A one-frame GIF of the given size with the given image data (minimum code
// size and sub-blocks) after a 4-colour global table.
std::vector<BYTE> MakeGif(WORD w, WORD h, const std::vector<BYTE>& imageData)
{
    std::vector<BYTE> f = {'G', 'I', 'F', '8', '9', 'a', BYTE(w), BYTE(w >> 8), BYTE(h), BYTE(h >> 8), 0x81, 0, 0};
    for (int i = 0; i < 4; ++i) f.insert(f.end(), {BYTE(i * 60), BYTE(i * 30), BYTE(255 - i * 60)});
    f.insert(f.end(), {',', 0, 0, 0, 0, BYTE(w), BYTE(w >> 8), BYTE(h), BYTE(h >> 8), 0});
    f.insert(f.end(), imageData.begin(), imageData.end());
    f.push_back(';');
    return f;
}

}  // namespace

TEST(GifDecoderMagick, EveryWrittenLayoutMatches)
{
    struct Variant { const char* name; std::string args; int bpp; bool transparent; };
    const std::string src = Quote(SourcePicture());
    const std::string srcAlpha = Quote(SourcePictureAlpha());
    const Variant variants[] = {
        {"2 colours", src + " -colors 2 GIF:", 1, false},
        {"16 colours", src + " -colors 16 GIF:", 4, false},
        {"256 colours", src + " -colors 256 GIF:", 8, false},
        {"interlaced", src + " -colors 64 -interlace GIF GIF:", 8, false},
        {"87a", src + " -colors 200 GIF87:", 8, false},
        {"transparent", srcAlpha + " -channel A -threshold 50% +channel -colors 8 GIF:", 8, true},
    };
    int n = 0;
    for (const Variant& v : variants) {
        const std::string path = PicturePath("gif-variant-" + std::to_string(n++) + ".gif");
        ASSERT_TRUE(Convert(v.args + Quote(path))) << v.name;
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_GIF);
        ExpectSamePixels(img, MagickDecode(path), v.name);
        EXPECT_EQ(img.GetBpp(), v.bpp) << v.name;
        EXPECT_EQ(img.GetTransIndex() >= 0, v.transparent) << v.name;
        if (v.transparent) {
            EXPECT_EQ(img.GetNumColors(), 256u) << v.name;
        }
        EXPECT_EQ(img.GetNumFrames(), 1) << v.name;
    }
}

TEST(GifDecoderMagick, LargePictureUsesTwelveBitCodes)
{
    // A noisy picture fills the code table many times over.
    const std::string path = PicturePath("gif-noise.gif");
    ASSERT_TRUE(Convert("-size 300x200 xc: +noise Random -colors 256 " + Quote(path)));
    ExpectSamePixels(DecodeFile(path, IMAGE_FORMAT_GIF), MagickDecode(path), "noise");
}

TEST(GifDecoderFrames, FramesDelaysAndLocalTables)
{
    // Three frames of different sizes and palettes, written by ImageMagick.
    const std::string path = PicturePath("gif-anim.gif");
    const std::string src = Quote(SourcePicture());
    ASSERT_TRUE(Convert("-delay 20 " + src + " -colors 4 \\( " + src + " -negate -colors 30 -crop 20x10+3+3 \\) -delay 70 \\( " +
                        src + " -flop -colors 200 \\) -loop 0 " + Quote(path)));
    for (long f = 0; f < 3; ++f) {
        const CPictureImage img = DecodeFile(path, IMAGE_FORMAT_GIF, f);
        ExpectSamePixels(img, MagickDecode(path + "[" + std::to_string(f) + "]"), "frame " + std::to_string(f));
        EXPECT_EQ(img.GetNumFrames(), 3);
        EXPECT_EQ(img.GetFrameDelay(), f == 2 ? 70 : 20);
    }
    // A frame number beyond the last gives the last frame.
    EXPECT_EQ(DecodeFile(path, IMAGE_FORMAT_GIF, 9).GetWidth(), 37);

    // The hand-made file: extensions to skip, a local table, an interlaced
    // transparent frame and a full 256-entry frame.
    for (long f = 0; f < 3; ++f) {
        const CPictureImage img = DecodeFile(GifFixture(), IMAGE_FORMAT_GIF, f);
        ExpectSamePixels(img, MagickDecode(GifFixture() + "[" + std::to_string(f) + "]"),
                         "hand-made frame " + std::to_string(f));
    }
    const CPictureImage second = DecodeFile(GifFixture(), IMAGE_FORMAT_GIF, 1);
    EXPECT_EQ(second.GetTransIndex(), 3);
    EXPECT_EQ(second.GetFrameDelay(), 25);
    EXPECT_EQ(second.GetNumColors(), 256u);
    // Entries beyond the 4-colour table are white.
    EXPECT_EQ(second.GetPaletteColor(4).rgbRed, 255);
    EXPECT_EQ(second.GetPaletteColor(255).rgbBlue, 255);
}

TEST(GifDecoderPalette, WhiteLastEntryOnlyWhenUnused)
{
    // 256 colours without white, transparent index 0: entry 255 becomes white
    // when no pixel shows it, and keeps its colour when one does.
    for (int used : {0, 1}) {
        std::vector<BYTE> f = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x87, 0, 0};
        for (int i = 0; i < 256; ++i) f.insert(f.end(), {BYTE(i), BYTE(i), 0});
        f.insert(f.end(), {'!', 0xF9, 4, 1, 0, 0, 0, 0});
        f.insert(f.end(), {',', 0, 0, 0, 0, 2, 0, 1, 0, 0});
        // Minimum code size 8, 9-bit codes: clear, 0, 255 or 1, end.
        const unsigned codes[] = {256, 0, used ? 255u : 1u, 257};
        unsigned long long acc = 0;
        for (int i = 0; i < 4; ++i) acc |= static_cast<unsigned long long>(codes[i]) << (9 * i);
        f.insert(f.end(), {8, 5});
        for (int i = 0; i < 5; ++i) f.push_back(BYTE(acc >> (8 * i)));
        f.insert(f.end(), {0, ';'});
        CPictureImage img;
        ASSERT_TRUE(img.Decode(f.data(), f.size(), IMAGE_FORMAT_GIF));
        const RGBQUAD last = img.GetPaletteColor(255);
        EXPECT_EQ(last.rgbBlue, used ? 0 : 255) << used;
        EXPECT_EQ(last.rgbRed, 255) << used;
    }
}

TEST(GifDecoderBroken, BadStreamsFailOrStopCleanly)
{
    CPictureImage img;
    const BYTE notGif[] = {'G', 'I', 'F', '7', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
    EXPECT_FALSE(img.Decode(notGif, sizeof notGif, IMAGE_FORMAT_GIF));
    EXPECT_STREQ(img.GetLastError(), "");

    // Minimum code sizes out of range fail the frame.
    for (BYTE size : {BYTE(0), BYTE(1), BYTE(10), BYTE(200)}) {
        const std::vector<BYTE> f = MakeGif(4, 4, {size, 2, 0xFF, 0xFF, 0});
        EXPECT_FALSE(img.Decode(f.data(), f.size(), IMAGE_FORMAT_GIF)) << int(size);
    }
    // More data than pixels, codes not yet in the table, a stream cut short:
    // each stops at the picture's end with what was decoded.
    const std::vector<std::vector<BYTE>> streams = {
        {2, 6, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0},
        {2, 2, 0x04, 0x7F, 0},
        {2, 1, 0x0C},
        {2, 255, 1, 2, 3},
    };
    for (const auto& s : streams) {
        const std::vector<BYTE> f = MakeGif(3, 2, s);
        EXPECT_TRUE(img.Decode(f.data(), f.size(), IMAGE_FORMAT_GIF));
    }
    // A huge frame is refused before anything is allocated.
    const std::vector<BYTE> huge = MakeGif(65535, 65535, {2, 1, 0x04, 0});
    EXPECT_FALSE(img.Decode(huge.data(), huge.size(), IMAGE_FORMAT_GIF));
    EXPECT_EQ(img.GetWidth(), 3);
}

TEST(GifDecoderBroken, TruncatedAndCorruptedFilesFailCleanly)
{
    const std::string path = PicturePath("gif-damage.gif");
    ASSERT_TRUE(Convert(Quote(SourcePicture()) + " -colors 50 -interlace GIF " + Quote(path)));
    ExpectSurvivesDamage(ReadFileBytes(path), IMAGE_FORMAT_GIF);
    ExpectSurvivesDamage(ReadFileBytes(GifFixture()), IMAGE_FORMAT_GIF);
}
