// Everyday editing through the real window: mouse events sent to the
// panes' viewports, keys typed into the window and its commands triggered as
// the menus do. Mixed undo histories keep every object alive and in place,
// a move past the pane's edge scrolls instead of copying, Ctrl+click leaves
// no copy, split panes carry the commands and frames are hit on their band.

#include "imageio/PictureHolder.h"
#include "support/QtTestRegistry.h"
#include "support/ViewEvents.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "app/SamplePhoto.h"
#include "app/SplitFrame.h"
#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "imageio/PictureImage.h"
#include "objects/DrawRect.h"
#include "properties/IntroPage.h"
#include "properties/NewCalendarWizard.h"
#include "properties/PropertySheetsUI.h"
#include "view/Clipboard.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QClipboard>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStatusBar>

#include <algorithm>

using namespace viewevents;

namespace {

std::vector<CDrawObj*> Objects(CDesignDocument* design)
{
    const auto* list = design->Doc()->GetObjects();
    return std::vector<CDrawObj*>(list->begin(), list->end());
}

CDrawRect* FirstOfKind(CDesignDocument* design, int kind)
{
    for (CDrawObj* obj : Objects(design))
        if (auto* rect = dynamic_cast<CDrawRect*>(obj); rect && rect->m_nKind == kind) return rect;
    return nullptr;
}

QPoint CentreOf(const ui::CDrawView* view, const CDrawObj* obj)
{
    const CRect r = obj->m_position.Normalized();
    return At(view, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

QString TopStep(CDesignDocument* design)
{
    QUndoStack* stack = design->UndoStack();
    return stack->index() > 0 ? stack->command(stack->index() - 1)->text() : QString();
}

QStringList StatusTexts(CMainFrame& frame)
{
    QStringList texts;
    for (QLabel* label : frame.statusBar()->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

}  // namespace

class EditingEventsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CMainFrame> m_frame;
    CDesignDocument* m_design = nullptr;

    ui::CDrawView* View() { return m_frame->ActiveView(); }
    void Trigger(const char* id) { m_frame->Action(id)->trigger(); }
    CDrawRect* DrawRect(QPoint from, QPoint to)
    {
        Trigger("tool_rect");
        Drag(View(), from, to);
        Trigger("tool_select");
        return dynamic_cast<CDrawRect*>(Objects(m_design).back());
    }

private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        InstallPropertySheets();
        SetMessageHook([](const CMessageRequest&) { return QMessageBox::No; });
    }
    void init()
    {
        AppSettings().m_bNoNewWizard = 1;
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(ShowFrame(*m_frame));
        m_design = m_frame->NewDocument(false);
        View()->SetZoom(100);
        CEditTool::SetCurrentTool(toolSelect);
    }
    void cleanup()
    {
        CEditTool::EndDrag();
        for (CDesignDocument* d : m_frame->Documents()) d->UndoStack()->setClean();
        m_frame->CloseAllDocuments();
        m_frame.reset();
    }

    // The sequence that crashed: draw, move, undo, undo, redo, draw; then
    // the whole history back and forth keeps the same objects.
    void drawMoveUndoUndoRedoDraw()
    {
        CDrawRect* first = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        QCOMPARE(TopStep(m_design), QString("Draw Rectangle"));
        const CRect drawn = first->m_position;
        Drag(View(), CentreOf(View(), first), CentreOf(View(), first) + QPoint(60, 30));
        QCOMPARE(TopStep(m_design), QString("Move"));
        QVERIFY(first->m_position != drawn);
        const CRect moved = first->m_position;

        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(first->m_position, drawn);
        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Objects(m_design).empty());
        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Objects(m_design), std::vector<CDrawObj*>{first});
        QCOMPARE(first->m_position, drawn);

        // A new step drops the move that was undone; the rest stays sound.
        CDrawRect* second = DrawRect(At(View(), 150, 150), At(View(), 250, 50));
        QCOMPARE(Objects(m_design).size(), std::size_t(2));
        QUndoStack* stack = m_design->UndoStack();
        QCOMPARE(stack->count(), 2);
        while (stack->canUndo()) Trigger("edit_undo");
        QVERIFY(Objects(m_design).empty());
        while (stack->canRedo()) Trigger("edit_redo");
        QCOMPARE(Objects(m_design), (std::vector<CDrawObj*>{first, second}));
        QCOMPARE(first->m_position, drawn);
        Q_UNUSED(moved);
    }

