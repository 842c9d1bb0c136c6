// Photos chosen on the image page and in the wizard are decoded when they
// are chosen: one that cannot be read is refused with the reason, and the
// old one stays. On the image page "Draw Opaque" can be unticked and a click
// on the preview picks the picture's transparent colour.

#include "imageio/PictureHolder.h"
#include "NextModal.h"
#include "SheetTestSupport.h"

#include "imageio/PictureImage.h"
#include "properties/ColorButton.h"
#include "properties/ImagePage.h"
#include "properties/ImageSheet.h"
#include "properties/IntroPage.h"
#include "properties/PreviewBox.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

namespace {

// Picks path in the next file dialog, as a person would.
void ChooseInNextDialog(const QString& path)
{
    DriveNextModal<CPreviewFileDialog>([path](CPreviewFileDialog& dialog) {
        dialog.selectFile(path);
        dialog.accept();
    });
}

// A picture whose left half is red and right half blue, and a file that
// claims to be a JPEG but holds text.
struct CPictures {
    QTemporaryDir m_dir;
    QString m_strGood;
    QString m_strBroken;
    CPictures()
    {
        QImage halves(80, 20, QImage::Format_RGB32);
        halves.fill(QColor(0, 0, 255));
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) halves.setPixel(x, y, qRgb(255, 0, 0));
        m_strGood = m_dir.filePath("halves.png");
        halves.save(m_strGood, "PNG");
        m_strBroken = m_dir.filePath("broken.jpg");
        QFile broken(m_strBroken);
        if (broken.open(QIODevice::WriteOnly)) broken.write("this is no photo, only words\n");
    }
};

CDrawRect* AddImage(CDrawDoc& doc, const QString& path)
{
    auto* image = new CDrawRect(CRect(-100, 100, 100, -100), CDrawRect::kindImage);
    image->SetImageFile(path.toStdString(), "png");
    doc.Add(image);
    return image;
}

const QString kBrokenMessage = QStringLiteral(
    "The picture \"broken.jpg\" cannot be read.\n\nIt is damaged, or it is not the kind of picture its name says.");

}  // namespace

class PhotoChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void imagePageRefusesAPhotoItCannotRead()
    {
        CPictures pictures;
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* image = AddImage(doc, pictures.m_strGood);
        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            CImagePropPage& page = *sheet.m_pImage;
            const CPictureHolder* shown = page.PreviewImage();
            QVERIFY(shown);
            ChooseInNextDialog(pictures.m_strBroken);
            QTest::mouseClick(page.m_pBrowse, Qt::LeftButton);
            QCOMPARE(bench.m_messages, QStringList{kBrokenMessage});
            QCOMPARE(page.m_pPath->text(), pictures.m_strGood);
            QCOMPARE(page.PreviewImage(), shown);
            QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
        });
        QCOMPARE(image->m_strImagePath, pictures.m_strGood.toStdString());
        QVERIFY(image->m_pImage && image->m_pImage->IsValid());
    }

    void wizardRefusesAPhotoItCannotRead()
    {
        CPictures pictures;
        CMessageRecorder messages;
        CIntroPage intro;
        ChooseInNextDialog(pictures.m_strGood);
        QTest::mouseClick(intro.BrowseButton(), Qt::LeftButton);
        auto* field = intro.findChild<QLineEdit*>();
        QCOMPARE(field->text(), pictures.m_strGood);

        ChooseInNextDialog(pictures.m_strBroken);
        QTest::mouseClick(intro.BrowseButton(), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{kBrokenMessage});
        QCOMPARE(field->text(), pictures.m_strGood);

        // A name typed by hand is decoded before the wizard moves on.
        field->selectAll();
        QTest::keyClicks(field, pictures.m_strBroken);
        QVERIFY(!intro.validatePage());
        QCOMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts[1], kBrokenMessage);
    }

    // "Draw Opaque" is offered; unticked, a click on the preview takes the
    // colour under the mouse, and OK stores it in the image object.
    void keyColourPickedOnThePreview()
    {
        CPictures pictures;
        CSheetTestBench bench;
        CDrawDoc doc;
        CDrawRect* image = AddImage(doc, pictures.m_strGood);
        image->m_bOpaque = 1;
        bench.Edit<CImageSheet>(image, [&](CImageSheet& sheet) {
            CImagePropPage& page = *sheet.m_pImage;
            QVERIFY(page.m_pOpaque->isEnabled());
            QVERIFY(!page.m_pTransparentColor->isEnabled());
            // While the picture is drawn opaque, a click picks nothing.
            CPreviewBox* box = page.Preview();
            const QPoint leftHalf = box->contentsRect().center() - QPoint(box->contentsRect().width() / 4, 0);
            const COLORREF before = page.m_crTransparent;
            QTest::mouseClick(box, Qt::LeftButton, {}, leftHalf);
            QCOMPARE(page.m_crTransparent, before);

            QTest::mouseClick(page.m_pOpaque, Qt::LeftButton);
            QVERIFY(page.m_pTransparentColor->isEnabled());
            QTest::mouseClick(box, Qt::LeftButton, {}, leftHalf);
            QCOMPARE(page.m_crTransparent, RGB(255, 0, 0));
            QCOMPARE(page.m_pTransparentColor->Color(), RGB(255, 0, 0));
            // The red half is now drawn transparent: the preview shows white there.
            const QImage shown = box->Render();
            const QPoint inside = leftHalf - box->contentsRect().topLeft();
            QCOMPARE(QColor(shown.pixel(inside)).red(), 255);
            QCOMPARE(QColor(shown.pixel(inside)).green(), 255);
            QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
        });
        QCOMPARE(image->m_bOpaque, 0);
        QCOMPARE(image->m_crTransparent, RGB(255, 0, 0));
        QCOMPARE(bench.m_steps.size(), std::size_t(1));
    }
};

MONDREL_QT_TEST(PhotoChoiceTest)
#include "PhotoChoiceTest.moc"
