// The New Calendar Wizard says what it makes and makes what it says: the
// choices of the background, background picture, frame and layout steps
// reach the page, and the summary names the number of months the layout
// really places.

#include "imageio/PictureHolder.h"
#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include "app/SamplePhoto.h"
#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "imageio/PictureImage.h"
#include "objects/DrawRect.h"
#include "properties/BImgDlg.h"
#include "properties/BckClrDlg.h"
#include "properties/ColorButton.h"
#include "properties/Completion.h"
#include "properties/IntField.h"
#include "properties/Interior1.h"
#include "properties/Interior3.h"
#include "properties/Interior4.h"
#include "properties/Interior5.h"
#include "properties/Interior6.h"
#include "properties/NewCalendarWizard.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QColorDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

#include <optional>

namespace {

// Answers the next modal dialog of the given kind once it is up.
template <class Dialog>
void Answer(std::function<void(Dialog*)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) act(dialog);
    });
}

void ChooseColor(CColorButton* button, const QColor& color)
{
    Answer<QColorDialog>([color](QColorDialog* d) {
        d->setCurrentColor(color);
        d->accept();
    });
    button->click();
}

void ChooseFile(QAbstractButton* browse, const QString& path)
{
    Answer<CPreviewFileDialog>([path](CPreviewFileDialog* d) {
        d->SelectAndPreview(path);
        d->accept();
    });
    browse->click();
}

std::vector<CDrawRect*> OfKind(CDrawDoc& doc, int kind)
{
    std::vector<CDrawRect*> out;
    for (CDrawObj* obj : *doc.GetObjects())
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == kind) out.push_back(r);
    return out;
}

void Type(CIntField* field, const QString& text)
{
    field->findChild<QLineEdit*>()->setText(text);
}

}  // namespace

class WizardMakesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::optional<CMessageRecorder> m_messages;

private slots:
    void init() { m_messages.emplace(); }
    void cleanup() { m_messages.reset(); }

    void theBackgroundPictureFrameAndLayoutStepsReachThePage()
    {
        const QString back = m_dir.filePath("back.jpg");
        const QString pattern = m_dir.filePath("pattern.jpg");
        std::string error;
        QVERIFY(MakeSamplePhoto(back.toStdString(), &error, 64, 48));
        QVERIFY(MakeSamplePhoto(pattern.toStdString(), &error, 32, 32));

        CNewCalendarWizard wizard;
        wizard.show();
        wizard.next();
        Type(wizard.MonthsPage()->MonthsField(), "12");
        wizard.next();

        // Step 3: a horizontal linear gradient of two chosen colours.
        CBckClrDlg* colors = wizard.BackgroundPage()->ColorPage();
        colors->FillRadio(0)->click();
        colors->DirectionRadio(0)->click();
        ChooseColor(colors->FromButton(), QColor(10, 20, 30));
        ChooseColor(colors->ToButton(), QColor(200, 150, 100));
        wizard.next();

        // Step 4: a centred background picture, chosen in the file dialog.
        CBImgDlg* picture = wizard.ImagePage()->ImagePage();
        picture->DrawCheck()->click();
        picture->PlacementRadio(0)->click();
        ChooseFile(picture->ImageButton(), back);
        QCOMPARE(picture->PathField()->text(), back);
        wizard.next();

        // Step 5: a frame 20 wide filled with a pattern picture.
        CInterior5* frame = wizard.FramePage();
        frame->FrameCheck()->click();
        // The fill colour is chosen while the fill is solid; then the
        // pattern replaces it, and the colour is kept.
        frame->FillTypeGroup()->button(1)->click();
        ChooseColor(frame->FillColorButton(), QColor(1, 2, 3));
        frame->FillTypeGroup()->button(0)->click();
        ChooseFile(frame->PatternButton(), pattern);
        Type(frame->FrameThicknessField(), "20");
        wizard.next();

        // Step 6: months on all sides.
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepLayout));
        wizard.LayoutPage()->LayoutGroup()->button(5)->click();
        QVERIFY(wizard.LayoutPage()->CountNote()->text().contains("16"));
        wizard.next();
        QCOMPARE(wizard.CompletionPage()->MonthsText(), QString("16"));
        QVERIFY(wizard.CompletionPage()->MonthsNoteText().contains("12 asked for"));
        wizard.accept();
        QVERIFY(m_messages->texts.isEmpty());

        CDrawDoc doc;
        doc.OnNewDocument();
        wizard.Apply(&doc);
        QCOMPARE(doc.m_nBackStyle, 0);
        QCOMPARE(doc.m_nGradientDirection, 0);
        QCOMPARE(doc.m_crBackFrom, COLORREF(RGB(10, 20, 30)));
        QCOMPARE(doc.m_crBackTo, COLORREF(RGB(200, 150, 100)));
        QCOMPARE(doc.m_bDrawBackImage, 1);
        QCOMPARE(doc.m_nBackImagePlacement, 0);
        QCOMPARE(QString::fromStdString(doc.m_strBackImagePath), back);
        QVERIFY(doc.BackImage() && doc.BackImage()->IsValid());

        const std::vector<CDrawRect*> frames = OfKind(doc, CDrawRect::kindFrame);
        QCOMPARE(frames.size(), std::size_t(1));
        QCOMPARE(frames[0]->m_nGridThickness, 20);
        QCOMPARE(frames[0]->m_nGridLineType, 0);
        QCOMPARE(frames[0]->m_logbrush.lbColor, COLORREF(RGB(1, 2, 3)));
        QCOMPARE(QString::fromStdString(frames[0]->m_strImagePath), pattern);
        QCOMPARE(OfKind(doc, CDrawRect::kindCalendar).size(), std::size_t(16));
    }

    void theSummaryNamesTheMonthsEveryLayoutMakes()
    {
        for (int layout = 0; layout < 8; ++layout) {
            CNewCalendarWizard wizard;
            wizard.show();
            wizard.next();
            Type(wizard.MonthsPage()->MonthsField(), "5");
            while (wizard.currentId() != CNewCalendarWizard::stepLayout) wizard.next();
            wizard.LayoutPage()->LayoutGroup()->button(layout)->click();
            const int made = layout <= 1 ? 5 : layout == 5 ? 16 : 8;
            QVERIFY2(wizard.LayoutPage()->CountNote()->text().contains(QString::number(made)),
                     qPrintable(wizard.LayoutPage()->CountNote()->text()));
            wizard.next();
            QCOMPARE(wizard.CompletionPage()->MonthsText(), QString::number(made));
            QCOMPARE(wizard.CompletionPage()->MonthsNoteText().isEmpty(), layout <= 1);

            // Back on the months step, the number is greyed while the
            // layout makes its own.
            while (wizard.currentId() != CNewCalendarWizard::stepMonths) wizard.back();
            QCOMPARE(wizard.MonthsPage()->MonthsField()->isEnabled(), layout <= 1);
            QCOMPARE(wizard.MonthsPage()->LayoutNote()->isVisibleTo(wizard.MonthsPage()), layout > 1);

            while (wizard.currentId() != CNewCalendarWizard::stepCompletion) wizard.next();
            wizard.accept();
            CDrawDoc doc;
            doc.OnNewDocument();
            wizard.Apply(&doc);
            QCOMPARE(int(OfKind(doc, CDrawRect::kindCalendar).size()), made);
        }
    }
};

MONDREL_QT_TEST(WizardMakesTest)
#include "WizardMakesTest.moc"
