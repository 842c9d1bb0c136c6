// Reading the rows of device-independent bitmaps handed to the surface:
// headers that make no sense are refused before any row is touched, and
// colour tables and bit masks are honoured.

#include "objects/GdiDib.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Header {
    std::vector<BYTE> bytes;
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(bytes.data()); }
};

Header MakeHeader(LONG w, LONG h, WORD bpp, DWORD compression = BI_RGB, DWORD clrUsed = 0)
{
    Header hd;
    hd.bytes.assign(sizeof(BITMAPINFOHEADER) + 256 * 4, 0);
    BITMAPINFOHEADER bih{sizeof(BITMAPINFOHEADER), w, h, 1, bpp, compression, 0, 0, 0, clrUsed, 0};
    std::memcpy(hd.bytes.data(), &bih, sizeof bih);
    return hd;
}

TEST(SurfaceDib, NonsenseHeadersAreRefused)
{
    const BYTE bits[64] = {};
    CDibRows dib;
    EXPECT_FALSE(dib.Init(nullptr, bits));
    EXPECT_FALSE(dib.Init(MakeHeader(2, 2, 24).Info(), nullptr));
    EXPECT_FALSE(dib.Init(MakeHeader(0, 2, 24).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(-2, 2, 24).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(2, 0, 24).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(2, 2, 12).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(2, 2, 8, BI_RLE8).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(2, 2, 24, BI_BITFIELDS).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(0x7FFFFFFF, 2, 32).Info(), bits));
    EXPECT_FALSE(dib.Init(MakeHeader(60000, -60000, 32).Info(), bits));
    Header small = MakeHeader(2, 2, 24);
    small.Info()->bmiHeader.biSize = 12;
    EXPECT_FALSE(dib.Init(small.Info(), bits));
}

TEST(SurfaceDib, ColourTableShorterThanTheIndices)
{
    // Two colours in the table; index 5 has no entry and reads black.
    Header hd = MakeHeader(3, 1, 8, BI_RGB, 2);
    RGBQUAD* table = reinterpret_cast<RGBQUAD*>(hd.bytes.data() + sizeof(BITMAPINFOHEADER));
    table[0] = RGBQUAD{0, 0, 255, 0};
    table[1] = RGBQUAD{255, 0, 0, 0};
    const BYTE bits[4] = {1, 0, 5, 0};
    CDibRows dib;
    ASSERT_TRUE(dib.Init(hd.Info(), bits));
    std::uint32_t row[3];
    dib.FetchRow(0, row);
    EXPECT_EQ(row[0], 0xFF0000FFu);
    EXPECT_EQ(row[1], 0xFFFF0000u);
    EXPECT_EQ(row[2], 0xFF000000u);
    // A count larger than the depth allows is cut to the depth.
    Header many = MakeHeader(1, 1, 1, BI_RGB, 100000);
    EXPECT_TRUE(dib.Init(many.Info(), bits));
}

TEST(SurfaceDib, BitFieldMasks)
{
    // 16 bits as 5-6-5.
    Header hd = MakeHeader(2, 1, 16, BI_BITFIELDS);
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(hd.bytes.data() + sizeof(BITMAPINFOHEADER), masks, sizeof masks);
    const BYTE bits[4] = {0x00, 0xF8, 0xE0, 0x07};  // pure red, pure green
    CDibRows dib;
    ASSERT_TRUE(dib.Init(hd.Info(), bits));
    std::uint32_t row[2];
    dib.FetchRow(0, row);
    EXPECT_EQ(row[0], 0xFFFF0000u);
    EXPECT_EQ(row[1], 0xFF00FF00u);
}

TEST(SurfaceDib, AlphaIsKeptOnlyWhenAskedFor)
{
    Header hd = MakeHeader(1, 1, 32);
    const BYTE bits[4] = {0x10, 0x20, 0x30, 0x40};
    CDibRows dib;
    std::uint32_t px;
    ASSERT_TRUE(dib.Init(hd.Info(), bits));
    dib.FetchRow(0, &px);
    EXPECT_EQ(px, 0xFF302010u);
    ASSERT_TRUE(dib.Init(hd.Info(), bits, true));
    dib.FetchRow(0, &px);
    EXPECT_EQ(px, 0x40302010u);
}

TEST(SurfaceDib, RowsOutsideThePictureReadBlack)
{
    Header hd = MakeHeader(2, 2, 24);
    const BYTE bits[16] = {255, 255, 255, 255, 255, 255, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0};
    CDibRows dib;
    ASSERT_TRUE(dib.Init(hd.Info(), bits));
    std::uint32_t row[2];
    dib.FetchRow(2, row);
    EXPECT_EQ(row[0], 0xFF000000u);
    dib.FetchRow(-1, row);
    EXPECT_EQ(row[1], 0xFF000000u);
    dib.FetchRow(1, row);  // the bottom row is stored first
    EXPECT_EQ(row[0], 0xFFFFFFFFu);
}

TEST(SurfaceDib, WrittenRowsReadBackInEveryDepth)
{
    const std::uint32_t picture[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    for (WORD bpp : {4, 8, 16, 24, 32}) {
        Header hd = MakeHeader(2, -2, bpp);
        std::vector<BYTE> bits(static_cast<std::size_t>(DibRowSize(2, bpp) * 2));
        ASSERT_EQ(WriteDibRows(picture, 2, 2, 0, 2, bits.data(), hd.Info()), 2) << bpp;
        CDibRows dib;
        ASSERT_TRUE(dib.Init(hd.Info(), bits.data())) << bpp;
        std::uint32_t row[2];
        dib.FetchRow(0, row);
        EXPECT_EQ(row[0] & 0xF8F8F8, 0xF80000u) << bpp;
        EXPECT_EQ(row[1] & 0xF8F8F8, 0x00F800u) << bpp;
        dib.FetchRow(1, row);
        EXPECT_EQ(row[0] & 0xF8F8F8, 0x0000F8u) << bpp;
    }
}

}  // namespace
