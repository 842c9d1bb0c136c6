// The sheets accept every design the program makes and keep what they were
// not asked to change: an untouched OK leaves a design as it was (no undo
// step, no refusal), values out of the lists are written back unchanged,
// Cancel leaves every kind of object and the background alone, and a header
// typed by hand survives a change of month.

#include "SheetTestSupport.h"

#include "app/BatchCommand.h"
#include "document/CalendarGenerator.h"
#include "document/ValueRanges.h"
#include "properties/BImgDlg.h"
#include "properties/BackgroundSheets.h"
#include "properties/BckClrDlg.h"
#include "properties/CalPText.h"
#include "properties/CalGenProp.h"
#include "properties/CalHText.h"
#include "properties/CalendarSheet.h"
#include "properties/FramePage.h"
#include "properties/FrameSheet.h"
#include "properties/GenericPage.h"
#include "properties/GenericSheet.h"
#include "properties/ImagePage.h"
#include "properties/ImageSheet.h"
#include "properties/IntField.h"
#include "properties/Interior1.h"
#include "properties/Interior5.h"
#include "properties/SimpleSheet.h"
#include "properties/TextSheet.h"
#include "view/DesignDocument.h"
#include "view/UndoCommands.h"

#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include "support/QtTestRegistry.h"

#include <clocale>
#include <memory>

namespace {

void ClickOk(CPropertySheet& sheet)
{
    QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
}

void ClickCancel(CPropertySheet& sheet)
{
    QTest::mouseClick(sheet.CancelButton(), Qt::LeftButton);
}

// Every object of a document, with its archived record.
std::vector<std::pair<CDrawObj*, std::vector<BYTE>>> Records(CDrawDoc& doc)
{
    std::vector<std::pair<CDrawObj*, std::vector<BYTE>>> out;
    for (CDrawObj* o : *doc.GetObjects()) out.emplace_back(o, RecordOf(o));
    return out;
}

struct CBackground {
    int m_nStyle, m_nDirection, m_nPlacement;
    COLORREF m_crFrom, m_crTo;
    BOOL m_bDraw, m_bStretch;
    std::string m_strPath, m_strType;
    bool operator==(const CBackground&) const = default;
};

CBackground BackgroundOf(const CDrawDoc& d)
{
    return {d.m_nBackStyle,     d.m_nGradientDirection, d.m_nBackImagePlacement, d.m_crBackFrom,     d.m_crBackTo,
            d.m_bDrawBackImage, d.m_bBackImageStretch,  d.m_strBackImagePath,    d.m_strBackImageType};
}

// Opens every object's sheet in turn and closes it with an untouched OK.
void OkOnEveryObject(CSheetTestBench& bench, CDrawDoc& doc)
{
    for (CDrawObj* o : std::vector<CDrawObj*>(doc.GetObjects()->begin(), doc.GetObjects()->end())) {
        bench.Edit<CPropertySheet>(o, [](CPropertySheet& sheet) { ClickOk(sheet); });
        QVERIFY(bench.m_bSheetSeen);
    }
}

}  // namespace

class SheetRangesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    // The wizard, the command line and the sheets check the same ranges.
    void oneRangePerValue()
    {
        CInterior1 dates;
        QCOMPARE(dates.YearField()->ValidMin(), kYearRange.m_nMin);
        QCOMPARE(dates.YearField()->ValidMax(), kYearRange.m_nMax);
        CCalGenProp general;
        QCOMPARE(general.m_pYear->ValidMin(), kYearRange.m_nMin);
        QCOMPARE(general.m_pYear->ValidMax(), kYearRange.m_nMax);
        CFramePropPage frame;
        QCOMPARE(frame.m_pFrameThickness->ValidMax(), kFrameBandRange.m_nMax);
        CInterior5 wizardFrame;
        for (CIntField* f : wizardFrame.findChildren<CIntField*>())
            QVERIFY(f->ValidMax() == kFrameBandRange.m_nMax || f->ValidMax() == kLineThicknessRange.m_nMax);

        std::string error;
        auto parsed = CBatchCommand::Parse({"--new", "--year", "1", "--frame", "200"}, &error);
        QVERIFY2(parsed.has_value(), error.c_str());
        QVERIFY(!CBatchCommand::Parse({"--new", "--frame", "201"}, &error));
        QVERIFY(!CBatchCommand::Parse({"--new", "--year", "0"}, &error));
        QCOMPARE(error, std::string("The year must be from 1 to 9999, not \"0\"."));
    }

    // A design the program makes (here with the widest frame band and the
    // earliest year the command line takes) passes every sheet's untouched
    // OK: nothing is refused and the history gets no step.
    void programMadeDesignPassesAnUntouchedOk_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("year");
        QTest::newRow("layout 0, year 1") << 0 << 1;
        QTest::newRow("layout 5, year 50") << 5 << 50;
    }
    void programMadeDesignPassesAnUntouchedOk()
    {
        QFETCH(int, layout);
        QFETCH(int, year);
        CSheetTestBench bench;
        CHistorySink::Install();
        CDesignDocument design;
        CNewCalendarChoices choices;
        choices.m_bFrame = 1;
        choices.m_nFrameThickness = kFrameBandRange.m_nMax;
        choices.m_nYear = year;
        choices.m_nMonths = 3;
        choices.m_nLayout = layout;
        QVERIFY(CCalendarGenerator::Generate(*design.Doc(), choices));
        design.UndoStack()->clear();
        const auto before = Records(*design.Doc());
        QVERIFY(before.size() >= 2);

        OkOnEveryObject(bench, *design.Doc());

        QCOMPARE(bench.m_messages, QStringList());
        QCOMPARE(design.UndoStack()->count(), 0);
        QVERIFY(Records(*design.Doc()) == before);
    }

    // Values out of the ranges and lists, as a file may hold them, are kept
    // by an untouched OK; the lists show no choice for them.
    void outOfRangeValuesAreKept()
    {
        CSheetTestBench bench;
        CHistorySink::Install();
        CDesignDocument design;
        CDrawRect* cal = AddCalendar(*design.Doc(), 3, 2024);
        cal->m_nYear = 50;
        cal->m_nMonth = 13;
        cal->m_nLayout = 9;
        cal->m_nHeaderPercent = 0;
        cal->m_nHeaderAlign = 12;
        cal->m_nDayNameBorderType = 7;
        auto* frame = new CDrawRect(CCalendarGenerator::kFrameRect, CDrawRect::kindFrame);
        frame->m_nGridThickness = 400;
        frame->m_nGridLineType = 3;
        design.Doc()->Add(frame);
        design.UndoStack()->clear();
        const auto before = Records(*design.Doc());

        bench.Edit<CCalendarSheet>(cal, [](CCalendarSheet& sheet) {
            QCOMPARE(sheet.m_pGeneral->m_pMonth->currentIndex(), -1);
            QCOMPARE(sheet.m_pGeneral->m_pLayout->checkedId(), -1);
            QCOMPARE(sheet.m_pGeneral->m_pYear->text(), QStringLiteral("50"));
            ClickOk(sheet);
            QVERIFY(!sheet.isVisible());
        });
        bench.Edit<CFrameSheet>(frame, [](CFrameSheet& sheet) {
            QVERIFY(!sheet.m_pFrame->m_pPatternType->isChecked() && !sheet.m_pFrame->m_pSolidType->isChecked());
            ClickOk(sheet);
            QVERIFY(!sheet.isVisible());
        });
        QCOMPARE(bench.m_messages, QStringList());
        QCOMPARE(design.UndoStack()->count(), 0);
        QVERIFY(Records(*design.Doc()) == before);

        // A value typed over one out of range is checked as any other.
        bench.Edit<CCalendarSheet>(cal, [](CCalendarSheet& sheet) {
            CIntField* year = sheet.m_pGeneral->m_pYear;
            year->selectAll();
            QTest::keyClicks(year, "0");
            ClickOk(sheet);
            QVERIFY(sheet.isVisible());
            year->selectAll();
            QTest::keyClicks(year, "2030");
            // Picking a month from the list replaces the unknown one.
            sheet.m_pGeneral->m_pMonth->setCurrentIndex(4);
            ClickOk(sheet);
        });
        QCOMPARE(bench.m_messages, QStringList{"Please enter an integer between 1 and 9999."});
        QCOMPARE(cal->m_nYear, 2030);
        QCOMPARE(cal->m_nMonth, 5);
        QCOMPARE(cal->m_nLayout, 9);
        QCOMPARE(design.UndoStack()->count(), 1);
    }

    void unknownBackgroundChoicesAreKept()
    {
        CSheetTestBench bench;
        CHistorySink::Install();
        CDesignDocument design;
        CDrawDoc& doc = *design.Doc();
        doc.m_nBackStyle = 5;
        doc.m_nGradientDirection = 3;
        doc.m_nBackImagePlacement = 4;
        doc.m_bDrawBackImage = 1;
        const CBackground before = BackgroundOf(doc);

        bool changed = false;
        std::unique_ptr<CSimpleSheet> colours(MakeBackgroundColorSheet(nullptr, &doc, &changed));
        auto* colourPage = colours->findChild<CBckClrDlg*>();
        for (int i = 0; i < 3; ++i) QVERIFY(!colourPage->FillRadio(i)->isChecked());
        ClickOk(*colours);
        std::unique_ptr<CSimpleSheet> picture(MakeBackgroundImageSheet(nullptr, &doc, &changed));
        auto* picturePage = picture->findChild<CBImgDlg*>();
        QVERIFY(!picturePage->PlacementRadio(0)->isChecked() && !picturePage->PlacementRadio(1)->isChecked());
        ClickOk(*picture);
        QVERIFY(!changed);
        QVERIFY(BackgroundOf(doc) == before);
        QCOMPARE(design.UndoStack()->count(), 0);

        // Picking a style writes that one, and only that.
        colours.reset(MakeBackgroundColorSheet(nullptr, &doc, &changed));
        QTest::mouseClick(colours->findChild<CBckClrDlg*>()->FillRadio(1), Qt::LeftButton);
        ClickOk(*colours);
        QVERIFY(changed);
        QCOMPARE(doc.m_nBackStyle, 1);
        QCOMPARE(doc.m_nGradientDirection, 3);
        QCOMPARE(design.UndoStack()->count(), 1);
    }

    // Cancel after changes on every page leaves text, image, frame and
    // generic objects and the background exactly as they were.
    void cancelLeavesEveryKindAlone()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        auto* text = new CDrawRect(CRect(0, 0, 200, -60), CDrawRect::kindText);
        text->m_strText = "Summer";
        auto* image = new CDrawRect(CRect(-200, 100, 0, -100), CDrawRect::kindImage);
        auto* frame = new CDrawRect(CCalendarGenerator::kFrameRect, CDrawRect::kindFrame);
        auto* shape = new CDrawRect(CRect(10, 10, 90, -90), CDrawRect::kindEllipse);
        for (CDrawRect* o : {text, image, frame, shape}) doc.Add(o);
        doc.SetModifiedFlag(false);
        const auto before = Records(doc);
        const CBackground background = BackgroundOf(doc);

        bench.Edit<CTextSheet>(text, [](CTextSheet& sheet) {
            sheet.m_pText->m_pText->setText("Winter");
            for (QCheckBox* c : sheet.findChildren<QCheckBox*>()) c->click();
            ClickCancel(sheet);
        });
        bench.Edit<CImageSheet>(image, [](CImageSheet& sheet) {
            QTest::mouseClick(sheet.m_pImage->m_pOpaque, Qt::LeftButton);
            sheet.m_pImage->m_pSameSize->click();
            ClickCancel(sheet);
        });
        bench.Edit<CFrameSheet>(frame, [](CFrameSheet& sheet) {
            sheet.m_pFrame->m_pOutline->click();
            sheet.m_pFrame->m_pFrameThickness->selectAll();
            QTest::keyClicks(sheet.m_pFrame->m_pFrameThickness, "90");
            ClickCancel(sheet);
        });
        bench.Edit<CGenericSheet>(shape, [](CGenericSheet& sheet) {
            for (QCheckBox* c : sheet.findChildren<QCheckBox*>()) c->click();
            ClickCancel(sheet);
        });
        bool changed = false;
        std::unique_ptr<CSimpleSheet> colours(MakeBackgroundColorSheet(nullptr, &doc, &changed));
        QTest::mouseClick(colours->findChild<CBckClrDlg*>()->FillRadio(2), Qt::LeftButton);
        ClickCancel(*colours);
        std::unique_ptr<CSimpleSheet> picture(MakeBackgroundImageSheet(nullptr, &doc, &changed));
        picture->findChild<CBImgDlg*>()->DrawCheck()->click();
        ClickCancel(*picture);

        QVERIFY(Records(doc) == before);
        QVERIFY(BackgroundOf(doc) == background);
        QVERIFY(!changed);
        QVERIFY(!doc.IsModified());
        QVERIFY(bench.m_steps.empty());
    }

    // A header typed in the same sitting as a change of month stays; an
    // untouched header follows the month.
    void typedHeaderSurvivesAChangeOfMonth()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        bench.Edit<CCalendarSheet>(cal, [](CCalendarSheet& sheet) {
            QComboBox* month = sheet.m_pGeneral->m_pMonth;
            month->setFocus();
            QTest::keyClick(month, Qt::Key_Down);
            sheet.Tabs()->setCurrentWidget(sheet.m_pHeader);
            QLineEdit* header = sheet.m_pHeader->m_pText;
            header->selectAll();
            QTest::keyClicks(header, "Our trip");
            ClickOk(sheet);
        });
        QCOMPARE(cal->m_nMonth, 4);
        QCOMPARE(cal->m_strHeader, std::string("Our trip"));

        bench.Edit<CCalendarSheet>(cal, [](CCalendarSheet& sheet) {
            CIntField* year = sheet.m_pGeneral->m_pYear;
            year->selectAll();
            QTest::keyClicks(year, "2025");
            ClickOk(sheet);
        });
        QCOMPARE(cal->m_strHeader, cal->GetMonthName(4) + " 2025");
    }
};

MONDREL_QT_TEST(SheetRangesTest)
#include "SheetRangesTest.moc"
