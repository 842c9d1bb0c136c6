// JPEG photos read by the decoder straight from their files, as the picture
// holders read them: the same pixels as from the bytes in memory, and cut
// files decoded or refused alike.

#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"
#include "imageio/PictureHolder.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Decodes the file at path through an open file.
bool DecodeThroughFile(const std::string& path, CPictureImage& image, long needWidth, long needHeight)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const std::size_t size = ReadFileBytes(path).size();
    const bool ok = DecodeJpegFileScaled(file, size, image, needWidth, needHeight);
    std::fclose(file);
    return ok;
}

void ExpectSameBits(const CPictureImage& a, const CPictureImage& b, const std::string& what)
{
    ASSERT_EQ(a.GetWidth(), b.GetWidth()) << what;
    ASSERT_EQ(a.GetHeight(), b.GetHeight()) << what;
    ASSERT_EQ(a.GetBpp(), b.GetBpp()) << what;
    for (long y = 0; y < a.GetHeight(); ++y)
        ASSERT_EQ(0, std::memcmp(a.GetBits(y), b.GetBits(y), static_cast<std::size_t>(a.GetEffWidth())))
            << what << ", row " << y;
}

}  // namespace

TEST(StreamedJpeg, SamePixelsAsFromMemoryForEveryKindAndScale)
{
    const struct {
        const char* name;
        const char* options;
    } kinds[] = {{"baseline", "-quality 90"},
                 {"progressive", "-quality 90 -interlace Plane"},
                 {"grey", "-colorspace Gray -quality 90"},
                 {"cmyk", "-colorspace CMYK -quality 95"}};
    for (const auto& kind : kinds) {
        const std::string path = PicturePath(std::string("streamed-") + kind.name + ".jpg");
        ASSERT_TRUE(Convert("-size 1203x805 gradient:'#f0d020-#102080' -fill '#c02020' -draw 'circle 600,400 700,500' " +
                            std::string(kind.options) + " " + Quote(path)));
        const std::vector<BYTE> bytes = ReadFileBytes(path);
        for (long need : {0L, 150L, 151L, 602L}) {
            CPictureImage fromFile(IMAGE_FORMAT_JPG), fromMemory(IMAGE_FORMAT_JPG);
            ASSERT_TRUE(DecodeThroughFile(path, fromFile, need, need * 805 / 1203)) << kind.name << " " << need;
            ASSERT_TRUE(DecodeJpegScaled(bytes.data(), bytes.size(), fromMemory, need, need * 805 / 1203));
            ExpectSameBits(fromFile, fromMemory, std::string(kind.name) + " for " + std::to_string(need));
        }
    }
}

TEST(StreamedJpeg, CutFilesDecodeOrFailAsFromMemory)
{
    const std::string path = PicturePath("streamed-whole.jpg");
    ASSERT_TRUE(Convert("-size 800x600 plasma:fractal -quality 85 " + Quote(path)));
    const std::vector<BYTE> bytes = ReadFileBytes(path);

    // Cut in the middle of the picture: what was there decodes, as from
    // memory; cut inside the header: refused.
    for (std::size_t keep : {bytes.size() / 2, std::size_t(300), std::size_t(2)}) {
        const std::string cut = PicturePath("streamed-cut.jpg");
        WriteFileBytes(cut, std::vector<BYTE>(bytes.begin(), bytes.begin() + keep));
        CPictureImage fromFile(IMAGE_FORMAT_JPG), fromMemory(IMAGE_FORMAT_JPG);
        const bool memoryOk = DecodeJpegScaled(bytes.data(), keep, fromMemory, 200, 150);
        EXPECT_EQ(DecodeThroughFile(cut, fromFile, 200, 150), memoryOk) << keep;
        if (memoryOk) ExpectSameBits(fromFile, fromMemory, "cut at " + std::to_string(keep));
    }
}

TEST(StreamedJpeg, TheHolderDecodesTheFileAsTheBytesDecode)
{
    const std::string path = PicturePath("streamed-holder.jpg");
    ASSERT_TRUE(Convert("-size 1203x805 plasma:fractal -quality 88 " + Quote(path)));
    const std::vector<BYTE> bytes = ReadFileBytes(path);
    // A quarter of the picture's size is one of the decoder's own scales:
    // the holder gives the decoded picture as it is.
    CPictureHolder holder(path, IMAGE_FORMAT_JPG);
    ASSERT_TRUE(holder.IsValid());
    const CPictureHolder::Picture_t held = holder.Picture(301, 202);
    ASSERT_TRUE(held);
    CPictureImage fromMemory(IMAGE_FORMAT_JPG);
    ASSERT_TRUE(DecodeJpegScaled(bytes.data(), bytes.size(), fromMemory, 301, 202));
    ExpectSameBits(*held, fromMemory, "held quarter");
    EXPECT_EQ(holder.DecodeCount(), 1);
}

TEST(StreamedJpeg, AFileOfManyPiecesDecodesAsFromMemory)
{
    // Fine grain keeps the file large: it is read in several pieces, and
    // cuts fall on and beside the borders of the pieces.
    const std::string path = PicturePath("streamed-pieces.jpg");
    ASSERT_TRUE(Convert("-size 900x700 xc:gray50 +noise Gaussian -quality 95 " + Quote(path)));
    const std::vector<BYTE> bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), std::size_t(4) << 16);
    for (std::size_t keep : {bytes.size(), std::size_t(1) << 16, (std::size_t(1) << 16) + 1, (std::size_t(3) << 16) - 1,
                             bytes.size() - 1}) {
        const std::string cut = PicturePath("streamed-pieces-cut.jpg");
        WriteFileBytes(cut, std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(keep)));
        CPictureImage fromFile(IMAGE_FORMAT_JPG), fromMemory(IMAGE_FORMAT_JPG);
        ASSERT_TRUE(DecodeJpegScaled(bytes.data(), keep, fromMemory, 450, 350)) << keep;
        ASSERT_TRUE(DecodeThroughFile(cut, fromFile, 450, 350)) << keep;
        ExpectSameBits(fromFile, fromMemory, "cut at " + std::to_string(keep));
    }
}
