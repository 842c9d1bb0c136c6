#include "JpegPngTiffSupport.h"

#include "imageio/DibWriter.h"
#include "imageio/JpegWriter.h"

using namespace codectest;

namespace {

// A bitmap held by the test: header, colour table and rows, and the colours
// the rows are meant to show (top-down RGB), worked out independently.
struct TestDib {
    BITMAPINFOHEADER head{};
    std::vector<RGBQUAD> palette;
    std::vector<BYTE> bits;
    std::vector<BYTE> expected;

    CDibPixels Pixels() const
    {
        CDibPixels p;
        p.pHead = &head;
        p.pPalette = palette.empty() ? nullptr : palette.data();
        p.nPaletteCount = palette.size();
        p.pBits = bits.data();
        return p;
    }
};

BYTE Expand5(unsigned v)
{
    return v == 0 ? 0 : v == 31 ? 255 : static_cast<BYTE>(8 * v + 8);
}

TestDib MakeDib(int bpp, int width, int height)
{
    TestDib d;
    d.head.biSize = 40;
    d.head.biWidth = width;
    d.head.biHeight = height;
    d.head.biPlanes = 1;
    d.head.biBitCount = static_cast<WORD>(bpp);
    const long long row = DibRowSize(width, bpp);
    d.head.biSizeImage = static_cast<DWORD>(row * height);
    d.bits.assign(static_cast<std::size_t>(row * height), 0xEE);  // padding bytes are noise
    if (bpp <= 8) {
        d.palette.resize(std::size_t(1) << bpp);
        for (std::size_t i = 0; i < d.palette.size(); ++i)
            d.palette[i] = RGBQUAD{static_cast<BYTE>(i * 37), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 11), 0};
        d.head.biClrUsed = static_cast<DWORD>(d.palette.size());
    }
    d.expected.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        BYTE* rowBits = d.bits.data() + (height - 1 - y) * row;  // y counts from the top
        for (int x = 0; x < width; ++x) {
            BYTE* out = d.expected.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            const unsigned seed = static_cast<unsigned>(x * 5 + y * 3);
            if (bpp <= 8) {
                const unsigned index = seed % (1u << bpp);
                if (bpp == 8) rowBits[x] = static_cast<BYTE>(index);
                if (bpp == 4) {
                    BYTE& b = rowBits[x / 2];
                    b = x % 2 ? static_cast<BYTE>((b & 0xF0) | index) : static_cast<BYTE>((b & 0x0F) | (index << 4));
                }
                if (bpp == 1) {
                    BYTE& b = rowBits[x / 8];
                    const BYTE mask = static_cast<BYTE>(0x80 >> (x % 8));
                    b = index ? (b | mask) : (b & ~mask);
                }
                out[0] = d.palette[index].rgbRed;
                out[1] = d.palette[index].rgbGreen;
                out[2] = d.palette[index].rgbBlue;
            } else if (bpp == 16) {
                const unsigned r = seed % 32, g = (seed * 3) % 32, b = (seed * 7 + 1) % 32;
                const unsigned w = (r << 10) | (g << 5) | b;
                rowBits[2 * x] = static_cast<BYTE>(w);
                rowBits[2 * x + 1] = static_cast<BYTE>(w >> 8);
                out[0] = Expand5(r);
                out[1] = Expand5(g);
                out[2] = Expand5(b);
            } else {
                BYTE* p = rowBits + x * (bpp / 8);
                p[0] = static_cast<BYTE>(seed * 9);       // blue
                p[1] = static_cast<BYTE>(seed * 4 + 50);  // green
                p[2] = static_cast<BYTE>(255 - seed);     // red
                if (bpp == 32) p[3] = 0x77;
                out[0] = p[2];
                out[1] = p[1];
                out[2] = p[0];
            }
        }
    }
    return d;
}

// Reads a binary PPM as djpeg writes it.
bool ParsePpm(const std::vector<BYTE>& ppm, int* width, int* height, std::vector<BYTE>* rgb)
{
    std::string head(ppm.begin(), ppm.begin() + std::min<std::size_t>(ppm.size(), 64));
    int maxval = 0, consumed = 0;
    if (std::sscanf(head.c_str(), "P6 %d %d %d%n", width, height, &maxval, &consumed) != 3 || maxval != 255)
        return false;
    const std::size_t start = static_cast<std::size_t>(consumed) + 1;
    const std::size_t size = static_cast<std::size_t>(*width) * *height * 3;
    if (ppm.size() < start + size) return false;
    rgb->assign(ppm.begin() + start, ppm.begin() + start + size);
    return true;
}

