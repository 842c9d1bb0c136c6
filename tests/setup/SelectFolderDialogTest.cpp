// The folder dialog's Select rules: the live current folder, the doubled
// separator, the trailing separator, and the question to make a folder.

#include "setup/SelectFolderDialog.h"
#include "setup/SetupMessage.h"
#include "support/QtTestRegistry.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <vector>

class SelectFolderDialogTest : public QObject {
    Q_OBJECT
private:
    std::vector<CSetupMessage> m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

private slots:
    void init()
    {
        m_messages.clear();
        SetSetupMessageHook([this](const CSetupMessage& m) {
            m_messages.push_back(m);
            return m.m_buttons.testFlag(QMessageBox::Yes) ? m_answer : QMessageBox::Ok;
        });
    }
    void cleanup() { SetSetupMessageHook({}); }

    void TextsAndCurrentFolder()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("a/b"));
        // A folder that does not exist yet opens at its nearest parent.
        CSelectFolderDialog dialog(nullptr, dir.filePath("a/b/new/deeper"));
        QCOMPARE(dialog.windowTitle(), QString("Select Folder to Install into..."));
        QCOMPARE(dialog.SelectButton()->text(), QString("Select"));
        QCOMPARE(dialog.CurrentFolder(), dir.filePath("a/b"));
        QCOMPARE(dialog.FolderEdit()->text(), dir.filePath("a/b"));
        dialog.SetCurrentFolder(dir.filePath("a"));
        QCOMPARE(dialog.FolderEdit()->text(), dir.filePath("a"));
        // An empty box selects the folder that is open.
        dialog.FolderEdit()->clear();
        QVERIFY(dialog.Select());
        QCOMPARE(dialog.Folder(), dir.filePath("a") + "/");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(m_messages.empty());
    }

    void SeparatorRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");  // empty: refused as "Invalid Folder"
        QTest::newRow("trailing separator removed once") << "/tmp/" << "/tmp/";
        QTest::newRow("root stays root") << "/" << "/";
        QTest::newRow("doubled separator") << "/tmp//x" << "";
        QTest::newRow("doubled backslash") << "/tmp/a\\\\b" << "";
    }
    void SeparatorRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        CSelectFolderDialog dialog(nullptr, "/tmp");
        dialog.FolderEdit()->setText(typed);
        QCOMPARE(dialog.Select(), !result.isEmpty());
        if (result.isEmpty()) {
            QCOMPARE(m_messages.size(), std::size_t(1));
            QCOMPARE(m_messages[0].m_strText, QString("Invalid Folder"));
            QCOMPARE(m_messages[0].m_icon, QMessageBox::Critical);
        } else {
            QCOMPARE(dialog.Folder(), result);
        }
    }

    void CreateQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes makes the folder") << true;
        QTest::newRow("No keeps the dialog open") << false;
    }
    void CreateQuestion()
    {
        QFETCH(bool, yes);
        m_answer = yes ? QMessageBox::Yes : QMessageBox::No;
        QTemporaryDir dir;
        const QString folder = dir.filePath("x/y/z");
        CSelectFolderDialog dialog(nullptr, dir.path());
        dialog.FolderEdit()->setText(folder + "/");
        QCOMPARE(dialog.Select(), yes);
        QCOMPARE(m_messages.size(), std::size_t(1));
        QCOMPARE(m_messages[0].m_strText, folder + "\n\nThis path does not exist. Do you want to create it?");
        QCOMPARE(m_messages[0].m_icon, QMessageBox::Question);
        QCOMPARE(m_messages[0].m_buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(QFileInfo(folder).isDir(), yes);
        if (yes) QCOMPARE(dialog.Folder(), folder + "/");
    }

    void CannotCreate()
    {
        m_answer = QMessageBox::Yes;
        CSelectFolderDialog dialog(nullptr, "/tmp");
        dialog.FolderEdit()->setText("/proc/mondrel-test");
        QVERIFY(!dialog.Select());
        QCOMPARE(m_messages.size(), std::size_t(2));
        QCOMPARE(m_messages[1].m_strText, QString("Could not create folder:\n/proc/mondrel-test"));
        QCOMPARE(m_messages[1].m_icon, QMessageBox::Critical);
    }
};

MONDREL_QT_TEST(SelectFolderDialogTest)
#include "SelectFolderDialogTest.moc"
