#include "SheetTestSupport.h"

#include "calendar/CalendarLayout.h"
#include "calendar/PublicHolidays.h"
#include "calendar/WeekNumbers.h"
#include "properties/CalDaysText.h"
#include "properties/CalGenProp.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/Completion.h"
#include "properties/HolidayRegionCombo.h"
#include "properties/NewCalendarWizard.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

#include "support/DocumentObjects.h"
#include "support/QtTestRegistry.h"

#include <clocale>

namespace {

void Choose(QComboBox* combo, const QString& code)
{
    const int index = combo->findData(code);
    QVERIFY2(index >= 0, qPrintable(code));
    combo->setCurrentIndex(index);
}

}  // namespace

class HolidayRegionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void aRegionAddedOnTheSpecialDaysPageIsSavedAndShownByName()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/bavaria.mdr").toStdString();
        {
            CSheetTestBench bench;
            CDrawDoc doc;
            CDrawRect* cal = AddCalendar(doc, 3, 2026);
            bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
                CCalSPText& page = *sheet.m_pSpecial;
                sheet.Tabs()->setCurrentWidget(&page);
                Choose(page.m_pRegion, "DE-BY");
                QTest::mouseClick(page.m_pAddRegion, Qt::LeftButton);
                QCOMPARE(page.m_pFiles->count(), 1);
                QCOMPARE(page.m_pFiles->item(0)->text(), QStringLiteral("Germany (Bavaria)"));
                QVERIFY(page.m_pReload->isEnabled());
                // The same region twice is refused.
                QTest::mouseClick(page.m_pAddRegion, Qt::LeftButton);
                QCOMPARE(page.m_pFiles->count(), 1);
                page.m_pNames->setChecked(true);
                sheet.OkButton()->click();
            });
            QCOMPARE(bench.m_messages.size(), 1);
            QVERIFY(bench.m_messages[0].contains("already"));
            QCOMPARE(cal->m_holidays.m_files, std::vector<std::string>{"region:DE-BY"});
            QVERIFY(cal->IsSpecialDay(2026, 1, 6));   // Epiphany, a Bavarian day
            QVERIFY(cal->IsSpecialDay(2026, 4, 3));   // Good Friday, a national one
            QVERIFY(!cal->IsSpecialDay(2026, 11, 18)); // the day of repentance is Saxony's
            std::string error;
            QVERIFY2(doc.OnSaveDocument(path, &error), error.c_str());
        }

        CSheetTestBench bench;
        CDrawDoc opened;
        std::string error;
        QVERIFY2(opened.OnOpenDocument(path, &error), error.c_str());
        const std::vector<CDrawRect*> calendars = Calendars(opened);
        QVERIFY(!calendars.empty());
        CDrawRect* cal = calendars.front();
        QVERIFY(cal->IsSpecialDay(2026, 8, 15));
        QCOMPARE(cal->m_holidays.NamesOn(2026, 8, 15), std::vector<std::string>{"Mariä Himmelfahrt"});
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            CCalSPText& page = *sheet.m_pSpecial;
            QCOMPARE(page.m_pFiles->item(0)->text(), QStringLiteral("Germany (Bavaria)"));
            // A region is removed as a file is.
            page.m_pFiles->setCurrentRow(0);
            QTest::mouseClick(page.m_pRemoveFile, Qt::LeftButton);
            QCOMPARE(page.m_pFiles->count(), 0);
            sheet.OkButton()->click();
        });
        QVERIFY(!cal->IsSpecialDay(2026, 1, 6));
    }

    void theDaysPageChoosesWeekNumbersAndSaysWhereTheyAreNotDrawn()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 1, 2027);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            CCalDaysText& days = *sheet.m_pDays;
            QCOMPARE(days.m_pWeekNumbers->currentIndex(), 0);
            QVERIFY(days.m_pWeekNumbersNote->isHidden());
            sheet.Tabs()->setCurrentWidget(sheet.m_pGeneral);
            sheet.m_pGeneral->m_pLayout->button(layoutStar)->click();
            sheet.Tabs()->setCurrentWidget(&days);
            QVERIFY(!days.m_pWeekNumbersNote->isHidden());
            QVERIFY(days.m_pWeekNumbersNote->text().contains("Vertical and Horizontal"));
            days.m_pWeekNumbers->setCurrentIndex(weekNumbersIso);
            sheet.Tabs()->setCurrentWidget(sheet.m_pGeneral);
            sheet.m_pGeneral->m_pLayout->button(layoutHorizontal)->click();
            QVERIFY(days.m_pWeekNumbersNote->isHidden());
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_holidays.m_nWeekNumbers, int(weekNumbersIso));
        QCOMPARE(cal->m_nLayout, int(layoutHorizontal));
        // The choice is there when the sheet opens again, and the US rule
        // replaces it.
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            QCOMPARE(sheet.m_pDays->m_pWeekNumbers->currentIndex(), int(weekNumbersIso));
            sheet.m_pDays->m_pWeekNumbers->setCurrentIndex(weekNumbersUs);
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_holidays.m_nWeekNumbers, int(weekNumbersUs));
        QCOMPARE(bench.m_steps.size(), std::size_t(2));
    }

    void theWizardMarksTheRegionChosenOnItsLastStep()
    {
        CSheetTestBench bench;
        CNewCalendarWizard wizard;
        CCompletion* done = wizard.CompletionPage();
        // The choice starts at the user's own country.
        QCOMPARE(done->HolidayRegion(), LocaleHolidayRegion());
        QCOMPARE(done->m_pRegion->itemText(0), QStringLiteral("None"));
        Choose(done->m_pRegion, "NZ");
        done->StoreTo(wizard.m_choices);
        wizard.m_choices.m_nMonths = 2;
        wizard.m_choices.m_nFirstMonth = 5;
        wizard.m_choices.m_nYear = 2026;
        CDrawDoc doc;
        wizard.Apply(&doc);
        QCOMPARE(CalendarsMarking(doc, 2026, 7, 10), 2);  // Matariki
        QCOMPARE(Calendars(doc).front()->m_holidays.m_files, std::vector<std::string>{"region:NZ"});

        // Loading the choices back shows the region; "None" leaves it out.
        done->LoadFrom(wizard.m_choices);
        QCOMPARE(done->HolidayRegion(), std::string("NZ"));
        done->m_pRegion->setCurrentIndex(0);
        done->StoreTo(wizard.m_choices);
        QVERIFY(wizard.m_choices.m_holidayFiles.empty());
    }
};

MONDREL_QT_TEST(HolidayRegionTest)
#include "HolidayRegionTest.moc"
