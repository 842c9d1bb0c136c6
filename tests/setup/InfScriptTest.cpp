// The INF reader and the operations it works out: our own script, the
// reader's rules (comments, quotes, continuation, strings), and scripts
// that break them, each refused with its file and line.

#include "setup/InfFile.h"
#include "setup/InstallScript.h"
#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>

#include <fstream>
#include <sstream>

namespace {

const char* const kHead = "[Version]\nSignature=\"$Chicago$\"\n"
                          "[DestinationDirs]\nDefaultDestDir=65600\n"
                          "[SourceDisksNames]\n1=\"disk\"\n"
                          "[SourceDisksFiles]\na.txt=1\n";

QString BuildError(const std::string& text)
{
    CInfFile inf;
    if (!inf.Parse(text, "t.inf")) return QString::fromStdString(inf.Error());
    CInstallScript script;
    std::string error;
    if (!script.Build(inf, "ProductInstall", "/dest", &error)) return QString::fromStdString(error);
    return QString();
}

}  // namespace

class InfScriptTest : public QObject {
    Q_OBJECT
private slots:
    void OurScriptYieldsItsOperations()
    {
        CInfFile inf;
        QVERIFY2(inf.Load(MONDREL_BINARY_DIR "/setup/mondrel.inf"), inf.Error().c_str());
        CInstallScript script;
        std::string error;
        QVERIFY2(script.Build(inf, "ProductInstall", "/home/u/.local/opt/mondrel", &error), error.c_str());

        QStringList targets;
        for (const CCopyOperation& op : script.Copies()) {
            targets << QString::fromStdString(op.m_strTarget);
            // Help pages come from the setup folder's help/ and go to the destination's.
            QCOMPARE(op.m_strSource, op.m_strTarget);
        }
        QVERIFY(targets.contains("mondrel"));
        QVERIFY(targets.contains("tallowin"));
        QVERIFY(targets.contains("Readme.TXT"));
        for (const QString& t : targets)
            if (t.endsWith(".html")) QVERIFY(t.startsWith("help/"));

        QCOMPARE(script.Registry().size(), std::size_t(1));
        const CRegOperation& reg = script.Registry()[0];
        QCOMPARE(reg.m_strGroup, std::string("Settings"));
        QCOMPARE(reg.m_strName, std::string("DestinationPath"));
        QCOMPARE(reg.m_strValue, std::string("/home/u/.local/opt/mondrel/"));
        QVERIFY(!reg.m_bNumber);

        QCOMPARE(script.Inis().size(), std::size_t(2));
        QCOMPARE(script.Inis()[0].m_strFile, std::string("install.ini"));
        QCOMPARE(script.Inis()[0].m_strKey, std::string("Product"));
        QCOMPARE(script.Inis()[0].m_strValue, std::string("Mondrel 3.0"));
    }

    void ReaderRules()
    {
        const std::string text =
            "\xEF\xBB\xBF; a comment line\r\n"
            "[Version]   ; comment after a header\n"
            "signature = \"$Windows NT$\"\n"
            "[strings]\n"
            "Name = \"a \"\"quoted\"\" name; with, punctuation\"\n"
            "Pct = \"100%%\"\n"
            "[DestinationDirs]\n"
            "Files = 65600, \"sub\\dir\"\n"
            "[SourceDisksNames]\n"
            "7 = \"disk\",,,from\n"
            "[SourceDisksFiles]\n"
            "\"two words.txt\" = 7\n"
            "[ProductInstall]\n"
            "CopyFiles = \\\n"
            "    Files\n"
            "AddReg = Reg\n"
            "[Files]\n"
            "\"two words.txt\"\n"
            "[Reg]\n"
            "HKCU, \"Software\\Mondrel\\Mondrel\\Settings\", Text, 0, \"%name% at %PCT% in %65600%\"\n"
            "HKEY_CURRENT_USER, Software\\Mondrel\\Mondrel\\Settings, Count, 0x10001, 42\n"
            "HKCU, Software\\Mondrel\\Mondrel\\Settings, Kept, 2, old\n";
        CInfFile inf;
        QVERIFY2(inf.Parse(text, "rules.inf"), inf.Error().c_str());
        const CInfSection* install = inf.FindSection("PRODUCTINSTALL");
        QVERIFY(install);
        QCOMPARE(install->m_lines[0].m_nLine, 14);  // a continued line counts from its first line
        QCOMPARE(install->m_lines[0].m_fields.size(), std::size_t(1));

        CInstallScript script;
        std::string error;
        QVERIFY2(script.Build(inf, "ProductInstall", "/opt/m", &error), error.c_str());
        QCOMPARE(script.Copies().size(), std::size_t(1));
        QCOMPARE(script.Copies()[0].m_strSource, std::string("from/two words.txt"));
        QCOMPARE(script.Copies()[0].m_strTarget, std::string("sub/dir/two words.txt"));
        QCOMPARE(script.Registry().size(), std::size_t(3));
        QCOMPARE(script.Registry()[0].m_strValue, std::string("a \"quoted\" name; with, punctuation at 100% in /opt/m"));
        QVERIFY(script.Registry()[1].m_bNumber);
        QCOMPARE(script.Registry()[1].m_strValue, std::string("42"));
        QVERIFY(script.Registry()[2].m_bNoClobber);
    }

