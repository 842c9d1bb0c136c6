#include "text3d/DibSection.h"

#include "objects/ByteReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string ScratchPath(const std::string& name)
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/mondrel-dib-XXXXXX";
        const char* made = mkdtemp(pattern);
        static std::string removeAtExit;
        if (made) {
            removeAtExit = std::string("rm -rf '") + made + "'";
            std::atexit([] { std::system(removeAtExit.c_str()); });
        }
        return std::string(made ? made : "/tmp");
    }();
    return dir + "/" + name;
}

std::vector<BYTE> Capture(const std::string& command)
{
    std::vector<BYTE> out;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    BYTE buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.insert(out.end(), buf, buf + n);
    pclose(pipe);
    return out;
}

int Shell(const std::string& command)
{
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<BYTE> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

// The colour a test section holds at (x, y), y counted from the top.
void PatternColour(int x, int y, BYTE rgb[3])
{
    rgb[0] = static_cast<BYTE>(x * 40 + 3);
    rgb[1] = static_cast<BYTE>(y * 50 + 7);
    rgb[2] = static_cast<BYTE>((x + y) * 17);
}

void FillPattern(CDibSection& dib)
{
    const int px = dib.BitsPerPixel() / 8;
    const std::size_t row = static_cast<std::size_t>(DibRowSize(dib.Width(), dib.BitsPerPixel()));
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) {
            BYTE rgb[3];
            PatternColour(x, y, rgb);
            BYTE* p = dib.GetBits() + row * (dib.Height() - 1 - y) + px * x;
            p[0] = rgb[2];
            p[1] = rgb[1];
            p[2] = rgb[0];
        }
}

const BYTE* PixelAt(const CDibSection& dib, int x, int yFromTop)
{
    const std::size_t row = static_cast<std::size_t>(DibRowSize(dib.Width(), dib.BitsPerPixel()));
    return dib.GetBits() + row * (dib.Height() - 1 - yFromTop) + dib.BitsPerPixel() / 8 * x;
}

bool HoldsPattern(const CDibSection& dib)
{
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) {
            BYTE rgb[3];
            PatternColour(x, y, rgb);
            const BYTE* p = PixelAt(dib, x, y);
            if (p[0] != rgb[2] || p[1] != rgb[1] || p[2] != rgb[0]) return false;
        }
    return true;
}

TEST(DibSectionCreate, HeaderAndPaddedRows)
{
    CDibSection wide(true);
    ASSERT_TRUE(wide.Create(5, 3));
    EXPECT_EQ(wide.GetHeader().biSize, 40u);
    EXPECT_EQ(wide.GetHeader().biPlanes, 1);
    EXPECT_EQ(wide.BitsPerPixel(), 24);
    EXPECT_EQ(wide.GetHeader().biCompression, BI_RGB);
    // Five 24-bit pixels take 15 bytes, stored as 16.
    EXPECT_EQ(wide.GetHeader().biSizeImage, 48u);
    EXPECT_EQ(wide.m_bits.size(), 48u);

    CDibSection deep;
    ASSERT_TRUE(deep.Create(5, 3));
    EXPECT_EQ(deep.BitsPerPixel(), 32);
    EXPECT_EQ(deep.GetHeader().biSizeImage, 60u);
    EXPECT_EQ(deep.GetHeader().biClrUsed, 0u);

    EXPECT_FALSE(deep.Create(0, 3));
    EXPECT_FALSE(deep.Create(3, -1));
    EXPECT_FALSE(deep.Create(40000, 10));
    EXPECT_FALSE(deep.IsValid());
}

TEST(DibSectionGeometry, FlipAndMirror)
{
    for (bool b24 : {true, false}) {
        CDibSection dib(b24);
        ASSERT_TRUE(dib.Create(5, 3));
        FillPattern(dib);
        dib.Flip();
        BYTE rgb[3];
        PatternColour(1, 2, rgb);
        EXPECT_EQ(PixelAt(dib, 1, 0)[2], rgb[0]);
        EXPECT_EQ(PixelAt(dib, 1, 0)[1], rgb[1]);
        dib.Flip();
        EXPECT_TRUE(HoldsPattern(dib));
        dib.Mirror();
        PatternColour(4, 1, rgb);
        EXPECT_EQ(PixelAt(dib, 0, 1)[2], rgb[0]);
        EXPECT_EQ(PixelAt(dib, 0, 1)[0], rgb[2]);
        PatternColour(2, 1, rgb);
        EXPECT_EQ(PixelAt(dib, 2, 1)[2], rgb[0]);
        dib.Mirror();
        EXPECT_TRUE(HoldsPattern(dib));
    }
}

