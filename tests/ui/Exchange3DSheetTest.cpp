// The text properties sheet while the 3D engine starts: a second OK or
// Apply must not start a second engine.

#include "SheetTestSupport.h"

#include "app/Exchange3D.h"
#include "properties/CalPText.h"
#include "properties/TextSheet.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QPushButton>

#include "support/QtTestRegistry.h"

class Exchange3DSheetTest : public QObject {
    Q_OBJECT
private slots:
    void theSheetIsDisabledWhileTheEngineRuns()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // An engine that notes each start and takes a while to end (and
        // answers nothing, which the designer reports).
        const QString starts = dir.filePath(QStringLiteral("starts"));
        SetRelievoCommandForTests(QStringLiteral("/bin/sh"),
                                  {QStringLiteral("-c"), QStringLiteral("echo started >> '%1'; sleep 1").arg(starts)});
        CSheetTestBench bench;
        CDrawDoc doc;
        auto* text = new CDrawRect(CRect(-200, 100, 200, -100), CDrawRect::kindText);
        text->m_strText = "Happy Birthday";
        doc.Add(text);
        bool disabledAtOnce = false;
        bench.Edit<CTextSheet>(text, [&](CTextSheet& sheet) {
            sheet.m_pText->m_pShow3D->setChecked(true);
            // A person clicks Apply, then, impatient, OK and Apply again
            // before the waiting dialog has come up.
            QTimer::singleShot(100, &sheet, [&] {
                disabledAtOnce = !sheet.isEnabled();
                QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
                QTest::mouseClick(sheet.ApplyButton(), Qt::LeftButton);
            });
            QTest::mouseClick(sheet.ApplyButton(), Qt::LeftButton);
            QVERIFY(sheet.isEnabled());
            sheet.CancelButton()->click();
        });
        SetRelievoCommandForTests({}, {});
        QVERIFY(disabledAtOnce);
        QFile noted(starts);
        QVERIFY(noted.open(QIODevice::ReadOnly));
        QCOMPARE(noted.readAll().count("started"), 1);
        QCOMPARE(bench.m_messages.size(), 1);
    }
};

MONDREL_QT_TEST(Exchange3DSheetTest)
#include "Exchange3DSheetTest.moc"