class WriterDepths : public ::testing::TestWithParam<int> {};

TEST_P(WriterDepths, RowsConvertToRgbWithoutShearing)
{
    for (int width : {5, 13, 32}) {
        const TestDib d = MakeDib(GetParam(), width, 4);
        std::vector<BYTE> rgb;
        std::string error;
        ASSERT_TRUE(ConvertDibToRgb(d.Pixels(), rgb, &error)) << error;
        EXPECT_EQ(rgb, d.expected) << "width " << width;
    }
}

TEST_P(WriterDepths, BitmapFileReadsBackInImageMagick)
{
    const int bpp = GetParam();
    const TestDib d = MakeDib(bpp, 13, 7);
    const std::string path = Scratch("writer-" + std::to_string(bpp) + ".bmp");
    std::string error = "stale";
    ASSERT_TRUE(WriteBitmapFile(d.Pixels(), path, &error)) << error;
    EXPECT_TRUE(error.empty());
    const Rgba back = MagickDecode(path);
    ASSERT_EQ(back.width, 13);
    ASSERT_EQ(back.height, 7);
    // ImageMagick widens 5-bit values its own way.
    const int tolerance = bpp == 16 ? 8 : 0;
    for (int i = 0; i < 13 * 7; ++i)
        for (int c = 0; c < 3; ++c) ASSERT_NEAR(back.px[4 * i + c], d.expected[3 * i + c], tolerance) << i;
}

TEST_P(WriterDepths, JpegReadsBackInDjpeg)
{
    const int bpp = GetParam();
    TestDib d = MakeDib(bpp, 29, 17);
    const std::string path = Scratch("writer-" + std::to_string(bpp) + ".jpg");
    std::string error;
    ASSERT_TRUE(WriteJpegFile(d.Pixels(), 100, path, &error)) << error;
    int status = -1;
    const std::vector<BYTE> ppm = Capture("djpeg -pnm '" + path + "'", &status);
    ASSERT_EQ(status, 0);
    int width = 0, height = 0;
    std::vector<BYTE> rgb;
    ASSERT_TRUE(ParsePpm(ppm, &width, &height, &rgb));
    EXPECT_EQ(width, 29);
    EXPECT_EQ(height, 17);
    // The pattern changes colour at every pixel, which chroma subsampling
    // blurs; the means of 8 × 8 blocks survive compression at quality 100
    // and show that every row is in place and the right way up.
    for (int by = 0; by + 8 <= 17; by += 8)
        for (int bx = 0; bx + 8 <= 29; bx += 8)
            for (int c = 0; c < 3; ++c) {
                double ours = 0, theirs = 0;
                for (int y = by; y < by + 8; ++y)
                    for (int x = bx; x < bx + 8; ++x) {
                        theirs += rgb[(y * 29 + x) * 3 + c];
                        ours += d.expected[(y * 29 + x) * 3 + c];
                    }
                EXPECT_NEAR(ours / 64, theirs / 64, 6.0) << "block " << bx << "," << by << " channel " << c;
            }
}

INSTANTIATE_TEST_SUITE_P(Writer, WriterDepths, ::testing::Values(1, 4, 8, 16, 24, 32));

TEST(WriterRows, SixteenBitValuesWiden)
{
    TestDib d = MakeDib(16, 4, 1);
    const WORD values[4] = {1, 30, 0, 31};  // in the blue bits
    for (int x = 0; x < 4; ++x) {
        d.bits[2 * x] = static_cast<BYTE>(values[x]);
        d.bits[2 * x + 1] = 0;
    }
    std::vector<BYTE> rgb;
    std::string error;
    ASSERT_TRUE(ConvertDibToRgb(d.Pixels(), rgb, &error));
    EXPECT_EQ(rgb[2], 16);
    EXPECT_EQ(rgb[5], 248);
    EXPECT_EQ(rgb[8], 0);
    EXPECT_EQ(rgb[11], 255);
}

TEST(WriterRows, IndicesBeyondTheColourTableAreBlack)
{
    TestDib d = MakeDib(8, 4, 1);
    d.palette.resize(2);
    d.bits[0] = 200;
    std::vector<BYTE> rgb;
    std::string error;
    ASSERT_TRUE(ConvertDibToRgb(d.Pixels(), rgb, &error));
    EXPECT_EQ(rgb[0] + rgb[1] + rgb[2], 0);
}

