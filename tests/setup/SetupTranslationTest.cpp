// SPDX-License-Identifier: GPL-3.0-or-later
// The setup wizard in the user's language: which catalogue a list of
// interface languages picks, and the wizard's first page, buttons and
// messages in German once it is installed (English again without it).

#include "setup/Completion.h"
#include "setup/IntroPage.h"
#include "setup/SetupMessage.h"
#include "setup/WizardSheet.h"
#include "support/QtTestRegistry.h"
#include "translations/Translation.h"
#include "MondrelVersion.h"

#include <QtCore/QTranslator>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

class SetupTranslationTest : public QObject {
    Q_OBJECT

    static QStringList Texts(const QWidget* page)
    {
        QStringList texts;
        for (const QLabel* l : page->findChildren<QLabel*>()) texts << l->text();
        return texts;
    }

private slots:
    void LanguageChoice_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de"} << "de";
        QTest::newRow("German of a country") << QStringList{"de-AT"} << "de";
        QTest::newRow("locale name") << QStringList{"de_CH.UTF-8"} << "de";
        QTest::newRow("no French catalogue, German next") << QStringList{"fr-FR", "de"} << "de";
        QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "";
        QTest::newRow("the C locale") << QStringList{"C"} << "";
        QTest::newRow("nothing") << QStringList{} << "";
    }
    void LanguageChoice()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QCOMPARE(TranslationLanguage(languages), chosen);
    }

    void WizardInGerman()
    {
        QTranslator* german = InstallTranslations(QStringList{"de-DE"});
        QVERIFY(german);
        std::vector<CSetupMessage> messages;
        SetSetupMessageHook([&](const CSetupMessage& m) {
            messages.push_back(m);
            return QMessageBox::Ok;
        });
        {
            CWizardSheet sheet("/nonexistent", false);
            auto* intro = new CIntroPage(&sheet);
            sheet.AddPage(intro);
            sheet.AddPage(new CCompletion(&sheet));
            QCOMPARE(sheet.windowTitle(), QString("Setup-Assistent"));
            const QStringList texts = Texts(intro);
            QVERIFY2(texts.contains("Mondrel " MONDREL_VERSION " Setup"), qPrintable(texts.join('|')));
            QVERIFY2(texts.contains("Wohin soll das Setup Mondrel installieren?"), qPrintable(texts.join('|')));
            QVERIFY(texts.contains("Verzeichnis:"));
            QCOMPARE(sheet.NextButton()->text(), QString("&Weiter >"));
            QCOMPARE(sheet.CancelButton()->text(), QString("Abbrechen"));

            intro->DirectoryEdit()->clear();
            sheet.NextButton()->click();
            QCOMPARE(messages.size(), std::size_t(1));
            QCOMPARE(messages[0].m_strText, QString("Das Zielverzeichnis darf nicht leer sein"));
            QCOMPARE(messages[0].m_strTitle, QString("Mondrel " MONDREL_VERSION " Setup"));
        }
        QCoreApplication::removeTranslator(german);
        delete german;

        CWizardSheet english("/nonexistent", false);
        QCOMPARE(english.windowTitle(), QString("Setup Wizard"));
        SetSetupMessageHook({});
    }
};

MONDREL_QT_TEST(SetupTranslationTest)
#include "SetupTranslationTest.moc"
