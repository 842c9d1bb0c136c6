#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "objects/DrawPoly.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<CDrawPoly> PolyWith(std::initializer_list<CPoint> points, bool open = false)
{
    std::unique_ptr<CDrawPoly> poly(open ? new CDrawPolyL(CRect()) : new CDrawPoly(CRect()));
    for (const CPoint& p : points) poly->AppendPoint(p);
    return poly;
}

}  // namespace

TEST(DrawPolyPoints, ConstructionAndAppending)
{
    CDrawPoly poly(CRect(1, 2, 3, 4));
    EXPECT_EQ(poly.m_nPointCount, 0);
    EXPECT_EQ(poly.m_nPointCapacity, 0);
    EXPECT_EQ(poly.m_bDrawBorder, 1);
    EXPECT_EQ(poly.m_bFill, 0);
    EXPECT_FALSE(poly.UpdateBounds(nullptr));

    poly.AppendPoint(CPoint(10, 20));
    poly.AppendPoint(CPoint(10, 20));  // the same point twice in a row keeps one
    EXPECT_EQ(poly.m_nPointCount, 1);
    EXPECT_EQ(poly.m_nPointCapacity, 10);
    for (int i = 1; i <= 9; ++i) poly.AppendPoint(CPoint(10 + i, 20 - i * i));
    EXPECT_EQ(poly.m_nPointCapacity, 10);
    poly.AppendPoint(CPoint(-5, 0));  // the eleventh point
    EXPECT_EQ(poly.m_nPointCount, 11);
    EXPECT_EQ(poly.m_nPointCapacity, 20);
    EXPECT_EQ(poly.HandleCount(), 11);
    EXPECT_EQ(poly.HandlePoint(1), CPoint(10, 20));
    EXPECT_EQ(poly.HandlePoint(11), CPoint(-5, 0));
    EXPECT_EQ(poly.HandleCursor(3), CursorShape::Arrow);
    // The rectangle is the bounding box with top <= bottom.
    EXPECT_EQ(poly.m_position, CRect(-5, 20 - 81, 19, 20));
}

TEST(DrawPolyPoints, AppendingMarksTheDocumentAndUpdatesViews)
{
    CDrawDoc doc;
    auto* poly = new CDrawPoly(CRect());
    doc.Add(poly);
    doc.SetModifiedFlag(false);
    poly->AppendPoint(CPoint(0, 0));
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    poly->AppendPoint(CPoint(0, 0));
    EXPECT_FALSE(doc.IsModified());
}

TEST(DrawPolyPoints, MoveToTranslatesWithoutScaling)
{
    auto poly = PolyWith({{0, 0}, {10, 0}, {10, 10}});
    ASSERT_EQ(poly->m_position, CRect(0, 0, 10, 10));
    poly->MoveTo(CRect(100, 200, 300, 400));
    EXPECT_EQ(poly->m_position, CRect(100, 200, 300, 400));
    EXPECT_EQ(poly->HandlePoint(1), CPoint(100, 200));
    EXPECT_EQ(poly->HandlePoint(3), CPoint(110, 210));

    poly->MoveHandleTo(2, CPoint(150, 150));
    EXPECT_EQ(poly->HandlePoint(2), CPoint(150, 150));
    EXPECT_EQ(poly->m_position, CRect(100, 150, 150, 210));
    poly->MoveHandleTo(0, CPoint(1, 1));   // no such point
    poly->MoveHandleTo(4, CPoint(1, 1));
    EXPECT_EQ(poly->m_position, CRect(100, 150, 150, 210));
}

TEST(DrawPolyPoints, IntersectsUsesTheClosedRegion)
{
    auto triangle = PolyWith({{0, 0}, {100, 0}, {0, 100}});
    EXPECT_TRUE(triangle->Intersects(CRect(10, 10, 11, 11)));
    EXPECT_FALSE(triangle->Intersects(CRect(90, 90, 91, 91)));
    auto open = PolyWith({{0, 0}, {100, 0}, {0, 100}}, true);
    EXPECT_TRUE(open->Intersects(CRect(10, 10, 11, 11)));
    CDrawPoly empty(CRect(0, 0, 10, 10));
    EXPECT_FALSE(empty.Intersects(CRect(1, 1, 2, 2)));
}

TEST(DrawPolyPoints, CloneKeepsClassCapacityAndPoints)
{
    CDrawDoc doc;
    auto line = PolyWith({{1, 2}, {3, 4}, {5, 6}}, true);
    line->m_bFill = 1;
    line->m_logbrush.lbColor = RGB(1, 2, 3);
    CDrawObj* obj = line->Clone(&doc);
    auto* clone = dynamic_cast<CDrawPolyL*>(obj);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->m_nPointCount, 3);
    EXPECT_EQ(clone->m_nPointCapacity, 10);
    EXPECT_NE(clone->m_pPoints.get(), line->m_pPoints.get());
    EXPECT_EQ(clone->HandlePoint(3), CPoint(5, 6));
    EXPECT_EQ(clone->m_bFill, 1);
    EXPECT_EQ(clone->FillColor(), RGB(1, 2, 3));
    EXPECT_EQ(clone->m_position, line->m_position);
    EXPECT_EQ(doc.GetObjects()->size(), 1u);
}

TEST(DrawPolyRecord, CapacityAndPointsAreWrittenAsTheyAre)
{
    auto poly = PolyWith({{1, -1}, {2, -2}, {3, -3}});
    CArchive out;
    poly->Serialize(out);
    const std::vector<BYTE>& b = out.Buffer();
    const std::size_t base = 56;  // the CDrawObj record
    ASSERT_EQ(b.size(), base + 4 + 3 * 8);
    EXPECT_EQ(b[base], 3);
    EXPECT_EQ(b[base + 2], 10);
    EXPECT_EQ(b[base + 4], 1);
    EXPECT_EQ(b[base + 8], 0xFF);

    CArchive in(b);
    CDrawPolyL back;
    back.Serialize(in);
    EXPECT_EQ(back.m_nPointCount, 3);
    EXPECT_EQ(back.m_nPointCapacity, 10);
    EXPECT_EQ(back.HandlePoint(3), CPoint(3, -3));
    // Room is left for more points.
    back.AppendPoint(CPoint(9, 9));
    EXPECT_EQ(back.m_nPointCapacity, 10);
}

TEST(DrawPolyRecord, BadCountsAreArchiveErrors)
{
    auto poly = PolyWith({{1, -1}, {2, -2}, {3, -3}});
    CArchive out;
    poly->Serialize(out);
    const std::size_t base = 56;
    {
        std::vector<BYTE> b = out.Buffer();
        b[base + 2] = 2;  // room for two points, three stored
        b[base + 3] = 0;
        CArchive in(b);
        CDrawPoly back;
        EXPECT_THROW(back.Serialize(in), CArchiveException);
    }
    {
        std::vector<BYTE> b = out.Buffer();
        b[base] = 0xFF;  // more points than bytes
        b[base + 1] = 0xFF;
        b[base + 2] = 0xFF;
        b[base + 3] = 0xFF;
        CArchive in(b);
        CDrawPoly back;
        EXPECT_THROW(back.Serialize(in), CArchiveException);
    }
}
