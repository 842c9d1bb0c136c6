#include "SheetTestSupport.h"

#include "calendar/IcalReader.h"
#include "properties/CalGenProp.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/Completion.h"
#include "properties/HolidayReading.h"
#include "properties/IntField.h"
#include "properties/Interior1.h"
#include "properties/NewCalendarWizard.h"
#include "view/Clipboard.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"

#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QProgressDialog>
#include <QtWidgets/QPushButton>

#include "support/HolidayLimits.h"
#include "support/QtTestRegistry.h"

#include <clocale>
#include <fstream>

namespace {

// A birthday on 5 May of every year from 2026.
void WriteBirthday(const std::string& path)
{
    std::ofstream(path, std::ios::binary) << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:b\r\n"
                                             "DTSTART;VALUE=DATE:20260505\r\nRRULE:FREQ=YEARLY\r\n"
                                             "SUMMARY:Birthday\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

// Notes whether a progress window was shown while it is installed.
class CShowWatch : public QObject {
public:
    CShowWatch() { qApp->installEventFilter(this); }
    ~CShowWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(watched)) m_bSawProgress = true;
        return false;
    }
    bool m_bSawProgress = false;
};

}  // namespace

class HolidaySafetyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void aChangeOfYearReadsTheFilesOrSaysSoAndKeepsTheDays()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/birthdays.ics").toStdString();
        WriteBirthday(path);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 5, 2026);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            QVERIFY(sheet.m_pSpecial->AddHolidayFile(path));
            sheet.m_pGeneral->m_pYear->setValue(2040);
            sheet.OkButton()->click();
        });
        QVERIFY(bench.m_messages.isEmpty());
        QCOMPARE(cal->m_nYear, 2040);
        QVERIFY(cal->m_holidays.IsHoliday(2040, 5, 5));
        QVERIFY(cal->m_holidays.IsHoliday(2050, 5, 5));

        // The file gone: the change of year says so and the days stay.
        std::remove(path.c_str());
        const CHolidayList before = cal->m_holidays;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pYear->setValue(2060);
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_nYear, 2060);
        QCOMPARE(bench.m_messages.size(), 1);
        QVERIFY2(bench.m_messages[0].contains("cannot be opened") && bench.m_messages[0].contains("kept"),
                 qPrintable(bench.m_messages[0]));
        QVERIFY(cal->m_holidays == before);
    }

    void theWizardReadsTheFileForTheDesignsYearsAndReportsAFailureAtFinish()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/once.ics").toStdString();
        std::ofstream(path, std::ios::binary) << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:o\r\n"
                                                 "DTSTART;VALUE=DATE:20300704\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n"
                                                 "END:VCALENDAR\r\n";
        CSheetTestBench bench;
        CNewCalendarWizard wizard;
        wizard.show();
        auto go = [&wizard](int step) {
            while (wizard.currentId() < step) wizard.next();
            while (wizard.currentId() > step) wizard.back();
        };
        go(CNewCalendarWizard::stepMonths);
        wizard.MonthsPage()->YearField()->setValue(2045);
        QVERIFY(!wizard.CompletionPage()->SetHolidayFile(path));
        QCOMPARE(bench.m_messages.size(), 1);
        QVERIFY2(bench.m_messages[0].contains("no event in the years 2044 to 2055"), qPrintable(bench.m_messages[0]));
        wizard.MonthsPage()->YearField()->setValue(2030);
        QVERIFY(wizard.CompletionPage()->SetHolidayFile(path));

        // Back to a year the file has no day in: Finish says so and the
        // wizard stays open.
        wizard.MonthsPage()->YearField()->setValue(2045);
        go(CNewCalendarWizard::stepCompletion);
        wizard.button(QWizard::FinishButton)->click();
        QCOMPARE(bench.m_messages.size(), 2);
        QVERIFY2(bench.m_messages[1].contains("no event in the years"), qPrintable(bench.m_messages[1]));
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.result(), 0);

        // In its years the file is read at Finish and the calendars get it.
        go(CNewCalendarWizard::stepMonths);
        wizard.MonthsPage()->YearField()->setValue(2030);
        go(CNewCalendarWizard::stepCompletion);
        wizard.button(QWizard::FinishButton)->click();
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY(wizard.m_bHolidaysRead);
        QVERIFY(wizard.m_holidays.IsHoliday(2030, 7, 4));
        CDrawDoc doc;
        wizard.Apply(&doc);
        int marked = 0;
        for (CDrawObj* obj : *doc.GetObjects()) {
            auto* cal = dynamic_cast<CDrawRect*>(obj);
            if (cal && cal->m_nKind == CDrawRect::kindCalendar && cal->m_holidays.IsHoliday(2030, 7, 4)) ++marked;
        }
        QVERIFY(marked > 0);
    }

    void aLargeFileIsReadBesideAProgressWindow()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/busy.ics").toStdString();
        {
            std::ofstream out(path, std::ios::binary);
            out << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
            for (int i = 0; i < 4000; ++i)
                out << "BEGIN:VEVENT\r\nUID:" << i << "\r\nDTSTART;VALUE=DATE:202605" << (10 + i % 20)
                    << "\r\nSUMMARY:Meeting about the plans for the next quarter, number " << i % 50
                    << "\r\nDESCRIPTION:" << std::string(40, 'd') << "\r\nEND:VEVENT\r\n";
            out << "END:VCALENDAR\r\n";
        }
        QVERIFY(HolidayFileSize(path) >= kThreadedHolidayBytes);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 5, 2026);
        CShowWatch watch;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            QVERIFY(sheet.m_pSpecial->AddHolidayFile(path));
            sheet.OkButton()->click();
        });
        QVERIFY(bench.m_messages.isEmpty());
        QVERIFY(watch.m_bSawProgress);
        QVERIFY(cal->m_holidays.IsHoliday(2026, 5, 10));
        // Every twentieth event falls on the 10th: five different names.
        QCOMPARE(cal->m_holidays.NamesOn(2026, 5, 10).size(), std::size_t(5));
    }

    void aListAtTheLimitsSurvivesUndoRedoAndPaste()
    {
        CSheetTestBench bench;
        CHistorySink::Install();
        CDesignDocument design;
        CDrawDoc& doc = *design.Doc();
        CDrawRect* cal = AddCalendar(doc, 1, 2027);
        cal->m_holidays = HolidayListAtTheLimits();
        const CHolidayList limits = cal->m_holidays;
        design.UndoStack()->setClean();
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pSpecial->m_pNames->setChecked(true);
            sheet.OkButton()->click();
        });
        auto first = [&] { return dynamic_cast<CDrawRect*>(doc.GetObjects()->front()); };
        QVERIFY(first()->m_holidays.m_bShowNames);
        design.UndoStack()->undo();
        QVERIFY(first()->m_holidays == limits);
        design.UndoStack()->redo();
        CHolidayList shown = limits;
        shown.m_bShowNames = true;
        QVERIFY(first()->m_holidays == shown);

        ui::CDrawView view(&design);
        view.resize(800, 600);
        view.SetViewActive(true);
        CEditTool::SetCurrentTool(toolSelect);
        view.SelectDrawObj(first());
        view.CopySelection();
        view.PasteClipboard();
        QCOMPARE(int(doc.GetObjects()->size()), 2);
        auto* pasted = dynamic_cast<CDrawRect*>(doc.GetObjects()->back());
        QVERIFY(pasted && pasted->m_holidays == shown);
        CEditTool::EndDrag();
    }
};

MONDREL_QT_TEST(HolidaySafetyTest)
#include "HolidaySafetyTest.moc"
