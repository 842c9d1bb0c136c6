#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "objects/ObjectProperties.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records what the document tells its views.
class CRecordingObserver : public CDocObserver {
public:
    void OnUpdate(CDocObserver*, int hint, CDrawObj* object) override { m_updates.push_back({hint, object}); }
    struct Update {
        int hint;
        CDrawObj* object;
    };
    std::vector<Update> m_updates;
};

// A window one pixel per page unit with the y axis turned down.
class CFlipView : public CDrawView {
public:
    void InvalObj(CDrawObj* obj) override { m_invalidated.push_back(obj); }
    void DocToClient(CPoint& p) const override { p.y = -p.y; }
    void DocToClient(CRect& r) const override { r.top = -r.top; r.bottom = -r.bottom; }
    void ClientToDoc(CPoint& p) const override { p.y = -p.y; }
    void ClientToDoc(CRect& r) const override { r.top = -r.top; r.bottom = -r.bottom; }
    std::vector<CDrawObj*> m_invalidated;
};

// A stand-in for the property sheet that answers with fixed choices.
class CScriptedUI : public CPropertiesUI {
public:
    bool EditGenericProperties(CObjectProperties& values, CDrawView*) override
    {
        m_seen = values;
        if (!m_bOk) return false;
        values = m_choice;
        return true;
    }
    void EditRectProperties(CDrawRect*, CDrawView*) override {}
    bool m_bOk = true;
    CObjectProperties m_choice;
    CObjectProperties m_seen;
};

class CUiInstalled {
public:
    explicit CUiInstalled(CPropertiesUI* ui) { SetPropertiesUI(ui); }
    ~CUiInstalled() { SetPropertiesUI(nullptr); }
};

}  // namespace

TEST(DrawObjBase, DefaultsFollowTheRecordTable)
{
    CDrawObj obj(CRect(1, 2, 3, 4));
    EXPECT_EQ(obj.m_position, CRect(1, 2, 3, 4));
    EXPECT_EQ(obj.m_pDocument, nullptr);
    EXPECT_EQ(obj.m_bDrawBorder, 1);
    EXPECT_EQ(obj.m_logpen.lopnStyle, PS_INSIDEFRAME);
    EXPECT_EQ(obj.m_logpen.lopnWidth, CPoint(1, 1));
    EXPECT_EQ(obj.m_logpen.lopnColor, 0u);
    EXPECT_EQ(obj.m_bFill, 1);
    EXPECT_EQ(obj.m_logbrush.lbStyle, BS_SOLID);
    EXPECT_EQ(obj.m_logbrush.lbColor, 0xC0C0C0u);
    EXPECT_EQ(obj.m_nBorderLineType, 0);
    EXPECT_EQ(obj.m_nBorderThickness, 1);
    EXPECT_EQ(obj.HandleCount(), 8);
    EXPECT_TRUE(CDrawObj().m_position.IsRectNull());
}

TEST(DrawObjBase, HandlePointsAndCursors)
{
    CDrawObj obj(CRect(-10, 21, 31, -40));
    // Centre coordinates truncate toward zero: -10 + 41/2 = 10, 21 + (-61)/2 = -9.
    const CPoint expected[] = {{-10, 21}, {10, 21}, {31, 21}, {31, -9}, {31, -40}, {10, -40}, {-10, -40}, {-10, -9}};
    const CursorShape cursors[] = {CursorShape::SizeNWSE, CursorShape::SizeNS, CursorShape::SizeNESW,
                                   CursorShape::SizeWE,   CursorShape::SizeNWSE, CursorShape::SizeNS,
                                   CursorShape::SizeNESW, CursorShape::SizeWE};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(obj.HandlePoint(n), expected[n - 1]) << n;
        EXPECT_EQ(obj.HandleCursor(n), cursors[n - 1]) << n;
    }
    for (int n : {0, 9, -1}) {
        EXPECT_EQ(obj.HandlePoint(n), CPoint(-10, 21)) << n;
        EXPECT_EQ(obj.HandleCursor(n), CursorShape::SizeNWSE) << n;
    }
}

TEST(DrawObjBase, MoveHandleToChangesTheNamedEdges)
{
    const CRect start(0, 100, 100, 0);
    const CPoint p(7, 9);
    const CRect expected[] = {
        {7, 9, 100, 0},  {7, 9, 100, 0},  // 0 and 1 both move the first corner
        {0, 9, 100, 0},  {0, 9, 7, 0},   {0, 100, 7, 0}, {0, 100, 7, 9},
        {0, 100, 100, 9}, {7, 100, 100, 9}, {7, 100, 100, 0},
    };
    for (int n = 0; n <= 8; ++n) {
        CDrawObj obj(start);
        obj.MoveHandleTo(n, p);
        EXPECT_EQ(obj.m_position, expected[n]) << n;
    }
}

