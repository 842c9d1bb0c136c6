#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "imageio/PictureImage.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "support/BmpFixture.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <vector>

namespace {

CDrawOleObj* NewPictureObject(CDrawDoc* doc, const CRect& rect)
{
    auto* obj = new CDrawOleObj(rect);
    obj->m_pItem = new CDrawItem(doc, obj);
    obj->m_pItem->SetData(testbmp::Bmp24(4, 3, [](int, int) { return RGB(0x80, 0x80, 0x80); }), IMAGE_FORMAT_BMP);
    return obj;
}

}  // namespace

TEST(DrawOleExtent, FirstDisplayHangsDownAtTheNaturalSize)
{
    CDrawOleObj obj(CRect(10, 20, 10, 20));
    obj.m_pItem = new CDrawItem(nullptr, &obj);
    obj.m_pItem->SetExtent(CSize(2540, 2540));
    EXPECT_TRUE(obj.m_pItem->UpdateExtent());
    EXPECT_EQ(obj.m_position, CRect(10, 20, 110, -80));
    EXPECT_EQ(obj.m_sizeExtent, CSize(2540, 2540));
    EXPECT_FALSE(obj.m_pItem->UpdateExtent());  // nothing new

    // The user made it twice as wide; the natural size then doubles in
    // height: the rectangle keeps its scale.
    obj.m_position = CRect(10, 20, 210, -80);
    obj.m_pItem->SetExtent(CSize(2540, 5080));
    EXPECT_TRUE(obj.m_pItem->UpdateExtent());
    EXPECT_EQ(obj.m_position, CRect(10, 20, 210, -180));

    // A stored size with one zero side is treated as a first display.
    obj.m_sizeExtent = CSize(0, 100);
    obj.m_pItem->SetExtent(CSize(1270, 1270));
    EXPECT_TRUE(obj.m_pItem->UpdateExtent());
    EXPECT_EQ(obj.m_position, CRect(10, 20, 60, -30));
}

TEST(DrawOleExtent, ThePictureGivesTheNaturalSize)
{
    CDrawItem item;
    CSize extent;
    EXPECT_FALSE(item.GetExtent(&extent));
    ASSERT_TRUE(item.SetData(testbmp::Bmp24(96, 48, [](int, int) { return RGB(0x80, 0x80, 0x80); }), IMAGE_FORMAT_BMP));
    ASSERT_TRUE(item.GetExtent(&extent));
    const long dpi = item.Picture()->GetXDPI();
    ASSERT_GT(dpi, 0);
    EXPECT_EQ(extent.cx, static_cast<int>((96 * 2540 + dpi / 2) / dpi));
    EXPECT_EQ(extent.cy, extent.cx / 2);
    EXPECT_FALSE(item.IsBlank());
    EXPECT_FALSE(item.SetData({1, 2, 3}, IMAGE_FORMAT_BMP));
    EXPECT_EQ(item.Data().size(), 3u);  // kept even though it does not decode
}

TEST(DrawOleRecord, RoundTripWithThePictureInline)
{
    CDrawDoc doc;
    std::unique_ptr<CDrawOleObj> src(NewPictureObject(&doc, CRect(-50, 40, 50, -40)));
    src->m_sizeExtent = CSize(123, 456);
    src->m_pItem->m_dwItemNumber = 7;
    src->m_logpen.lopnColor = RGB(9, 9, 9);

    CArchive out;
    out.WriteObjectList({src.get()});
    CArchive in(out.Buffer());
    in.m_pDocument = &doc;
    std::list<CDrawObj*> objects;
    in.ReadObjectList(objects);
    ASSERT_EQ(objects.size(), 1u);
    std::unique_ptr<CDrawOleObj> back(dynamic_cast<CDrawOleObj*>(objects.front()));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_position, src->m_position);
    EXPECT_EQ(back->m_sizeExtent, CSize(123, 456));
    EXPECT_EQ(back->LineColor(), RGB(9, 9, 9));
    ASSERT_NE(back->m_pItem, nullptr);
    EXPECT_EQ(back->m_pItem->m_pOwnerObject, back.get());
    EXPECT_EQ(back->m_pItem->m_pDocument, &doc);
    EXPECT_EQ(back->m_pItem->m_dwItemNumber, 7u);
    EXPECT_EQ(back->m_pItem->Data(), src->m_pItem->Data());
    EXPECT_EQ(back->m_pItem->Format(), IMAGE_FORMAT_BMP);
    ASSERT_NE(back->m_pItem->Picture(), nullptr);
    EXPECT_EQ(back->m_pItem->Picture()->GetWidth(), 4);
}

