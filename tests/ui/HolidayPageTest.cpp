#include "SheetTestSupport.h"

#include "properties/CalGenProp.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/Completion.h"
#include "properties/NewCalendarWizard.h"
#include "view/DesignDocument.h"
#include "view/UndoCommands.h"

#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

#include "support/DocumentObjects.h"
#include "support/QtTestRegistry.h"

#include <clocale>
#include <fstream>

namespace {

const std::string kData = std::string(MONDREL_TEST_DATA) + "/holidays/";

}  // namespace

class HolidayPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void addRemoveAndTheNamesCheckBoxReachTheCalendar()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2026);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            CCalSPText& page = *sheet.m_pSpecial;
            sheet.Tabs()->setCurrentIndex(4);
            QVERIFY(!page.m_pNames->isChecked());
            QVERIFY(!page.m_pReload->isEnabled());
            QVERIFY(page.AddHolidayFile(kData + "town.ics"));
            QVERIFY(page.AddHolidayFile(kData + "family.ics"));
            QCOMPARE(page.m_pFiles->count(), 2);
            QCOMPARE(page.m_pFiles->item(1)->text(), QStringLiteral("family.ics"));
            QVERIFY(page.m_pReload->isEnabled() && page.m_pRemoveFile->isEnabled());
            // The same file twice is refused.
            QVERIFY(!page.AddHolidayFile(kData + "family.ics"));
            page.RemoveHolidayFile(0);
            QCOMPARE(page.m_pFiles->count(), 1);
            page.m_pNames->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_messages.size(), 1);
        QVERIFY(bench.m_messages[0].contains("already"));
        QCOMPARE(cal->m_holidays.m_files.size(), std::size_t(1));
        QVERIFY(cal->m_holidays.m_bShowNames);
        QVERIFY(cal->IsSpecialDay(2026, 3, 14));        // the birthday, from family.ics
        QVERIFY(!cal->m_holidays.IsHoliday(2026, 1, 1)); // town.ics went with its days
        QCOMPARE(bench.m_steps.size(), std::size_t(1));
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("empty") << "" << "empty";
        QTest::newRow("other kind") << "GIF89a" << "not an iCalendar file";
        QTest::newRow("no events") << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n" << "no events";
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QTemporaryDir dir;
        const std::string bad = (dir.path() + "/bad.ics").toStdString();
        std::ofstream(bad, std::ios::binary) << text.toStdString();

        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2026);
        cal->m_holidays.m_files = {kData + "town.ics"};
        cal->m_holidays.Add(2026, 1, 1, "New Year's Day");
        const CHolidayList before = cal->m_holidays;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            QVERIFY(!sheet.m_pSpecial->AddHolidayFile(bad));
            QCOMPARE(sheet.m_pSpecial->m_pFiles->count(), 1);
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_messages.size(), 1);
        QVERIFY2(bench.m_messages[0].contains(words), qPrintable(bench.m_messages[0]));
        QVERIFY(cal->m_holidays == before);
    }

    void reloadReadsTheFilesAgainOrKeepsTheDays()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/mine.ics").toStdString();
        auto write = [&](const char* day) {
            std::ofstream(path, std::ios::binary)
                << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:2026" << day
                << "\r\nSUMMARY:Ours\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
        };
        write("0505");
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 5, 2026);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            CCalSPText& page = *sheet.m_pSpecial;
            QVERIFY(page.AddHolidayFile(path));
            write("0506");
            page.m_pReload->click();
            QVERIFY(page.m_holidays.IsHoliday(2026, 5, 6));
            QVERIFY(!page.m_holidays.IsHoliday(2026, 5, 5));
            // A file gone or spoilt since: reported, the days stay.
            write("");
            std::ofstream(path, std::ios::trunc) << "gone";
            page.m_pReload->click();
            QVERIFY(page.m_holidays.IsHoliday(2026, 5, 6));
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_messages.size(), 1);
        QVERIFY(bench.m_messages[0].contains("kept"));
        QVERIFY(cal->IsSpecialDay(2026, 5, 6));
    }

    void applyToAllCarriesTheFilesAndUndoRestoresThem()
    {
        CSheetTestBench bench;
        CHistorySink::Install();
        CDesignDocument design;
        CDrawDoc& doc = *design.Doc();
        CDrawRect* first = AddCalendar(doc, 1, 2027);
        AddCalendar(doc, 2, 2027);
        design.UndoStack()->setClean();
        bench.Edit<CCalendarSheet>(first, [&](CCalendarSheet& sheet) {
            QVERIFY(sheet.m_pSpecial->AddHolidayFile(kData + "family.ics"));
            sheet.m_pGeneral->m_pApplyToAll->setChecked(true);
            sheet.OkButton()->click();
        });
        auto second = [&] { return dynamic_cast<CDrawRect*>(doc.GetObjects()->back()); };
        QCOMPARE(second()->m_holidays.m_files.size(), std::size_t(1));
        QVERIFY(second()->IsSpecialDay(2027, 3, 14));
        QCOMPARE(design.UndoStack()->count(), 1);
        design.UndoStack()->undo();
        QVERIFY(second()->m_holidays.IsEmpty());
        design.UndoStack()->redo();
        QVERIFY(second()->IsSpecialDay(2027, 3, 14));
    }

    void theWizardTakesAnOptionalHolidayFile()
    {
        CSheetTestBench bench;
        CNewCalendarWizard wizard;
        CCompletion* done = wizard.CompletionPage();
        QVERIFY(!done->SetHolidayFile(kData + "missing.ics"));
        QCOMPARE(bench.m_messages.size(), 1);
        QVERIFY(done->HolidayFile().empty());
        QVERIFY(done->SetHolidayFile(kData + "family.ics"));
        QVERIFY(done->m_pClearHolidays->isEnabled());
        done->StoreTo(wizard.m_choices);
        wizard.m_choices.m_nMonths = 3;
        wizard.m_choices.m_nFirstMonth = 2;
        wizard.m_choices.m_nYear = 2030;
        CDrawDoc doc;
        wizard.Apply(&doc);
        QCOMPARE(CalendarsMarking(doc, 2030, 3, 14), 3);
        QVERIFY(done->SetHolidayFile({}));
        QVERIFY(done->HolidayFile().empty());
    }
};

MONDREL_QT_TEST(HolidayPageTest)
#include "HolidayPageTest.moc"
