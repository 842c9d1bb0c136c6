// Mouse editing, selections across windows, the clipboard and the undo
// history of the design view. The tools are driven with window points as
// the view hands them over; the view is zoomed so that one page unit is
// exactly six pixels, which keeps every conversion exact.

#include "support/QtTestRegistry.h"

#include "calendar/HolidayList.h"
#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"
#include "view/Clipboard.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"

#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>
#include <QtGui/QUndoStack>
#include <QtTest/QtTest>

#include <memory>

namespace {

std::vector<BYTE> Bytes(CDrawDoc& doc)
{
    CArchive out;
    out.m_bItemDataInStorage = true;
    out.WriteObjectList(*doc.GetObjects());
    return out.Buffer();
}

CDrawRect* AddRect(CDrawDoc& doc, CRect r, int kind = CDrawRect::kindRectangle)
{
    auto* obj = new CDrawRect(r, kind);
    obj->m_nKind = kind;
    doc.Add(obj);
    return obj;
}

}  // namespace

class DrawViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CDesignDocument> m_design;
    std::unique_ptr<ui::CDrawView> m_view;

    CDrawDoc* Doc() { return m_design->Doc(); }
    CPoint Win(int x, int y)
    {
        CPoint p(x, y);
        m_view->PageToWindow(p);
        return p;
    }
    void Press(int x, int y, UINT flags = MK_LBUTTON)
    {
        CEditTool::FindTool(CEditTool::CurrentTool())->OnPress(m_view.get(), flags, Win(x, y));
    }
    void Move(int x, int y, UINT flags = MK_LBUTTON)
    {
        CEditTool::FindTool(CEditTool::CurrentTool())->OnMove(m_view.get(), flags, Win(x, y));
    }
    void Release(int x, int y, UINT flags = 0)
    {
        CEditTool::FindTool(CEditTool::CurrentTool())->OnRelease(m_view.get(), flags, Win(x, y));
    }
    void Drag(int x0, int y0, int x1, int y1, UINT flags = 0)
    {
        Press(x0, y0, flags | MK_LBUTTON);
        Move((x0 + x1) / 2, (y0 + y1) / 2, flags | MK_LBUTTON);
        Move(x1, y1, flags | MK_LBUTTON);
        Release(x1, y1, flags);
    }

