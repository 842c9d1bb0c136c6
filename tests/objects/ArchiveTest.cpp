#include "document/Archive.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> Bytes(std::initializer_list<int> values)
{
    std::vector<BYTE> out;
    for (int v : values) out.push_back(static_cast<BYTE>(v));
    return out;
}

std::string WrittenString(const std::string& s)
{
    CArchive ar;
    ar.WriteString(s);
    return std::string(ar.Buffer().begin(), ar.Buffer().end());
}

void DeleteAll(std::list<CDrawObj*>& objects)
{
    for (CDrawObj* o : objects) delete o;
    objects.clear();
}

}  // namespace

TEST(ArchiveEncoding, StringPrefixesGrowWithTheLength)
{
    EXPECT_EQ(WrittenString(""), std::string(1, '\0'));
    const std::string s254(254, 'a');
    EXPECT_EQ(WrittenString(s254), std::string(1, '\xFE') + s254);
    const std::string s255(255, 'b');
    EXPECT_EQ(WrittenString(s255), std::string("\xFF\xFF\x00", 3) + s255);
    const std::string s65533(0xFFFD, 'c');
    EXPECT_EQ(WrittenString(s65533).substr(0, 3), std::string("\xFF\xFD\xFF", 3));
    const std::string s65534(0xFFFE, 'd');
    EXPECT_EQ(WrittenString(s65534).substr(0, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));

    for (const std::string* s : {&s254, &s255, &s65533, &s65534}) {
        CArchive out;
        out.WriteString(*s);
        out.WriteString("tail");
        CArchive in(out.Buffer());
        EXPECT_EQ(in.ReadString(), *s);
        EXPECT_EQ(in.ReadString(), "tail");
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(ArchiveEncoding, ValuesAreLittleEndian)
{
    CArchive out;
    out.WriteWord(0x1234);
    out.WriteDWord(0x89ABCDEF);
    out.WriteLong(-2);
    out.WriteRect(CRect(1, -2, 3, -4));
    out.WritePoint(CPoint(5, 6));
    out.WriteSize(CSize(7, 8));
    out.WriteFloat(1.5f);
    out.WriteCount(3);
    out.WriteCount(0x12345);
    const std::vector<BYTE>& b = out.Buffer();
    ASSERT_EQ(b.size(), 2u + 4 + 4 + 16 + 8 + 8 + 4 + 2 + 6);
    EXPECT_EQ(b[0], 0x34);
    EXPECT_EQ(b[2], 0xEF);
    EXPECT_EQ(b[6], 0xFE);
    EXPECT_EQ(b[9], 0xFF);

    CArchive in(b);
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(in.ReadDWord(), 0x89ABCDEFu);
    EXPECT_EQ(in.ReadLong(), -2);
    EXPECT_EQ(in.ReadRect(), CRect(1, -2, 3, -4));
    EXPECT_EQ(in.ReadPoint(), CPoint(5, 6));
    EXPECT_EQ(in.ReadSize(), CSize(7, 8));
    EXPECT_EQ(in.ReadFloat(), 1.5f);
    EXPECT_EQ(in.ReadCount(), 3u);
    EXPECT_EQ(in.ReadCount(), 0x12345u);
    EXPECT_THROW(in.ReadByte(), CArchiveException);
}

TEST(ArchiveEncoding, LengthsBeyondTheDataThrowBeforeAllocating)
{
    // A seven-byte prefix asking for four gigabytes, with three bytes there.
    const std::vector<BYTE> hostile = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'});
    CArchive in(hostile);
    try {
        in.ReadString();
        FAIL() << "expected an archive error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    const std::vector<BYTE> three = Bytes({1, 2, 3});
    CArchive shortRect(three);
    EXPECT_THROW(shortRect.ReadRect(), CArchiveException);
}

TEST(ArchiveObjects, FirstAndSecondRectangleClassTags)
{
    CDrawRect first(CRect(0, 0, 10, 10));
    CDrawRect second(CRect(0, 0, 20, 20));
    CArchive out;
    out.WriteObject(&first);
    const std::size_t firstSize = out.Buffer().size();
    out.WriteObject(&second);
    out.WriteObject(&first);
    const std::vector<BYTE>& b = out.Buffer();

    const std::vector<BYTE> head = Bytes({0xFF, 0xFF, 0x00, 0x00, 0x09, 0x00, 'C', 'D', 'r', 'a', 'w', 'R', 'e', 'c', 't'});
    ASSERT_GT(b.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), b.begin()));
    // The class took index 1 and the first object index 2.
    EXPECT_EQ(b[firstSize], 0x01);
    EXPECT_EQ(b[firstSize + 1], 0x80);
    // Writing the first object again is a back reference to index 2.
    EXPECT_EQ(b[b.size() - 2], 0x02);
    EXPECT_EQ(b[b.size() - 1], 0x00);

    CArchive in(b);
    std::unique_ptr<CObject> a(in.ReadObject());
    EXPECT_TRUE(in.LastReadWasNew());
    std::unique_ptr<CObject> c(in.ReadObject());
    CObject* back = in.ReadObject();
    EXPECT_FALSE(in.LastReadWasNew());
    EXPECT_EQ(back, a.get());
    EXPECT_EQ(static_cast<CDrawRect*>(c.get())->m_position, CRect(0, 0, 20, 20));
    EXPECT_TRUE(in.AtEnd());
}

TEST(ArchiveObjects, NullReferenceAndEmptyList)
{
    CArchive out;
    out.WriteObject(nullptr);
    out.WriteObjectList({});
    EXPECT_EQ(out.Buffer(), Bytes({0, 0, 0, 0}));
    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadObject(), nullptr);
    std::list<CDrawObj*> objects;
    in.ReadObjectList(objects);
    EXPECT_TRUE(objects.empty());
}

