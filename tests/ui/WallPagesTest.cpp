// A wall calendar in the designer: a document of thirteen pages opened
// from its file, the pages turned with Ctrl+Page Down and Ctrl+Page Up
// typed into the view, the status bar naming the page, and the Page menu's
// commands each one step of the history (undoing "Delete Page" brings the
// very page back with its objects and their holidays). Saving keeps every
// page.

#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"
#include "support/ViewEvents.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "document/CalendarGenerator.h"
#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/PageOutput.h"
#include "view/UndoCommands.h"

#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtPrintSupport/QPrinter>
#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMdiArea>
#include <QtWidgets/QMenuBar>

#include <memory>

using namespace viewevents;

namespace {

// The month of the page's calendar (the cover has none: 0).
int MonthOf(const CDrawPage* page)
{
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == CDrawRect::kindCalendar) return r->m_nMonth;
    return 0;
}

CDrawRect* CalendarOf(const CDrawPage* page)
{
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == CDrawRect::kindCalendar) return r;
    return nullptr;
}

}  // namespace

class WallPagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CMainFrame> m_frame;
    CDesignDocument* m_design = nullptr;

    CDrawDoc* Doc() { return m_design->Doc(); }
    ui::CDrawView* View() { return m_frame->ActiveView(); }
    void Trigger(const char* id) { m_frame->Action(id)->trigger(); }
    QString PageLabel() { return m_frame->findChild<QLabel*>(QStringLiteral("pageLabel"))->text(); }

