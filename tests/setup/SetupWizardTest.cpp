// The wizard sheet and its two pages: texts, button states, the refusal of
// an empty folder, Help, and what Finish reports when the installation
// fails and when it succeeds. Also the destination rules and the short
// names of the Windows 95 family.

#include "setup/Completion.h"
#include "setup/IntroPage.h"
#include "setup/SetupMessage.h"
#include "setup/SetupPaths.h"
#include "setup/WizardSheet.h"
#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <vector>

namespace {

struct CSheetFixture {
    explicit CSheetFixture(const QString& source) : m_sheet(source, false)
    {
        m_sheet.AddPage(m_pIntro = new CIntroPage(&m_sheet));
        m_sheet.AddPage(m_pCompletion = new CCompletion(&m_sheet));
        SetSetupMessageHook([this](const CSetupMessage& m) {
            m_messages.push_back(m);
            return QMessageBox::Ok;
        });
    }
    ~CSheetFixture() { SetSetupMessageHook({}); }

    CWizardSheet m_sheet;
    CIntroPage* m_pIntro;
    CCompletion* m_pCompletion;
    std::vector<CSetupMessage> m_messages;
};

QStringList Texts(const QWidget* page)
{
    QStringList texts;
    for (const QLabel* l : page->findChildren<QLabel*>()) texts << l->text();
    return texts;
}

}  // namespace

class SetupWizardTest : public QObject {
    Q_OBJECT
private slots:
    void TextsAndButtons()
    {
        CSheetFixture f("/nonexistent");
        QCOMPARE(f.m_sheet.windowTitle(), QString("Setup Wizard"));
        const QStringList intro = Texts(f.m_pIntro);
        for (const char* text :
             {"Mondrel 3.0 Setup", "Thank you for your interest in this Quillon product.",
              "Please tell setup program where to install Mondrel ?", "Directory:",
              "You can use the Browse button to select the Directory  where you want to install. ",
              "To Continue with Setup click Next, Click Cancel anytime to exit Setup without installing Mondrel on "
              "your computer."})
            QVERIFY2(intro.contains(text), text);
        QCOMPARE(f.m_pIntro->BrowseButton()->text(), QString("..."));
        QCOMPARE(f.m_pIntro->DirectoryEdit()->text(), QString::fromStdString(DefaultDestination(false)));
        QVERIFY(f.m_pIntro->DirectoryEdit()->text().endsWith("/.local/opt/mondrel/"));
        // Only Next on the first page.
        QVERIFY(!f.m_sheet.BackButton()->isEnabled());
        QVERIFY(f.m_sheet.NextButton()->isEnabled());
        QVERIFY(!f.m_sheet.FinishButton()->isEnabled());
        QVERIFY(!f.m_sheet.HelpButton()->isEnabled());

        f.m_sheet.NextButton()->click();
        QCOMPARE(f.m_sheet.ActiveIndex(), 1);
        const QStringList last = Texts(f.m_pCompletion);
        QVERIFY(last.contains("Click Finish to start installation, Click on Cancel to Abort and Exit setup."));
        QVERIFY(last.contains("Refer to Readme.TXT for further details."));
        QVERIFY(f.m_sheet.BackButton()->isEnabled());
        QVERIFY(f.m_sheet.FinishButton()->isEnabled());
        QVERIFY(f.m_sheet.HelpButton()->isEnabled());
        f.m_sheet.HelpButton()->click();
        QCOMPARE(f.m_messages.size(), std::size_t(1));
        QCOMPARE(f.m_messages[0].m_strText, QString("Sorry ! No Help Available for Setup in this version."));
        QCOMPARE(f.m_messages[0].m_icon, QMessageBox::Critical);
        f.m_sheet.BackButton()->click();
        QCOMPARE(f.m_sheet.ActiveIndex(), 0);
    }

    void EmptyDestinationStays()
    {
        CSheetFixture f("/nonexistent");
        f.m_pIntro->DirectoryEdit()->clear();
        f.m_sheet.NextButton()->click();
        QCOMPARE(f.m_sheet.ActiveIndex(), 0);
        QCOMPARE(f.m_messages.size(), std::size_t(1));
        QCOMPARE(f.m_messages[0].m_strText, QString("Destination Directory can not be empty"));
        QCOMPARE(f.m_messages[0].m_icon, QMessageBox::Critical);
    }