    void SubstitutionAndDirectoryIds()
    {
        CInfFile inf;
        QVERIFY(inf.Parse("[Strings]\nA=\"%B%\"\nB=b\n", "s.inf"));
        std::string out, error;
        QVERIFY(inf.Substitute("x%a%y%%z%65600%", 3, {{65600, "/d"}}, &out, &error));
        // A string's value is put in as it stands, not substituted again.
        QCOMPARE(out, std::string("x%B%y%z/d"));
        QVERIFY(!inf.Substitute("%65601%", 3, {{65600, "/d"}}, &out, &error));
        QVERIFY(QString::fromStdString(error).startsWith("s.inf:3: "));
        QVERIFY(!inf.Substitute("%nothing%", 4, {}, &out, &error));
        QVERIFY(!inf.Substitute("50%", 4, {}, &out, &error));
    }

    void MalformedScripts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");  // the start of the error
        const QString head = kHead;
        const QString install = "[ProductInstall]\nCopyFiles=F\n[F]\n";
        QTest::newRow("no version") << "[ProductInstall]\n" << "t.inf: the script has no [Version]";
        QTest::newRow("wrong signature") << "[Version]\nSignature=\"$Other$\"\n" << "t.inf:2: the [Version] signature";
        QTest::newRow("line outside a section") << "x=1\n" << "t.inf:1: a line outside";
        QTest::newRow("unclosed quote") << "[Version]\nSignature=\"$Chicago$\n" << "t.inf:2: a quoted text";
        QTest::newRow("unclosed header") << "[Version\n" << "t.inf:1: the section name";
        QTest::newRow("control character") << QString("[Version]\nA=\x01\n") << "t.inf:2: a control character";
        QTest::newRow("no install section") << head << "t.inf: the script has no section [ProductInstall]";
        QTest::newRow("unknown section") << head + install + "a.txt\n[Stray]\nx\n" << "t.inf:13: unknown section [Stray]";
        QTest::newRow("missing copy section") << head + "[ProductInstall]\nCopyFiles=Nowhere\n"
                                              << "t.inf:10: the section [Nowhere]";
        QTest::newRow("unsupported directive") << head + "[ProductInstall]\nDelFiles=F\n" << "t.inf:10: the directive DelFiles";
        QTest::newRow("unknown string") << head + install + "%nope%\n" << "t.inf:12: the string %nope%";
        QTest::newRow("other directory id") << "[Version]\nSignature=\"$Chicago$\"\n[DestinationDirs]\nDefaultDestDir=11\n"
                                               "[SourceDisksNames]\n1=d\n[SourceDisksFiles]\na.txt=1\n" + install + "a.txt\n"
                                            << "t.inf:4: the directory id 11";
        QTest::newRow("folder leaving the destination")
            << "[Version]\nSignature=\"$Chicago$\"\n[DestinationDirs]\nDefaultDestDir=65600,..\\..\\etc\n"
               "[SourceDisksNames]\n1=d\n[SourceDisksFiles]\na.txt=1\n" + install + "a.txt\n"
            << "t.inf:4: the folder";
        QTest::newRow("absolute folder")
            << "[Version]\nSignature=\"$Chicago$\"\n[DestinationDirs]\nDefaultDestDir=65600,/etc\n"
               "[SourceDisksNames]\n1=d\n[SourceDisksFiles]\na.txt=1\n" + install + "a.txt\n"
            << "t.inf:4: the folder";
        QTest::newRow("file name with a folder") << head + install + "../a.txt\n" << "t.inf:12: \"../a.txt\" is not a plain";
        QTest::newRow("source outside the setup folder")
            << "[Version]\nSignature=\"$Chicago$\"\n[DestinationDirs]\nDefaultDestDir=65600\n"
               "[SourceDisksNames]\n1=d,,,..\n[SourceDisksFiles]\na.txt=1\n" + install + "a.txt\n"
            << "t.inf:8: the source of a.txt";
        QTest::newRow("file not listed") << head + install + "b.txt\n" << "t.inf:12: the file b.txt is not listed";
        QTest::newRow("copied twice") << head + install + "a.txt\na.txt\n" << "t.inf:13: a.txt is copied twice";
        QTest::newRow("registry of another program")
            << head + "[ProductInstall]\nAddReg=R\n[R]\nHKCU,Software\\Other\\Settings,X,0,1\n"
            << "t.inf:12: only the settings of Mondrel";
        QTest::newRow("machine registry") << head + "[ProductInstall]\nAddReg=R\n[R]\nHKLM,Software\\Mondrel\\Mondrel\\S,X,0,1\n"
                                          << "t.inf:12: only HKCU";
        QTest::newRow("INI outside the destination")
            << head + "[ProductInstall]\nUpdateInis=I\n[I]\n\"/etc/x.ini\",S,,\"k=v\"\n" << "t.inf:12: INI files";
        QTest::newRow("INI with dots") << head + "[ProductInstall]\nUpdateInis=I\n[I]\n\"%65600%/../x.ini\",S,,\"k=v\"\n"
                                       << "t.inf:12: INI files";
    }

    void MalformedScripts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString error = BuildError(text.toStdString());
        QVERIFY2(error.startsWith(expected), qPrintable(error));
    }
};

MONDREL_QT_TEST(InfScriptTest)
#include "InfScriptTest.moc"
