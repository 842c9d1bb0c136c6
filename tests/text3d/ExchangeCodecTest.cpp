#include "document/Archive.h"
#include "objects/DrawRect.h"
#include "text3d/DibSection.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

float FloatAt(const std::vector<BYTE>& b, std::size_t at)
{
    float f;
    std::memcpy(&f, &b[at], 4);
    return f;
}

std::int32_t LongAt(const std::vector<BYTE>& b, std::size_t at)
{
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<DWORD>(b[at + 3]) << 24));
}

// The eighteen vectors as the exchange lays out each component group,
// written out here on their own so that the codec's table is checked.
std::vector<float*> LaidOut(CTextSceneParams& p)
{
    return {p.light[0].position, p.light[0].ambient, p.light[0].diffuse, p.light[0].specular,
            p.material.ambient,  p.material.diffuse, p.material.specular, p.material.emission,
            p.rotation,          p.scale,            p.light[1].position, p.light[1].ambient,
            p.light[1].diffuse,  p.light[1].specular, p.light[2].position, p.light[2].ambient,
            p.light[2].diffuse,  p.light[2].specular};
}

CTextRequest DistinctRequest()
{
    CTextRequest r;
    r.m_bWireframe = 1;
    auto vectors = LaidOut(r.m_params);
    for (int k = 0; k < 18; ++k)
        for (int c = 0; c < 4; ++c) vectors[k][c] = 1000.0f + k * 10 + c;
    r.m_params.shininess = 77.5f;
    r.m_nWidth = 400;
    r.m_nHeight = 200;
    r.m_strFaceName = "Tahoma";
    r.m_strText = "Calendar";
    return r;
}

}  // namespace

TEST(ExchangeRequest, SeventyTwoFloatsLandAtTheirOffsetsInBothForms)
{
    CTextRequest r = DistinctRequest();
    for (auto form : {CTextRequest::Form::designer, CTextRequest::Form::updated}) {
        const std::vector<BYTE> b = r.Write(form);
        EXPECT_EQ(LongAt(b, 0), 1);
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 18; ++k)
                ASSERT_EQ(FloatAt(b, 4 + 4 * (c * 18 + k)), 1000.0f + k * 10 + c) << "vector " << k << " component " << c;
        EXPECT_EQ(FloatAt(b, 292), 77.5f);
        std::size_t strings = 296;
        if (form == CTextRequest::Form::designer) {
            EXPECT_EQ(LongAt(b, 296), 400);
            EXPECT_EQ(LongAt(b, 300), 200);
            strings = 304;
        }
        ASSERT_EQ(b.size(), strings + 1 + 6 + 1 + 8);
        EXPECT_EQ(b[strings], 6);
        EXPECT_EQ(std::string(b.begin() + strings + 1, b.begin() + strings + 7), "Tahoma");
        EXPECT_EQ(b[strings + 7], 8);

        CTextRequest back;
        ASSERT_TRUE(back.Read(b, form));
        EXPECT_TRUE(back.m_params == r.m_params);
        EXPECT_EQ(back.m_bWireframe, 1);
        EXPECT_EQ(back.m_strText, "Calendar");
        EXPECT_EQ(back.m_nWidth, form == CTextRequest::Form::designer ? 400 : 0);
    }
}

TEST(ExchangeRequest, StringLengthsTakeTheirThreePrefixForms)
{
    struct Case {
        std::size_t length;
        std::vector<BYTE> prefix;
    };
    const Case cases[] = {{0, {0x00}},
                          {254, {0xFE}},
                          {255, {0xFF, 0xFF, 0x00}},
                          {65533, {0xFF, 0xFD, 0xFF}},
                          {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}}};
    for (const Case& c : cases) {
        CTextRequest r;
        r.m_strFaceName = "";
        r.m_strText = std::string(c.length, 'x');
        const std::vector<BYTE> b = r.Write(CTextRequest::Form::updated);
        // The empty face name is one zero byte; the text's prefix follows.
        ASSERT_EQ(b.size(), 296 + 1 + c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(std::vector<BYTE>(b.begin() + 297, b.begin() + 297 + c.prefix.size()), c.prefix) << c.length;
        CTextRequest back;
        ASSERT_TRUE(back.Read(b, CTextRequest::Form::updated)) << c.length;
        EXPECT_EQ(back.m_strText.size(), c.length);
        EXPECT_TRUE(back.m_strFaceName.empty());
    }
}

