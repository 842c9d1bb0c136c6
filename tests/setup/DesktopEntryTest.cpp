// The menu entry written for an installation: its Exec line for folders
// with spaces and the characters the entry format reserves, and the
// validity of the result as desktop-file-validate judges it.

#include "setup/DesktopIntegration.h"
#include "support/QtTestRegistry.h"

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

class DesktopEntryTest : public QObject {
    Q_OBJECT
private slots:
    void QuotedExec_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/mondrel/mondrel" << "/opt/mondrel/mondrel";
        QTest::newRow("space") << "/home/a/My Programs/mondrel" << "\"/home/a/My Programs/mondrel\"";
        QTest::newRow("percent") << "/opt/100%/mondrel" << "/opt/100%%/mondrel";
        QTest::newRow("dollar and quote") << "/opt/a$b\"c/mondrel" << "\"/opt/a\\\\$b\\\\\"c/mondrel\"";
    }
    void QuotedExec()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(CDesktopIntegration::QuoteExec(program), exec);
    }

    void EntryIsValid()
    {
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty()) QSKIP("desktop-file-validate is not installed (desktop-file-utils)");
        QFile templateFile(MONDREL_SOURCE_DIR "/resources/mondrel.desktop");
        QVERIFY(templateFile.open(QIODevice::ReadOnly));
        const QString entry = CDesktopIntegration::MakeDesktopEntry(QString::fromUtf8(templateFile.readAll()),
                                                                    "/home/a/My Programs/100%/mondrel");
        QVERIFY(entry.contains("\nExec=\"/home/a/My Programs/100%%/mondrel\" %F\n"));
        QVERIFY(entry.contains("\nTryExec=/home/a/My Programs/100%/mondrel\n"));
        QTemporaryDir dir;
        QFile out(dir.filePath("mondrel.desktop"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(entry.toUtf8());
        out.close();
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(validator, {out.fileName()});
        QVERIFY(p.waitForFinished());
        QVERIFY2(p.exitCode() == 0 && p.readAll().trimmed().isEmpty(), "desktop-file-validate complained");
    }
};

MONDREL_QT_TEST(DesktopEntryTest)
#include "DesktopEntryTest.moc"
