#include "app/AppSettings.h"
#include "objects/Environment.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/OptionsPage.h"
#include "properties/OptionsSheet.h"
#include "properties/SimpleSheet.h"
#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>

#include <memory>
#include <optional>

class OptionsSheetTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Environment().m_settings = std::make_shared<CMemorySettingsStore>();
        AppSettings() = CAppSettings();
        m_messages.emplace();
    }
    void cleanup() { m_messages.reset(); }

    // A fresh profile shows the tip, and OK without a change keeps showing
    // it; unticking the box stores "StartUp" 1.
    void tipAtStartupHasOneDefault()
    {
        CSettingsStore& store = *Environment().m_settings;
        bool saved = false;
        std::unique_ptr<CSimpleSheet> sheet(MakeOptionsSheet(nullptr, &saved));
        auto* page = sheet->findChild<COptionsPage*>();
        QVERIFY(page->TipCheck()->isChecked());
        sheet->Ok();
        QVERIFY(saved);
        QCOMPARE(store.GetProfileInt("Tip", "StartUp", -1), 0);
        QVERIFY(CAppSettings::ShowTipAtStartup(store));

        sheet.reset(MakeOptionsSheet(nullptr, &saved));
        page = sheet->findChild<COptionsPage*>();
        page->TipCheck()->click();
        sheet->Ok();
        QCOMPARE(store.GetProfileInt("Tip", "StartUp", -1), 1);

        sheet.reset(MakeOptionsSheet(nullptr, &saved));
        QVERIFY(!sheet->findChild<COptionsPage*>()->TipCheck()->isChecked());
    }

    void gridSettingsAreCheckedAndSaved()
    {
        CSettingsStore& store = *Environment().m_settings;
        bool saved = false;
        std::unique_ptr<CSimpleSheet> sheet(MakeOptionsSheet(nullptr, &saved));
        auto* page = sheet->findChild<COptionsPage*>();
        QVERIFY(!page->AutoIncrementCheck()->isChecked());
        QVERIFY(!page->ThicknessField()->isEnabled());
        QVERIFY(!page->LineTypeList()->isEnabled());
        QVERIFY(!page->GridColorButton()->isEnabled());

        page->DrawGridCheck()->click();
        QVERIFY(page->ThicknessField()->isEnabled() && page->LineTypeList()->isEnabled() &&
                page->GridColorButton()->isEnabled());
        page->AutoIncrementCheck()->click();
        page->ThicknessField()->findChild<QLineEdit*>()->setText("101");
        QVERIFY(!sheet->Apply());
        QCOMPARE(m_messages->texts, QStringList{"Please enter an integer between 0 and 100."});
        QVERIFY(!saved);

        page->ThicknessField()->findChild<QLineEdit*>()->setText("0");
        page->LineTypeList()->SetLineType(3);
        page->NoWizardCheck()->click();
        sheet->Ok();
        QVERIFY(saved);
        QCOMPARE(store.GetProfileInt("Settings", "DrawGrid", -1), 1);
        QCOMPARE(store.GetProfileInt("Settings", "GridThickness", -1), 0);
        QCOMPARE(store.GetProfileInt("Settings", "GridType", -1), 3);
        QCOMPARE(store.GetProfileInt("Settings", "NoNewWizard", -1), 1);
        QCOMPARE(AppSettings().m_nGridThickness, 0);
        QCOMPARE(AppSettings().m_bNoNewWizard, 1);

        // "Auto Increment" starts unticked again on the next opening.
        sheet.reset(MakeOptionsSheet(nullptr, &saved));
        QVERIFY(!sheet->findChild<COptionsPage*>()->AutoIncrementCheck()->isChecked());
        QVERIFY(sheet->findChild<COptionsPage*>()->DrawGridCheck()->isChecked());
    }

    void cancelWritesNothing()
    {
        bool saved = false;
        std::unique_ptr<CSimpleSheet> sheet(MakeOptionsSheet(nullptr, &saved));
        sheet->findChild<COptionsPage*>()->DrawGridCheck()->click();
        sheet->reject();
        QVERIFY(!saved);
        QCOMPARE(Environment().m_settings->GetProfileInt("Settings", "DrawGrid", -1), -1);
        QCOMPARE(AppSettings().m_bDrawGrid, 0);
    }

private:
    std::optional<CMessageRecorder> m_messages;
};

MONDREL_QT_TEST(OptionsSheetTest)
#include "OptionsSheetTest.moc"
