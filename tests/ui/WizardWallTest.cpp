// The New Calendar Wizard makes wall calendars: "A page for each month"
// takes a list of photos (chosen several at a time or as a folder), greys
// the arrangements of many months, and Finish makes a page for each month
// with its own photo, after a cover when one is asked for. "All months on
// one page" still makes the one page it always made. Everything is driven
// with clicks on the wizard's own buttons and names typed into its file
// dialogs.

#include "support/DocumentObjects.h"
#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "properties/Completion.h"
#include "properties/IntField.h"
#include "properties/Interior1.h"
#include "properties/Interior6.h"
#include "properties/IntroPage.h"
#include "properties/NewCalendarWizard.h"
#include "properties/PhotoList.h"
#include "properties/PreviewFileDialog.h"
#include "view/DesignDocument.h"
#include "view/UndoCommands.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QUndoStack>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <functional>
#include <optional>
#include <utility>

namespace {

// Answers the next file dialog by typing into its name field, as a person
// does, and pressing Open.
void TypeIntoNextFileDialog(const QString& text)
{
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<CPreviewFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) return dialog->reject();
        name->setText(text);
        dialog->accept();
        // A name the dialog refused leaves it open: the test fails, not hangs.
        if (dialog->isVisible()) dialog->reject();
    });
}

