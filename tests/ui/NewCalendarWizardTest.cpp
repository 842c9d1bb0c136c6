#include "app/AppSettings.h"
#include "app/DocChange.h"
#include "app/SamplePhoto.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/Environment.h"
#include "objects/DrawRect.h"
#include "properties/Completion.h"
#include "properties/IntField.h"
#include "properties/Interior1.h"
#include "properties/Interior5.h"
#include "properties/IntroPage.h"
#include "properties/NewCalendarWizard.h"
#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>

#include <ctime>
#include <optional>

namespace {

void PressReturn(CNewCalendarWizard& wizard)
{
    QCoreApplication::processEvents();
    QWidget* target = wizard.focusWidget() ? wizard.focusWidget() : &wizard;
    QTest::keyClick(target, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void Type(CIntField* field, const QString& text)
{
    field->findChild<QLineEdit*>()->setText(text);
}

std::vector<CDrawRect*> Objects(CDrawDoc& doc)
{
    std::vector<CDrawRect*> out;
    for (CDrawObj* obj : *doc.GetObjects()) out.push_back(dynamic_cast<CDrawRect*>(obj));
    return out;
}

}  // namespace

class NewCalendarWizardTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_messages.emplace(); }
    void cleanup() { m_messages.reset(); }

    // Return on every page walks through with the defaults, and Finish makes
    // one calendar of this month on a white to light blue vertical gradient.
    void returnWalksThroughToTheDefaultDesign()
    {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);