private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        SetMessageHook([](const CMessageRequest&) { return QMessageBox::No; });
        // A cover and the twelve months of 2027, the calendars marking a
        // holiday of their own.
        CDrawDoc doc;
        doc.OnNewDocument();
        CNewCalendarChoices choices;
        choices.m_bPagePerMonth = true;
        choices.m_bCover = true;
        choices.m_nMonths = 12;
        choices.m_nFirstMonth = 0;
        choices.m_nYear = 2027;
        QVERIFY(CCalendarGenerator::GenerateWall(doc, choices));
        for (int p = 1; p < doc.PageCount(); ++p) CalendarOf(doc.GetPage(p))->m_holidays.Add(2027, p, 10, "Fair");
        std::string error;
        QVERIFY2(doc.OnSaveDocument(m_dir.filePath("wall.mdr").toStdString(), &error), error.c_str());
    }
    void init()
    {
        AppSettings().m_bNoNewWizard = 1;
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(ShowFrame(*m_frame));
        m_design = m_frame->OpenDocument(m_dir.filePath("wall.mdr"));
        QVERIFY(m_design);
        QCOMPARE(Doc()->PageCount(), 13);
        CEditTool::SetCurrentTool(toolSelect);
    }
    void cleanup()
    {
        CEditTool::EndDrag();
        for (CDesignDocument* d : m_frame->Documents()) d->UndoStack()->setClean();
        m_frame->CloseAllDocuments();
        m_frame.reset();
    }

    void thePageMenuHoldsThePageCommands()
    {
        QMenu* pages = nullptr;
        for (QAction* a : m_frame->menuBar()->actions())
            if (a->text() == QStringLiteral("&Page")) pages = a->menu();
        QVERIFY(pages);
        QStringList texts;
        for (QAction* a : pages->actions()) texts << a->text().remove('&').section('\t', 0, 0);
        for (const char* text : {"New Page", "Duplicate Page", "Delete Page", "Move Page Earlier", "Move Page Later"})
            QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
    }

    void ctrlPageDownAndUpTurnThePagesShown()
    {
        QCOMPARE(PageLabel(), QStringLiteral("Page 1 of 13"));
        QCOMPARE(MonthOf(Doc()), 0);
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Doc()->CurrentPage(), 1);
        QCOMPARE(MonthOf(Doc()), 1);
        QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(MonthOf(Doc()), 3);
        QCOMPARE(PageLabel(), QStringLiteral("Page 4 of 13"));
        QTest::keyClick(View(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(PageLabel(), QStringLiteral("Page 3 of 13"));
        // The view paints the page shown: its calendar is what a click finds.
        CDrawRect* shown = CalendarOf(Doc());
        const CRect r = shown->m_position.Normalized();
        Click(View(), At(View(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
        QCOMPARE(View()->Selection().size(), std::size_t(1));
        QCOMPARE(View()->Selection().front(), static_cast<CDrawObj*>(shown));
        // Turning the page leaves nothing of the other page selected; going
        // past the last page does nothing.
        QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        QVERIFY(View()->Selection().empty());
        for (int i = 0; i < 20; ++i) QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Doc()->CurrentPage(), 12);
        QCOMPARE(MonthOf(Doc()), 12);
        // Turning pages is not a change of the document.
        QVERIFY(!m_design->IsModified());
    }

    // A calendar copied on one page is pasted onto another page, and into a
    // second document, with its month and holidays; undo takes each paste
    // back from its own page.
    void copyAndPasteBetweenPagesAndDocuments()
    {
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        CDrawRect* january = CalendarOf(Doc());
        const CRect r = january->m_position.Normalized();
        Click(View(), At(View(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
        QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
        for (int i = 0; i < 4; ++i) QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        const std::size_t before = Doc()->m_listObjects.size();
        QTest::keyClick(View(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Doc()->CurrentPage(), 5);
        QCOMPARE(Doc()->m_listObjects.size(), before + 1);
        auto* pasted = dynamic_cast<CDrawRect*>(Doc()->m_listObjects.back());
        QVERIFY(pasted && pasted->m_nKind == CDrawRect::kindCalendar);
        QCOMPARE(pasted->m_nMonth, 1);
        QVERIFY(pasted->m_holidays == january->m_holidays);
        QCOMPARE(Doc()->GetPage(1)->m_listObjects.size(), Doc()->GetPage(2)->m_listObjects.size());

        Trigger("file_new");
        CDesignDocument* other = m_frame->ActiveDocument();
        QVERIFY(other && other != m_design);
        QTest::keyClick(View(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(other->Doc()->m_listObjects.size(), std::size_t(1));
        QCOMPARE(static_cast<CDrawRect*>(other->Doc()->m_listObjects.front())->m_nMonth, 1);
        QCOMPARE(m_design->Doc()->GetPage(5)->m_listObjects.size(), before + 1);

        m_frame->MdiArea()->setActiveSubWindow(m_frame->MdiArea()->subWindowList().front());
        QCOMPARE(m_frame->ActiveDocument(), m_design);
        Trigger("edit_undo");
        QCOMPARE(Doc()->CurrentPage(), 5);
        QCOMPARE(Doc()->m_listObjects.size(), before);
        QCOMPARE(other->Doc()->m_listObjects.size(), std::size_t(1));
    }

    void deletingAPageIsUndoneWithItsObjectsAndHolidays()
    {
        GoToPageNumber(5);
        const std::list<CDrawObj*> objects = *Doc()->GetObjects();
        CDrawRect* calendar = CalendarOf(Doc());
        QCOMPARE(calendar->m_nMonth, 4);
        Click(View(), At(View(), (calendar->m_position.left + calendar->m_position.right) / 2,
                         (calendar->m_position.top + calendar->m_position.bottom) / 2));
        QVERIFY(!View()->Selection().empty());

        Trigger("page_delete");
        QCOMPARE(Doc()->PageCount(), 12);
        QCOMPARE(PageLabel(), QStringLiteral("Page 5 of 12"));
        QCOMPARE(MonthOf(Doc()), 5);
        QVERIFY(View()->Selection().empty());
        QVERIFY(m_design->IsModified());
        QCOMPARE(m_design->UndoStack()->undoText(), QStringLiteral("Delete Page"));

        Key(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Doc()->PageCount(), 13);
        QCOMPARE(Doc()->CurrentPage(), 4);
        QVERIFY(*Doc()->GetObjects() == objects);
        QVERIFY(CalendarOf(Doc())->m_holidays.IsHoliday(2027, 4, 10));
        QVERIFY(!m_design->IsModified());

        Trigger("edit_redo");
        QCOMPARE(Doc()->PageCount(), 12);
        // Saved and opened again, the twelve pages are there.
        QVERIFY(m_frame->SaveDocument(m_design, false));
        CDrawDoc reopened;
        std::string error;
        QVERIFY(reopened.OnOpenDocument(m_dir.filePath("wall.mdr").toStdString(), &error));
        QCOMPARE(reopened.PageCount(), 12);
        QCOMPARE(MonthOf(reopened.GetPage(4)), 5);
        QVERIFY(CalendarOf(reopened.GetPage(4))->m_holidays.IsHoliday(2027, 5, 10));
        // Put back for the next test.
        Trigger("edit_undo");
        QVERIFY(m_frame->SaveDocument(m_design, false));
    }

    void newDuplicateAndMoveAreStepsThatShowTheirPage()
    {
        GoToPageNumber(2);
        Trigger("page_new");
        QCOMPARE(Doc()->PageCount(), 14);
        QCOMPARE(PageLabel(), QStringLiteral("Page 3 of 14"));
        QVERIFY(Doc()->GetObjects()->empty());
        QCOMPARE(Doc()->m_crBackFrom, Doc()->GetPage(1)->m_crBackFrom);
        Trigger("edit_undo");
        QCOMPARE(Doc()->PageCount(), 13);
        QCOMPARE(Doc()->CurrentPage(), 1);

        Trigger("page_duplicate");
        QCOMPARE(Doc()->PageCount(), 14);
        QCOMPARE(Doc()->CurrentPage(), 2);
        QCOMPARE(MonthOf(Doc()), 1);
        QVERIFY(CalendarOf(Doc()) != CalendarOf(Doc()->GetPage(1)));
        QVERIFY(CalendarOf(Doc())->m_holidays == CalendarOf(Doc()->GetPage(1))->m_holidays);
        Trigger("edit_undo");
        QCOMPARE(Doc()->PageCount(), 13);

        // January moves behind February and back.
        Trigger("page_later");
        QCOMPARE(Doc()->CurrentPage(), 2);
        QCOMPARE(MonthOf(Doc()), 1);
        QCOMPARE(MonthOf(Doc()->GetPage(1)), 2);
        Trigger("page_earlier");
        Trigger("page_earlier");
        QCOMPARE(Doc()->CurrentPage(), 0);
        QCOMPARE(MonthOf(Doc()), 1);
        QVERIFY(!m_frame->Action("page_earlier")->isEnabled());
        Trigger("edit_undo");
        Trigger("edit_undo");
        Trigger("edit_undo");
        for (int p = 1; p < 13; ++p) QCOMPARE(MonthOf(Doc()->GetPage(p)), p);
        QVERIFY(!m_design->IsModified());
    }

    void undoOfAnEditShowsThePageItWasMadeOn()
    {
        GoToPageNumber(3);
        CDrawRect* calendar = CalendarOf(Doc());
        const CRect before = calendar->m_position;
        const QPoint centre = At(View(), (before.left + before.right) / 2, (before.top + before.bottom) / 2);
        Drag(View(), centre, centre + QPoint(40, 20));
        QVERIFY(calendar->m_position != before);
        GoToPageNumber(9);
        Trigger("edit_undo");
        QCOMPARE(Doc()->CurrentPage(), 2);
        QCOMPARE(calendar->m_position, before);
        QCOMPARE(PageLabel(), QStringLiteral("Page 3 of 13"));
    }

    // A held arrow key makes one step, but not across a turn of the page:
    // the calendar of the next page, clicked while the key is still held,
    // is another object at the same place in its page's list.
    void aHeldArrowKeyMakesOneStepOnEachPage()
    {
        auto press = [this](bool repeated) {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), repeated);
            QCoreApplication::sendEvent(View(), &event);
        };
        GoToPageNumber(2);
        CDrawRect* january = CalendarOf(Doc());
        const CRect januaryAt = january->m_position;
        Click(View(), At(View(), (januaryAt.left + januaryAt.right) / 2, (januaryAt.top + januaryAt.bottom) / 2));
        press(false);
        press(true);
        press(true);
        GoToPageNumber(3);
        CDrawRect* february = CalendarOf(Doc());
        const CRect februaryAt = february->m_position;
        Click(View(), At(View(), (februaryAt.left + februaryAt.right) / 2, (februaryAt.top + februaryAt.bottom) / 2));
        press(true);
        QVERIFY(january->m_position != januaryAt);
        QVERIFY(february->m_position != februaryAt);

        Trigger("edit_undo");
        QCOMPARE(Doc()->CurrentPage(), 2);
        QCOMPARE(february->m_position, februaryAt);
        QVERIFY(january->m_position != januaryAt);
        Trigger("edit_undo");
        QCOMPARE(Doc()->CurrentPage(), 1);
        QCOMPARE(january->m_position, januaryAt);
        QCOMPARE(february->m_position, februaryAt);
        Trigger("edit_redo");
        Trigger("edit_redo");
        QVERIFY(january->m_position != januaryAt);
        QVERIFY(february->m_position != februaryAt);
        QCOMPARE(Doc()->CurrentPage(), 2);
    }

    // Print takes every page, or the range or the current page chosen in
    // the print dialog.
    void printingTakesEveryPageOrTheRangeChosen()
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("pdfinfo is not installed");
        auto print = [this](QPrinter::PrintRange range, int from, int to) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const QString path = m_dir.filePath(QStringLiteral("printed-%1-%2-%3.pdf").arg(range).arg(from).arg(to));
            printer.setOutputFileName(path);
            printer.setFullPage(true);
            printer.setPrintRange(range);
            printer.setFromTo(from, to);
            if (!PrintPage(&printer, m_design, false)) return QStringList();
            QProcess info;
            info.start(QStringLiteral("pdfinfo"), {path});
            info.waitForFinished(30000);
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                     QStringLiteral("1"), path, QStringLiteral("-")});
            text.waitForFinished(30000);
            return QStringList{QString::fromUtf8(info.readAllStandardOutput()),
                               QString::fromUtf8(text.readAllStandardOutput())};
        };
        const QStringList all = print(QPrinter::AllPages, 0, 0);
        QVERIFY(all.size() == 2);
        QVERIFY2(all[0].contains(QRegularExpression("Pages:\\s+13\\n")), qPrintable(all[0]));
        const QStringList range = print(QPrinter::PageRange, 4, 6);
        QVERIFY(range.size() == 2);
        QVERIFY2(range[0].contains(QRegularExpression("Pages:\\s+3\\n")), qPrintable(range[0]));
        // Page 4 of the wall calendar is March.
        QVERIFY2(range[1].contains(QString::fromStdString(CalendarOf(Doc()->GetPage(3))->GetMonthName(3))),
                 qPrintable(range[1]));
        GoToPageNumber(8);
        const QStringList current = print(QPrinter::CurrentPage, 0, 0);
        QVERIFY(current.size() == 2);
        QVERIFY2(current[0].contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(current[0]));
        QVERIFY2(current[1].contains(QString::fromStdString(CalendarOf(Doc())->GetMonthName(7))), qPrintable(current[1]));
        // Printing leaves the page shown as it was.
        QCOMPARE(Doc()->CurrentPage(), 7);
    }

    // "Save Calendar Image as..." writes the page shown, or every page as
    // NAME-01.jpg, NAME-02.jpg ...
    void picturesOfThePageShownOrOfEveryPage()
    {
        GoToPageNumber(8);
        QString error;
        QVERIFY2(ExportPictureTo(m_design, m_dir.filePath("every.jpg"), &error, {}, 20, true), qPrintable(error));
        for (int k = 1; k <= 13; ++k)
            QVERIFY2(QFile::exists(m_dir.filePath(QStringLiteral("every-%1.jpg").arg(k, 2, 10, QChar('0')))), qPrintable(QString::number(k)));
        QVERIFY(!QFile::exists(m_dir.filePath("every.jpg")));
        QVERIFY2(ExportPictureTo(m_design, m_dir.filePath("shown.jpg"), &error, {}, 20), qPrintable(error));
        auto bytes = [this](const char* name) {
            QFile f(m_dir.filePath(QString::fromLatin1(name)));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        };
        QVERIFY(bytes("shown.jpg") == bytes("every-08.jpg"));
        QVERIFY(bytes("shown.jpg") != bytes("every-09.jpg"));
        QCOMPARE(Doc()->CurrentPage(), 7);
    }

    void aFileWithADamagedPageOpensTheRestAndSaysWhatWasLeftOut()
    {
        CStorage root;
        std::string error;
        QVERIFY(CCompoundFile::Load(m_dir.filePath("wall.mdr").toStdString(), &root, &error));
        const std::vector<BYTE> page3 = *root.OpenStream("Page 3");
        root.CreateStream("Page 3", std::vector<BYTE>(page3.begin(), page3.begin() + page3.size() / 2));
        const QString damaged = m_dir.filePath("damaged.mdr");
        QVERIFY(CCompoundFile::Save(root, damaged.toStdString(), &error));
        const QByteArray before = [&] {
            QFile f(damaged);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        CMessageRecorder messages(QMessageBox::No);
        CDesignDocument* opened = m_frame->OpenDocument(damaged);
        QVERIFY(opened);
        QCOMPARE(opened->Doc()->PageCount(), 12);
        QCOMPARE(MonthOf(opened->Doc()->GetPage(2)), 3);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.front().contains("page 3 is damaged"), qPrintable(messages.texts.front()));
        // Nothing is written until the user saves.
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == before);
    }

private:
    void GoToPageNumber(int number)
    {
        View()->setFocus();
        while (Doc()->CurrentPage() + 1 < number) QTest::keyClick(View(), Qt::Key_PageDown, Qt::ControlModifier);
        while (Doc()->CurrentPage() + 1 > number) QTest::keyClick(View(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(Doc()->CurrentPage() + 1, number);
    }
};

MONDREL_QT_TEST(WallPagesTest)
#include "WallPagesTest.moc"
