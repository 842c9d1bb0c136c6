#include "support/MessageRecorder.h"
#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/TipOfDayDialog.h"
#include "objects/Environment.h"

#include <QtCore/QDateTime>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <optional>

class TipOfDayDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::shared_ptr<CSettingsStore> m_store;
    std::optional<CMessageRecorder> m_messages;

    QString Write(const QByteArray& text, const QString& name = QStringLiteral("tips.txt"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        return path;
    }

    static void SetTime(const QString& path, const QDateTime& time)
    {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(time, QFileDevice::FileModificationTime);
    }

    // The tips one dialog shows: the first, then each Next.
    static QStringList Shown(const QString& path, int count)
    {
        CTipOfDayDialog dialog(path);
        QStringList tips{dialog.TipText()};
        for (int i = 1; i < count; ++i) {
            dialog.NextTip();
            tips << dialog.TipText();
        }
        dialog.reject();
        return tips;
    }

private slots:
    void init()
    {
        m_store = std::make_shared<CMemorySettingsStore>();
        Environment().m_settings = m_store;
        m_messages.emplace();
    }

    void cleanup() { m_messages.reset(); }

    void skipsCommentsBlankAndIndentedLinesAndWraps()
    {
        const QString path = Write("; a comment\n"
                                   "First tip\n"
                                   "\n"
                                   "  indented line\n"
                                   "\tline after a tab\n"
                                   "\r\n"
                                   "Second tip\r\n"
                                   ";Third is a comment too\n"
                                   "Last tip without a line end");
        QCOMPARE(Shown(path, 5), (QStringList{"First tip", "Second tip", "Last tip without a line end", "First tip",
                                              "Second tip"}));
        QVERIFY(m_messages->texts.isEmpty());
    }

    void remembersWhereItStopped()
    {
        const QString path = Write("One\nTwo\nThree\n");
        QCOMPARE(Shown(path, 2), (QStringList{"One", "Two"}));
        // The next showing starts after the last tip seen, closed in any way.
        QCOMPARE(Shown(path, 1), QStringList{"Three"});
        {
            CTipOfDayDialog dialog(path);
            QCOMPARE(dialog.TipText(), QStringLiteral("One"));
            dialog.accept();
        }
        QCOMPARE(Shown(path, 1), QStringList{"Two"});
        QCOMPARE(m_store->GetProfileInt("Tip", "FilePos", -1), 8);
    }

    void replacedFileStartsFromItsFirstTip()
    {
        const QString path = Write("Old one\nOld two\nOld three\n");
        SetTime(path, QDateTime::currentDateTime().addDays(-2));
        QCOMPARE(Shown(path, 2), (QStringList{"Old one", "Old two"}));
        Write("New one\nNew two\nNew three\nNew four\n");
        SetTime(path, QDateTime::currentDateTime().addDays(-1));
        QCOMPARE(Shown(path, 1), QStringList{"New one"});
        QCOMPARE(Shown(path, 1), QStringList{"New two"});
        const std::string stamp = m_store->GetProfileString("Tip", "TimeStamp", "");
        QVERIFY(!stamp.empty());
        QVERIFY(!QByteArray::fromStdString(stamp).endsWith('\n'));
    }

    void fileWithoutTipsDoesNotHang()
    {
        const QString path = Write("; only comments\n\n   and indented text\n");
        QElapsedTimer timer;
        timer.start();
        CTipOfDayDialog dialog(path);
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!dialog.CanShowNext());
        QVERIFY(!dialog.findChild<QPushButton*>("nextTip")->isEnabled());
        dialog.NextTip();
        QVERIFY(!dialog.TipText().isEmpty());

        CTipOfDayDialog empty(Write("", QStringLiteral("empty.txt")));
        QVERIFY(!empty.CanShowNext());
    }

    void missingFileSaysSoAndDisablesNext()
    {
        CTipOfDayDialog dialog(m_dir.filePath("nowhere.txt"));
        QCOMPARE(dialog.TipText(), QStringLiteral("Tips file does not exist in the prescribed directory"));
        QVERIFY(!dialog.findChild<QPushButton*>("nextTip")->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("tipText")->text(), dialog.TipText());
    }

    void badPositionIsReportedAndStartsOver()
    {
        const QString path = Write("Alpha\nBeta\n");
        m_store->WriteProfileString("Tip", "TimeStamp", "");
        CTipOfDayDialog warm(path);  // records the time stamp
        warm.reject();
        m_store->WriteProfileInt("Tip", "FilePos", -5);
        CTipOfDayDialog dialog(path);
        QCOMPARE(m_messages->texts, QStringList{"Trouble reading the tips file"});
        QCOMPARE(dialog.TipText(), QStringLiteral("Alpha"));
    }

    void longLinesAreCut()
    {
        const QByteArray longLine(2500, 'x');
        const QString path = Write(longLine + "\nShort\n");
        const QStringList tips = Shown(path, 2);
        QCOMPARE(tips[0].size(), CTipOfDayDialog::kMaxTipLength);
        // The rest of the long line is not taken for a tip of its own.
        QCOMPARE(tips[1], QStringLiteral("Short"));
    }

    void closeRemembersTheStartUpChoice()
    {
        const QString path = Write("Tip\n");
        QVERIFY(CAppSettings::ShowTipAtStartup(*m_store));
        {
            CTipOfDayDialog dialog(path);
            QVERIFY(dialog.ShowAtStartup());
            dialog.findChild<QCheckBox*>()->setChecked(false);
            dialog.accept();
        }
        QCOMPARE(m_store->GetProfileInt("Tip", "StartUp", -1), 1);
        {
            // Leaving without Close keeps the stored choice.
            CTipOfDayDialog dialog(path);
            QVERIFY(!dialog.ShowAtStartup());
            dialog.findChild<QCheckBox*>()->setChecked(true);
            dialog.reject();
        }
        QCOMPARE(m_store->GetProfileInt("Tip", "StartUp", -1), 1);
    }
};

MONDREL_QT_TEST(TipOfDayDialogTest)
#include "TipOfDayDialogTest.moc"
