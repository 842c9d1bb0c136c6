// Copying into the destination: the copy-newer rule, modes, a running
// program replaced, links never followed; and a whole installation from a
// small setup folder with its manifest and its removal.

#include "setup/FileInstaller.h"
#include "setup/Installer.h"
#include "support/QtTestRegistry.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

void Write(const QString& path, const QByteArray& data, qint64 mtime = 0, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
    f.close();
    if (executable) QVERIFY(::chmod(QFile::encodeName(path).constData(), 0755) == 0);
    if (mtime) {
        struct timeval times[2] = {{static_cast<time_t>(mtime), 0}, {static_cast<time_t>(mtime), 0}};
        QVERIFY(::utimes(QFile::encodeName(path).constData(), times) == 0);
    }
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int Mode(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

const char* const kScript =
    "[Version]\nSignature=\"$Chicago$\"\n"
    "[DestinationDirs]\nDefaultDestDir=65600\nHelp=65600,help\n"
    "[SourceDisksNames]\n1=\"setup\"\n"
    "[SourceDisksFiles]\nmondrel=1\ndata.txt=1\npage.html=1,help\n"
    "[ProductInstall]\nCopyFiles=Programs,Help\nAddReg=Reg\n"
    "[Programs]\nmondrel\ndata.txt\n"
    "[Help]\npage.html\n"
    "[Reg]\nHKCU,\"Software\\Mondrel\\Mondrel\\Settings\",DestinationPath,0,\"%65600%/\"\n";

}  // namespace

class FileInstallerTest : public QObject {
    Q_OBJECT
private slots:
    void CopyNewerRule_data()
    {
        QTest::addColumn<int>("existingAge");  // seconds the existing file is older than the source
        QTest::addColumn<bool>("replaced");
        QTest::newRow("older file replaced") << 100 << true;
        QTest::newRow("equal version replaced") << 0 << true;
        QTest::newRow("newer file kept") << -100 << false;
    }
    void CopyNewerRule()
    {
        QFETCH(int, existingAge);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const qint64 t = 1700000000;
        Write(dir.filePath("src/data.txt"), "new", t);
        Write(dir.filePath("dest/data.txt"), "old", t - existingAge);
        CFileInstaller files;
        std::string error;
        QVERIFY(files.Open(dir.filePath("dest").toStdString(), &error));
        CFileInstaller::Outcome outcome;
        QVERIFY2(files.CopyNewer(dir.filePath("src/data.txt").toStdString(), "data.txt", &outcome, &error), error.c_str());
        QCOMPARE(outcome == CFileInstaller::Outcome::Copied, replaced);
        QCOMPARE(Read(dir.filePath("dest/data.txt")), replaced ? QByteArray("new") : QByteArray("old"));
        if (replaced) QCOMPARE(QFileInfo(dir.filePath("dest/data.txt")).lastModified().toSecsSinceEpoch(), t);
        // No temporary file is left beside the target.
        QCOMPARE(QDir(dir.filePath("dest")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void ModesAndFolders()
    {
        QTemporaryDir dir;
        Write(dir.filePath("src/prog"), "#!/bin/sh\n", 0, true);
        Write(dir.filePath("src/page.html"), "<p>");
        CFileInstaller files;
        std::string error;
        QVERIFY(files.Open(dir.path().toStdString(), &error));
        CFileInstaller::Outcome outcome;
        QVERIFY(files.CopyNewer(dir.filePath("src/prog").toStdString(), "bin/prog", &outcome, &error));
        QVERIFY(files.CopyNewer(dir.filePath("src/page.html").toStdString(), "a/b/page.html", &outcome, &error));
        QCOMPARE(Mode(dir.filePath("bin/prog")), 0755);
        QCOMPARE(Mode(dir.filePath("a/b/page.html")), 0644);
        QCOMPARE(files.CreatedFolders(), (std::vector<std::string>{"bin", "a", "a/b"}));
    }

    void RunningProgramReplaced()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("dest/runner");
        Write(program, "#!/bin/sh\nsleep 30\n", 1600000000, true);
        Write(dir.filePath("src/runner"), "#!/bin/sh\necho new\n", 1700000000, true);
        QProcess running;
        running.start(program, {});
        QVERIFY(running.waitForStarted());
        CFileInstaller files;
        std::string error;
        QVERIFY(files.Open(dir.filePath("dest").toStdString(), &error));
        CFileInstaller::Outcome outcome;
        QVERIFY2(files.CopyNewer(dir.filePath("src/runner").toStdString(), "runner", &outcome, &error), error.c_str());
        QCOMPARE(running.state(), QProcess::Running);
        QProcess fresh;
        fresh.start(program, {});
        QVERIFY(fresh.waitForFinished());
        QCOMPARE(fresh.readAllStandardOutput(), QByteArray("new\n"));
        running.kill();
        running.waitForFinished();
    }

    void LinksAreNeverFollowed()
    {
        QTemporaryDir dir;
        Write(dir.filePath("src/f.txt"), "payload");
        QDir().mkpath(dir.filePath("outside"));
        Write(dir.filePath("outside/f.txt"), "victim");
        QDir().mkpath(dir.filePath("dest"));
        QVERIFY(QFile::link(dir.filePath("outside"), dir.filePath("dest/help")));
        QVERIFY(QFile::link(dir.filePath("outside/f.txt"), dir.filePath("dest/f.txt")));
        CFileInstaller files;
        std::string error;
        QVERIFY(files.Open(dir.filePath("dest").toStdString(), &error));
        CFileInstaller::Outcome outcome;
        QVERIFY(!files.CopyNewer(dir.filePath("src/f.txt").toStdString(), "help/f.txt", &outcome, &error));
        QVERIFY2(QString::fromStdString(error).contains("symbolic link"), error.c_str());
        QVERIFY(!files.CopyNewer(dir.filePath("src/f.txt").toStdString(), "f.txt", &outcome, &error));
        QVERIFY2(QString::fromStdString(error).contains("symbolic link"), error.c_str());
        QCOMPARE(Read(dir.filePath("outside/f.txt")), QByteArray("victim"));
        QCOMPARE(QDir(dir.filePath("outside")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void InstallTwiceAndUninstall()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("setup");
        Write(src + "/mondrel.inf", kScript);
        Write(src + "/mondrel", "#!/bin/sh\n", 1700000000, true);
        Write(src + "/data.txt", "data", 1700000000);
        Write(src + "/help/page.html", "<p>", 1700000000);
        const QString dest = dir.filePath("Mondrel") + "/";
        QDir().mkpath(dest);
        CInstallRequest request;
        request.m_strSourceFolder = src;
        request.m_strDestination = dest;
        request.m_bDesktop = false;
        CInstallReport report = CInstaller::Install(request);
        QVERIFY2(report.m_bOk, qPrintable(report.Text()));
        QCOMPARE(report.m_nCopied, 3);
        QSettings settings(CInstaller::SettingsFile(false), QSettings::IniFormat);
        QCOMPARE(settings.value("Settings/DestinationPath").toString(), dest);

        // The user changes one installed file and adds one of their own;
        // a second installation keeps the changed (newer) file.
        Write(dest + "data.txt", "mine", 1800000000);
        Write(dest + "notes.txt", "notes");
        report = CInstaller::Install(request);
        QVERIFY2(report.m_bOk, qPrintable(report.Text()));
        QCOMPARE(report.m_nCopied, 2);
        QCOMPARE(report.m_nKept, 1);

        report = CInstaller::Uninstall(dest);
        QVERIFY2(report.m_bOk, qPrintable(report.Text()));
        QCOMPARE(report.m_nRemoved, 2);
        QCOMPARE(report.m_keptFiles, QStringList{"data.txt"});
        QStringList left = QDir(dest).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left, (QStringList{"data.txt", "notes.txt"}));
        settings.sync();
        QVERIFY(!settings.contains("Settings/DestinationPath"));
    }

    void FailuresWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing script") << QByteArray() << "cannot be found";
        QTest::newRow("missing source file") << QByteArray(kScript).replace("data.txt=1", "data.txt=1\nextra.txt=1")
                                                        .replace("[Help]", "extra.txt\n[Help]")
                                             << "does not hold extra.txt";
        QTest::newRow("malformed line") << QByteArray(kScript).replace("[Help]", "[Help") << "mondrel.inf:18:";
    }
    void FailuresWriteNothing()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString src = dir.filePath("setup");
        if (!script.isEmpty()) Write(src + "/mondrel.inf", script);
        Write(src + "/mondrel", "#!/bin/sh\n", 0, true);
        Write(src + "/data.txt", "data");
        Write(src + "/help/page.html", "<p>");
        QDir().mkpath(dir.filePath("dest"));
        CInstallRequest request;
        request.m_strSourceFolder = src;
        request.m_strDestination = dir.filePath("dest") + "/";
        const CInstallReport report = CInstaller::Install(request);
        QVERIFY(!report.m_bOk);
        QVERIFY2(report.Text().contains(message), qPrintable(report.Text()));
        QVERIFY(QDir(dir.filePath("dest")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
};

MONDREL_QT_TEST(FileInstallerTest)
#include "FileInstallerTest.moc"