TEST(DrawOleRecord, PictureBytesCanLiveInTheItemsStorage)
{
    std::unique_ptr<CDrawOleObj> src(NewPictureObject(nullptr, CRect(0, 10, 10, 0)));
    CArchive out;
    out.m_bItemDataInStorage = true;
    out.WriteObject(src.get());
    CArchive in(out.Buffer());
    std::unique_ptr<CDrawOleObj> back(in.ReadObjectOf<CDrawOleObj>());
    ASSERT_NE(back->m_pItem, nullptr);
    EXPECT_TRUE(back->m_pItem->IsBlank());
    // The document hands the bytes back from the storage.
    EXPECT_TRUE(back->m_pItem->SetData(src->m_pItem->Data(), back->m_pItem->Format()));
    EXPECT_NE(back->m_pItem->Picture(), nullptr);
}

TEST(DrawOleRecord, AnItemReferencedTwiceIsRejected)
{
    std::unique_ptr<CDrawOleObj> a(NewPictureObject(nullptr, CRect(0, 10, 10, 0)));
    CArchive out;
    out.WriteObject(a.get());
    // A second object whose item is a back reference to the first one's.
    CDrawOleObj b(CRect(0, 10, 10, 0));
    b.m_pItem = a->m_pItem;
    out.WriteObject(&b);
    b.m_pItem = nullptr;
    CArchive in(out.Buffer());
    std::unique_ptr<CObject> first(in.ReadObject());
    EXPECT_THROW(in.ReadObject(), CArchiveException);
}

TEST(DrawOleRecord, AnItemOfTheWrongClassIsRejectedBeforeItIsRead)
{
    // An embedded object whose item slot holds another embedded object.
    CDrawOleObj outer(CRect(0, 10, 10, 0));
    CArchive out;
    out.WriteObject(&outer);
    std::vector<BYTE> b = out.Buffer();
    ASSERT_EQ(b[b.size() - 2], 0);  // the null item
    b.resize(b.size() - 2);
    b.push_back(0x01);  // class index 1: CDrawOleObj again
    b.push_back(0x80);
    CArchive in(b);
    EXPECT_THROW(in.ReadObject(), CArchiveException);
}

TEST(DrawOleObject, CloneCopiesThePictureAndRemoveReleasesIt)
{
    CDrawDoc doc;
    CDrawOleObj* src = NewPictureObject(&doc, CRect(0, 10, 10, 0));
    doc.Add(src);
    src->m_sizeExtent = CSize(5, 6);
    src->m_bFill = 0;
    CDrawObj* obj = src->Clone(&doc);
    auto* clone = dynamic_cast<CDrawOleObj*>(obj);
    ASSERT_NE(clone, nullptr);
    ASSERT_NE(clone->m_pItem, nullptr);
    EXPECT_NE(clone->m_pItem, src->m_pItem);
    EXPECT_EQ(clone->m_pItem->m_pOwnerObject, clone);
    EXPECT_EQ(clone->m_pItem->Data(), src->m_pItem->Data());
    EXPECT_EQ(clone->m_sizeExtent, CSize(5, 6));
    EXPECT_EQ(clone->m_bFill, 0);
    EXPECT_EQ(doc.GetObjects()->size(), 2u);

    doc.RemoveObject(clone);
    clone->Remove();
    EXPECT_EQ(doc.GetObjects()->size(), 1u);
}