// A click where a person clicks a radio button or a check box: on its
// indicator, at the left.
void ClickBox(QAbstractButton* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

void ClickButton(QAbstractButton* button)
{
    QVERIFY(button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void Next(CNewCalendarWizard& wizard)
{
    ClickButton(wizard.button(QWizard::NextButton));
}

void Back(CNewCalendarWizard& wizard)
{
    ClickButton(wizard.button(QWizard::BackButton));
}

void TypeNumber(CIntField* field, const QString& text)
{
    QLineEdit* edit = field->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// A photo of one colour; the three of a test differ in colour and shape.
QString WritePhoto(const QDir& dir, const QString& name, const QColor& colour, QSize size)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(colour);
    const QString path = dir.filePath(name);
    photo.save(path, "PNG");
    return path;
}

// The names of the photos in the list, in its order.
QStringList FileNames(const CPhotoList* photos)
{
    QStringList names;
    for (const QString& path : photos->Photos()) names << QFileInfo(path).fileName();
    return names;
}

// The page's only object of a kind: its path, text or month.
CDrawRect* Only(CDrawDoc& doc, int page, int kind)
{
    doc.SetCurrentPage(page);
    const std::vector<CDrawRect*> found = ObjectsOfKind(doc, kind);
    return found.size() == 1 ? found.front() : nullptr;
}

}  // namespace

class WizardWallTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::optional<CMessageRecorder> m_messages;
    QString m_photo[3];

private slots:
    void initTestCase()
    {
        m_photo[0] = WritePhoto(m_dir.path(), "first.png", QColor(220, 40, 40), QSize(120, 90));
        m_photo[1] = WritePhoto(m_dir.path(), "second.png", QColor(40, 200, 40), QSize(90, 120));
        m_photo[2] = WritePhoto(m_dir.path(), "third.png", QColor(40, 40, 220), QSize(100, 100));
    }
    void init() { m_messages.emplace(); }
    void cleanup() { m_messages.reset(); }

    // Twelve months from January 2027 with a cover and three photos chosen
    // together: thirteen pages, the cover with the first photo and the year,
    // month k with photo ((k - 1) mod 3) + 1.
    void aPageForEachMonthWithACover()
    {
        CNewCalendarWizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        CIntroPage* intro = wizard.IntroPage();
        QVERIFY(intro->OnePageChoice()->isChecked());
        QVERIFY(!intro->CoverCheck()->isEnabled());
        ClickBox(intro->PagePerMonthChoice());
        QVERIFY(intro->PagePerMonthChoice()->isChecked());
        QVERIFY(intro->CoverCheck()->isEnabled());
        ClickBox(intro->CoverCheck());
        QVERIFY(intro->CoverCheck()->isChecked());

        CPhotoList* photos = intro->Photos();
        QVERIFY(photos->isVisible());
        QVERIFY(!intro->PathField()->isVisible());
        TypeIntoNextFileDialog(QStringLiteral("\"%1\" \"%2\" \"%3\"").arg(m_photo[0], m_photo[1], m_photo[2]));
        ClickButton(photos->AddButton());
        QCOMPARE(photos->Photos(), QStringList({m_photo[0], m_photo[1], m_photo[2]}));
        // Each photo shows as a small picture made away from the window's
        // thread.
        QTRY_VERIFY(!photos->Reading());
        QCOMPARE(photos->List()->item(1)->text(), QStringLiteral("2. second.png"));
        QVERIFY(!photos->List()->item(1)->icon().isNull());

        Next(wizard);
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepMonths));
        // A wall calendar starts as a year.
        CInterior1* months = wizard.MonthsPage();
        QCOMPARE(months->MonthsField()->text(), QStringLiteral("12"));
        months->FirstMonthList()->setFocus();
        QTest::keyClick(months->FirstMonthList(), Qt::Key_Home);
        TypeNumber(months->YearField(), "2027");
        while (wizard.currentId() != CNewCalendarWizard::stepLayout) Next(wizard);

        // The little picture shows the first month's page: one calendar.
        QButtonGroup* layouts = wizard.LayoutPage()->LayoutGroup();
        QVERIFY(layouts->button(0)->isChecked());
        for (int i = 2; i < 8; ++i) QVERIFY(!layouts->button(i)->isEnabled());
        ClickBox(layouts->button(1));
        QVERIFY(layouts->button(1)->isChecked());

        Next(wizard);
        CCompletion* summary = wizard.CompletionPage();
        QCOMPARE(summary->PagesText(), QStringLiteral("13: a cover and a page for each month"));
        QCOMPARE(summary->ImageText(), QStringLiteral("3 photos, one for each month in the order chosen"));
        QCOMPARE(summary->MonthsText(), QStringLiteral("12"));
        ClickButton(wizard.button(QWizard::FinishButton));
        QCOMPARE(wizard.result(), int(QDialog::Accepted));

        CDrawDoc doc;
        doc.OnNewDocument();
        wizard.Apply(&doc);
        QCOMPARE(doc.PageCount(), 13);
        QCOMPARE(doc.CurrentPage(), 0);
        QVERIFY(!Only(doc, 0, CDrawRect::kindCalendar) && Only(doc, 0, CDrawRect::kindImage));
        QCOMPARE(QString::fromStdString(Only(doc, 0, CDrawRect::kindImage)->m_strImagePath), m_photo[0]);
        QCOMPARE(Only(doc, 0, CDrawRect::kindText)->m_strText, std::string("2027"));
        for (int k = 1; k <= 12; ++k) {
            QVERIFY(Only(doc, k, CDrawRect::kindCalendar) && Only(doc, k, CDrawRect::kindImage));
            QCOMPARE(Only(doc, k, CDrawRect::kindCalendar)->m_nMonth, k);
            QCOMPARE(Only(doc, k, CDrawRect::kindCalendar)->m_nYear, 2027);
            QCOMPARE(QString::fromStdString(Only(doc, k, CDrawRect::kindImage)->m_strImagePath), m_photo[(k - 1) % 3]);
        }
        QVERIFY(doc.IsModified());
        QVERIFY(m_messages->texts.isEmpty());
    }

    // One page with its photo and an arrangement of many months first; then
    // a page for each month filled from a folder, which gives its pictures
    // in the order of their names, can be put in another order and thinned,
    // and a file that is no picture keeps the user on the step until it is
    // removed; the many-months arrangement gives way to one of one month,
    // and comes back into reach with all months on one page, which makes
    // today's page.
    void aFolderOfPhotosAndTheArrangementsFollowTheKindOfCalendar()
    {
        QTemporaryDir folder;
        for (const char* name : {"photo 10.png", "photo 2.png", "Photo 1.png"})
            WritePhoto(folder.path(), name, Qt::gray, QSize(40, 30));
        // Words: one file named as text, one named as a photo.
        for (const auto& [name, text] : {std::pair("notes.txt", "not a picture\n"), std::pair("photo 3.jpg", "words, no photo\n")}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }

        // One page: the arrangement of many months greys the number of
        // months.
        CNewCalendarWizard wizard;
        wizard.show();
        CIntroPage* intro = wizard.IntroPage();
        QTest::keyClicks(intro->PathField(), m_photo[2]);
        while (wizard.currentId() != CNewCalendarWizard::stepLayout) Next(wizard);
        QButtonGroup* layouts = wizard.LayoutPage()->LayoutGroup();
        ClickBox(layouts->button(5));
        QVERIFY(layouts->button(5)->isChecked());
        for (int i = 0; i < 4; ++i) Back(wizard);
        QVERIFY(!wizard.MonthsPage()->MonthsField()->isEnabled());
        Back(wizard);

        // A page for each month, its photos from a folder in name order.
        ClickBox(intro->PagePerMonthChoice());
        CPhotoList* photos = intro->Photos();
        TypeIntoNextFileDialog(folder.path());
        ClickButton(photos->FolderButton());
        QCOMPARE(FileNames(photos), QStringList({"Photo 1.png", "photo 2.png", "photo 3.jpg", "photo 10.png"}));

        // Next at once waits for the photos to be read, and stays.
        Next(wizard);
        QVERIFY(!photos->Reading());
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepIntro));
        QCOMPARE(m_messages->texts.size(), 1);
        QVERIFY(m_messages->texts[0].contains("photo 3.jpg"));
        QCOMPARE(photos->Unreadable(), QStringList{folder.filePath("photo 3.jpg")});
        QCOMPARE(photos->List()->item(2)->text(), QStringLiteral("3. photo 3.jpg (cannot be read)"));

        // Out with the broken one; the first goes last.
        QTest::mouseClick(photos->List()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          photos->List()->visualItemRect(photos->List()->item(2)).center());
        ClickButton(photos->RemoveButton());
        photos->List()->setCurrentRow(0);
        ClickButton(photos->DownButton());
        ClickButton(photos->DownButton());
        QVERIFY(!photos->DownButton()->isEnabled());
        QCOMPARE(FileNames(photos), QStringList({"photo 2.png", "photo 10.png", "Photo 1.png"}));
        QCOMPARE(photos->List()->item(2)->text(), QStringLiteral("3. Photo 1.png"));

        // On to the months: the photos as ordered, no cover, and the number
        // of months of a year back in reach; the arrangement is of one month.
        Next(wizard);
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepMonths));
        QCOMPARE(wizard.m_choices.m_photos.size(), std::size_t(3));
        QCOMPARE(QString::fromStdString(wizard.m_choices.m_photos[2].m_strPath), folder.filePath("Photo 1.png"));
        QVERIFY(!wizard.m_choices.m_bCover);
        QVERIFY(wizard.MonthsPage()->MonthsField()->isEnabled());
        QCOMPARE(wizard.MonthsPage()->MonthsField()->text(), QStringLiteral("12"));
        while (wizard.currentId() != CNewCalendarWizard::stepLayout) Next(wizard);
        QVERIFY(layouts->button(0)->isChecked());
        QVERIFY(!layouts->button(5)->isEnabled());

        // Back to one page: its photo kept, every arrangement in reach.
        while (wizard.currentId() != CNewCalendarWizard::stepIntro) Back(wizard);
        ClickBox(intro->OnePageChoice());
        QVERIFY(!intro->CoverCheck()->isEnabled());
        QCOMPARE(intro->PathField()->text(), m_photo[2]);
        Next(wizard);
        // Untouched, the number of months is again the one of one page.
        QCOMPARE(wizard.MonthsPage()->MonthsField()->text(), QStringLiteral("1"));
        TypeNumber(wizard.MonthsPage()->MonthsField(), "2");
        while (wizard.currentId() != CNewCalendarWizard::stepLayout) Next(wizard);
        for (int i = 0; i < 8; ++i) QVERIFY(layouts->button(i)->isEnabled());
        Next(wizard);
        QVERIFY(wizard.CompletionPage()->PagesText().isEmpty());
        QCOMPARE(wizard.CompletionPage()->ImageText(), m_photo[2]);
        ClickButton(wizard.button(QWizard::FinishButton));

        CDrawDoc doc;
        doc.OnNewDocument();
        wizard.Apply(&doc);
        QCOMPARE(doc.PageCount(), 1);
        QCOMPARE(Calendars(doc).size(), std::size_t(2));
        QVERIFY(Only(doc, 0, CDrawRect::kindImage));
    }

    // File New in the designer: the wall calendar is the new document as it
    // starts, modified (closing asks to save) with nothing to undo that
    // would leave its months without their first page.
    void fileNewMakesTheWallInTheDesigner()
    {
        CHistorySink::Install();
        AppSettings().m_bNoNewWizard = 0;
        CMainFrame frame;
        frame.show();
        QTimer::singleShot(0, [] {
            auto* wizard = qobject_cast<CNewCalendarWizard*>(QApplication::activeModalWidget());
            if (!wizard) return;
            ClickBox(wizard->IntroPage()->PagePerMonthChoice());
            ClickBox(wizard->IntroPage()->CoverCheck());
            while (wizard->currentId() != CNewCalendarWizard::stepCompletion) Next(*wizard);
            ClickButton(wizard->button(QWizard::FinishButton));
        });
        CDesignDocument* design = frame.NewDocument(true);
        QVERIFY(design);
        QCOMPARE(design->Doc()->PageCount(), 13);
        QVERIFY(design->IsModified());
        QCOMPARE(design->UndoStack()->count(), 0);
        m_messages->answer = QMessageBox::No;
        frame.CloseAllDocuments();
        AppSettings() = CAppSettings();
    }
};

MONDREL_QT_TEST(WizardWallTest)
#include "WizardWallTest.moc"