    // The wizard's step, a move of its photo, undo, undo, redo, redo: the
    // photo is the same object with the same decoded picture throughout.
    void theWizardsStepAndAMoveOfItsPhoto()
    {
        const QString photo = m_dir.filePath("photo.jpg");
        std::string error;
        QVERIFY2(MakeSamplePhoto(photo.toStdString(), &error, 320, 240), error.c_str());
        AppSettings().m_bNoNewWizard = 0;
        QTimer::singleShot(0, [photo] {
            auto* wizard = qobject_cast<CNewCalendarWizard*>(QApplication::activeModalWidget());
            if (!wizard) return;
            wizard->IntroPage()->PathField()->setText(photo);
            while (wizard->currentId() != CNewCalendarWizard::stepCompletion) wizard->next();
            wizard->button(QWizard::FinishButton)->click();
        });
        Trigger("file_new");
        AppSettings().m_bNoNewWizard = 1;
        CDesignDocument* design = m_frame->ActiveDocument();
        QVERIFY(design != m_design);
        QCOMPARE(TopStep(design), QString("New Calendar"));
        CDrawRect* image = FirstOfKind(design, CDrawRect::kindImage);
        QVERIFY(image && image->m_pImage);
        const CPictureHolder* picture = image->m_pImage.get();
        const std::vector<CDrawObj*> made = Objects(design);
        ui::CDrawView* view = m_frame->ActiveView();
        view->SetZoom(100);
        const QPoint centre = CentreOf(view, image);
        CPoint probe(centre.x(), centre.y());
        view->WindowToPage(probe);
        QCOMPARE(design->Doc()->FindObjectAt(probe), static_cast<CDrawObj*>(image));
        const CRect before = image->m_position;
        Drag(view, centre, centre + QPoint(40, 20));
        QCOMPARE(TopStep(design), QString("Move"));
        const CRect after = image->m_position;
        QVERIFY(after != before);

        Trigger("edit_undo");
        QCOMPARE(image->m_position, before);
        Trigger("edit_undo");
        QVERIFY(Objects(design).empty());
        Trigger("edit_redo");
        QCOMPARE(Objects(design), made);
        QCOMPARE(image->m_position, before);
        Trigger("edit_redo");
        QCOMPARE(image->m_position, after);
        QCOMPARE(image->m_pImage.get(), picture);
        // The moved photo is still the page's photo: another drag moves it.
        Drag(view, CentreOf(view, image), CentreOf(view, image) + QPoint(-10, 0));
        QVERIFY(image->m_position != after);
    }

