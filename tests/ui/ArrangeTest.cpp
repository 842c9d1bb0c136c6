// The arrange commands on rectangles stored in either corner order, and
// their effect on a document: modified, undoable, seen by every view.

#include "support/QtTestRegistry.h"

#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "view/Arrange.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/UndoCommands.h"

#include <QtGui/QUndoStack>
#include <QtTest/QtTest>

namespace {

// A rectangle with its visual edges, stored as drawn from the lower right
// (left > right, top < bottom) or from the upper left.
CRect Drawn(int left, int top, int right, int bottom, bool reversed)
{
    return reversed ? CRect(right, bottom, left, top) : CRect(left, top, right, bottom);
}

int VisualLeft(const CRect& r) { return std::min(r.left, r.right); }
int VisualTop(const CRect& r) { return std::max(r.top, r.bottom); }
int Width(const CRect& r) { return std::abs(r.right - r.left); }
int Height(const CRect& r) { return std::abs(r.top - r.bottom); }

}  // namespace

class ArrangeTest : public QObject {
    Q_OBJECT
private slots:
    void alignAndSizeUseVisualEdges_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::newRow("drawn from the upper left") << false;
        QTest::newRow("drawn from the lower right") << true;
    }
    void alignAndSizeUseVisualEdges()
    {
        QFETCH(bool, reversed);
        const std::vector<CRect> rects = {Drawn(0, 100, 50, 0, reversed), Drawn(200, 300, 300, 250, !reversed)};
        auto out = ArrangeRects(ArrangeCommand::alignLeft, rects);
        QVERIFY(out[0] == rects[0]);
        QCOMPARE(VisualLeft(out[1]), 0);
        QCOMPARE(Width(out[1]), 100);
        out = ArrangeRects(ArrangeCommand::alignTop, rects);
        QCOMPARE(VisualTop(out[1]), 100);
        QCOMPARE(Height(out[1]), 50);
        out = ArrangeRects(ArrangeCommand::alignRight, rects);
        QCOMPARE(std::max(out[1].left, out[1].right), 50);
        out = ArrangeRects(ArrangeCommand::sameSize, rects);
        QCOMPARE(Width(out[1]), 50);
        QCOMPARE(Height(out[1]), 100);
        QCOMPARE(VisualLeft(out[1]), 200);
        QCOMPARE(VisualTop(out[1]), 300);
        // Every object keeps the corner order it was stored in.
        QCOMPARE(out[1].left > out[1].right, rects[1].left > rects[1].right);
        // And nothing lands off the page whichever way it was drawn.
        out = ArrangeRects(ArrangeCommand::alignCenter, rects);
        QCOMPARE((out[1].top + out[1].bottom) / 2, 50);
        out = ArrangeRects(ArrangeCommand::alignVCenter, rects);
        QCOMPARE((out[1].left + out[1].right) / 2, 25);
    }

    void evenlySpacedObjectsStayWhereTheyAre_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<bool>("selectedBackwards");
        QTest::newRow("left to right") << false << false;
        QTest::newRow("right to left") << false << true;
        QTest::newRow("reversed corners") << true << false;
        QTest::newRow("reversed corners, right to left") << true << true;
    }
    void evenlySpacedObjectsStayWhereTheyAre()
    {
        QFETCH(bool, reversed);
        QFETCH(bool, selectedBackwards);
        std::vector<CRect> across, down;
        for (int i = 0; i < 4; ++i) {
            across.push_back(Drawn(i * 150, 100, i * 150 + 100, 0, reversed));
            down.push_back(Drawn(0, -i * 150, 100, -i * 150 - 100, reversed));
        }
        if (selectedBackwards) {
            std::reverse(across.begin(), across.end());
            std::reverse(down.begin(), down.end());
        }
        QVERIFY(ArrangeRects(ArrangeCommand::spaceAcross, across) == across);
        QVERIFY(ArrangeRects(ArrangeCommand::spaceDown, down) == down);
    }

    void spacingEvensOutTheGaps()
    {
        // Three objects 100 wide at 0, 130 and 400: the middle one moves to 200.
        const std::vector<CRect> rects = {CRect(0, 100, 100, 0), CRect(230, 100, 130, 0), CRect(400, 100, 500, 0)};
        auto out = ArrangeRects(ArrangeCommand::spaceAcross, rects);
        QCOMPARE(VisualLeft(out[1]), 200);
        QVERIFY(out[0] == rects[0] && out[2] == rects[2]);
        // Down: an odd difference is not lost twice.
        const std::vector<CRect> column = {CRect(0, 0, 10, -10), CRect(0, -15, 10, -25), CRect(0, -61, 10, -71)};
        out = ArrangeRects(ArrangeCommand::spaceDown, column);
        QCOMPARE(VisualTop(out[1]), -30);
        QCOMPARE(VisualTop(out[2]), -61);
    }

    void zOrderAtBothEnds()
    {
        QCOMPARE(ZOrderTarget(ZOrderCommand::forward, 2, 3), 2);
        QCOMPARE(ZOrderTarget(ZOrderCommand::backward, 0, 3), 0);
        QCOMPARE(ZOrderTarget(ZOrderCommand::toFront, 0, 3), 2);
        QCOMPARE(ZOrderTarget(ZOrderCommand::toBack, 2, 3), 0);
        QCOMPARE(ZOrderTarget(ZOrderCommand::forward, 0, 3), 1);
    }

    void arrangingMarksTheDocumentAndUpdatesOtherViews()
    {
        CHistorySink::Install();
        CDesignDocument design;
        ui::CDrawView view(&design), other(&design);
        auto* a = new CDrawRect(CRect(0, 100, 50, 0));
        auto* b = new CDrawRect(CRect(200, 300, 300, 250));
        design.Doc()->Add(a);
        design.Doc()->Add(b);
        design.UndoStack()->clear();
        design.UndoStack()->setClean();
        view.SelectDrawObj(a);
        view.SelectDrawObj(b, true);
        view.Arrange(ArrangeCommand::alignLeft);
        QVERIFY(design.IsModified());
        QCOMPARE(VisualLeft(design.Doc()->GetObjects()->back()->m_position), 0);
        view.SelectDrawObj(design.Doc()->GetObjects()->back());
        view.ChangeZOrder(ZOrderCommand::toBack);
        QCOMPARE(design.UndoStack()->count(), 2);
        design.UndoStack()->undo();
        design.UndoStack()->undo();
        QVERIFY(!design.IsModified());
        QCOMPARE(VisualLeft(design.Doc()->GetObjects()->back()->m_position), 200);
    }
};

MONDREL_QT_TEST(ArrangeTest)
#include "ArrangeTest.moc"