private slots:
    void init()
    {
        CHistorySink::Install();
        m_design = std::make_unique<CDesignDocument>();
        m_view = std::make_unique<ui::CDrawView>(m_design.get());
        m_view->resize(800, 600);
        m_view->SetViewActive(true);
        m_view->SetZoom(625);
        CEditTool::SetCurrentTool(toolSelect);
    }
    void cleanup()
    {
        CEditTool::EndDrag();
        m_view.reset();
        m_design.reset();
    }

    void draggingOutARectangleKeepsTheCornerOrder()
    {
        CEditTool::SetCurrentTool(toolRect);
        Drag(0, 0, 100, -50);
        QCOMPARE(int(Doc()->GetObjects()->size()), 1);
        const CRect r = Doc()->GetObjects()->front()->m_position;
        QCOMPARE(r.left, 100);
        QCOMPARE(r.top, -50);
        QCOMPARE(r.right, 0);
        QCOMPARE(r.bottom, 0);
        // The tool stays for the next object; one step draws it.
        QCOMPARE(CEditTool::CurrentTool(), int(toolRect));
        QCOMPARE(m_design->UndoStack()->count(), 1);
        QVERIFY(m_design->IsModified());
    }

    void frameToolSetsTheFrameValues()
    {
        CEditTool::SetCurrentTool(toolFrame);
        Drag(0, 0, 200, -200);
        auto* frame = dynamic_cast<CDrawRect*>(Doc()->GetObjects()->front());
        QCOMPARE(frame->m_nKind, int(CDrawRect::kindFrame));
        QCOMPARE(frame->m_nGridLineType, 1);
        QCOMPARE(frame->m_nGridThickness, 15);
    }

    void aClickWithAShapeToolSelectsWhatIsThere()
    {
        CDrawRect* existing = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        m_design->UndoStack()->clear();
        CEditTool::SetCurrentTool(toolEllipse);
        Press(0, 0);
        Release(0, 0);
        QCOMPARE(int(Doc()->GetObjects()->size()), 1);
        QCOMPARE(m_view->Selection().size(), std::size_t(1));
        QCOMPARE(m_view->Selection().front(), static_cast<CDrawObj*>(existing));
        QCOMPARE(CEditTool::CurrentTool(), int(toolSelect));
        QCOMPARE(m_design->UndoStack()->count(), 0);
    }

    void shiftClickAddsAndShiftDoubleClickRemoves()
    {
        CDrawRect* a = AddRect(*Doc(), CRect(-200, 50, -100, -50));
        CDrawRect* b = AddRect(*Doc(), CRect(100, 50, 200, -50));
        Press(-150, 0);
        Release(-150, 0);
        Press(150, 0, MK_LBUTTON | MK_SHIFT);
        Release(150, 0, MK_SHIFT);
        QCOMPARE(m_view->Selection().size(), std::size_t(2));
        CEditTool::FindTool(toolSelect)->OnDoubleClick(m_view.get(), MK_SHIFT, Win(-150, 0));
        QCOMPARE(m_view->Selection().size(), std::size_t(1));
        QCOMPARE(m_view->Selection().front(), static_cast<CDrawObj*>(b));
        QVERIFY(!m_view->IsSelected(a));
    }

    void ctrlDragLeavesACopyBehind()
    {
        CDrawRect* original = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        original->m_logbrush.lbColor = RGB(1, 2, 3);
        m_design->UndoStack()->clear();
        m_design->UndoStack()->setClean();
        const std::vector<BYTE> before = Bytes(*Doc());
        Drag(0, 0, 300, 0, MK_CONTROL);
        QCOMPARE(int(Doc()->GetObjects()->size()), 2);
        const CRect moved = original->m_position;
        QCOMPARE(moved.left, 250);
        auto* copy = dynamic_cast<CDrawRect*>(Doc()->GetObjects()->back());
        QVERIFY(copy != original);
        QCOMPARE(copy->m_position.left, -50);
        QCOMPARE(copy->m_logbrush.lbColor, COLORREF(RGB(1, 2, 3)));
        // Copy and move are one step.
        QCOMPARE(m_design->UndoStack()->count(), 1);
        m_design->UndoStack()->undo();
        QVERIFY(Bytes(*Doc()) == before);
        QVERIFY(!m_design->IsModified());
    }

    void rubberBandReplacesOrAddsWithShift()
    {
        AddRect(*Doc(), CRect(-300, 300, -200, 200));
        CDrawRect* b = AddRect(*Doc(), CRect(200, -200, 300, -300));
        CDrawRect* c = AddRect(*Doc(), CRect(0, 0, 10, -10));
        Drag(150, -150, 350, -350);
        QCOMPARE(m_view->Selection().size(), std::size_t(1));
        QCOMPARE(m_view->Selection().front(), static_cast<CDrawObj*>(b));
        Drag(-20, 20, 20, -20, MK_SHIFT);
        QCOMPARE(m_view->Selection().size(), std::size_t(2));
        QVERIFY(m_view->IsSelected(c));
        Drag(-20, 20, 20, -20);
        QCOMPARE(m_view->Selection().size(), std::size_t(1));
    }

    void aStrokeWithoutMovementKeepsTwoPoints()
    {
        CEditTool::SetCurrentTool(toolPolyline);
        Press(10, 20);
        Release(10, 20);
        auto* stroke = dynamic_cast<CDrawPolyL*>(Doc()->GetObjects()->front());
        QVERIFY(stroke);
        QCOMPARE(stroke->m_nPointCount, 2);
        QCOMPARE(stroke->m_pPoints[0].x, 10);
        QCOMPARE(stroke->m_pPoints[1].x, 11);
        QCOMPARE(stroke->m_pPoints[1].y, 20);
        QCOMPARE(CEditTool::CurrentTool(), int(toolSelect));
    }

    void escapeCancelsTheToolAndTheDrag()
    {
        CEditTool::SetCurrentTool(toolRect);
        Press(0, 0);
        Move(100, -100);
        m_view->CancelTool();
        QVERIFY(!CEditTool::IsDragging());
        QCOMPARE(CEditTool::CurrentTool(), int(toolSelect));
        // What the drag made so far is kept, as one step.
        QCOMPARE(m_design->UndoStack()->count(), 1);
    }

    void commandsDuringADragEndItFirst()
    {
        CDrawRect* obj = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        m_design->UndoStack()->clear();
        Press(0, 0);
        Move(100, 0);
        // Delete in the middle of the move: the drag ends, then the object goes.
        m_view->DeleteSelection();
        QVERIFY(!CEditTool::IsDragging());
        QCOMPARE(int(Doc()->GetObjects()->size()), 0);
        Release(200, 0);
        m_design->UndoStack()->undo();
        QCOMPARE(int(Doc()->GetObjects()->size()), 1);
        QCOMPARE(Doc()->GetObjects()->front(), static_cast<CDrawObj*>(obj));
        QCOMPARE(obj->m_position.left, 50);
    }

    void deleteEmptiesTheSelectionOfEveryWindow()
    {
        CDrawRect* a = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        ui::CDrawView second(m_design.get());
        second.SelectDrawObj(a);
        m_view->SelectDrawObj(a);
        m_view->DeleteSelection();
        QVERIFY(second.Selection().empty());
        QVERIFY(m_view->Selection().empty());
        QVERIFY(Doc()->GetObjects()->empty());
    }

    void handlesFollowTheZoom()
    {
        CDrawRect* a = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        m_view->SelectDrawObj(a);
        // Two pixels off the corner handle hits it at any zoom.
        for (int zoom : {50, 100, 625}) {
            m_view->SetZoom(zoom);
            CPoint p = Win(-50, 50);
            p.x += 2;
            m_view->WindowToPage(p);
            QVERIFY2(a->HitTest(p, m_view.get(), true) == 1, qPrintable(QString::number(zoom)));
        }
    }

    void aCopiedCalendarPastesBesideItself()
    {
        CDrawRect* cal = AddRect(*Doc(), CRect(300, -100, -300, 200), CDrawRect::kindCalendar);
        cal->m_nMonth = 7;
        m_view->SelectDrawObj(cal);
        m_view->CopySelection();
        m_view->PasteClipboard();
        QCOMPARE(int(Doc()->GetObjects()->size()), 2);
        auto* pasted = dynamic_cast<CDrawRect*>(Doc()->GetObjects()->back());
        QVERIFY(pasted && pasted != cal);
        // A step right and down, never hidden exactly on top of the original.
        CRect expected = cal->m_position;
        expected.OffsetRect(20, -20);
        QVERIFY(pasted->m_position == expected);
        QCOMPARE(pasted->m_nMonth, 7);
        QCOMPARE(m_view->Selection().front(), static_cast<CDrawObj*>(pasted));
    }

    void copiedCalendarsKeepTheirHolidays()
    {
        AddRect(*Doc(), CRect(0, 0, 50, -50));
        CDrawRect* box = AddRect(*Doc(), CRect(-400, 0, -350, -50));
        CDrawRect* cal = AddRect(*Doc(), CRect(300, -100, -300, 200), CDrawRect::kindCalendar);
        cal->m_holidays.m_files = {"/home/anna/family.ics"};
        cal->m_holidays.m_bShowNames = true;
        cal->m_holidays.Add(2027, 7, 4, "Picnic");
        m_view->SelectDrawObj(box);
        m_view->SelectDrawObj(cal, true);
        m_view->CopySelection();
        m_view->PasteClipboard();
        QCOMPARE(int(Doc()->GetObjects()->size()), 5);
        auto* pasted = dynamic_cast<CDrawRect*>(Doc()->GetObjects()->back());
        QVERIFY(pasted && pasted != cal);
        QCOMPARE(pasted->m_holidays.m_files, cal->m_holidays.m_files);
        QVERIFY(pasted->m_holidays.m_bShowNames);
        QCOMPARE(pasted->m_holidays.NamesOn(2027, 7, 4), std::vector<std::string>{"Picnic"});

        // Holiday bytes that do not fit the objects are left out; the
        // objects still paste.
        auto* data = new QMimeData;
        data->setData(kDrawObjectsMime, ArchiveObjects({cal}));
        data->setData(kHolidaysMime, QByteArray("MHOL\x01\x00\x05\x00\x00\x00", 10));
        QGuiApplication::clipboard()->setMimeData(data);
        m_view->PasteClipboard();
        QCOMPARE(int(Doc()->GetObjects()->size()), 6);
        pasted = dynamic_cast<CDrawRect*>(Doc()->GetObjects()->back());
        QVERIFY(pasted && pasted->m_holidays.IsEmpty());
    }

    void aPictureFromAnotherProgramBecomesAnEmbeddedPicture()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(picture);
        QVERIFY(m_view->CanPaste());
        m_view->PasteClipboard();
        QCOMPARE(int(Doc()->GetObjects()->size()), 1);
        auto* ole = dynamic_cast<CDrawOleObj*>(Doc()->GetObjects()->front());
        QVERIFY(ole && ole->m_pItem && !ole->m_pItem->IsBlank());
    }

    void brokenClipboardBytesChangeNothing()
    {
        CDrawRect* a = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        m_view->SelectDrawObj(a);
        QByteArray bytes = ArchiveObjects({a});
        bytes.chop(5);
        auto* data = new QMimeData;
        data->setData(kDrawObjectsMime, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        m_view->PasteClipboard();
        QCOMPARE(int(Doc()->GetObjects()->size()), 1);
        QCOMPARE(m_view->Selection().size(), std::size_t(1));
    }

    void everyKindOfChangeUndoesToTheSameBytes()
    {
        AddRect(*Doc(), CRect(-300, 300, -200, 200), CDrawRect::kindCalendar);
        AddRect(*Doc(), CRect(0, 0, 100, -100), CDrawRect::kindEllipse);
        auto* poly = new CDrawPoly(CRect(0, 0, 0, 0));
        Doc()->Add(poly);
        poly->AppendPoint(CPoint(0, 0));
        poly->AppendPoint(CPoint(30, 40));
        m_design->UndoStack()->clear();
        m_design->UndoStack()->setClean();
        m_design->Doc()->SetModifiedFlag(false);
        const std::vector<BYTE> start = Bytes(*Doc());

        m_view->SelectAll();
        m_view->MoveSelectionBy(10, -5, false);           // move
        m_view->Arrange(ArrangeCommand::alignLeft);        // arrange
        m_view->SelectDrawObj(poly);
        m_view->ChangeZOrder(ZOrderCommand::toBack);       // z-order
        m_view->CopySelection();
        m_view->PasteClipboard();                          // paste
        m_view->DeleteSelection();                         // delete
        CEditTool::SetCurrentTool(toolText);
        Drag(-100, -100, 0, -200);                         // create
        Press(-100, -100);                                 // resize by handle
        Move(-150, -80);
        Release(-150, -80);
        const std::vector<BYTE> end = Bytes(*Doc());
        QVERIFY(m_design->IsModified());

        while (m_design->UndoStack()->canUndo()) m_design->UndoStack()->undo();
        QVERIFY(Bytes(*Doc()) == start);
        QVERIFY(!m_design->IsModified());
        while (m_design->UndoStack()->canRedo()) m_design->UndoStack()->redo();
        QVERIFY(Bytes(*Doc()) == end);
        QVERIFY(m_design->IsModified());
    }

    void heldArrowKeysAreOneStep()
    {
        CDrawRect* a = AddRect(*Doc(), CRect(-50, 50, 50, -50));
        m_design->UndoStack()->clear();
        m_view->SelectDrawObj(a);
        m_view->MoveSelectionBy(1, 0, false);
        for (int i = 0; i < 5; ++i) m_view->MoveSelectionBy(1, 0, true);
        m_view->MoveSelectionBy(0, 10, false);
        QCOMPARE(m_design->UndoStack()->count(), 2);
        // Undo puts objects back from their records, as new objects.
        m_design->UndoStack()->undo();
        QCOMPARE(Doc()->GetObjects()->front()->m_position.left, -44);
        m_design->UndoStack()->undo();
        QCOMPARE(Doc()->GetObjects()->front()->m_position.left, -50);
    }

    void aPhotoIsNotDecodedAgainByUndo()
    {
        CDrawRect* image = AddRect(*Doc(), CRect(-50, 50, 50, -50), CDrawRect::kindImage);
        const CPictureHolder* picture = image->m_pImage.get();
        m_design->UndoStack()->clear();
        m_view->SelectDrawObj(image);
        m_view->MoveSelectionBy(5, 0, false);
        m_design->UndoStack()->undo();
        auto* restored = dynamic_cast<CDrawRect*>(Doc()->GetObjects()->front());
        QCOMPARE(restored->m_pImage.get(), picture);
        QVERIFY(m_view->IsSelected(restored));
    }
};

MONDREL_QT_TEST(DrawViewTest)
#include "DrawViewTest.moc"