TEST(ArchiveObjects, ListsKeepOrderAndClasses)
{
    CDrawRect rect(CRect(1, 2, 3, 4), CDrawRect::kindEllipse);
    CDrawPoly poly(CRect(0, 0, 0, 0));
    poly.AppendPoint(CPoint(1, 1));
    CDrawPolyL line(CRect(0, 0, 0, 0));
    line.AppendPoint(CPoint(2, 2));
    line.AppendPoint(CPoint(3, 9));
    CDrawRect rect2(CRect(5, 6, 7, 8));

    CArchive out;
    out.WriteObjectList({&rect, &poly, &line, &rect2});
    CArchive in(out.Buffer());
    std::list<CDrawObj*> objects;
    in.ReadObjectList(objects);
    ASSERT_EQ(objects.size(), 4u);
    auto it = objects.begin();
    EXPECT_STREQ((*it)->GetClassName(), "CDrawRect");
    EXPECT_EQ(static_cast<CDrawRect*>(*it)->m_nKind, CDrawRect::kindEllipse);
    EXPECT_STREQ((*++it)->GetClassName(), "CDrawPoly");
    EXPECT_STREQ((*++it)->GetClassName(), "CDrawPolyL");
    EXPECT_EQ(static_cast<CDrawPolyL*>(*it)->m_nPointCount, 2);
    EXPECT_EQ((*++it)->m_position, CRect(5, 6, 7, 8));
    EXPECT_TRUE(in.AtEnd());
    DeleteAll(objects);
}

TEST(ArchiveObjects, LargeIndicesUseTheLongForm)
{
    // Enough objects for the shared counter to pass 0x7FFF.
    std::vector<std::unique_ptr<CDrawPoly>> polys;
    CArchive out;
    for (int i = 0; i < 0x7FFF; ++i) {
        polys.push_back(std::make_unique<CDrawPoly>(CRect(i, 0, i, 0)));
        out.WriteObject(polys.back().get());
    }
    // The last object has index 0x8000 (the class took 1): its back
    // reference is 0x7FFF and a DWORD.
    const std::size_t before = out.Buffer().size();
    out.WriteObject(polys.back().get());
    const std::vector<BYTE>& b = out.Buffer();
    ASSERT_EQ(b.size(), before + 6);
    EXPECT_EQ(b[before], 0xFF);
    EXPECT_EQ(b[before + 1], 0x7F);
    EXPECT_EQ(b[before + 2], 0x00);
    EXPECT_EQ(b[before + 3], 0x80);

    CArchive in(b);
    std::vector<std::unique_ptr<CObject>> read;
    for (int i = 0; i < 0x7FFF; ++i) read.emplace_back(in.ReadObject());
    EXPECT_EQ(in.ReadObject(), read.back().get());
    EXPECT_EQ(static_cast<CDrawPoly*>(read.back().get())->m_position.left, 0x7FFE);
}

