#include "objects/ByteReader.h"
#include "objects/Types.h"

#include <gtest/gtest.h>

TEST(ByteReader, ReadsLittleEndianAndFailsStickyPastTheEnd)
{
    const BYTE data[] = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF};
    CByteReader in(data, sizeof data);
    EXPECT_EQ(in.U16(), 0x1234);
    EXPECT_EQ(in.U32(), 0x12345678u);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.U16(), 0);  // one byte left: a short read yields zero
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(in.U8(), 0);
    EXPECT_TRUE(in.Failed());
}

TEST(ByteReader, SeekAndSkipAreChecked)
{
    const BYTE data[4] = {1, 2, 3, 4};
    CByteReader in(data, sizeof data);
    EXPECT_TRUE(in.Seek(4));
    EXPECT_FALSE(in.Failed());
    EXPECT_FALSE(in.Seek(5));
    EXPECT_TRUE(in.Failed());
    CByteReader in2(data, sizeof data);
    EXPECT_FALSE(in2.Skip(static_cast<std::size_t>(-1)));
    EXPECT_EQ(in2.Bytes(1), "");
}

TEST(ByteWriter, RoundTripsThroughTheReader)
{
    CByteWriter out;
    out.U16(0xBEEF);
    out.I32(-2);
    out.F32(1.5f);
    CByteReader in(out.Buffer());
    EXPECT_EQ(in.U16(), 0xBEEF);
    EXPECT_EQ(in.I32(), -2);
    EXPECT_EQ(in.F32(), 1.5f);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Rect, NormalisesAndIntersectsLikeTheSurface)
{
    CRect r(379, -492, -377, 506);
    EXPECT_TRUE(r.IsRectEmpty());
    CRect n = r.Normalized();
    EXPECT_EQ(n, CRect(-377, -492, 379, 506));
    CRect hit;
    EXPECT_TRUE(hit.IntersectRect(n, CRect(0, 0, 1, 1)));
    EXPECT_EQ(hit, CRect(0, 0, 1, 1));
    EXPECT_FALSE(hit.IntersectRect(n, CRect(400, 0, 500, 1)));
    EXPECT_TRUE(hit.IsRectNull());
}
