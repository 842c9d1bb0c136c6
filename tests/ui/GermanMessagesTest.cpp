// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that the core composes, shown by the German designer: run
// with LANGUAGE=de (as ctest does), a damaged document, a holiday file that
// is refused and Relievo's batch answer speak German with their numbers and
// names in place; without the catalogue the same messages are the English
// ones the command line prints. The holiday regions are listed in the order
// of their German names.

#include "SheetTestSupport.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "platform/TranslatedMessage.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/HolidayRegionCombo.h"
#include "translations/Translation.h"
#include "view/DesignDocument.h"

#include <QtCore/QCollator>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTranslator>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>

#include "support/DocumentObjects.h"
#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

namespace {

// What the core says of the damaged document below, in both languages.
const char* const kEnglishProblem = "Some pages of the file were left out: the stream \"Page 02\" is out of order; "
                                    "page 3 is damaged (The archive ends inside a record).";
const char* const kGermanProblem = "Einige Seiten der Datei wurden ausgelassen: der Datenstrom „Page 02“ steht außer "
                                   "der Reihe; Seite 3 ist beschädigt (Das Archiv endet mitten in einem Datensatz).";

// A document of three pages whose third page is cut off and which holds a
// page stream of a name no page has.
QString WriteDamagedDocument(const QTemporaryDir& dir)
{
    CDrawDoc doc;
    AddCalendar(doc, 1, 2027);
    for (int i = 0; i < 2; ++i) doc.InsertPage(doc.PageCount(), std::make_unique<CDrawPage>());
    CStorage root;
    if (!doc.SaveToStorage(&root)) return {};
    root.CreateStream(CDrawDoc::PageStreamName(3), {});
    root.CreateStream("Page 02", *root.OpenStream(CDrawDoc::PageStreamName(2)));
    const QString path = dir.filePath(QStringLiteral("damaged.mdr"));
    return CCompoundFile::Save(root, path.toStdString(), nullptr) ? path : QString();
}

}  // namespace

class GermanMessagesTest : public QObject {
    Q_OBJECT
    QTranslator* m_german = nullptr;
    QTemporaryDir m_dir;