    // Esc in the middle of a move keeps it as one step; undo puts the
    // object back, and the release that follows changes nothing.
    void escapeDuringAMoveThenUndo()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        const CRect drawn = rect->m_position;
        const QPoint centre = CentreOf(View(), rect);
        Press(View(), centre);
        MoveHeld(View(), centre + QPoint(30, 0));
        Key(m_frame.get(), Qt::Key_Escape);
        QVERIFY(!CEditTool::IsDragging());
        MoveHeld(View(), centre + QPoint(90, 0));
        Release(View(), centre + QPoint(90, 0));
        QCOMPARE(TopStep(m_design), QString("Move"));
        CPoint pressed(centre.x(), centre.y()), escaped(centre.x() + 30, centre.y());
        View()->WindowToPage(pressed);
        View()->WindowToPage(escaped);
        QCOMPARE(rect->m_position.left, drawn.left + escaped.x - pressed.x);
        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rect->m_position, drawn);
        QCOMPARE(Objects(m_design), std::vector<CDrawObj*>{rect});
        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Objects(m_design).empty());
    }

    // A second window closed while its pane holds a move: the move stays as
    // one step, and the document goes on in its first window. (Under the
    // sanitizers the step's signals used to reach the half-destroyed frame.)
    void aWindowClosedInTheMiddleOfAMove()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        const CRect drawn = rect->m_position;
        Trigger("window_new");
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 2);
        ui::CDrawView* second = View();
        const QPoint centre = CentreOf(second, rect);
        Press(second, centre);
        MoveHeld(second, centre + QPoint(40, 0));
        QVERIFY(CEditTool::IsDragging());
        m_frame->MdiArea()->closeActiveSubWindow();
        QTest::qWait(20);
        QVERIFY(!CEditTool::IsDragging());
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 1);
        QCOMPARE(m_frame->ActiveDocument(), m_design);
        QCOMPARE(TopStep(m_design), QString("Move"));
        QVERIFY(rect->m_position != drawn);
        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rect->m_position, drawn);
    }

    // A window that closes while its object menu is open takes the menu
    // with it; the document goes on in its first window.
    void aWindowClosedWhileItsObjectMenuIsOpen()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        Trigger("window_new");
        ui::CDrawView* second = View();
        const QPoint centre = CentreOf(second, rect);
        bool shown = false;
        QTimer::singleShot(50, m_frame.get(), [this, &shown] {
            shown = QApplication::activePopupWidget() != nullptr;
            m_frame->MdiArea()->closeActiveSubWindow();
        });
        QTimer::singleShot(2000, m_frame.get(), [] {
            if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, centre, second->viewport()->mapToGlobal(centre));
        QCoreApplication::sendEvent(second->viewport(), &menu);
        QTest::qWait(20);
        QVERIFY(shown);
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 1);
        QCOMPARE(m_frame->ActiveDocument(), m_design);
        Click(View(), CentreOf(View(), rect));
        QVERIFY(View()->IsSelected(rect));
    }

    // Ctrl+click without movement leaves nothing behind; Ctrl+drag leaves a
    // copy, as one step called "Copy".
    void ctrlClickLeavesNoCopyAndCtrlDragCopies()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        const int steps = m_design->UndoStack()->count();
        Click(View(), CentreOf(View(), rect), Qt::ControlModifier);
        QCOMPARE(Objects(m_design).size(), std::size_t(1));
        QCOMPARE(m_design->UndoStack()->count(), steps);

        const CRect place = rect->m_position;
        Drag(View(), CentreOf(View(), rect), CentreOf(View(), rect) + QPoint(100, 0), Qt::ControlModifier);
        QCOMPARE(Objects(m_design).size(), std::size_t(2));
        QCOMPARE(TopStep(m_design), QString("Copy"));
        QCOMPARE(Objects(m_design).back()->m_position, place);
        QVERIFY(rect->m_position != place);
        Trigger("edit_undo");
        QCOMPARE(Objects(m_design), std::vector<CDrawObj*>{rect});
        QCOMPARE(rect->m_position, place);
    }

    // A move past the pane's edge scrolls the page while the pointer stays
    // out there, and the object goes along; no copy is made, also not when
    // the pointer comes back in before the release.
    void aMovePastTheEdgeScrolls()
    {
        View()->SetZoom(300);
        QScrollBar* vertical = View()->verticalScrollBar();
        vertical->setValue(0);
        const QSize area = View()->viewport()->size();
        CDrawRect* rect = DrawRect(QPoint(100, area.height() - 120), QPoint(200, area.height() - 60));
        const CRect drawn = rect->m_position;
        const QPoint grip(150, area.height() - 90);
        CPoint gripped(grip.x(), grip.y());
        View()->WindowToPage(gripped);
        Press(View(), grip);
        MoveHeld(View(), QPoint(150, area.height() + 40));
        const int scrolledAtOnce = vertical->value();
        QTest::qWait(300);
        QVERIFY2(vertical->value() > scrolledAtOnce + 20, qPrintable(QString::number(vertical->value())));
        // Back inside: the scrolling stops and the object is where the pointer is.
        MoveHeld(View(), QPoint(150, area.height() - 30));
        const int stopped = vertical->value();
        QTest::qWait(100);
        QCOMPARE(vertical->value(), stopped);
        Release(View(), QPoint(150, area.height() - 30));
        QCOMPARE(Objects(m_design), std::vector<CDrawObj*>{rect});
        QCOMPARE(TopStep(m_design), QString("Move"));
        // The page moved under the pointer by the scroll, and the object
        // with it: it stays under the pointer.
        CPoint dropped(150, area.height() - 30);
        View()->WindowToPage(dropped);
        QCOMPARE(rect->m_position.top - drawn.top, dropped.y - gripped.y);
        QCOMPARE(rect->m_position.left, drawn.left);
        Trigger("edit_undo");
        QCOMPARE(rect->m_position, drawn);
    }

    // The panes of Window > Split carry the frame's commands and labels.
    void aSplitPaneDeletesCopiesAndReports()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        Trigger("window_split");
        const std::vector<ui::CDrawView*> panes = m_frame->ActiveFrame()->Panes();
        QCOMPARE(panes.size(), std::size_t(4));
        ui::CDrawView* pane = panes.back();
        pane->SetZoom(50);
        QGuiApplication::clipboard()->clear();
        Click(pane, CentreOf(pane, rect));
        QCOMPARE(m_frame->ActiveView(), pane);
        QVERIFY(pane->IsSelected(rect));
        QVERIFY(m_frame->Action("edit_delete")->isEnabled());
        QVERIFY(m_frame->Action("edit_copy")->isEnabled());
        Key(m_frame.get(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(kDrawObjectsMime));
        // The position and zoom labels follow this pane.
        const QPoint hover = At(pane, 30, 40);
        CPoint page(hover.x(), hover.y());
        pane->WindowToPage(page);
        Hover(pane, hover);
        const QString where = QString("%1, %2").arg(page.x).arg(page.y);
        QVERIFY2(StatusTexts(*m_frame).contains(where), qPrintable(StatusTexts(*m_frame).join('|')));
        Trigger("zoom_in");
        QVERIFY(StatusTexts(*m_frame).contains(QString("%1 %").arg(pane->Zoom())));
        Key(m_frame.get(), Qt::Key_Delete);
        QVERIFY(Objects(m_design).empty());
        QVERIFY(!m_frame->Action("edit_delete")->isEnabled());
        for (ui::CDrawView* other : panes) QVERIFY(other->Selection().empty());
    }

    // Commands follow the selection and the tool; their keys act on it.
    void commandsFollowTheSelectionAndTheirKeysWork()
    {
        CDrawRect* a = DrawRect(At(View(), -200, 100), At(View(), -100, 0));
        CDrawRect* b = DrawRect(At(View(), 100, 150), At(View(), 200, 50));
        Click(View(), At(View(), 0, 300));
        for (const char* id : {"edit_cut", "edit_copy", "edit_delete", "properties", "align_left", "move_front"})
            QVERIFY2(!m_frame->Action(id)->isEnabled(), id);
        Click(View(), CentreOf(View(), a));
        for (const char* id : {"edit_cut", "edit_copy", "edit_delete", "properties", "move_front"})
            QVERIFY2(m_frame->Action(id)->isEnabled(), id);
        QVERIFY(!m_frame->Action("align_left")->isEnabled());
        // The key of a drawing tool turns Properties off.
        Key(m_frame.get(), Qt::Key_R);
        QCOMPARE(CEditTool::CurrentTool(), int(toolRect));
        QVERIFY(!m_frame->Action("properties")->isEnabled());
        Key(m_frame.get(), Qt::Key_S);
        QVERIFY(m_frame->Action("properties")->isEnabled());
        // "=" brings the selected object one step forward.
        Key(m_frame.get(), Qt::Key_Equal);
        QCOMPARE(Objects(m_design).back(), static_cast<CDrawObj*>(a));
        // Shift+click adds; two selected objects align.
        Click(View(), CentreOf(View(), b), Qt::ShiftModifier);
        QVERIFY(m_frame->Action("align_left")->isEnabled());
        Trigger("align_left");
        QCOMPARE(std::min(a->m_position.left, a->m_position.right), std::min(b->m_position.left, b->m_position.right));
        // Arrow keys move, Ctrl+A selects all, Ctrl+X cuts all.
        const CRect before = a->m_position;
        Key(m_frame.get(), Qt::Key_Right);
        QCOMPARE(a->m_position.left, before.left + 1);
        Key(m_frame.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(View()->Selection().size(), std::size_t(2));
        Key(m_frame.get(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(Objects(m_design).empty());
        QCOMPARE(TopStep(m_design), QString("Cut"));
    }

    // A double-click opens the properties of the object under it.
    void aDoubleClickOpensTheProperties()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        QString title;
        CModalCloser closer;
        closer.m_onDialog = [&title](QDialog* d) { title = d->windowTitle(); };
        DoubleClick(View(), CentreOf(View(), rect));
        QCOMPARE(closer.Closed(), 1);
        QVERIFY(!title.isEmpty());
        QCOMPARE(TopStep(m_design), QString("Draw Rectangle"));
    }

    // A generated frame is hit on its band: a press inside it starts a
    // rubber band, which takes only what it meets.
    void aFrameIsHitOnItsBand()
    {
        CNewCalendarChoices choices;
        choices.m_bFrame = 1;
        choices.m_nFrameThickness = 30;
        choices.m_nMonths = 1;
        choices.m_nYear = 2027;
        QVERIFY(CCalendarGenerator::Generate(*m_design->Doc(), choices));
        m_design->Doc()->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
        CDrawRect* frame = FirstOfKind(m_design, CDrawRect::kindFrame);
        QVERIFY(frame);
        const CRect box = frame->m_position.Normalized();
        const QPoint band = At(View(), box.left + 10, (box.top + box.bottom) / 2);
        Click(View(), band);
        QCOMPARE(View()->Selection(), std::list<CDrawObj*>{frame});
        // Inside, off the calendar: a rubber band that meets nothing.
        const QPoint inside = At(View(), box.left + 60, box.bottom - 60);
        QVERIFY(m_design->Doc()->FindObjectAt(CPoint(box.left + 60, box.bottom - 60)) == nullptr);
        Drag(View(), inside, inside + QPoint(10, 10));
        QVERIFY(View()->Selection().empty());
        // A band from inside across the frame's edge takes the frame.
        Drag(View(), inside, At(View(), box.left - 20, box.bottom + 20));
        QCOMPARE(View()->Selection(), std::list<CDrawObj*>{frame});
    }

    // Pasting over the originals moves each paste a step further.
    void repeatedPastesStepAside()
    {
        CDrawRect* rect = DrawRect(At(View(), -100, 100), At(View(), 100, -100));
        Click(View(), CentreOf(View(), rect));
        Key(m_frame.get(), Qt::Key_C, Qt::ControlModifier);
        Key(m_frame.get(), Qt::Key_V, Qt::ControlModifier);
        Key(m_frame.get(), Qt::Key_V, Qt::ControlModifier);
        const std::vector<CDrawObj*> objects = Objects(m_design);
        QCOMPARE(objects.size(), std::size_t(3));
        const CRect r0 = objects[0]->m_position;
        QCOMPARE(objects[1]->m_position.left, r0.left + 20);
        QCOMPARE(objects[1]->m_position.top, r0.top - 20);
        QCOMPARE(objects[2]->m_position.left, r0.left + 40);
        QCOMPARE(objects[2]->m_position.top, r0.top - 40);
        // Cut and paste puts the object back where it was.
        Key(m_frame.get(), Qt::Key_X, Qt::ControlModifier);
        Key(m_frame.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Objects(m_design).back()->m_position, objects[2]->m_position);
    }
};

MONDREL_QT_TEST(EditingEventsTest)
#include "EditingEventsTest.moc"