// Our bitmap files open in ImageMagick with the right size and pixels.
TEST(DibSectionFile, WrittenFileReadsBackInImageMagick)
{
    for (bool b24 : {true, false}) {
        CDibSection dib(b24);
        ASSERT_TRUE(dib.Create(7, 4));
        FillPattern(dib);
        const std::string path = ScratchPath(b24 ? "section24.bmp" : "section32.bmp");
        ASSERT_TRUE(dib.WriteBitmapFile(path));
        const std::vector<BYTE> file = ReadAll(path);
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(file[10], 54);
        const std::vector<BYTE> size = Capture("identify -format '%w %h' '" + path + "'");
        EXPECT_EQ(std::string(size.begin(), size.end()), "7 4");
        const std::vector<BYTE> rgb = Capture("convert '" + path + "' -alpha off -depth 8 rgb:-");
        ASSERT_EQ(rgb.size(), 7u * 4 * 3);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x) {
                BYTE expected[3];
                PatternColour(x, y, expected);
                for (int c = 0; c < 3; ++c) EXPECT_EQ(rgb[(y * 7 + x) * 3 + c], expected[c]) << x << "," << y;
            }

        CDibSection back(!b24);
        std::FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_TRUE(f);
        EXPECT_TRUE(back.ReadBitmapFile(f));
        std::fclose(f);
        EXPECT_EQ(back.BitsPerPixel(), b24 ? 24 : 32);
        EXPECT_TRUE(HoldsPattern(back));
    }
}

// Files that ImageMagick writes (24 bits with a 40-byte header, 32 bits with
// a longer header and bit fields, top-down rows) read into the section.
TEST(DibSectionFile, ReadsFilesOfOtherPrograms)
{
    const std::string ppm = ScratchPath("pattern.ppm");
    {
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n9 5\n255\n";
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x) {
                BYTE rgb[3];
                PatternColour(x, y, rgb);
                out.write(reinterpret_cast<const char*>(rgb), 3);
            }
    }
    struct Case {
        const char* options;
        int bpp;
    } cases[] = {{"-type TrueColor BMP3:", 24}, {"-alpha on -type TrueColorAlpha BMP:", 32}};
    for (const Case& c : cases) {
        const std::string bmp = ScratchPath("other.bmp");
        ASSERT_EQ(Shell("convert '" + ppm + "' " + c.options + "'" + bmp + "'"), 0);
        CDibSection dib;
        std::FILE* f = std::fopen(bmp.c_str(), "rb");
        ASSERT_TRUE(f);
        EXPECT_TRUE(dib.ReadBitmapFile(f)) << c.options;
        std::fclose(f);
        EXPECT_EQ(dib.BitsPerPixel(), c.bpp);
        EXPECT_EQ(dib.Width(), 9);
        EXPECT_EQ(dib.Height(), 5);
        EXPECT_TRUE(HoldsPattern(dib)) << c.options;
    }
}

TEST(DibSectionFile, BrokenFilesFailCleanly)
{
    CDibSection dib;
    ASSERT_TRUE(dib.Create(6, 5));
    FillPattern(dib);
    const std::string path = ScratchPath("broken-src.bmp");
    ASSERT_TRUE(dib.WriteBitmapFile(path));
    const std::vector<BYTE> good = ReadAll(path);
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        CByteReader in(good.data(), cut);
        CDibSection back;
        EXPECT_FALSE(back.ReadBitmapFile(in)) << cut;
        EXPECT_FALSE(back.IsValid());
    }
    // Depths the section cannot hold, and sizes beyond its caps.
    for (auto patch : {std::pair<int, int>{28, 8}, {28, 16}, {18, 0x7F}, {22, 0x7F}, {30, 1}}) {
        std::vector<BYTE> bad = good;
        bad[patch.first + 1] = 0;
        bad[patch.first] = static_cast<BYTE>(patch.second);
        if (patch.first == 18 || patch.first == 22) bad[patch.first + 3] = 0x7F;
        CByteReader in(bad);
        CDibSection back;
        EXPECT_FALSE(back.ReadBitmapFile(in)) << patch.first;
    }
    // Found by fuzzing: sides whose area overflowed before it was compared.
    const std::vector<BYTE> wide = ReadAll(std::string(MONDREL_TEST_DATA) + "/libcodecs/dib-huge-sides.bmp");
    ASSERT_FALSE(wide.empty());
    CByteReader wideIn(wide);
    CDibSection wideBack;
    EXPECT_FALSE(wideBack.ReadBitmapFile(wideIn));
}