TEST(ExchangeRequest, EveryProperPrefixAndTrailingBytesAreRefusedWhole)
{
    CTextRequest r = DistinctRequest();
    r.m_strText = std::string(300, 'y');
    for (auto form : {CTextRequest::Form::designer, CTextRequest::Form::updated}) {
        std::vector<BYTE> b = r.Write(form);
        for (std::size_t n = 0; n < b.size(); ++n) {
            CTextRequest probe;
            probe.m_strText = "kept";
            ASSERT_FALSE(probe.Read(b.data(), n, form)) << n;
            // Nothing half-read is used.
            EXPECT_EQ(probe.m_strText, "kept");
            EXPECT_TRUE(probe.m_params == CTextSceneParams());
        }
        b.push_back(0);
        CTextRequest probe;
        EXPECT_FALSE(probe.Read(b, form));
    }
    // The updated form read as the designer's misses its sides' worth of bytes.
    const std::vector<BYTE> updated = r.Write(CTextRequest::Form::updated);
    CTextRequest probe;
    EXPECT_FALSE(probe.Read(updated, CTextRequest::Form::designer));
    // A string whose four-byte length points far past the end.
    std::vector<BYTE> huge = CTextRequest().Write(CTextRequest::Form::updated);
    huge.resize(huge.size() - 1);
    for (BYTE x : {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) huge.push_back(x);
    EXPECT_FALSE(probe.Read(huge, CTextRequest::Form::updated));
}

TEST(ExchangeRequest, TheDocumentRecordKeepsItsOwnOrder)
{
    CDrawRect text(CRect(0, 0, 10, 10), CDrawRect::kindText);
    text.m_sceneParams.shininess = 3.25f;
    text.m_sceneParams.light[0].position[0] = 111.0f;
    text.m_sceneParams.light[0].ambient[0] = 222.0f;
    text.m_sceneParams.light[0].specular[0] = 333.0f;
    CArchive out;
    out.WriteObject(&text);
    const std::vector<BYTE>& record = out.Buffer();
    std::size_t at = 0;
    for (std::size_t i = 0; i + 4 <= record.size(); ++i)
        if (FloatAt(record, i) == 3.25f) {
            at = i;
            break;
        }
    ASSERT_GT(at, 0u);
    EXPECT_EQ(FloatAt(record, at + 4), 111.0f);
    EXPECT_EQ(FloatAt(record, at + 8), 333.0f);

    CTextRequest request;
    request.m_params = text.m_sceneParams;
    const std::vector<BYTE> b = request.Write(CTextRequest::Form::designer);
    EXPECT_EQ(FloatAt(b, 4), 111.0f);
    EXPECT_EQ(FloatAt(b, 8), 222.0f);
    EXPECT_EQ(FloatAt(b, 16), 333.0f);
}

TEST(ExchangeReply, HeaderFieldsPixelsAndTheEmptyReply)
{
    CDibSection picture;
    ASSERT_TRUE(picture.Create(4, 2));
    for (std::size_t i = 0; i < picture.m_bits.size(); ++i) picture.m_bits[i] = static_cast<BYTE>(i);
    const std::vector<BYTE> b = CTextReply::Write(picture);
    ASSERT_EQ(b.size(), 54u + 32);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(LongAt(b, 2), 0);
    EXPECT_EQ(LongAt(b, 6), 0);
    EXPECT_EQ(LongAt(b, 10), 54);
    EXPECT_EQ(LongAt(b, 14), 40);
    EXPECT_EQ(LongAt(b, 18), 4);
    EXPECT_EQ(LongAt(b, 22), 2);
    EXPECT_EQ(b[26] | (b[27] << 8), 1);
    EXPECT_EQ(b[28] | (b[29] << 8), 32);
    EXPECT_EQ(LongAt(b, 30), 0);
    EXPECT_EQ(LongAt(b, 34), 32);
    for (std::size_t at = 38; at < 54; at += 4) EXPECT_EQ(LongAt(b, at), 0) << at;
    EXPECT_EQ(b[54 + 31], 31);

    CDibSection back;
    ASSERT_TRUE(CTextReply::Read(b, back));
    EXPECT_EQ(back.Width(), 4);
    EXPECT_EQ(back.Height(), 2);
    EXPECT_EQ(back.m_bits, picture.m_bits);

    const std::vector<BYTE> empty = CTextReply::Write(CDibSection());
    ASSERT_EQ(empty.size(), 54u);
    EXPECT_EQ(LongAt(empty, 18), 0);
    EXPECT_EQ(LongAt(empty, 22), 0);
    CDibSection none;
    ASSERT_TRUE(none.Create(2, 2));
    ASSERT_TRUE(CTextReply::Read(empty, none));
    EXPECT_TRUE(none.m_bits.empty());
    EXPECT_EQ(none.Width(), 0);
}

TEST(ExchangeReply, MalformedRepliesAreRefusedAndLeaveThePictureAlone)
{
    CDibSection picture;
    ASSERT_TRUE(picture.Create(6, 4));
    const std::vector<BYTE> good = CTextReply::Write(picture);
    CDibSection kept;
    ASSERT_TRUE(kept.Create(3, 3));
    for (std::size_t n = 0; n < good.size(); ++n) {
        ASSERT_FALSE(CTextReply::Read(good.data(), n, kept)) << n;
        ASSERT_EQ(kept.Width(), 3);
    }
    auto patched = [&good](std::size_t at, DWORD value) {
        std::vector<BYTE> b = good;
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<BYTE>(value >> (8 * i));
        return b;
    };
    const std::vector<std::vector<BYTE>> bad = {
        patched(0, 0x4D43),       // not "BM" (and the size word)
        patched(10, 60),          // pixels elsewhere
        patched(14, 108),         // another header
        patched(18, 0xFFFFFFFA),  // negative width
        patched(22, 0xFFFFFFFC),  // a top-down picture
        patched(18, 0),           // one side 0, the other not
        patched(18, 1u << 20),    // absurd width
        patched(22, 1000),        // promises more pixels than the file holds
        patched(34, 6 * 4 * 4 + 4),
        patched(30, 3),           // compressed
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_FALSE(CTextReply::Read(bad[i], kept)) << i;
        EXPECT_EQ(kept.Width(), 3);
    }
    std::vector<BYTE> depth = good;
    depth[28] = 24;
    EXPECT_FALSE(CTextReply::Read(depth, kept));
}
