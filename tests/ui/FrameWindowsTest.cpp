// The main frame's windows as a user handles them: Ctrl+W closes the
// active window, a calendar document dropped from a file manager opens,
// Tile stacks the windows and Arrange Icons lines up the minimised ones,
// the status bar stays hidden after a restart, and objects copied from one
// document are pasted into another in their order on the page.

#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/SplitFrame.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QMdiArea>
#include <QtWidgets/QMdiSubWindow>
#include <QtWidgets/QStatusBar>

namespace {

// Sends a drag from outside the program over a widget and drops it there,
// as the window system does; returns whether the drop was taken.
bool DropOn(QWidget* target, const QMimeData& data, QPoint at)
{
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

void ClickOn(ui::CDrawView* view, const CRect& pageRect, Qt::KeyboardModifiers modifiers)
{
    CPoint p((pageRect.left + pageRect.right) / 2, (pageRect.top + pageRect.bottom) / 2);
    view->PageToWindow(p);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, QPoint(p.x, p.y));
}

}  // namespace

class FrameWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        AppSettings().m_bNoNewWizard = 1;
        Environment().m_settings = std::make_shared<CMemorySettingsStore>();
    }

    void ctrlWClosesTheActiveWindow()
    {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.NewDocument(false);
        frame.NewDocument(false);
        QCOMPARE(frame.MdiArea()->subWindowList().size(), 2);
        ui::CDrawView* view = frame.ActiveView();
        QVERIFY(view);
        frame.activateWindow();
        view->setFocus();
        QTest::keyClick(view->viewport(), Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(frame.MdiArea()->subWindowList().size(), 1);
        QTest::keyClick(frame.ActiveView()->viewport(), Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(frame.MdiArea()->subWindowList().size(), 0);
    }

    void aDroppedCalendarDocumentOpens()
    {
        const QString path = m_dir.filePath("Dropped.MDR");
        {
            CDesignDocument design;
            design.Doc()->Add(new CDrawRect(CRect(-50, 50, 50, -50), CDrawRect::kindEllipse));
            QVERIFY(design.Save(path, nullptr));
        }
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.NewDocument(false);
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path)});
        // Dropped on the page of the open document: the view passes it on
        // to the frame.
        QVERIFY(DropOn(frame.ActiveView()->viewport(), files, QPoint(40, 40)));
        QTRY_COMPARE(frame.Documents().size(), std::size_t(2));
        QCOMPARE(frame.ActiveDocument()->Doc()->GetObjects()->size(), std::size_t(1));
        QCOMPARE(frame.ActiveDocument()->FilePath(), QFileInfo(path).absoluteFilePath());

        // A picture dropped on the page becomes an image object of the
        // picture's shape.
        const QString wide = m_dir.filePath("wide.png");
        QImage picture(400, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(wide));
        QMimeData pictures;
        pictures.setUrls({QUrl::fromLocalFile(wide)});
        CDrawDoc* page = frame.ActiveDocument()->Doc();
        QVERIFY(DropOn(frame.ActiveView()->viewport(), pictures, QPoint(60, 60)));
        QCOMPARE(page->GetObjects()->size(), std::size_t(2));
        auto* image = dynamic_cast<CDrawRect*>(page->GetObjects()->back());
        QVERIFY(image && image->m_nKind == CDrawRect::kindImage);
        const CRect r = image->m_position.Normalized();
        QVERIFY2(std::abs(r.Width() - 4 * r.Height()) <= 4,
                 qPrintable(QString("%1 x %2").arg(r.Width()).arg(r.Height())));
        QCoreApplication::processEvents();
        QCOMPARE(frame.Documents().size(), std::size_t(2));

        // Other files are not taken by the frame.
        const QString text = m_dir.filePath("notes.txt");
        QFile(text).open(QIODevice::WriteOnly);
        QMimeData other;
        other.setUrls({QUrl::fromLocalFile(text)});
        QVERIFY(!DropOn(frame.MdiArea()->viewport(), other, QPoint(10, 10)));
        QCoreApplication::processEvents();
        QCOMPARE(frame.Documents().size(), std::size_t(2));
    }

    void tileStacksTheWindowsAndArrangeIconsLinesUpTheMinimisedOnes()
    {
        CMainFrame frame;
        frame.resize(900, 700);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (int i = 0; i < 3; ++i) frame.NewDocument(false);
        QList<QMdiSubWindow*> windows = frame.MdiArea()->subWindowList();
        QCOMPARE(windows.size(), 3);
        frame.Action("window_tile")->trigger();
        const QRect area = frame.MdiArea()->viewport()->rect();
        for (QMdiSubWindow* w : windows) {
            QCOMPARE(w->x(), area.left());
            QCOMPARE(w->width(), area.width());
        }
        QVERIFY(windows[0]->geometry().bottom() < windows[1]->geometry().top());
        QVERIFY(windows[1]->geometry().bottom() < windows[2]->geometry().top());
        QCOMPARE(windows[2]->geometry().bottom(), area.bottom());

        // Arrange Icons leaves the open window where Tile put it and lines
        // the minimised ones up along the bottom.
        windows[0]->showMinimized();
        windows[2]->showMinimized();
        windows[0]->move(300, 40);
        windows[2]->move(120, 200);
        const QRect open = windows[1]->geometry();
        frame.Action("window_arrange")->trigger();
        QCOMPARE(windows[1]->geometry(), open);
        QCOMPARE(windows[0]->geometry().bottom(), area.bottom());
        QCOMPARE(windows[2]->geometry().bottom(), area.bottom());
        QCOMPARE(windows[0]->x(), area.left());
        QCOMPARE(windows[2]->x(), windows[0]->geometry().right() + 1);
    }

    // Insert New Object on a file that is no picture says so in plain
    // words, not that something is missing from a registry.
    void anUnreadablePictureIsNamedWithWhatFailed()
    {
        const QString broken = m_dir.filePath("broken.png");
        {
            QFile f(broken);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a picture");
        }
        CMessageRecorder messages;
        CMainFrame frame;
        frame.show();
        frame.NewDocument(false);
        QTimer::singleShot(0, [broken] {
            if (auto* d = qobject_cast<CPreviewFileDialog*>(QApplication::activeModalWidget())) {
                d->SelectAndPreview(broken);
                d->accept();
            }
        });
        frame.Action("insert_object")->trigger();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].startsWith("Failed to create object."), qPrintable(messages.texts[0]));
        QVERIFY2(messages.texts[0].contains("\"broken.png\" cannot be read"), qPrintable(messages.texts[0]));
        QVERIFY(!messages.texts[0].contains("registry"));
        QVERIFY(frame.ActiveDocument()->Doc()->GetObjects()->empty());
    }

    void theHiddenStatusBarStaysHiddenAfterARestart()
    {
        Environment().m_settings = std::make_shared<CMemorySettingsStore>();
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(frame.statusBar()->isVisible());
            QAction* toggle = frame.Action("view_status_bar");
            QVERIFY(toggle->isChecked());
            toggle->trigger();
            QVERIFY(!frame.statusBar()->isVisible());
            frame.close();
        }
        {
            CMainFrame frame;
            QVERIFY(!frame.Action("view_status_bar")->isChecked());
            frame.show();
            QVERIFY(!frame.statusBar()->isVisible());
            frame.Action("view_status_bar")->trigger();
            QVERIFY(frame.statusBar()->isVisible());
            frame.close();
        }
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.statusBar()->isVisible());
        QVERIFY(frame.Action("view_status_bar")->isChecked());
    }

    void aPasteIntoAnotherDocumentKeepsTheOrderOnThePage()
    {
        CMainFrame frame;
        frame.resize(1000, 800);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CDesignDocument* source = frame.NewDocument(false);
        ui::CDrawView* view = frame.ActiveView();
        // Back to front: a red, a green and a blue square, apart.
        const CRect places[3] = {{-200, 100, -100, 0}, {-50, 100, 50, 0}, {100, 100, 200, 0}};
        std::vector<CDrawRect*> squares;
        for (int i = 0; i < 3; ++i) {
            auto* r = new CDrawRect(places[i], CDrawRect::kindRectangle);
            r->m_logbrush.lbColor = RGB(i == 0 ? 255 : 0, i == 1 ? 255 : 0, i == 2 ? 255 : 0);
            source->Doc()->Add(r);
            squares.push_back(r);
        }
        CEditTool::SetCurrentTool(toolSelect);
        view->SetZoom(50);
        // Picked front to back.
        ClickOn(view, places[2], Qt::NoModifier);
        ClickOn(view, places[0], Qt::ShiftModifier);
        ClickOn(view, places[1], Qt::ShiftModifier);
        QCOMPARE(view->Selection().size(), std::size_t(3));
        frame.Action("edit_copy")->trigger();

        CDesignDocument* target = frame.NewDocument(false);
        QVERIFY(frame.ActiveDocument() == target);
        frame.Action("edit_paste")->trigger();
        const std::list<CDrawObj*>& pasted = *target->Doc()->GetObjects();
        QCOMPARE(pasted.size(), std::size_t(3));
        int i = 0;
        for (CDrawObj* obj : pasted) {
            auto* r = dynamic_cast<CDrawRect*>(obj);
            QVERIFY(r);
            QCOMPARE(r->m_logbrush.lbColor, squares[i]->m_logbrush.lbColor);
            ++i;
        }
    }
};

MONDREL_QT_TEST(FrameWindowsTest)
#include "FrameWindowsTest.moc"
