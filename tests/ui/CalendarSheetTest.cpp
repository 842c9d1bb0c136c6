#include "SheetTestSupport.h"

#include "properties/CalDWText.h"
#include "properties/CalDaysText.h"
#include "properties/CalGenProp.h"
#include "properties/CalHText.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/MonthCalendarWnd.h"
#include "properties/PreviewBox.h"
#include "view/DesignDocument.h"
#include "view/UndoCommands.h"

#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

#include "support/QtTestRegistry.h"

#include <clocale>

class CalendarSheetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void pagesAndCaptions()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        QStringList tabs;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            for (int i = 0; i < sheet.Tabs()->count(); ++i) tabs << sheet.Tabs()->tabText(i);
            QVERIFY(sheet.ApplyButton()->isVisible());
            QCOMPARE(sheet.m_pGeneral->m_pMonth->currentText(), QStringLiteral("March"));
            QCOMPARE(sheet.m_pGeneral->m_pYear->value(), 2024);
        });
        QVERIFY(bench.m_bSheetSeen);
        QCOMPARE(bench.m_strCaption, QStringLiteral("Calendar Properties"));
        QCOMPARE(tabs, QStringList({"General", "Header", "Days of Week Header", "Days", "Special Days (Holidays)"}));
    }

    void enablingRules()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        cal->m_bHeaderLine = 1;
        cal->m_bHeaderTransparent = 0;
        cal->m_bDayBorder = 1;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            CCalGenProp& g = *sheet.m_pGeneral;
            g.m_p3DBorder->setChecked(true);
            QVERIFY(!g.m_pBorder->isEnabled());
            g.m_p3DBorder->setChecked(false);
            QVERIFY(g.m_pBorder->isEnabled());
            g.m_pGrid->setChecked(false);
            QVERIFY(!g.m_pGridColor->isEnabled() && !g.m_pGridType->isEnabled() && !g.m_pGridThickness->isEnabled());

            // "Do not draw Header" greys everything but itself, and gives
            // back what the other rules allow.
            CCalHText& h = *sheet.m_pHeader;
            h.m_pFlag->setChecked(true);
            QList<QWidget*> enabled;
            for (QWidget* w : h.findChildren<QWidget*>())
                if (w->isEnabledTo(&h) && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                                           qobject_cast<QLabel*>(w)) && w->parentWidget() != h.m_pText)
                    enabled << w;
            QCOMPARE(enabled, QList<QWidget*>{h.m_pFlag});
            h.m_pFlag->setChecked(false);
            QVERIFY(h.m_pText->isEnabled() && h.m_pBackColor->isEnabled() && h.m_pThickness->isEnabled());
            h.m_pTransparent->setChecked(true);
            QVERIFY(!h.m_pBackColor->isEnabled());

            CCalDaysText& d = *sheet.m_pDays;
            QVERIFY(d.m_pLineColor->isEnabled());
            d.m_pLineCheck->setChecked(false);
            QVERIFY(!d.m_pLineColor->isEnabled() && !d.m_pLineType->isEnabled() && !d.m_pThickness->isEnabled());
            sheet.CancelButton()->click();
        });
    }

    void yearRange_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("accepted");
        // One range with the wizard and the command line.
        QTest::newRow("0 refused") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("99") << 99 << true;
        QTest::newRow("9999") << 9999 << true;
        QTest::newRow("10000 refused") << 10000 << false;
    }
    void yearRange()
    {
        QFETCH(int, year);
        QFETCH(bool, accepted);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        bool open = false;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pYear->setValue(year);
            sheet.OkButton()->click();
            open = sheet.isVisible();
            if (open) QCOMPARE(sheet.focusWidget(), sheet.m_pGeneral->m_pYear);
        });
        QCOMPARE(open, !accepted);
        QCOMPARE(cal->m_nYear, accepted ? year : 2024);
        QCOMPARE(bench.m_messages,
                 accepted ? QStringList() : QStringList{"Please enter an integer between 1 and 9999."});
    }

    void thicknessCheckedOnTabSwitch()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        cal->m_bHeaderLine = 1;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.Tabs()->setCurrentIndex(1);
            sheet.m_pHeader->m_pThickness->setValue(101);
            sheet.Tabs()->setCurrentIndex(2);
            QCOMPARE(sheet.Tabs()->currentIndex(), 1);
            QCOMPARE(bench.m_messages, QStringList{"Please enter an integer between 0 and 100."});
            sheet.m_pHeader->m_pThickness->setValue(0);
            sheet.Tabs()->setCurrentIndex(2);
            QCOMPARE(sheet.Tabs()->currentIndex(), 2);
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_nHeaderLineThickness, 0);
    }

    void cancelChangesNothing()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        doc.SetModifiedFlag(false);
        const std::vector<BYTE> before = RecordOf(cal);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pMonth->setCurrentIndex(7);
            sheet.m_pHeader->m_pText->setText("Ours");
            sheet.m_pSpecial->m_pDates->setText("1, 2");
            sheet.CancelButton()->click();
        });
        QVERIFY(RecordOf(cal) == before);
        QVERIFY(!doc.IsModified());
        QVERIFY(bench.m_steps.empty());
    }

    void headerTextRule()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        cal->m_strHeader = "Our trip";
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pHeader->TakeFont(QFont("DejaVu Serif", 14));
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_strHeader, std::string("Our trip"));
        QCOMPARE(cal->m_fontHeader.m_nPointSize, 14);
        QCOMPARE(bench.m_steps.size(), std::size_t(1));
        QCOMPARE(bench.m_steps[0].m_strName, QStringLiteral("Calendar Properties"));
        QVERIFY(doc.IsModified());

        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pMonth->setCurrentIndex(4);
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_strHeader, cal->GetMonthName(5) + " 2024");
        QCOMPARE(cal->m_nMonth, 5);
    }

    void applyKeepsSheetOpenAndReloads()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        cal->m_strHeader = "Our trip";
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pYear->setValue(2025);
            sheet.ApplyButton()->click();
            QVERIFY(sheet.isVisible());
            QCOMPARE(cal->m_nYear, 2025);
            // The header page now shows the header the month gave.
            QCOMPARE(sheet.m_pHeader->m_pText->text().toStdString(), cal->GetMonthName(3) + " 2025");
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_strHeader, cal->GetMonthName(3) + " 2025");
        QCOMPARE(bench.m_steps.size(), std::size_t(2));
    }

    void applyToAll()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* first = AddCalendar(doc, 1, 2024);
        CDrawRect* second = AddCalendar(doc, 2, 2024);
        auto* text = new CDrawRect(CRect(0, 0, 100, -50), CDrawRect::kindText);
        doc.Add(text);
        CDrawRect* third = AddCalendar(doc, 3, 2024);
        const std::vector<BYTE> textBefore = RecordOf(text);
        bench.Edit<CCalendarSheet>(second, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pGridColor->SetColor(RGB(0, 200, 0));
            sheet.m_pGeneral->m_pFirstDay->setCurrentIndex(1);
            sheet.m_pGeneral->m_pApplyToAll->setChecked(true);
            sheet.OkButton()->click();
        });
        for (CDrawRect* cal : {first, second, third}) {
            QCOMPARE(cal->m_crGrid, RGB(0, 200, 0));
            QCOMPARE(cal->m_nFirstDayOfWeek, 2);
        }
        QCOMPARE(first->m_nMonth, 1);
        QCOMPARE(third->m_nMonth, 3);
        QVERIFY(RecordOf(text) == textBefore);
        QCOMPARE(bench.m_steps.size(), std::size_t(1));
        const std::vector<CDrawObj*>& listed = bench.m_steps[0].m_objects;
        QCOMPARE(listed.size(), std::size_t(3));
        for (CDrawObj* cal : {first, second, third}) QVERIFY(std::find(listed.begin(), listed.end(), cal) != listed.end());
    }

    void oneUndoStepInTheDesignersHistory()
    {
        CSheetTestBench bench;
        CHistorySink::Install();
        CDesignDocument design;
        CDrawRect* first = AddCalendar(*design.Doc(), 1, 2024);
        CDrawRect* second = AddCalendar(*design.Doc(), 2, 2024);
        design.UndoStack()->setClean();
        const std::vector<BYTE> firstBefore = RecordOf(first);
        const std::vector<BYTE> secondBefore = RecordOf(second);
        bench.Edit<CCalendarSheet>(first, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pGridThickness->setValue(3);
            sheet.CancelButton()->click();
        });
        QCOMPARE(design.UndoStack()->count(), 0);
        QVERIFY(!design.IsModified());

        bench.Edit<CCalendarSheet>(first, [&](CCalendarSheet& sheet) {
            sheet.m_pGeneral->m_pGridThickness->setValue(3);
            sheet.m_pGeneral->m_pApplyToAll->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(design.UndoStack()->count(), 1);
        QCOMPARE(design.UndoStack()->undoText(), QStringLiteral("Calendar Properties"));
        QCOMPARE(second->m_nGridThickness, 3);
        design.UndoStack()->undo();
        // The step put back both calendars, the one copied to as well.
        auto* restoredFirst = dynamic_cast<CDrawRect*>(design.Doc()->GetObjects()->front());
        auto* restoredSecond = dynamic_cast<CDrawRect*>(design.Doc()->GetObjects()->back());
        QVERIFY(restoredFirst && restoredSecond);
        QVERIFY(RecordOf(restoredFirst) == firstBefore);
        QVERIFY(RecordOf(restoredSecond) == secondBefore);
        QVERIFY(!design.IsModified());
    }

    void specialDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("as the label asks") << "1, 15, 25" << ", 1, 15, 25,";
        QTest::newRow("blanks only") << "4 25" << ", 4, 25,";
        QTest::newRow("empty") << "" << ", ";
        QTest::newRow("stored form") << ", 4, 25," << ", 4, 25,";
        QTest::newRow("zero refused") << "0, 5" << "";
        QTest::newRow("32 refused") << "32" << "";
        QTest::newRow("words refused") << "Easter" << "";
    }
    void specialDates()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        cal->m_strSpecialDates = ", 9,";
        bool open = false;
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            QCOMPARE(sheet.m_pSpecial->m_pDates->text(), QStringLiteral("9"));
            sheet.Tabs()->setCurrentIndex(4);
            sheet.m_pSpecial->m_pDates->setText(typed);
            sheet.OkButton()->click();
            open = sheet.isVisible();
            if (open) QCOMPARE(sheet.focusWidget(), sheet.m_pSpecial->m_pDates);
        });
        QCOMPARE(open, stored.isEmpty());
        QCOMPARE(bench.m_messages.size(), stored.isEmpty() ? 1 : 0);
        QCOMPARE(QString::fromStdString(cal->m_strSpecialDates), stored.isEmpty() ? QStringLiteral(", 9,") : stored);
        if (typed.startsWith("1,")) {
            // Every typed day is found by the day matching, the first and last too.
            QVERIFY(cal->IsSpecialDay(2024, 3, 1) && cal->IsSpecialDay(2024, 3, 15) && cal->IsSpecialDay(2024, 3, 25));
            QVERIFY(!cal->IsSpecialDay(2024, 3, 5));
        }
    }

    void irregularStoredDatesKeptWhenUntouched()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        cal->m_strSpecialDates = "x 4, 25,";
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) { sheet.OkButton()->click(); });
        QCOMPARE(cal->m_strSpecialDates, std::string("x 4, 25,"));
        QVERIFY(bench.m_messages.isEmpty());
    }

    void pageValuesReachTheirFields()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            sheet.m_pDayNames->m_pFormat->button(2)->setChecked(true);
            sheet.m_pDayNames->m_pLineCheck->setChecked(true);
            sheet.m_pDayNames->m_pThickness->setValue(4);
            sheet.m_pDays->m_pLineCheck->setChecked(true);
            sheet.m_pDays->m_pThickness->setValue(2);
            sheet.m_pSpecial->m_pLineCheck->setChecked(true);
            sheet.m_pSpecial->m_pThickness->setValue(6);
            sheet.m_pSpecial->m_pAlign->button(8)->setChecked(true);
            sheet.m_pGeneral->m_pLayout->button(3)->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_nDayNameFormat, 2);
        QCOMPARE(cal->m_nDayNameBorderThickness, 4);
        QCOMPARE(cal->m_nDayBorderThickness, 2);
        QCOMPARE(cal->m_nSpecialBorderThickness, 6);
        QCOMPARE(cal->m_nSpecialAlign, 8);
        QCOMPARE(cal->m_nLayout, 3);
        // The base border flag ends with the day names' thickness.
        QCOMPARE(cal->m_bDrawBorder, 4);
        QCOMPARE(cal->GetDayName(1), std::string("SUN"));
    }

    void previewFollowsThePage()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            CPreviewBox* box = sheet.m_pGeneral->Preview();
            auto countRed = [](const QImage& image) {
                int n = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QRgb c = image.pixel(x, y);
                        n += qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
                    }
                return n;
            };
            sheet.m_pSpecial->m_pWeekday[0]->setChecked(false);
            sheet.m_pSpecial->m_pWeekday[1]->setChecked(false);
            const int before = countRed(box->Render());
            sheet.m_pGeneral->m_pGridColor->SetColor(RGB(255, 0, 0));
            emit sheet.m_pGeneral->m_pGridColor->ColorChosen(RGB(255, 0, 0));
            QVERIFY(countRed(box->Render()) > before + 100);
            sheet.CancelButton()->click();
        });
        QCOMPARE(cal->m_crGrid, COLORREF(0x00FF0000));
    }

    void monthControl()
    {
        CMonthCalendarWnd control;
        QCOMPARE(control.MonthName(0), std::string());
        QCOMPARE(control.MonthName(13), std::string());
        QCOMPARE(control.MonthName(1), std::string("January"));
        control.SetFirstDayOfWeek(2);
        std::string initials;
        for (int i = 1; i <= 7; ++i) initials += control.DayInitial(i);
        QCOMPARE(initials, std::string("MTWTFSS"));
        control.SetFirstDayOfWeek(8);
        QCOMPARE(control.FirstDayOfWeek(), 2);
        QCOMPARE(control.DayInitial(1), std::string("M"));
        QCOMPARE(control.DayInitial(8), std::string());
    }
};

MONDREL_QT_TEST(CalendarSheetTest)
#include "CalendarSheetTest.moc"