    void FailedInstallationIsNoSuccess()
    {
        QTemporaryDir dir;
        CSheetFixture f(dir.filePath("no-setup-folder"));
        f.m_pIntro->DirectoryEdit()->setText(dir.filePath("dest"));
        f.m_sheet.NextButton()->click();
        f.m_sheet.FinishButton()->click();
        QCOMPARE(f.m_messages.size(), std::size_t(1));
        QCOMPARE(f.m_messages[0].m_strTitle, QString("Product Sample Install Error"));
        QVERIFY(f.m_messages[0].m_strText.startsWith("Installation script did not complete successfully!\n\n"));
        QVERIFY(f.m_messages[0].m_strText.contains("mondrel.inf"));
        QCOMPARE(f.m_sheet.result(), int(QDialog::Rejected));
        QVERIFY(f.m_sheet.ActiveIndex() == 1);
    }

    void FinishInstalls()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("setup");
        QDir().mkpath(src);
        QFile inf(src + "/mondrel.inf");
        QVERIFY(inf.open(QIODevice::WriteOnly));
        inf.write("[Version]\nSignature=\"$Chicago$\"\n[DestinationDirs]\nDefaultDestDir=65600\n"
                  "[SourceDisksNames]\n1=d\n[SourceDisksFiles]\nReadme.TXT=1\n"
                  "[ProductInstall]\nCopyFiles=F\n[F]\nReadme.TXT\n");
        inf.close();
        QFile::copy(MONDREL_SOURCE_DIR "/resources/Readme.TXT", src + "/Readme.TXT");
        for (const char* name : {"mondrel.desktop", "mondrel-mime.xml", "mondrel.svg"})
            QFile::copy(QString(MONDREL_SOURCE_DIR "/resources/") + name, src + "/" + name);
        CSheetFixture f(src);
        // A folder typed with "~" is made under the home folder.
        f.m_pIntro->DirectoryEdit()->setText("~/Programs/Mondrel");
        f.m_sheet.NextButton()->click();
        f.m_sheet.FinishButton()->click();
        QVERIFY(!f.m_messages.empty());
        QCOMPARE(f.m_messages.back().m_strText.section('\n', 0, 0), QString("Setup of Mondrel 3.0 Completed Successfully."));
        QCOMPARE(f.m_messages.back().m_icon, QMessageBox::Information);
        QCOMPARE(f.m_sheet.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(QDir::homePath() + "/Programs/Mondrel/Readme.TXT"));
    }

    void DestinationRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");  // empty: accepted
        QTest::newRow("relative") << "Programs/Mondrel" << "The destination must be a full path";
        QTest::newRow("doubled separator") << "/tmp//x" << "Invalid Folder";
        QTest::newRow("too long, never cut") << "/tmp/" + QString(256, 'a') << "The destination is longer than 260";
        QTest::newRow("longest accepted") << "/tmp/" + QString(254, 'b') << "";
        QTest::newRow("under a file") << "/etc/hostname/x" << "Could not create folder:\n/etc/hostname/x";
    }
    void DestinationRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, error);
        std::string destination, message;
        const bool ok = PrepareDestination(typed.toStdString(), &destination, &message);
        QCOMPARE(ok, error.isEmpty());
        if (ok) {
            QCOMPARE(QString::fromStdString(destination), typed + "/");
            QDir(typed).removeRecursively();
        } else {
            QVERIFY2(QString::fromStdString(message).startsWith(error), message.c_str());
        }
    }

    void ShortNames()
    {
        QVERIFY(LongNamesSupported());
        QCOMPARE(ShortPathName("C:\\Program Files\\Mondrel\\"), std::string("C:\\Progra~1\\Mondrel\\"));
        QCOMPARE(ShortPathName("D:\\Programs\\Calendar"), std::string("D:\\Progra~1\\Calend~1\\"));
    }
};

MONDREL_QT_TEST(SetupWizardTest)
#include "SetupWizardTest.moc"
