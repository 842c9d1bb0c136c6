#include "SheetTestSupport.h"

#include "app/Exchange3D.h"
#include "imageio/PictureHolder.h"
#include "properties/CalPText.h"
#include "properties/ColorButton.h"
#include "properties/FramePage.h"
#include "properties/FrameSheet.h"
#include "properties/GenericPage.h"
#include "properties/GenericSheet.h"
#include "properties/ImagePage.h"
#include "properties/ImageSheet.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/TextSheet.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTabWidget>

#include "support/QtTestRegistry.h"

namespace {

// A photo as a camera names it: a JPEG with the extension in capitals.
QString WritePhoto(const QTemporaryDir& dir, const QString& name, int w, int h)
{
    QImage photo(w, h, QImage::Format_RGB32);
    photo.fill(QColor(200, 120, 40));
    const QString path = dir.filePath(name);
    photo.save(path, "JPEG");
    return path;
}

CDrawRect* AddObject(CDrawDoc& doc, int kind, const CRect& rect = CRect(-200, 100, 200, -100))
{
    auto* object = new CDrawRect(rect, kind);
    doc.Add(object);
    doc.SetModifiedFlag(false);
    return object;
}

}  // namespace

class TextImageFrameSheetTest : public QObject {
    Q_OBJECT
private slots:
    void eachKindOpensItsSheet_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("page");
        QTest::newRow("rectangle") << 0 << "Generic Drawing Object" << "Properties";
        QTest::newRow("line") << 3 << "Generic Drawing Object" << "Properties";
        QTest::newRow("text") << 4 << "Properties" << "Text Properties";
        QTest::newRow("image") << 6 << "Properties" << "Image Properties";
        QTest::newRow("frame") << 7 << "Frame" << "Properties";
    }
    void eachKindOpensItsSheet()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, page);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* object = AddObject(doc, kind);
        QString tab;
        bench.Edit<CPropertySheet>(object, [&](CPropertySheet& sheet) { tab = sheet.Tabs()->tabText(0); });
        QCOMPARE(bench.m_strCaption, caption);
        QCOMPARE(tab, page);
    }

    void textPageRules()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* text = AddObject(doc, CDrawRect::kindText);
        bench.Edit<CTextSheet>(text, [&](CTextSheet& sheet) {
            CCalPText& page = *sheet.m_pText;
            // Only the alignments a text object draws are offered.
            QCOMPARE(page.m_pAlign->buttons().size(), 3);
            QVERIFY(!page.m_pLight->isEnabled() && !page.m_pSolid->isEnabled());
            QVERIFY(page.m_pRotation->isEnabled() && page.m_pAlign->button(1)->isEnabled());
            page.m_pShow3D->setChecked(true);
            QVERIFY(page.m_pLight->isEnabled() && page.m_pSolid->isEnabled() && page.m_pWireframe->isEnabled());
            QVERIFY(!page.m_pRotation->isEnabled() && !page.m_pAlign->button(1)->isEnabled());
            page.m_pShow3D->setChecked(false);

            // Sizes outside what the objects take are kept in range, and
            // a chosen font never underlines.
            page.m_bUnderline = 1;
            QFont big("DejaVu Sans");
            big.setPointSize(96);
            page.TakeFont(big);
            QCOMPARE(page.m_nPointSize, 72);
            QCOMPARE(page.m_bUnderline, 0);
            sheet.CancelButton()->click();
        });
        QVERIFY(bench.m_steps.empty());
    }

    void textOk()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* text = AddObject(doc, CDrawRect::kindText);
        text->m_fontHeader.m_nPointSize = 300;
        bench.Edit<CTextSheet>(text, [&](CTextSheet& sheet) {
            CCalPText& page = *sheet.m_pText;
            page.m_pFontColor->SetColor(RGB(0, 0, 255));
            page.m_pText->setText("Happy Birthday");
            page.m_pLineCheck->setChecked(true);
            page.m_pThickness->setValue(101);
            sheet.OkButton()->click();
            QVERIFY(sheet.isVisible());
            page.m_pThickness->setValue(3);
            page.m_pRotation->setValue(-180);
            page.m_pAlign->button(2)->setChecked(true);
            page.m_pTransparent->setChecked(false);
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_messages, QStringList{"Please enter an integer between 0 and 100."});
        QCOMPARE(text->m_strText, std::string("Happy Birthday"));
        // A stored size the setters refuse would have cost the new colour.
        QCOMPARE(text->m_fontHeader.m_crColor, RGB(0, 0, 255));
        QCOMPARE(text->m_fontHeader.m_nPointSize, 72);
        QCOMPARE(text->m_nHeaderLineThickness, 3);
        QCOMPARE(text->m_bDrawBorder, 3);
        QCOMPARE(text->m_logpen.lopnWidth.x, 3);
        QCOMPARE(text->m_fontHeader.m_nRotation, -180);
        QCOMPARE(text->m_nHeaderAlign, 2);
        QCOMPARE(text->m_bFill, 1);
        QVERIFY(doc.IsModified());
        QCOMPARE(bench.m_steps.size(), std::size_t(1));
    }

    void textWith3DHandsOverToTheExchange()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* text = AddObject(doc, CDrawRect::kindText);
        text->m_b3DBitmapValid = 1;
        // An engine that cannot be started, whatever is installed.
        SetRelievoCommandForTests(QStringLiteral("/nonexistent/relievo"), {});
        bench.Edit<CTextSheet>(text, [&](CTextSheet& sheet) {
            sheet.m_pText->m_pShow3D->setChecked(true);
            sheet.m_pText->m_pWireframe->setChecked(true);
            sheet.OkButton()->click();
        });
        SetRelievoCommandForTests({}, {});
        // Without the engine the exchange reports it and goes back to flat text.
        QCOMPARE(bench.m_messages.size(), 1);
        QCOMPARE(text->m_bShow3D, 0);
        QCOMPARE(text->m_bWireframe, 1);
        QCOMPARE(text->m_b3DBitmapValid, 0);
    }

    void upperCaseJpgDecodesAsJpeg()
    {
        QTemporaryDir dir;
        const QString path = WritePhoto(dir, "IMG_0001.JPG", 40, 20);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* image = AddObject(doc, CDrawRect::kindImage, CRect(0, 0, 200, 200));
        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            sheet.m_pImage->m_pPath->setText(path);
            sheet.m_pImage->m_pKeepAspect->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(image->m_strImageType, std::string("jpg"));
        QVERIFY(image->m_pImage && image->m_pImage->IsValid());
        QCOMPARE(image->m_pImage->GetWidth(), 40L);
        // A landscape picture sets the top from the width: 200 + 20 * 200 / 40.
        QCOMPARE(image->m_position, CRect(0, 300, 200, 200));
    }

    void resizingRules()
    {
        QTemporaryDir dir;
        const QString path = WritePhoto(dir, "tall.jpg", 30, 60);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* image = AddObject(doc, CDrawRect::kindImage, CRect(0, 0, 100, 100));
        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            sheet.m_pImage->TakeChosenFile(path);
            QCOMPARE(sheet.m_pImage->m_crTransparent, COLORREF(0x00FF0000));
            sheet.m_pImage->m_pSameSize->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(image->m_position, CRect(130, 40, 100, 100));

        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            sheet.m_pImage->m_pSameSize->setChecked(true);
            sheet.m_pImage->m_pTexture->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(image->m_position, CRect(356, -156, 100, 100));
        QCOMPARE(image->m_bShow3D, 1);

        // A typed picture that is not there is refused: the object keeps its
        // picture, and the resizing goes by that picture.
        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            sheet.m_pImage->m_pPath->setText(dir.filePath("missing.png"));
            sheet.m_pImage->m_pTexture->setChecked(false);
            sheet.m_pImage->m_pKeepAspect->setChecked(true);
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_messages, QStringList{"The picture \"missing.png\" cannot be read.\n\nThe file is not there."});
        QCOMPARE(image->m_strImagePath, path.toStdString());
        QCOMPARE(image->m_strImageType, std::string("jpg"));
    }

    // A file that is no picture is refused when it is chosen: the page keeps
    // the picture, its preview and its transparent colour.
    void unknownExtensionKeepsThePreview()
    {
        QTemporaryDir dir;
        const QString path = WritePhoto(dir, "photo.jpg", 16, 16);
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* image = AddObject(doc, CDrawRect::kindImage);
        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            CImagePropPage& page = *sheet.m_pImage;
            page.TakeChosenFile(path);
            const CPictureHolder* shown = page.PreviewImage();
            QVERIFY(shown);
            page.m_crTransparent = 0x123456;
            QFile notes(dir.filePath("notes.txt"));
            QVERIFY(notes.open(QIODevice::WriteOnly));
            notes.write("not a picture\n");
            notes.close();
            page.TakeChosenFile(notes.fileName());
            QCOMPARE(page.PreviewImage(), shown);
            QCOMPARE(page.m_strPath, path.toStdString());
            QCOMPARE(page.m_strExt, std::string("jpg"));
            QCOMPARE(page.m_crTransparent, COLORREF(0x123456));
            QCOMPARE(bench.m_messages.size(), 1);
            QVERIFY(bench.m_messages[0].startsWith("The picture \"notes.txt\" cannot be read."));
            sheet.CancelButton()->click();
        });
        QCOMPARE(image->m_strImagePath, CDrawRect::DefaultImagePath());
    }

    void framePage()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* frame = AddObject(doc, CDrawRect::kindFrame);
        frame->m_nGridLineType = 0;
        frame->m_strImageType = "JPG";
        bench.Edit<CFrameSheet>(frame, [&](CFrameSheet& sheet) {
            CFramePropPage& page = *sheet.m_pFrame;
            QVERIFY(!page.m_pFillColor->isEnabled() && page.m_pPattern->isEnabled());
            page.m_pSolidType->setChecked(true);
            QVERIFY(page.m_pFillColor->isEnabled() && !page.m_pPattern->isEnabled());
            page.m_pOutline->setChecked(false);
            QVERIFY(!page.m_pOutlineColor->isEnabled() && !page.m_pOutlineThickness->isEnabled());
            page.m_pOutline->setChecked(true);
            page.m_pOutlineThickness->setValue(101);
            sheet.OkButton()->click();
            QVERIFY(sheet.isVisible());
            page.m_pOutlineThickness->setValue(0);
            page.m_pFrameThickness->setValue(201);
            sheet.OkButton()->click();
            QVERIFY(sheet.isVisible());
            page.m_pFrameThickness->setValue(40);
            page.m_pFillColor->SetColor(RGB(10, 20, 30));
            sheet.ApplyButton()->click();
            QCOMPARE(frame->m_strImageType, std::string("jpg"));
            page.TakeChosenFile("/nowhere/Pattern.PNG");
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_messages, QStringList({"Please enter an integer between 0 and 100.",
                                                "Please enter an integer between 0 and 200."}));
        QCOMPARE(frame->m_nGridLineType, 1);
        QCOMPARE(frame->m_nBorderThickness, 0);
        QCOMPARE(frame->m_nGridThickness, 40);
        QCOMPARE(frame->FillColor(), RGB(10, 20, 30));
        QCOMPARE(frame->m_strImageType, std::string("png"));
    }

    void genericSheet()
    {
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* ellipse = AddObject(doc, CDrawRect::kindEllipse);
        bench.Edit<CGenericSheet>(ellipse, [&](CGenericSheet& sheet) {
            sheet.m_pPage->m_pThickness->setValue(5);
            sheet.m_pPage->m_pTransparent->setChecked(true);
            sheet.ApplyButton()->click();
            QVERIFY(sheet.isVisible());
            QCOMPARE(ellipse->m_logpen.lopnWidth.x, 5);
            sheet.m_pPage->m_pDrawBorder->setChecked(false);
            sheet.m_pPage->m_pThickness->setValue(9);
            sheet.OkButton()->click();
        });
        QCOMPARE(bench.m_steps.size(), std::size_t(2));
        QCOMPARE(ellipse->m_bFill, 0);
        // A border switched off keeps its width.
        QCOMPARE(ellipse->m_logpen.lopnWidth.x, 5);
        QCOMPARE(ellipse->m_nBorderThickness, 9);

        // Polygons and embedded objects hand over bare values: no Apply.
        CObjectProperties values;
        bool applyShown = true;
        CPropertySheet::SetRunHook([&](CPropertySheet& sheet) {
            applyShown = sheet.ApplyButton()->isVisible();
            static_cast<CGenericSheet&>(sheet).m_pPage->m_pLineType->setCurrentIndex(2);
            sheet.OkButton()->click();
        });
        QVERIFY(GetPropertiesUI()->EditGenericProperties(values, nullptr));
        CPropertySheet::SetRunHook({});
        QVERIFY(!applyShown);
        QCOMPARE(values.m_nLineType, 2);
    }
};

MONDREL_QT_TEST(TextImageFrameSheetTest)
#include "TextImageFrameSheetTest.moc"