TEST(DibSectionRecord, RoundTripAndExactLayout)
{
    CDibSection dib(true);
    ASSERT_TRUE(dib.Create(5, 2));
    FillPattern(dib);
    CByteWriter out;
    dib.WriteRecord(out);
    out.U32(0xC0FFEE);  // whatever the archive stores next
    const std::vector<BYTE>& bytes = out.Buffer();
    ASSERT_EQ(bytes.size(), 14u + 40 + 32 + 4);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[2] | bytes[3] | bytes[4] | bytes[5], 0);  // file size 0
    EXPECT_EQ(bytes[10], 54);
    EXPECT_EQ(bytes[14], 40);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(bytes[34], 32);  // image size

    CByteReader in(bytes);
    CDibSection back;  // a 32-bit section takes the stored depth
    ASSERT_TRUE(back.ReadRecord(in));
    EXPECT_EQ(back.BitsPerPixel(), 24);
    EXPECT_TRUE(HoldsPattern(back));
    EXPECT_EQ(in.U32(), 0xC0FFEEu);
    EXPECT_TRUE(in.Ok());
}

TEST(DibSectionRecord, EmptySectionAndShortStoredSizes)
{
    CDibSection empty;
    CByteWriter out;
    empty.WriteRecord(out);
    EXPECT_EQ(out.Size(), 54u);
    CByteReader in(out.Buffer());
    CDibSection back;
    ASSERT_TRUE(back.Create(2, 2));
    EXPECT_TRUE(back.ReadRecord(in));
    EXPECT_FALSE(back.IsValid());
    EXPECT_TRUE(in.AtEnd());

    // Older records of 24-bit pictures stored width × height × 3 bytes; the
    // archive must step over exactly that many.
    CDibSection dib(true);
    ASSERT_TRUE(dib.Create(5, 2));
    CByteWriter old;
    dib.m_head.biSizeImage = 30;
    dib.WriteRecord(old);
    old.U8(0xAB);
    CByteReader oldIn(old.Buffer());
    CDibSection oldBack(true);
    ASSERT_TRUE(oldBack.ReadRecord(oldIn));
    EXPECT_EQ(oldBack.GetHeader().biSizeImage, 32u);
    EXPECT_EQ(oldIn.U8(), 0xAB);
}

TEST(DibSectionRecord, TruncatedRecordsFailAndLeaveTheSectionEmpty)
{
    CDibSection dib;
    ASSERT_TRUE(dib.Create(4, 3));
    FillPattern(dib);
    CByteWriter out;
    dib.WriteRecord(out);
    const std::vector<BYTE>& bytes = out.Buffer();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        CByteReader in(bytes.data(), cut);
        CDibSection back;
        EXPECT_FALSE(back.ReadRecord(in)) << cut;
        EXPECT_FALSE(back.IsValid());
        EXPECT_TRUE(in.Failed());
    }
    // A stored size larger than the rest of the archive.
    std::vector<BYTE> bad = bytes;
    bad[36] = 0x10;
    CByteReader in(bad);
    CDibSection back;
    EXPECT_FALSE(back.ReadRecord(in));

    // Sides so large that their area overflows: refused before any product.
    std::vector<BYTE> huge = bytes;
    for (int i = 0; i < 4; ++i) {
        huge[14 + 4 + i] = i == 3 ? 0x7F : 0xFF;  // width
        huge[14 + 8 + i] = i == 3 ? 0x7F : 0xFF;  // height
    }
    CByteReader hugeIn(huge);
    CDibSection hugeBack;
    EXPECT_FALSE(hugeBack.ReadRecord(hugeIn));
    EXPECT_FALSE(hugeBack.IsValid());
}

TEST(DibSectionJpeg, WritesAPictureDjpegReads)
{
    CDibSection dib;
    ASSERT_TRUE(dib.Create(33, 17));
    FillPattern(dib);
    const std::string path = ScratchPath("section.jpg");
    std::string error = "stale";
    ASSERT_TRUE(dib.WriteJpeg(100, path, &error)) << error;
    EXPECT_TRUE(error.empty());
    const std::vector<BYTE> ppm = Capture("djpeg -pnm '" + path + "'");
    ASSERT_GT(ppm.size(), 20u);
    EXPECT_EQ(std::string(ppm.begin(), ppm.begin() + 9), "P6\n33 17\n");
    EXPECT_TRUE(dib.SaveAsJpeg(ScratchPath("saved.jpg")));

    CDibSection empty;
    EXPECT_FALSE(empty.WriteJpeg(100, path, &error));
    EXPECT_EQ(error, "Invalid input data");
    EXPECT_FALSE(dib.WriteJpeg(101, path, &error));
    EXPECT_EQ(error, "Invalid input data");
}

}  // namespace
