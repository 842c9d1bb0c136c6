// The page strip and the page of each window, through real mouse and key
// events: a click on a page's picture shows that page; an edit makes only
// its page's picture stale and a moved page takes its picture along; the
// pictures hold the photos at their own small size; two windows on one
// wall calendar show two pages, turn them apart and stay whole when one
// deletes the page the other shows.

#include "support/QtTestRegistry.h"
#include "support/ViewEvents.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "app/PageStrip.h"
#include "app/SplitFrame.h"
#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawRect.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"

#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMdiArea>

#include <memory>

using namespace viewevents;

namespace {

CDrawRect* FirstOfKind(const CDrawPage* page, int kind)
{
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == kind) return r;
    return nullptr;
}

// The month of the page's calendar (the cover has none: 0).
int MonthOf(const CDrawPage* page)
{
    const CDrawRect* calendar = FirstOfKind(page, CDrawRect::kindCalendar);
    return calendar ? calendar->m_nMonth : 0;
}

QPoint CentreOf(const ui::CDrawView* view, const CDrawObj* obj)
{
    const CRect r = obj->m_position.Normalized();
    return At(view, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

}  // namespace

class PageStripTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CMainFrame> m_frame;
    CDesignDocument* m_design = nullptr;
    static constexpr int kPhotoWidth = 1600;

    CDrawDoc* Doc() { return m_design->Doc(); }
    CPageStrip* Strip() { return m_frame->PageStrip(); }
    ui::CDrawView* View() { return m_frame->ActiveView(); }
    void Trigger(const char* id) { m_frame->Action(id)->trigger(); }
    QString PageLabel() { return m_frame->findChild<QLabel*>(QStringLiteral("pageLabel"))->text(); }
    // The picture of page index as the strip shows it.
    QImage Picture(int index)
    {
        return Strip()->List()->item(index)->icon().pixmap(Strip()->List()->iconSize()).toImage();
    }
    // The pages whose pictures wait to be drawn again.
    QList<int> StalePages()
    {
        QList<int> stale;
        for (int i = 0; i < Strip()->List()->count(); ++i)
            if (Strip()->IsStale(i)) stale << i;
        return stale;
    }

    // A click on the picture of page index, as a person clicks it.
    void ClickPicture(int index)
    {
        QListWidget* list = Strip()->List();
        list->scrollToItem(list->item(index));
        const QRect r = list->visualItemRect(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
    // The window shown in front, its pane focused, as a click on it does.
    void Activate(CSplitFrame* frame)
    {
        m_frame->MdiArea()->setActiveSubWindow(frame);
        frame->ActivePane()->setFocus();
        QCOMPARE(m_frame->ActiveFrame(), frame);
    }

private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        SetMessageHook([](const CMessageRequest&) { return QMessageBox::No; });
        if (QStandardPaths::findExecutable("convert").isEmpty()) QSKIP("ImageMagick is not installed");
        // A cover and twelve months, three photos used in turn.
        CNewCalendarChoices choices;
        for (const char* colour : {"red", "green", "blue"}) {
            const QString photo = m_dir.filePath(QStringLiteral("%1.jpg").arg(QLatin1String(colour)));
            QCOMPARE(QProcess::execute(QStringLiteral("convert"),
                                       {QStringLiteral("-size"), QStringLiteral("%1x1200").arg(kPhotoWidth),
                                        QStringLiteral("gradient:%1-white").arg(QLatin1String(colour)), photo}),
                     0);
            choices.m_photos.push_back({photo.toStdString(), "jpg"});
        }
        choices.m_bPagePerMonth = true;
        choices.m_bCover = true;
        choices.m_nMonths = 12;
        choices.m_nFirstMonth = 0;
        choices.m_nYear = 2027;
        CDrawDoc doc;
        doc.OnNewDocument();
        QVERIFY(CCalendarGenerator::GenerateWall(doc, choices));
        std::string error;
        QVERIFY2(doc.OnSaveDocument(m_dir.filePath("wall.mdr").toStdString(), &error), error.c_str());
    }
    void init()
    {
        AppSettings().m_bNoNewWizard = 1;
        CEditTool::SetCurrentTool(toolSelect);
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(ShowFrame(*m_frame));
        // The strip is shown from the start, and follows the document in
        // front.
        QVERIFY(Strip()->isVisible());
        m_design = m_frame->OpenDocument(m_dir.filePath("wall.mdr"));
        QVERIFY(m_design && Doc()->PageCount() == 13);
        QCOMPARE(Strip()->List()->count(), 13);
        // The pictures come a moment after the window.
        QTRY_VERIFY(!Strip()->IsStale(12));
    }
    void cleanup()
    {
        // The save prompts are answered No.
        m_frame->CloseAllDocuments();
        m_frame.reset();
    }

    // One window: the photos are held small, a click on a picture shows its
    // page, an edit makes only its page's picture stale and a moved page
    // takes its picture along.
    void oneWindowFollowsTheStrip()
    {
        // The photo of a page never shown is decoded for its small picture
        // only, far below its own size.
        CDrawRect* photo = FirstOfKind(Doc()->GetPage(12), CDrawRect::kindImage);
        QVERIFY(photo && photo->m_pImage);
        QCOMPARE(photo->m_pImage->GetWidth(), long(kPhotoWidth));
        QVERIFY(photo->m_pImage->DecodeCount() >= 1);
        QVERIFY2(photo->m_pImage->LastDecodeSize().cx <= kPhotoWidth / 4,
                 qPrintable(QString::number(photo->m_pImage->LastDecodeSize().cx)));

        // A click on a picture shows its page.
        QCOMPARE(Strip()->List()->currentRow(), 0);
        ClickPicture(4);
        QCOMPARE(PageLabel(), QStringLiteral("Page 5 of 13"));
        QCOMPARE(View()->Page(), 4);
        QCOMPARE(MonthOf(Doc()), 4);
        QCOMPARE(Strip()->List()->currentRow(), 4);
        QCOMPARE(Strip()->List()->item(4)->text(), QStringLiteral("5"));
        // Ctrl+Page Down moves the mark along; turning pages is no edit.
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Strip()->List()->currentRow(), 5);
        QVERIFY(!m_design->IsModified());
        // Hidden from the View menu, and back.
        Trigger("view_page_strip");
        QVERIFY(Strip()->isHidden());
        Trigger("view_page_strip");
        QVERIFY(!Strip()->isHidden());

        // A calendar dragged on January: only its picture is drawn again.
        ClickPicture(1);
        const int drawn = Strip()->PicturesDrawn();
        QCOMPARE(StalePages(), QList<int>());
        const QImage before = Picture(1);

        CDrawRect* calendar = FirstOfKind(Doc(), CDrawRect::kindCalendar);
        const QPoint centre = CentreOf(View(), calendar);
        Drag(View(), centre, centre + QPoint(80, 60));
        QCOMPARE(StalePages(), QList<int>{1});
        QTRY_VERIFY(!Strip()->IsStale(1));
        QCOMPARE(Strip()->PicturesDrawn(), drawn + 1);
        const QImage after = Picture(1);
        QVERIFY(before != after);

        // January moves behind February: the pictures go along, none is
        // drawn again.
        Trigger("page_later");
        QCOMPARE(View()->Page(), 2);
        QCOMPARE(Strip()->List()->currentRow(), 2);
        QCOMPARE(StalePages(), QList<int>());
        QCOMPARE(Picture(2), after);
        // A new page is the one picture to draw.
        Trigger("page_new");
        QCOMPARE(Strip()->List()->count(), 14);
        QCOMPARE(StalePages(), QList<int>{3});
        QTRY_VERIFY(!Strip()->IsStale(3));
        QCOMPARE(Strip()->PicturesDrawn(), drawn + 2);
        Trigger("edit_undo");
        QCOMPARE(Strip()->List()->count(), 13);
    }

    // Two windows on the wall calendar turn their pages apart, and stay
    // whole when one deletes the page the other shows.
    void twoWindowsShowTwoPages()
    {
        auto* first = m_frame->ActiveFrame();
        Trigger("window_new");
        auto* second = m_frame->ActiveFrame();
        QVERIFY(second && second != first);
        ui::CDrawView* one = first->ActivePane();
        ui::CDrawView* two = second->ActivePane();
        QCOMPARE(two->Page(), 0);

        // Each window turns its own page.
        QTest::keyClick(two, Qt::Key_PageDown, Qt::ControlModifier);
        QTest::keyClick(two, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(two->Page(), 2);
        QCOMPARE(one->Page(), 0);
        QCOMPARE(PageLabel(), QStringLiteral("Page 3 of 13"));
        // The other window paints its own page without making it current.
        one->viewport()->grab();
        QCOMPARE(Doc()->CurrentPage(), 2);

        Activate(first);
        QCOMPARE(PageLabel(), QStringLiteral("Page 1 of 13"));
        QCOMPARE(Strip()->List()->currentRow(), 0);
        QTest::keyClick(one, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(one->Page(), 1);
        QCOMPARE(two->Page(), 2);
        // A click in the other window works on the page it shows.
        CDrawRect* march = FirstOfKind(Doc()->GetPage(2), CDrawRect::kindCalendar);
        Click(two, CentreOf(two, march));
        QCOMPARE(m_frame->ActiveView(), two);
        QCOMPARE(PageLabel(), QStringLiteral("Page 3 of 13"));
        QCOMPARE(two->Selection().size(), std::size_t(1));
        QCOMPARE(two->Selection().front(), static_cast<CDrawObj*>(march));
        QCOMPARE(one->Page(), 1);

        // A page moved in one window keeps the other on its page.
        Activate(first);
        Trigger("page_later");
        QCOMPARE(one->Page(), 2);
        QCOMPARE(two->Page(), 1);
        QCOMPARE(MonthOf(Doc()->GetPage(two->Page())), 2);
        Trigger("edit_undo");
        QCOMPARE(two->Page(), 2);

        // The second window on December, its calendar selected.
        Activate(second);
        ClickPicture(12);
        QCOMPARE(two->Page(), 12);
        CDrawRect* december = FirstOfKind(Doc(), CDrawRect::kindCalendar);
        Click(two, CentreOf(two, december));
        QCOMPARE(two->Selection().size(), std::size_t(1));

        // The first goes to December too and deletes it: both windows stay
        // on pages that are there.
        Activate(first);
        ClickPicture(12);
        QCOMPARE(one->Page(), 12);
        Trigger("page_delete");
        QCOMPARE(Doc()->PageCount(), 12);
        QCOMPARE(one->Page(), 11);
        QCOMPARE(two->Page(), 11);
        QVERIFY(two->Selection().empty());
        QCOMPARE(Strip()->List()->count(), 12);
        two->viewport()->grab();
        QCOMPARE(MonthOf(Doc()->GetPage(two->Page())), 11);

        Trigger("edit_undo");
        QCOMPARE(Doc()->PageCount(), 13);
        QCOMPARE(one->Page(), 12);
        QCOMPARE(MonthOf(Doc()), 12);
        QVERIFY(FirstOfKind(Doc(), CDrawRect::kindCalendar) == december);
        QCOMPARE(two->Page(), 11);
        QCOMPARE(Strip()->List()->count(), 13);
        QCOMPARE(PageLabel(), QStringLiteral("Page 13 of 13"));

        // Closing the window worked in leaves the other one's page current.
        second->close();
        QCoreApplication::processEvents();
        Activate(first);
        QCOMPARE(Doc()->CurrentPage(), one->Page());
    }
};

MONDREL_QT_TEST(PageStripTest)
#include "PageStripTest.moc"