        CNewCalendarWizard wizard;
        wizard.show();
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepIntro));
        QVERIFY(!wizard.button(QWizard::BackButton)->isVisible());
        QVERIFY(wizard.button(QWizard::NextButton)->isVisible());
        for (int step = CNewCalendarWizard::stepMonths; step <= CNewCalendarWizard::stepCompletion; ++step) {
            PressReturn(wizard);
            QCOMPARE(wizard.currentId(), step);
        }
        QVERIFY(wizard.button(QWizard::BackButton)->isVisible());
        QVERIFY(wizard.button(QWizard::FinishButton)->isVisible());
        QVERIFY(wizard.button(QWizard::NextButton)->isVisible());
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
        CCompletion* summary = wizard.CompletionPage();
        QCOMPARE(summary->ImageText(), QString("There is no Image File to use."));
        QCOMPARE(summary->MonthsText(), QString("1"));
        QCOMPARE(summary->FirstMonthText(), WizardMonthName(local.tm_mon));
        QCOMPARE(summary->YearText(), QString::number(local.tm_year + 1900));
        PressReturn(wizard);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));

        CDrawDoc doc;
        doc.OnNewDocument();
        wizard.Apply(&doc);
        const std::vector<CDrawRect*> objects = Objects(doc);
        QCOMPARE(objects.size(), std::size_t(1));
        QVERIFY(objects[0]);
        QCOMPARE(objects[0]->m_nKind, int(CDrawRect::kindCalendar));
        QCOMPARE(objects[0]->m_nMonth, local.tm_mon + 1);
        QCOMPARE(objects[0]->m_nYear, local.tm_year + 1900);
        // Layout 0, one month, no photo and no frame.
        QCOMPARE(objects[0]->m_position, CRect(350, -480, -350, 0));
        QCOMPARE(doc.m_nBackStyle, int(CDrawDoc::styleLinear));
        QCOMPARE(doc.m_nGradientDirection, 1);
        QCOMPARE(doc.m_crBackFrom, COLORREF(0xFFFFFF));
        QCOMPARE(doc.m_crBackTo, COLORREF(0xFFEC77));
        QCOMPARE(doc.m_bDrawBackImage, 0);
        QVERIFY(doc.IsModified());
        QVERIFY(m_messages->texts.isEmpty());
    }

    // A camera's upper-case extension is recorded in lower case, so the
    // photo is decoded as the JPEG it is.
    void upperCasePhotoExtensionIsLowered()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("IMG_0001.JPG");
        std::string error;
        QVERIFY(MakeSamplePhoto(path.toStdString(), &error, 160, 120));

        CNewCalendarWizard wizard;
        wizard.show();
        // A mistyped path keeps the user on the first step.
        wizard.IntroPage()->PathField()->setText(dir.filePath("IMG_0002.JPG"));
        wizard.next();
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepIntro));
        QCOMPARE(m_messages->texts.size(), 1);
        wizard.IntroPage()->PathField()->setText(path);
        wizard.next();
        QCOMPARE(wizard.m_choices.m_strPhotoPath, path.toStdString());
        QCOMPARE(wizard.m_choices.m_strPhotoType, std::string("jpg"));
        while (wizard.currentId() != CNewCalendarWizard::stepCompletion) wizard.next();
        QCOMPARE(wizard.CompletionPage()->ImageText(), path);
        wizard.accept();

        CDrawDoc doc;
        doc.OnNewDocument();
        wizard.Apply(&doc);
        const std::vector<CDrawRect*> objects = Objects(doc);
        QCOMPARE(objects.size(), std::size_t(2));
        QCOMPARE(objects[0]->m_nKind, int(CDrawRect::kindImage));
        QVERIFY(objects[0]->m_pImage && objects[0]->m_pImage->IsValid());
        QCOMPARE(objects[0]->m_pImage->GetType(), int(IMAGE_FORMAT_JPG));
    }

    // Values move with the user both ways; a refused number keeps the page.
    void valuesAreHandedOnMovingOnAndBack()
    {
        CNewCalendarWizard wizard;
        wizard.show();
        wizard.next();
        CInterior1* months = wizard.MonthsPage();
        Type(months->MonthsField(), "99");
        QVERIFY(!wizard.validateCurrentPage());
        QCOMPARE(m_messages->texts, QStringList{"Please enter an integer between 1 and 24."});
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepMonths));

        Type(months->MonthsField(), "3");
        months->FirstMonthList()->setCurrentIndex(11);
        wizard.back();
        QCOMPARE(wizard.m_choices.m_nMonths, 3);
        QCOMPARE(wizard.m_choices.m_nFirstMonth, 11);

        while (wizard.currentId() != CNewCalendarWizard::stepFrame) wizard.next();
        wizard.FramePage()->FrameCheck()->click();
        Type(wizard.FramePage()->OutlineField(), "101");
        QVERIFY(!wizard.validateCurrentPage());
        QCOMPARE(m_messages->texts.last(), QString("Please enter an integer between 0 and 100."));
        Type(wizard.FramePage()->OutlineField(), "0");
        wizard.next();
        wizard.next();
        QCOMPARE(wizard.CompletionPage()->MonthsText(), QString("3"));
        QCOMPARE(wizard.CompletionPage()->FirstMonthText(), QString("December"));
        wizard.accept();
        QCOMPARE(wizard.m_choices.m_bFrame, 1);
        QCOMPARE(wizard.m_choices.m_nOutlineThickness, 0);

        // December: the second calendar is January of the following year.
        CDrawDoc doc;
        doc.OnNewDocument();
        wizard.Apply(&doc);
        const std::vector<CDrawRect*> objects = Objects(doc);
        QCOMPARE(objects.size(), std::size_t(4));
        QCOMPARE(objects[0]->m_nKind, int(CDrawRect::kindFrame));
        QCOMPARE(objects[2]->m_nMonth, 1);
        QCOMPARE(objects[2]->m_nYear, objects[1]->m_nYear + 1);
    }

    void cancelLeavesAnEmptyPage()
    {
        CDrawDoc doc;
        doc.OnNewDocument();
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) static_cast<QDialog*>(modal)->reject();
        });
        QVERIFY(!RunNewCalendarWizard(nullptr, &doc));
        QVERIFY(doc.GetObjects()->empty());
        QVERIFY(!doc.IsModified());
    }

    // Finish is one step that adds objects and sets the background; the
    // "Do Not Show" box turns the wizard off as the options sheet would.
    void finishIsOneStepAndDoNotShowIsKept()
    {
        struct CSink : CChangeSink {
            void Commit(CDrawDoc*, const CDocChange& change, const std::function<void()>& apply) override
            {
                changes.push_back(change);
                apply();
            }
            std::vector<CDocChange> changes;
        } sink;
        SetChangeSinkResolver([&sink](CDrawDoc*) { return &sink; });
        Environment().m_settings = std::make_shared<CMemorySettingsStore>();
        CDrawDoc doc;
        doc.OnNewDocument();
        QTimer::singleShot(0, [] {
            auto* wizard = qobject_cast<CNewCalendarWizard*>(QApplication::activeModalWidget());
            if (!wizard) return;
            wizard->IntroPage()->DoNotShowCheck()->setChecked(true);
            while (wizard->currentId() != CNewCalendarWizard::stepCompletion) wizard->next();
            wizard->button(QWizard::FinishButton)->click();
        });
        const bool finished = RunNewCalendarWizard(nullptr, &doc);
        SetChangeSinkResolver({});
        QVERIFY(finished);
        QCOMPARE(sink.changes.size(), std::size_t(1));
        QVERIFY(sink.changes[0].m_bObjectList && sink.changes[0].m_bBackground);
        QCOMPARE(doc.GetObjects()->size(), std::size_t(1));
        QCOMPARE(Environment().m_settings->GetProfileInt("Settings", "NoNewWizard", 0), 1);
        QCOMPARE(AppSettings().m_bNoNewWizard, 1);
        AppSettings() = CAppSettings();
    }

private:
    std::optional<CMessageRecorder> m_messages;
};

MONDREL_QT_TEST(NewCalendarWizardTest)
#include "NewCalendarWizardTest.moc"