// Hostile references: each stream must fail with the named cause.
struct BadStream {
    const char* name;
    std::vector<BYTE> bytes;
    CArchiveException::Cause cause;
};

TEST(ArchiveObjects, BadReferencesThrowTheirCause)
{
    const std::vector<BadStream> cases = {
        {"unknown class", Bytes({0xFF, 0xFF, 0, 0, 4, 0, 'C', 'F', 'o', 'o'}), CArchiveException::badClass},
        {"schema 1", Bytes({0xFF, 0xFF, 1, 0, 9, 0, 'C', 'D', 'r', 'a', 'w', 'P', 'o', 'l', 'y'}),
         CArchiveException::badSchema},
        {"back reference to nothing", Bytes({0x05, 0x00}), CArchiveException::badIndex},
        {"class reference before any class", Bytes({0x01, 0x80}), CArchiveException::badIndex},
        {"class index zero", Bytes({0x00, 0x80}), CArchiveException::badIndex},
        {"big tag without its DWORD", Bytes({0xFF, 0x7F, 0x01}), CArchiveException::endOfFile},
        {"big class tag to nothing", Bytes({0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80}), CArchiveException::badIndex},
        {"class name cut short", Bytes({0xFF, 0xFF, 0, 0, 9, 0, 'C', 'D'}), CArchiveException::endOfFile},
    };
    for (const BadStream& c : cases) {
        CArchive in(c.bytes);
        try {
            std::unique_ptr<CObject> o(in.ReadObject());
            ADD_FAILURE() << c.name << ": no error";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << c.name;
        }
    }
}

TEST(ArchiveObjects, ReferenceToAClassIndexAsAnObjectIsRejected)
{
    CDrawPoly poly(CRect(0, 0, 0, 0));
    CArchive out;
    out.WriteObject(&poly);
    std::vector<BYTE> b = out.Buffer();
    // Index 1 is the class, not an object.
    b.push_back(0x01);
    b.push_back(0x00);
    CArchive in(b);
    std::unique_ptr<CObject> first(in.ReadObject());
    EXPECT_THROW(in.ReadObject(), CArchiveException);
}

TEST(ArchiveObjects, ListsRejectNullsDuplicatesAndOverlongCounts)
{
    CDrawPoly poly(CRect(0, 0, 0, 0));
    {
        CArchive out;
        out.WriteCount(2);
        out.WriteObject(&poly);
        out.WriteObject(&poly);  // the same object twice
        CArchive in(out.Buffer());
        std::list<CDrawObj*> objects;
        EXPECT_THROW(in.ReadObjectList(objects), CArchiveException);
        EXPECT_TRUE(objects.empty());
    }
    {
        const std::vector<BYTE> oneNull = Bytes({1, 0, 0, 0});
        CArchive in(oneNull);
        std::list<CDrawObj*> objects;
        EXPECT_THROW(in.ReadObjectList(objects), CArchiveException);
    }
    {
        const std::vector<BYTE> overlong = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0});
        CArchive in(overlong);
        std::list<CDrawObj*> objects;
        EXPECT_THROW(in.ReadObjectList(objects), CArchiveException);
    }
}

TEST(ArchiveObjects, EveryTruncationOfAListFailsCleanly)
{
    CDrawRect rect(CRect(-300, 200, 300, -200), CDrawRect::kindText);
    rect.m_strText = std::string(300, 'x');
    CDrawPoly poly(CRect(0, 0, 0, 0));
    for (int i = 0; i < 12; ++i) poly.AppendPoint(CPoint(i, i * i));
    CArchive out;
    out.WriteObjectList({&rect, &poly});
    const std::vector<BYTE>& full = out.Buffer();
    for (std::size_t n = 0; n < full.size(); ++n) {
        CArchive in(full.data(), n);
        std::list<CDrawObj*> objects;
        EXPECT_THROW(in.ReadObjectList(objects), CArchiveException) << "cut at " << n;
        EXPECT_TRUE(objects.empty());
    }
    CArchive in(full);
    std::list<CDrawObj*> objects;
    in.ReadObjectList(objects);
    EXPECT_EQ(objects.size(), 2u);
    DeleteAll(objects);
}