    // Runs drive with the English texts, then puts the German back.
    void InEnglish(const std::function<void()>& drive)
    {
        QCoreApplication::removeTranslator(m_german);
        drive();
        QCoreApplication::installTranslator(m_german);
    }

private slots:
    void initTestCase()
    {
        m_german = InstallTranslations(QLocale::system().uiLanguages());
        QVERIFY2(m_german, "the test runs with LANGUAGE=de");
        AppSettings().m_bNoNewWizard = 1;
    }
    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(m_german);
        delete m_german;
    }

    void aDamagedDocumentIsReportedWhollyInGerman()
    {
        const QString path = WriteDamagedDocument(m_dir);
        QVERIFY(!path.isEmpty());
        CMessageRecorder messages;
        CMainFrame frame;
        CDesignDocument* opened = frame.OpenDocument(path);
        QVERIFY(opened);
        QCOMPARE(opened->Doc()->PageCount(), 2);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].startsWith(QStringLiteral("„damaged.mdr“ wird ohne einige seiner Seiten geöffnet.\n\n") +
                                              kGermanProblem + "\n\n"),
                 qPrintable(messages.texts[0]));

        // The command line and the tests read the core's English, unchanged;
        // the windows show the same without the catalogue.
        QCOMPARE(opened->Doc()->PageProblem(), std::string(kEnglishProblem));
        InEnglish([&] {
            QCOMPARE(TranslatedMessage(opened->Doc()->PageProblemMessage()), QString::fromUtf8(kEnglishProblem));
        });
    }

    void aSavingThatFailsNamesItsCauseInGerman()
    {
        CDrawDoc doc;
        CMessage why;
        const std::string target = m_dir.filePath(QStringLiteral("gone/page.mdr")).toStdString();
        QVERIFY(!doc.OnSaveDocument(target, &why));
        const QString german = TranslatedMessage(why);
        QVERIFY2(german.startsWith(QString::fromStdString(target) + " kann nicht gespeichert werden: In " +
                                   m_dir.filePath(QStringLiteral("gone")) + " kann keine temporäre Datei angelegt werden: "),
                 qPrintable(german));
        std::string english;
        QVERIFY(!doc.OnSaveDocument(target, &english));
        QCOMPARE(why.Text(), english);
        QVERIFY(english.starts_with("Cannot save " + target + ": Cannot create a temporary file in "));
    }

    void refusedHolidayFilesAreExplainedInGerman_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        QTest::newRow("not a calendar")
            << QByteArray("GIF89a")
            << "Die Datei ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR."
            << "The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.";
        // A calendar of March 2026 reads the years 2025 to 2036.
        QTest::newRow("no day in the years")
            << QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20100704\r\n"
                          "SUMMARY:Long ago\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << "Die iCalendar-Datei hat kein Ereignis in den Jahren 2025 bis 2036."
            << "The iCalendar file has no event in the years 2025 to 2036.";
    }
    void refusedHolidayFilesAreExplainedInGerman()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, german);
        QFETCH(QString, english);
        const std::string bad = m_dir.filePath(QStringLiteral("bad.ics")).toStdString();
        std::ofstream(bad, std::ios::binary | std::ios::trunc) << text.toStdString();

        QStringList shown;
        for (const bool inGerman : {true, false}) {
            CSheetTestBench bench;
            CDrawDoc doc;
            CDrawRect* cal = AddCalendar(doc, 3, 2026);
            const auto add = [&] {
                bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
                    QVERIFY(!sheet.m_pSpecial->AddHolidayFile(bad));
                    sheet.OkButton()->click();
                });
            };
            inGerman ? add() : InEnglish(add);
            QCOMPARE(bench.m_messages.size(), 1);
            shown << bench.m_messages[0];
        }
        QCOMPARE(shown[0], QString::fromStdString(bad) + ": " + german);
        QCOMPARE(shown[1], QString::fromStdString(bad) + ": " + english);
    }

    void theRegionsAreListedByTheirGermanNames()
    {
        std::unique_ptr<QComboBox> combo(MakeHolidayRegionCombo(nullptr, true));
        QCOMPARE(combo->itemText(0), QStringLiteral("Keine"));
        QStringList names;
        for (int i = 1; i < combo->count(); ++i) names << combo->itemText(i);
        QCOMPARE(names.first(), QStringLiteral("Australien"));
        // An umlaut sorts with its letter, not after the Z.
        QCOMPARE(names.indexOf("Dänemark") + 1, names.indexOf("Deutschland"));
        QCOMPARE(names.indexOf("Norwegen") + 1, names.indexOf("Österreich"));
        QCOMPARE(names.indexOf("Österreich") + 1, names.indexOf("Polen"));
        QCOMPARE(names.last(), QStringLiteral("Vereinigtes Königreich (Schottland)"));
        QStringList sorted = names;
        QCollator collator(QLocale(QLocale::German));
        std::sort(sorted.begin(), sorted.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        QCOMPARE(names, sorted);
        // Each name still selects its region.
        QCOMPARE(combo->itemData(names.indexOf("Österreich") + 1).toString(), QStringLiteral("AT"));
    }

    // Relievo's batch answer speaks the language of the user's locale, as
    // its window does.
    void relievoAnswersInGerman()
    {
        QTemporaryDir empty;
        QProcess relievo;
        relievo.setWorkingDirectory(empty.path());
        relievo.start(QStringLiteral(MONDREL_BINARY_DIR "/relievo"), {QStringLiteral("--batch")});
        QVERIFY(relievo.waitForFinished(30000));
        QCOMPARE(relievo.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(relievo.readAllStandardError()),
                 QStringLiteral("relievo: Im Arbeitsverzeichnis gibt es keine lesbare Datei „request.3d“.\n"));
    }
};

MONDREL_QT_TEST(GermanMessagesTest)
#include "GermanMessagesTest.moc"
