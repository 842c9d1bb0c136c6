// SPDX-License-Identifier: GPL-3.0-or-later
// The designer in German: run with LANGUAGE=de (as ctest does), the
// catalogue comes from the user's locale as at start-up, and the main
// window's menus, prompts and status bar, a property sheet, the New Calendar
// Wizard, the help pages and the tips all speak German; without the
// catalogue they are English again.

#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/DataFiles.h"
#include "app/HelpWindow.h"
#include "app/MainFrame.h"
#include "app/MondrelApp.h"
#include "app/TipOfDayDialog.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"
#include "platform/QtSettingsStore.h"
#include "properties/CalDaysText.h"
#include "properties/CalSPText.h"
#include "properties/CalendarSheet.h"
#include "properties/IntroPage.h"
#include "properties/NewCalendarWizard.h"
#include "translations/Translation.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTranslator>
#include <QtTest/QtTest>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTextBrowser>

namespace {

QStringList MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (const QAction* a : frame.menuBar()->actions()) titles << a->text();
    return titles;
}

QStringList LabelTexts(const QWidget* widget)
{
    QStringList texts;
    for (const QLabel* l : widget->findChildren<QLabel*>()) texts << l->text();
    return texts;
}

// The anchors a help page offers to links from other pages.
QStringList Anchors(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(file.readAll());
    QStringList anchors;
    static const QRegularExpression anchor(QStringLiteral("(?:name|id)=\"([^\"]+)\""));
    for (auto m = anchor.globalMatch(html); m.hasNext();) anchors << m.next().captured(1);
    return anchors;
}

}  // namespace

class GermanWindowsTest : public QObject {
    Q_OBJECT
    QTranslator* m_german = nullptr;

    void RemoveGerman()
    {
        if (!m_german) return;
        QCoreApplication::removeTranslator(m_german);
        delete m_german;
        m_german = nullptr;
    }

private slots:
    void initTestCase()
    {
        // As the program does at start: the language of the user's locale.
        m_german = InstallTranslations(QLocale::system().uiLanguages());
        QVERIFY2(m_german, "the test runs with LANGUAGE=de");
        QCOMPARE(DataLanguage(), QStringLiteral("de"));
        AppSettings().m_bNoNewWizard = 1;
    }
    void cleanupTestCase() { RemoveGerman(); }