TEST(DrawObjBase, MovingNotifiesAndMarksModifiedUnlessUnchanged)
{
    CDrawDoc doc;
    CRecordingObserver observer;
    doc.AddObserver(&observer);
    auto* obj = new CDrawObj(CRect(0, 10, 10, 0));
    doc.Add(obj);
    doc.SetModifiedFlag(false);

    obj->MoveTo(CRect(0, 10, 10, 0));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(observer.m_updates.empty());

    obj->MoveTo(CRect(5, 15, 15, 5));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(observer.m_updates.size(), 2u);
    EXPECT_EQ(observer.m_updates[0].hint, HINT_UPDATE_DRAWOBJ);
    EXPECT_EQ(observer.m_updates[1].object, obj);

    CFlipView view;
    doc.SetModifiedFlag(false);
    obj->MoveTo(CRect(6, 16, 16, 6), &view);
    EXPECT_EQ(view.m_invalidated.size(), 2u);
    EXPECT_EQ(observer.m_updates.size(), 2u);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    obj->SetLineColor(RGB(1, 2, 3));
    obj->SetFillColor(RGB(4, 5, 6));
    EXPECT_EQ(obj->LineColor(), RGB(1, 2, 3));
    EXPECT_EQ(obj->FillColor(), RGB(4, 5, 6));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(observer.m_updates.size(), 4u);
    doc.RemoveObserver(&observer);
}

TEST(DrawObjBase, HitTestNeedsTheGeneratorsCornerOrderToFail)
{
    // Stored with left > right and top < bottom, as generated objects are.
    CDrawObj generated(CRect(379, -492, -377, 506));
    EXPECT_EQ(generated.HitTest(CPoint(0, 0), nullptr, false), 0);
    EXPECT_TRUE(generated.Intersects(CRect(0, 0, 1, 1)));
    EXPECT_FALSE(generated.Intersects(CRect(400, 0, 401, 1)));

    CDrawObj drawn(CRect(-10, 10, 10, -10));
    EXPECT_EQ(drawn.HitTest(CPoint(0, 0), nullptr, false), 1);
    EXPECT_EQ(drawn.HitTest(CPoint(-10, 10), nullptr, false), 1);
    EXPECT_EQ(drawn.HitTest(CPoint(10, 0), nullptr, false), 0);
    EXPECT_EQ(drawn.HitTest(CPoint(0, -10), nullptr, false), 0);
}

TEST(DrawObjBase, HitTestOnHandlesThroughTheView)
{
    CDrawObj obj(CRect(-100, 100, 100, -100));
    CFlipView view;
    EXPECT_EQ(obj.HitTest(CPoint(-100, 100), &view, true), 1);
    EXPECT_EQ(obj.HitTest(CPoint(102, -98), &view, true), 5);
    EXPECT_EQ(obj.HitTest(CPoint(0, 100), &view, true), 2);
    EXPECT_EQ(obj.HitTest(CPoint(0, 0), &view, true), 0);
    EXPECT_EQ(obj.GetHandleRect(1, &view), CRect(-103, 103, -97, 97));
}

TEST(DrawObjBase, CloneCopiesPenAndBrushButNotTheLineTypeOrThickness)
{
    CDrawDoc doc;
    CDrawObj src(CRect(1, 2, 3, 4));
    src.m_bDrawBorder = 0;
    src.m_logpen = LOGPEN{PS_DASH, {4, 4}, RGB(9, 8, 7)};
    src.m_bFill = 0;
    src.m_logbrush = LOGBRUSH{BS_HATCHED, RGB(1, 1, 1), HS_CROSS};
    src.m_nBorderLineType = 3;
    src.m_nBorderThickness = 9;
    src.m_bPreview = 1;

    CDrawObj* clone = src.Clone(&doc);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->m_position, src.m_position);
    EXPECT_EQ(clone->m_bDrawBorder, 0);
    EXPECT_EQ(clone->m_logpen.lopnStyle, PS_DASH);
    EXPECT_EQ(clone->m_logpen.lopnWidth, CPoint(4, 4));
    EXPECT_EQ(clone->m_logbrush.lbHatch, HS_CROSS);
    EXPECT_EQ(clone->m_bFill, 0);
    EXPECT_EQ(clone->m_nBorderLineType, 0);
    EXPECT_EQ(clone->m_nBorderThickness, 1);
    EXPECT_EQ(clone->m_bPreview, 0);
    EXPECT_EQ(clone->m_pDocument, &doc);
    ASSERT_EQ(doc.GetObjects()->size(), 1u);
    EXPECT_EQ(doc.GetObjects()->front(), clone);

    std::unique_ptr<CDrawObj> loose(src.Clone());
    EXPECT_EQ(loose->m_pDocument, nullptr);
}

