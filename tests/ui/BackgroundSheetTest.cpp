#include "app/DocChange.h"
#include "document/DrawDoc.h"
#include "properties/BImgDlg.h"
#include "properties/BackgroundSheets.h"
#include "properties/BckClrDlg.h"
#include "properties/ColorButton.h"
#include "properties/SimpleSheet.h"
#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <memory>

namespace {

// Counts the steps the sheets commit, as the designer's history would.
class CCountingSink : public CChangeSink {
public:
    void Commit(CDrawDoc* doc, const CDocChange& change, const std::function<void()>& apply) override
    {
        m_changes.push_back(change);
        apply();
        doc->SetModifiedFlag(true);
    }
    std::vector<CDocChange> m_changes;
};

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

}  // namespace

class BackgroundSheetTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_sink = std::make_unique<CCountingSink>();
        SetChangeSinkResolver([this](CDrawDoc*) { return m_sink.get(); });
    }
    void cleanup() { SetChangeSinkResolver({}); }

    void colorPageGreysByFillType()
    {
        CBckClrDlg page;
        page.SetValues(0, 1, 0xFFFFFF, 0xFFEC77);
        auto* directions = page.DirectionRadio(0)->parentWidget();
        QVERIFY(page.ToButton()->isEnabled());
        QVERIFY(directions->isEnabled());

        page.FillRadio(2)->click();
        QCOMPARE(page.m_nFillType, 2);
        QVERIFY(!page.ToButton()->isEnabled());
        QVERIFY(!page.DirectionRadio(0)->isEnabled() && !page.DirectionRadio(1)->isEnabled());
        QVERIFY(page.FromButton()->isEnabled());

        page.FillRadio(1)->click();
        QVERIFY(page.ToButton()->isEnabled());
        QVERIFY(!page.DirectionRadio(0)->isEnabled());
    }

    // The preview is filled as the page is: solid with "From Color", the
    // gradients running from one colour to the other.
    void previewShowsTheFill()
    {
        const COLORREF red = RGB(255, 0, 0);
        const COLORREF blue = RGB(0, 0, 255);
        const QSize size = CBckClrDlg::kPreviewSize;
        QImage solid = CBckClrDlg::PaintPreview(2, 1, red, blue, size);
        QCOMPARE(Pixel(solid, 0, 0), QRgb(0xFF0000));
        QCOMPARE(Pixel(solid, size.width() - 1, size.height() - 1), QRgb(0xFF0000));

        // Across x: the columns differ, the rows of one column do not.
        QImage vertical = CBckClrDlg::PaintPreview(0, 1, red, blue, size);
        QVERIFY(Pixel(vertical, 2, 80) != Pixel(vertical, size.width() - 3, 80));
        QCOMPARE(Pixel(vertical, 40, 2), Pixel(vertical, 40, size.height() - 3));
        QImage horizontal = CBckClrDlg::PaintPreview(0, 0, red, blue, size);
        QVERIFY(Pixel(horizontal, 60, 2) != Pixel(horizontal, 60, size.height() - 3));

        QImage radial = CBckClrDlg::PaintPreview(1, 0, red, blue, size);
        QVERIFY(Pixel(radial, size.width() / 2, size.height() / 2) != Pixel(radial, 0, 0));
    }

    void imagePageGreysAndKeepsStretch()
    {
        CBImgDlg page;
        page.SetValues(true, 0, true, "/pictures/back.jpg", "jpg");
        QVERIFY(page.StretchCheck()->isEnabled());

        page.PlacementRadio(1)->click();
        QVERIFY(!page.StretchCheck()->isEnabled());
        QVERIFY(page.StretchCheck()->isChecked());
        QVERIFY(page.m_bStretch);
        QCOMPARE(page.m_nPlacement, 1);

        page.DrawCheck()->click();
        QVERIFY(!page.m_bDraw);
        QVERIFY(!page.ImageButton()->isEnabled());
        QVERIFY(!page.PlacementRadio(0)->isEnabled() && !page.PlacementRadio(1)->isEnabled());
        QVERIFY(!page.StretchCheck()->isEnabled());

        page.SetImageFile("/camera/DSC_0042.JPG");
        QCOMPARE(page.m_strExt, QString("jpg"));
        QCOMPARE(page.m_strPath, QString("/camera/DSC_0042.JPG"));
    }

    void okStoresOneStepAndCancelNothing()
    {
        CDrawDoc doc;
        doc.SetModifiedFlag(false);
        bool changed = false;
        std::unique_ptr<CSimpleSheet> sheet(MakeBackgroundColorSheet(nullptr, &doc, &changed));
        auto* page = sheet->findChild<CBckClrDlg*>();
        page->FillRadio(1)->click();
        sheet->reject();
        QVERIFY(!changed);
        QCOMPARE(doc.m_nBackStyle, int(CDrawDoc::styleLinear));
        QVERIFY(!doc.IsModified());
        QVERIFY(m_sink->m_changes.empty());

        sheet.reset(MakeBackgroundColorSheet(nullptr, &doc, &changed));
        page = sheet->findChild<CBckClrDlg*>();
        page->FillRadio(2)->click();
        // Apply changes the page and leaves the sheet open; OK with nothing
        // new adds no second step.
        sheet->show();
        sheet->Buttons()->button(QDialogButtonBox::Apply)->click();
        QVERIFY(sheet->isVisible());
        QCOMPARE(doc.m_nBackStyle, int(CDrawDoc::styleSolid));
        sheet->Buttons()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!sheet->isVisible());
        QVERIFY(changed);
        QVERIFY(doc.IsModified());
        QCOMPARE(m_sink->m_changes.size(), std::size_t(1));
        QVERIFY(m_sink->m_changes[0].m_bBackground);
        QVERIFY(!m_sink->m_changes[0].m_bObjectList);
    }

    void imageSheetStoresThePicture()
    {
        QTemporaryDir dir;
        CDrawDoc doc;
        bool changed = false;
        std::unique_ptr<CSimpleSheet> sheet(MakeBackgroundImageSheet(nullptr, &doc, &changed));
        auto* page = sheet->findChild<CBImgDlg*>();
        page->DrawCheck()->click();
        page->PlacementRadio(1)->click();
        page->SetImageFile(dir.filePath("BACK.PNG"));
        sheet->Ok();
        QVERIFY(changed);
        QCOMPARE(doc.m_bDrawBackImage, 1);
        QCOMPARE(doc.m_nBackImagePlacement, int(CDrawDoc::placeTiled));
        QCOMPARE(doc.m_strBackImageType, std::string("png"));
        QCOMPARE(doc.m_strBackImagePath, dir.filePath("BACK.PNG").toStdString());
        QCOMPARE(m_sink->m_changes.size(), std::size_t(1));
    }

private:
    std::unique_ptr<CCountingSink> m_sink;
};

MONDREL_QT_TEST(BackgroundSheetTest)
#include "BackgroundSheetTest.moc"