    void mainWindowMenusAndPrompts()
    {
        CMainFrame frame;
        QCOMPARE(MenuTitles(frame), (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Zeichnen", "&Objekt", "&Seite",
                                                 "&Fenster", "&Hilfe"}));
        QAction* saveAs = frame.findChild<QAction*>(QStringLiteral("file_save_as"));
        QVERIFY(saveAs);
        QCOMPARE(saveAs->text(), QStringLiteral("Speichern &unter...\tStrg+Umschalt+S"));
        QCOMPARE(saveAs->statusTip(), QStringLiteral("Das aktive Dokument unter einem neuen Namen speichern"));
        QCOMPARE(saveAs->toolTip(), QStringLiteral("Speichern unter"));
        QAction* undo = frame.findChild<QAction*>(QStringLiteral("edit_undo"));
        QVERIFY(undo);
        QCOMPARE(undo->text(), QStringLiteral("&Rückgängig\tStrg+Z"));
        // The entries of the File menu as the menu shows them.
        QMenu* file = frame.menuBar()->actions().first()->menu();
        QStringList entries;
        for (const QAction* a : file->actions())
            if (!a->isSeparator() && a->isVisible()) entries << a->text().section('\t', 0, 0);
        QVERIFY2(entries.contains("&Neu") && entries.contains("S&peichern") && entries.contains("&Drucken...") &&
                     entries.contains("&Beenden"),
                 qPrintable(entries.join('|')));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Bereit"));
    }

    void propertySheetPages()
    {
        CCalendarSheet sheet;
        QStringList tabs;
        for (int i = 0; i < sheet.Tabs()->count(); ++i) tabs << sheet.Tabs()->tabText(i);
        QCOMPARE(tabs, (QStringList{"Allgemein", "Kopf", "Wochentagskopf", "Tage", "Besondere Tage (Feiertage)"}));
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Kalendereigenschaften"));
        // The shared border captions and the holiday regions by their German names.
        const QStringList boxes = [&] {
            QStringList titles;
            for (const QGroupBox* box : sheet.m_pDays->findChildren<QGroupBox*>()) titles << box->title();
            return titles;
        }();
        QVERIFY2(boxes.contains("Rand") && !boxes.contains("Border"), qPrintable(boxes.join('|')));
        QVERIFY(sheet.m_pSpecial->m_pRegion->findText(QStringLiteral("Deutschland (Bayern)")) >= 0);
        QVERIFY(sheet.m_pSpecial->m_pRegion->findText(QStringLiteral("Vereinigte Staaten")) >= 0);
    }

    void wizardFirstPage()
    {
        CNewCalendarWizard wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Assistent für neue Kalender"));
        QCOMPARE(wizard.currentId(), int(CNewCalendarWizard::stepIntro));
        QCOMPARE(wizard.currentPage()->title(), QStringLiteral("Mondrel-Assistent für neue Kalender"));
        const QStringList texts = LabelTexts(wizard.IntroPage());
        QVERIFY2(texts.contains("&Bild (Foto):"), qPrintable(texts.join('|')));
        QVERIFY(texts.contains("Leer lassen für einen Kalender ohne Foto."));
        QCOMPARE(wizard.button(QWizard::NextButton)->text(), QStringLiteral("&Weiter >"));
        QCOMPARE(wizard.button(QWizard::CancelButton)->text(), QStringLiteral("Abbrechen"));
        // The next page names the months in German too.
        wizard.next();
        QVERIFY(wizard.currentPage()->findChild<QComboBox*>());
        bool january = false;
        for (const QComboBox* combo : wizard.currentPage()->findChildren<QComboBox*>())
            january = january || combo->findText(QStringLiteral("Januar")) >= 0;
        QVERIFY(january);
        wizard.reject();
    }

    void helpPagesInGermanWithEnglishFallback()
    {
        QMainWindow frame;
        ShowHelp(&frame, QStringLiteral("tools.html"));
        CHelpWindow* window = HelpWindowInstance();
        QVERIFY(window);
        QCOMPARE(window->CurrentPage(), QStringLiteral("tools.de.html"));
        QVERIFY(window->Browser()->toPlainText().contains("Freihandlinie"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Mondrel-Hilfe - Die Zeichenwerkzeuge"));
        // The topic list names the page in German and marks it.
        auto* topics = window->findChild<QListWidget*>();
        QVERIFY(topics && topics->currentItem());
        QCOMPARE(topics->currentItem()->text(), QStringLiteral("Zeichenwerkzeuge"));
        // A link written with the English name, as a reader clicks it.
        window->Browser()->setSource(QUrl(QStringLiteral("shortcuts.html")));
        QCOMPARE(window->CurrentPage(), QStringLiteral("shortcuts.de.html"));
        window->Browser()->backward();
        QCOMPARE(window->CurrentPage(), QStringLiteral("tools.de.html"));
        window->close();

        // A page without a translation comes in English.
        QTemporaryDir dir;
        QFile english(dir.filePath("page.html"));
        QVERIFY(english.open(QIODevice::WriteOnly));
        QCOMPARE(LocalizedFile(dir.filePath("page.html")), dir.filePath("page.html"));
        QFile german(dir.filePath("page.de.html"));
        QVERIFY(german.open(QIODevice::WriteOnly));
        QCOMPARE(LocalizedFile(dir.filePath("page.html")), dir.filePath("page.de.html"));
    }

    void everyGermanHelpPageKeepsTheAnchors()
    {
        const QString folder = QString::fromStdString(FindInstallDir("", "/nonexistent", MONDREL_SOURCE_DIR)) + "help/";
        const QStringList german = QDir(folder).entryList({"*.de.html"});
        QVERIFY(german.size() >= 15);
        for (const QString& page : german) {
            const QString original = QString(page).replace(".de.html", ".html");
            QVERIFY2(QFile::exists(folder + original), qPrintable(page));
            QCOMPARE(Anchors(folder + page), Anchors(folder + original));
        }
    }

    void tipsInGerman()
    {
        const QString tips = LocalizedFile(DataFile(QStringLiteral("tips.txt")));
        QVERIFY2(tips.endsWith("/tips.de.txt"), qPrintable(tips));
        Environment().m_settings = std::make_shared<CMemorySettingsStore>();
        CTipOfDayDialog dialog(tips);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tipp des Tages"));
        const QStringList texts = LabelTexts(&dialog);
        QVERIFY2(texts.contains("Wussten Sie schon..."), qPrintable(texts.join('|')));
        QVERIFY2(texts.filter("Assistent für neue Kalender").size() == 1, qPrintable(texts.join('|')));
    }

    void newObjectsTextsInGerman()
    {
        CQtSettingsStore store;
        store.WriteProfileInt("Settings", "NoNewWizard", 1);
        CMondrelApp app;
        QVERIFY(app.InitInstance({}, false));
        const CDrawRect text(CRect(0, 0, 100, -50), CDrawRect::kindText);
        QCOMPARE(text.m_strText, std::string("Doppelklicken, um diesen Text zu ändern"));
        QCOMPARE(Environment().m_strImagePlaceholder, std::string("Bildplatzhalter"));
    }

    // Last: without the catalogue the same windows are English again.
    void englishWithoutTheCatalogue()
    {
        RemoveGerman();
        QCOMPARE(DataLanguage(), QStringLiteral("en"));
        CMainFrame frame;
        QCOMPARE(MenuTitles(frame).first(), QStringLiteral("&File"));
        QCOMPARE(LocalizedFile(DataFile(QStringLiteral("tips.txt"))), DataFile(QStringLiteral("tips.txt")));
        CNewCalendarWizard wizard;
        QCOMPARE(wizard.button(QWizard::NextButton)->text(), QStringLiteral("&Next >"));
    }
};

MONDREL_QT_TEST(GermanWindowsTest)
#include "GermanWindowsTest.moc"