TEST(WriterJpeg, QualityLimits)
{
    const TestDib d = MakeDib(24, 64, 48);
    const std::string low = Scratch("q0.jpg");
    const std::string high = Scratch("q100.jpg");
    std::string error;
    ASSERT_TRUE(WriteJpegFile(d.Pixels(), 0, low, &error)) << error;
    ASSERT_TRUE(WriteJpegFile(d.Pixels(), 100, high, &error)) << error;
    EXPECT_LT(ReadFile(low).size(), ReadFile(high).size());
    const std::vector<BYTE> quality = Capture("identify -format '%Q' '" + high + "'");
    EXPECT_EQ(std::string(quality.begin(), quality.end()), "100");

    EXPECT_FALSE(WriteJpegFile(d.Pixels(), 101, Scratch("q101.jpg"), &error));
    EXPECT_EQ(error, "Invalid input data");
    EXPECT_FALSE(WriteJpegFile(d.Pixels(), -1, Scratch("q-1.jpg"), &error));
    EXPECT_EQ(error, "Invalid input data");
    EXPECT_FALSE(std::ifstream(Scratch("q101.jpg")).good());
}

TEST(WriterJpeg, InputAndFileErrors)
{
    TestDib d = MakeDib(24, 8, 8);
    std::string error;
    EXPECT_FALSE(WriteJpegFile(d.Pixels(), 90, "", &error));
    EXPECT_EQ(error, "Invalid input data");
    EXPECT_FALSE(WriteJpegFile(d.Pixels(), 90, Scratch("no-error.jpg"), nullptr));
    EXPECT_FALSE(WriteJpegFile(CDibPixels{}, 90, Scratch("nothing.jpg"), &error));
    EXPECT_EQ(error, "Invalid input data");
    EXPECT_FALSE(WriteJpegFile(d.Pixels(), 90, "/nonexistent-folder/page.jpg", &error));
    EXPECT_EQ(error, "Cannot open /nonexistent-folder/page.jpg");
    d.head.biBitCount = 2;
    EXPECT_FALSE(WriteJpegFile(d.Pixels(), 90, Scratch("two-bits.jpg"), &error));
    EXPECT_EQ(error, "Invalid bitmap bit count");
    EXPECT_FALSE(WriteBitmapFile(d.Pixels(), Scratch("two-bits.bmp"), &error));
    EXPECT_EQ(error, "Invalid bitmap bit count");
}

// A failed write leaves the previous file as it was; a good one replaces it.
TEST(WriterJpeg, ExistingFileIsReplacedOnlyOnSuccess)
{
    const std::string path = Scratch("replace.jpg");
    WriteFile(path, {'o', 'l', 'd'});
    TestDib d = MakeDib(24, 8, 8);
    d.head.biBitCount = 12;
    std::string error;
    EXPECT_FALSE(WriteJpegFile(d.Pixels(), 90, path, &error));
    EXPECT_EQ(ReadFile(path), (std::vector<BYTE>{'o', 'l', 'd'}));
    d.head.biBitCount = 24;
    EXPECT_TRUE(WriteJpegFile(d.Pixels(), 90, path, &error));
    EXPECT_EQ(ReadFile(path).size() > 100, true);
    EXPECT_EQ(Shell("djpeg -pnm '" + path + "'"), 0);
}

TEST(WriterPicture, DecodedPictureWritesAsBmpAndJpeg)
{
    CPictureImage image;
    ASSERT_TRUE(image.Create(9, 5, 8, IMAGE_FORMAT_BMP));
    for (int i = 0; i < 256; ++i) image.SetPaletteColor(static_cast<BYTE>(i), static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i));
    for (long y = 0; y < 5; ++y)
        for (long x = 0; x < 9; ++x) image.GetBits(y)[x] = static_cast<BYTE>(x * 20 + y);
    std::string error;
    const std::string bmp = Scratch("picture.bmp");
    ASSERT_TRUE(WritePictureBmp(image, bmp, &error)) << error;
    const Rgba back = MagickDecode(bmp);
    ASSERT_EQ(back.width, 9);
    ASSERT_EQ(back.height, 5);
    // Top-left pixel comes from the last row of the bitmap: index 0 + 4.
    EXPECT_EQ(back.At(0, 0)[0], 4);
    EXPECT_EQ(back.At(0, 0)[2], 251);
    EXPECT_EQ(back.At(8, 4)[0], 160);
    ASSERT_TRUE(WritePictureJpeg(image, -1, Scratch("picture.jpg"), &error)) << error;
    EXPECT_EQ(Shell("djpeg -pnm '" + Scratch("picture.jpg") + "'"), 0);
}

}  // namespace
