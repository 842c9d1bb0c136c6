// The options of the "Mondrel Application" sheet reach the views that are
// open, not only the windows opened afterwards.

#include "support/QtTestRegistry.h"

#include "NextModal.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "objects/Environment.h"
#include "properties/ColorButton.h"
#include "properties/OptionsPage.h"
#include "properties/SimpleSheet.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/UndoCommands.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QPushButton>

#include <functional>
#include <memory>

namespace {

// What the colour chooser's OK does to a colour button.
void ChooseColor(CColorButton* button, COLORREF colour)
{
    button->SetColor(colour);
    emit button->ColorChosen(colour);
}

// Drives the options sheet the next time it opens.
void DriveNextOptions(const std::function<void(CSimpleSheet&, COptionsPage&)>& drive)
{
    DriveNextModal<CSimpleSheet>([drive](CSimpleSheet& sheet) { drive(sheet, *sheet.findChild<COptionsPage*>()); });
}

std::vector<ui::CDrawView*> AllViews(CMainFrame& window)
{
    std::vector<ui::CDrawView*> views;
    for (CDesignDocument* d : window.Documents())
        for (ui::CDrawView* v : d->Views()) views.push_back(v);
    return views;
}

}  // namespace

class OptionsReachViewsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        Environment().m_settings = std::make_shared<CMemorySettingsStore>();
        AppSettings() = CAppSettings();
        AppSettings().m_bNoNewWizard = 1;
    }

    void gridReachesOpenViews()
    {
        CMainFrame window;
        window.NewDocument(false);
        window.NewDocument(false);
        QCOMPARE(AllViews(window).size(), std::size_t(2));
        for (ui::CDrawView* v : AllViews(window)) QVERIFY(!v->IsDesignGrid());

        DriveNextOptions([](CSimpleSheet& sheet, COptionsPage& page) {
            page.DrawGridCheck()->click();
            ChooseColor(page.GridColorButton(), RGB(200, 10, 30));
            QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
        });
        window.Action("options")->trigger();
        for (ui::CDrawView* v : AllViews(window)) {
            QVERIFY(v->IsDesignGrid());
            QCOMPARE(v->GridColor(), RGB(200, 10, 30));
        }

        // A view whose grid was switched off from the View menu keeps it
        // off when only the colour changes.
        ui::CDrawView* first = AllViews(window).front();
        first->SetDesignGrid(false);
        DriveNextOptions([](CSimpleSheet& sheet, COptionsPage& page) {
            ChooseColor(page.GridColorButton(), RGB(0, 90, 0));
            QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
        });
        window.Action("options")->trigger();
        QVERIFY(!first->IsDesignGrid());
        for (ui::CDrawView* v : AllViews(window)) QCOMPARE(v->GridColor(), RGB(0, 90, 0));

        // Cancel changes no view.
        DriveNextOptions([](CSimpleSheet& sheet, COptionsPage& page) {
            page.DrawGridCheck()->click();
            QTest::mouseClick(sheet.CancelButton(), Qt::LeftButton);
        });
        window.Action("options")->trigger();
        QVERIFY(AllViews(window).back()->IsDesignGrid());
    }
};

MONDREL_QT_TEST(OptionsReachViewsTest)
#include "OptionsReachViewsTest.moc"
