// The text pages as a user meets them: "Cli&p Text to Boundary" stands on
// the pages whose text is clipped, ticked and greyed, and a face the font
// dialog lists with its maker ("DejaVu Serif [PfEd]") is kept and drawn as
// that face, not replaced by a sans face.

#include "SheetTestSupport.h"

#include "platform/QtDC.h"
#include "properties/CalDWText.h"
#include "properties/CalDaysText.h"
#include "properties/CalHText.h"
#include "properties/CalPText.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/TextSheet.h"

#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QPushButton>

class TextPagesTest : public QObject {
    Q_OBJECT
private slots:
    void clipTextToBoundaryStandsTickedAndGreyed()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        const std::vector<BYTE> before = RecordOf(cal);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            for (CCalTextPage* page :
                 std::initializer_list<CCalTextPage*>{sheet.m_pDayNames, sheet.m_pDays, sheet.m_pSpecial}) {
                QVERIFY(page->m_pFlag);
                QCOMPARE(page->m_pFlag->text(), QStringLiteral("Cli&p Text to Boundary"));
                QVERIFY(page->m_pFlag->isChecked());
                QVERIFY(!page->m_pFlag->isEnabled());
            }
            // The header's own box is still the one that hides the header.
            QCOMPARE(sheet.m_pHeader->m_pFlag->text(), QStringLiteral("Do not draw Header"));
            QVERIFY(sheet.m_pHeader->m_pFlag->isEnabled());
            QVERIFY(!sheet.m_pHeader->m_pFlag->isChecked());
            sheet.OkButton()->click();
        });
        // The greyed box changes nothing.
        QVERIFY(RecordOf(cal) == before);

        auto* text = new CDrawRect(CRect(-100, 50, 100, -50), CDrawRect::kindText);
        text->m_nKind = CDrawRect::kindText;
        doc.Add(text);
        bench.Edit<CTextSheet>(text, [&](CTextSheet& sheet) {
            QVERIFY(sheet.m_pText->m_pFlag);
            QVERIFY(sheet.m_pText->m_pFlag->isChecked());
            QVERIFY(!sheet.m_pText->m_pFlag->isEnabled());
        });
    }

    void aFaceListedWithItsMakerIsKeptAndDrawn()
    {
        if (CQtDC::ResolveFace("DejaVu Serif") != QStringLiteral("DejaVu Serif")) QSKIP("DejaVu Serif is not installed");
        // A document written before keeps the maker in the face name: it
        // still draws with that face.
        QCOMPARE(CQtDC::ResolveFace("DejaVu Serif [PfEd]"), QStringLiteral("DejaVu Serif"));

        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* cal = AddCalendar(doc, 3, 2024);
        bench.Edit<CCalendarSheet>(cal, [&](CCalendarSheet& sheet) {
            // What the font dialog hands back for a family two makers
            // install.
            QFont chosen(QStringLiteral("DejaVu Serif [PfEd]"), 15);
            QCOMPARE(chosen.family(), QStringLiteral("DejaVu Serif [PfEd]"));
            sheet.m_pDays->TakeFont(chosen);
            sheet.OkButton()->click();
        });
        QCOMPARE(cal->m_fontDays.m_strFaceName, std::string("DejaVu Serif"));
        QCOMPARE(cal->m_fontDays.m_nPointSize, 15);
    }
};

MONDREL_QT_TEST(TextPagesTest)
#include "TextPagesTest.moc"
