#include "editor3d/Editor.h"
#include "editor3d/EditorP.h"
#include "editor3d/EditorR.h"
#include "editor3d/EditorS.h"
#include "editor3d/EditorT.h"
#include "editor3d/LightEditor.h"
#include "editor3d/MatEditor.h"
#include "editor3d/SceneEditors.h"
#include "editor3d/ShineEdit.h"
#include "support/QtTestRegistry.h"
#include "text3d/TextSceneParams.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QSlider>
#include <QtWidgets/QTabWidget>

namespace {

QStringList TabTexts(const CPageSheet& sheet)
{
    QStringList texts;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) texts << sheet.Tabs()->tabText(i);
    return texts;
}

// Answers the next modal sheet: moves the first slider of its first page
// to position and presses OK, or Cancel.
void AnswerNextSheet(int position, bool ok)
{
    QTimer::singleShot(0, [position, ok] {
        auto* sheet = qobject_cast<CPageSheet*>(QApplication::activeModalWidget());
        if (!sheet) return;
        if (auto* page = qobject_cast<CVectorPage*>(sheet->Tabs()->widget(0))) page->Slider(0)->setValue(position);
        ok ? sheet->accept() : sheet->reject();
    });
}

}  // namespace

class EditorPagesTest : public QObject {
    Q_OBJECT
private slots:
    void coloursShowTwoDecimalsAndKeepUntouchedValues()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CEditor page(QStringLiteral("Ambient"));
        const float in[4] = {0.1234f, 0.9f, 0.5f, 0.25f};
        page.SetValues(in);
        QCOMPARE(page.ValueBox(0)->text(), QStringLiteral("0.12"));
        QCOMPARE(page.ValueBox(2)->text(), QStringLiteral("0.50"));
        QCOMPARE(page.Slider(1)->value(), 900);
        QVERIFY(page.ValueBox(0)->isReadOnly());
        float out[4];
        page.GetValues(out);
        QCOMPARE(out[0], 0.1234f);
        QCOMPARE(out[3], 0.25f);
        page.Slider(0)->setValue(1000);
        page.GetValues(out);
        QCOMPARE(out[0], 1.0f);
        QCOMPARE(page.ValueBox(0)->text(), QStringLiteral("1.00"));
        QCOMPARE(out[1], 0.9f);
        QLocale::setDefault(QLocale::c());
    }

    void slidersConvertByTheirPagesRules()
    {
        CEditorS scale;
        const float one[4] = {1, 1, 1, 1};
        scale.SetValues(one);
        QCOMPARE(scale.Slider(0)->maximum(), 2000);
        scale.Slider(0)->setValue(2000);
        float out[4];
        scale.GetValues(out);
        QCOMPARE(out[0], 2.0f);

        CEditorR rotation;
        const float turned[4] = {10, -30, 0, 0};
        rotation.SetValues(turned);
        QCOMPARE(rotation.Slider(1)->value(), -30);
        rotation.Slider(0)->setValue(-180);
        rotation.GetValues(out);
        QCOMPARE(out[0], -180.0f);
        QCOMPARE(rotation.Slider(0)->tickInterval(), 10);

        // Beyond the slider's range the value is shown and kept as it is.
        CEditorP position;
        const float far[4] = {7000, -200, 0, 0};
        position.SetValues(far);
        QCOMPARE(position.ValueBox(0)->text(), QStringLiteral("7000.00"));
        QCOMPARE(position.Slider(0)->value(), 5000);
        position.GetValues(out);
        QCOMPARE(out[0], 7000.0f);
        position.Slider(0)->setValue(4999);
        position.GetValues(out);
        QCOMPARE(out[0], 4999.0f);
    }

    void shineTakesWhatIsTypedAndTheSpinStaysInRange()
    {
        CShineEdit page;
        page.SetShininess(128);
        QCOMPARE(page.Box()->text(), QStringLiteral("128"));
        auto buttons = page.findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 2);
        for (QToolButton* b : buttons)
            if (b->arrowType() == Qt::UpArrow) b->click();
        QCOMPARE(page.GetShininess(), 128);
        page.Box()->setText(QStringLiteral("200"));
        QCOMPARE(page.GetShininess(), 200);

        // A fraction that was not retyped survives the sheet.
        CMatEditor sheet;
        CMatEditor::CValues v{};
        v.m_fShininess = 10.5f;
        sheet.SetValues(v);
        QCOMPARE(sheet.GetValues().m_fShininess, 10.5f);
        sheet.m_pShine->Box()->setText(QStringLiteral("300"));
        QCOMPARE(sheet.GetValues().m_fShininess, 300.0f);
    }

    void sheetsCarryTheirCaptionsAndPages()
    {
        CLightEditor light(QStringLiteral("Light Source 2"));
        QCOMPARE(light.windowTitle(), QStringLiteral("Light Source 2"));
        QCOMPARE(TabTexts(light), (QStringList{"Ambient", "Diffuse", "Specular", "Light Source Position"}));
        CMatEditor material;
        QCOMPARE(material.windowTitle(), QStringLiteral("Color, Size and Rotation"));
        QCOMPARE(TabTexts(material),
                 (QStringList{"Ambient", "Diffuse", "Specular", "Emission", "Shine", "Rotation", "Scale"}));
    }

    void designerLightSheetAppliesOnlyOnOk()
    {
        CTextSceneParams params;
        AnswerNextSheet(500, false);
        QVERIFY(!EditDesignerLight(nullptr, params));
        QVERIFY(params == CTextSceneParams());
        AnswerNextSheet(500, true);
        QVERIFY(EditDesignerLight(nullptr, params));
        QCOMPARE(params.light[0].ambient[0], 0.5f);
        QCOMPARE(params.light[0].position[0], 200.0f);
        QCOMPARE(params.light[1].ambient[0], CTextSceneParams().light[1].ambient[0]);
    }

    void textPageKeepsUntouchedBytes()
    {
        CEditorT page;
        page.SetText("Caf\xE9");  // not UTF-8
        page.SetFaceName("DejaVu Sans");
        page.SetGlyphStyle(1);
        QCOMPARE(page.GetText(), std::string("Caf\xE9"));
        QCOMPARE(page.GetGlyphStyle(), 1);
        page.TextBox()->setText(QStringLiteral("Fête"));
        QCOMPARE(page.GetText(), std::string("F\xC3\xAAte"));
        page.ChooseFace(QStringLiteral("DejaVu Serif"));
        QCOMPARE(page.GetFaceName(), std::string("DejaVu Serif"));
    }
};

MONDREL_QT_TEST(EditorPagesTest)
#include "EditorPagesTest.moc"