TEST(DrawObjProperties, OkAppliesTheChoicesAndCancelChangesNothing)
{
    CDrawDoc doc;
    auto* obj = new CDrawObj(CRect(0, 0, 10, 10));
    doc.Add(obj);
    obj->m_logpen.lopnWidth = CPoint(3, 3);
    obj->m_nBorderThickness = 3;
    obj->m_nBorderLineType = 2;

    CScriptedUI ui;
    CUiInstalled installed(&ui);

    ui.m_bOk = false;
    ui.m_choice.m_bTransparent = 1;
    ui.m_choice.m_nThickness = 8;
    doc.SetModifiedFlag(false);
    obj->EditProperties(nullptr);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(obj->m_bFill, 1);
    EXPECT_EQ(obj->m_nBorderThickness, 3);
    // The page opened with the object's values.
    EXPECT_EQ(ui.m_seen.m_bTransparent, 0);
    EXPECT_EQ(ui.m_seen.m_nThickness, 3);
    EXPECT_EQ(ui.m_seen.m_nLineType, 2);
    EXPECT_EQ(ui.m_seen.m_crFill, 0xC0C0C0u);

    ui.m_bOk = true;
    ui.m_choice = CObjectProperties{1, 6, 1, RGB(1, 2, 3), RGB(4, 5, 6), 4};
    obj->Open(nullptr);  // opening an object edits its properties
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(obj->m_bFill, 0);
    EXPECT_EQ(obj->m_logpen.lopnWidth, CPoint(6, 6));
    EXPECT_EQ(obj->LineColor(), RGB(1, 2, 3));
    EXPECT_EQ(obj->FillColor(), RGB(4, 5, 6));
    EXPECT_EQ(obj->m_nBorderLineType, 4);
    EXPECT_EQ(obj->m_nBorderThickness, 6);

    // Switching the border off keeps the pen's width.
    ui.m_choice = CObjectProperties{0, 11, 0, RGB(1, 2, 3), RGB(4, 5, 6), 0};
    obj->EditProperties(nullptr);
    EXPECT_EQ(obj->m_bDrawBorder, 0);
    EXPECT_EQ(obj->m_logpen.lopnWidth, CPoint(6, 6));
    EXPECT_EQ(obj->m_nBorderThickness, 11);
}

TEST(DrawObjProperties, WithoutAHookNothingHappens)
{
    CDrawDoc doc;
    auto* obj = new CDrawObj(CRect(0, 0, 10, 10));
    doc.Add(obj);
    doc.SetModifiedFlag(false);
    obj->EditProperties(nullptr);
    EXPECT_FALSE(doc.IsModified());
}

TEST(DrawObjRecord, BaseRecordLayout)
{
    CDrawObj obj(CRect(1, 2, 3, 4));
    obj.m_bDrawBorder = 1;
    obj.m_logpen = LOGPEN{PS_DOT, {5, 6}, 0x00112233};
    obj.m_bFill = 0;
    obj.m_logbrush = LOGBRUSH{BS_HATCHED, 0x00445566, 3};
    obj.m_nBorderThickness = 7;
    obj.m_nBorderLineType = 2;
    CArchive out;
    obj.Serialize(out);
    const std::vector<BYTE>& b = out.Buffer();
    ASSERT_EQ(b.size(), 16u + 2 + 16 + 2 + 12 + 4 + 4);
    EXPECT_EQ(b[16], 1);         // border flag as a WORD
    EXPECT_EQ(b[18], PS_DOT);    // pen style
    EXPECT_EQ(b[22], 5);         // pen width x
    EXPECT_EQ(b[30], 0x33);      // pen colour, red first
    EXPECT_EQ(b[34], 0);         // fill flag as a WORD
    EXPECT_EQ(b[36], BS_HATCHED);
    EXPECT_EQ(b[48], 7);         // thickness before line type
    EXPECT_EQ(b[52], 2);

    CDrawDoc doc;
    CArchive in(b);
    in.m_pDocument = &doc;
    CDrawObj back;
    back.Serialize(in);
    EXPECT_EQ(back.m_pDocument, &doc);
    EXPECT_EQ(back.m_position, obj.m_position);
    EXPECT_EQ(back.m_logpen.lopnWidth, CPoint(5, 6));
    EXPECT_EQ(back.m_logpen.lopnColor, 0x00112233u);
    EXPECT_EQ(back.m_logbrush.lbColor, 0x00445566u);
    EXPECT_EQ(back.m_logbrush.lbHatch, 3);
    EXPECT_EQ(back.m_bFill, 0);
    EXPECT_EQ(back.m_nBorderThickness, 7);
    EXPECT_EQ(back.m_nBorderLineType, 2);
}
