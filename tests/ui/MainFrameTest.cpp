// The main frame and start-up: documents opened, refused, saved and closed
// with their prompts, the settings of a fresh profile, and the page
// written as a PDF and as a picture.

#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MondrelApp.h"
#include "app/SplitFrame.h"
#include "document/CalendarGenerator.h"
#include "document/CompoundFile.h"
#include "document/HolidayStream.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"
#include "platform/PageExport.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/PageOutput.h"
#include "view/UndoCommands.h"

#include "document/DocSummary.h"

#include <QtCore/QProcess>
#include <QtPrintSupport/QPrinter>
#include <QtCore/QTemporaryDir>
#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QMdiArea>

namespace {

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        AppSettings().m_bNoNewWizard = 1;
    }

    void aFreshProfileHasTheDefaults()
    {
        CMemorySettingsStore store;
        CAppSettings s;
        s.Load(store);
        QCOMPARE(s.m_bDrawGrid, 0);
        QCOMPARE(s.m_crBackColor, COLORREF(0xFFFFFF));
        QCOMPARE(s.m_crGridColor, COLORREF(0x80AA64));
        QCOMPARE(s.m_bNoNewWizard, 0);
        QVERIFY(CAppSettings::ShowTipAtStartup(store));
    }

    void relativeDocumentPathsFollowTheStartFolder()
    {
        const QStringList paths = ResolveDocumentArguments({"cal.mdr", "/abs/b.mdr", "--flag"}, "/home/user/Pictures");
        QCOMPARE(paths, QStringList({"/home/user/Pictures/cal.mdr", "/abs/b.mdr"}));
    }

    void aFileThatCannotBeOpenedIsNamedWithItsReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.mdr" << QByteArray() << "does not exist";
        QTest::newRow("text file") << "notes.mdr" << QByteArray("hello") << "not a Mondrel calendar document";
        QTest::newRow("damaged") << "damaged.mdr" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1garbage", 15)
                                 << "damaged";
    }
    void aFileThatCannotBeOpenedIsNamedWithItsReason()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(name);
        if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        CMainFrame frame;
        CMessageRecorder messages;
        QVERIFY(!frame.OpenDocument(path));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].contains(name));
        QVERIFY2(messages.texts[0].contains(reason), qPrintable(messages.texts[0]));
        QVERIFY(frame.Documents().empty());
        QVERIFY(frame.MdiArea()->subWindowList().isEmpty());
    }

    void savingAndUndoingToTheSavedStateClearTheModifiedMark()
    {
        CMainFrame frame;
        CDesignDocument* design = frame.NewDocument(false);
        ui::CDrawView* view = frame.ActiveView();
        QVERIFY(view);
        auto* rect = new CDrawRect(CRect(0, 0, 100, -100));
        design->Doc()->Add(rect);
        view->SelectDrawObj(rect);
        view->MoveSelectionBy(5, 5, false);
        QVERIFY(design->IsModified());
        const QString path = m_dir.filePath("saved.mdr");
        QVERIFY(design->Save(path, nullptr));
        QVERIFY(!design->IsModified());
        view->MoveSelectionBy(5, 5, false);
        QVERIFY(design->IsModified());
        QVERIFY(frame.windowTitle().contains('*'));
        design->UndoStack()->undo();
        QVERIFY(!design->IsModified());
        QCOMPARE(frame.RecentFiles().size(), 0);
        CMainFrame second;
        QVERIFY(second.OpenDocument(path));
        QCOMPARE(second.RecentFiles().front(), QFileInfo(path).absoluteFilePath());
    }

    void closingAModifiedDocumentAsks()
    {
        CMainFrame frame;
        CDesignDocument* design = frame.NewDocument(false);
        frame.ActiveView()->SelectDrawObj(nullptr);
        auto* rect = new CDrawRect(CRect(0, 0, 100, -100));
        design->Doc()->Add(rect);
        frame.ActiveView()->SelectDrawObj(rect);
        frame.ActiveView()->DeleteSelection();
        QVERIFY(design->IsModified());
        CMessageRecorder messages;
        messages.answer = QMessageBox::Cancel;
        QVERIFY(!frame.CloseAllDocuments());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].startsWith("Save changes to"));
        QCOMPARE(frame.Documents().size(), std::size_t(1));
        // A second window of the document closes without asking.
        CSplitFrame* second = frame.NewWindow(design);
        second->close();
        QCOMPARE(messages.texts.size(), 1);
        messages.answer = QMessageBox::No;
        QVERIFY(frame.CloseAllDocuments());
    }

    void thePdfIsOnePageOfThePageSizeWithItsTexts()
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("pdfinfo is not installed");
        CDrawDoc doc;
        CNewCalendarChoices choices;
        choices.m_nMonths = 12;
        choices.m_nFirstMonth = 0;
        choices.m_nYear = 2027;
        QVERIFY(CCalendarGenerator::Generate(doc, choices));
        const QString path = m_dir.filePath("page.pdf");
        std::string error;
        QVERIFY(ExportPagePdf(doc, path.toStdString(), &error));
        const QString info = Run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(info.contains("612 x 792 pts"), qPrintable(info));
        const QString text = Run("pdftotext", {path, "-"});
        for (int m = 1; m <= 12; ++m) {
            auto* probe = new CDrawRect(CRect(0, 0, 1, 1), CDrawRect::kindCalendar);
            const QString month = QString::fromStdString(probe->GetMonthName(m));
            delete probe;
            QVERIFY2(text.contains(month + " 2027"), qPrintable(month));
        }
    }

    void printingToAPdfFileNeedsNoPrinterAndStampsTheSummary()
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("pdfinfo is not installed");
        CDesignDocument design;
        CNewCalendarChoices choices;
        choices.m_nMonths = 1;
        choices.m_nYear = 2027;
        QVERIFY(CCalendarGenerator::Generate(*design.Doc(), choices));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = m_dir.filePath("printed.pdf");
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        PrintPage(&printer, &design, false);
        const QString info = Run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY(!QString::fromStdString(design.Doc()->Summary()->GetLastPrintDate()).isEmpty());
        QVERIFY(Run("pdftotext", {path, "-"}).contains("2027"));
    }

    void aPictureNeedsABmpOrJpgName()
    {
        CDesignDocument design;
        QString error;
        const QString jpeg = m_dir.filePath("page.jpeg");
        QVERIFY(!ExportPictureTo(&design, jpeg, &error));
        QCOMPARE(error, QString("ERROR: File extension must be - bmp or jpg."));
        QVERIFY(!QFile::exists(jpeg));
        const QString upper = m_dir.filePath("page.JPG");
        int steps = 0;
        CProgressReport progress{[&](const QString&, int, int) {}, [&](int) { ++steps; }, [] {}};
        QVERIFY(ExportPictureTo(&design, upper, &error, progress));
        QCOMPARE(steps, 3);
        QCOMPARE(QImage(upper).size(), QSize(850, 1100));
        // A folder that is not there is an error, never a success.
        QVERIFY(!ExportPictureTo(&design, m_dir.filePath("no/such/page.bmp"), &error));
        QVERIFY(!error.isEmpty());
    }

    void damagedHolidayDataIsReportedAndTheDesignOpens()
    {
        CDrawDoc doc;
        doc.Add(new CDrawRect(CRect(350, -250, -350, 250), CDrawRect::kindCalendar));
        CStorage root;
        QVERIFY(doc.SaveToStorage(&root, nullptr));
        root.CreateStream(CHolidayStream::kStreamName, {'M', 'H', 'O', 'L', 1, 0, 9, 0, 0, 0});
        std::vector<BYTE> bytes;
        QVERIFY(CCompoundFile::Write(root, &bytes, nullptr));
        const QString path = m_dir.filePath("holidays-damaged.mdr");
        QVERIFY(WriteFileReplacing(path.toStdString(), bytes, nullptr));

        CMainFrame frame;
        CMessageRecorder messages;
        CDesignDocument* design = frame.OpenDocument(path);
        QVERIFY(design);
        QCOMPARE(int(design->Doc()->GetObjects()->size()), 1);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].contains("holidays-damaged.mdr"));
        QVERIFY2(messages.texts[0].contains("holiday data of the document is damaged"), qPrintable(messages.texts[0]));
    }
};

MONDREL_QT_TEST(MainFrameTest)
#include "MainFrameTest.moc"
