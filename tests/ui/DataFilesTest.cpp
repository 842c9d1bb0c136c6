#include "support/QtTestRegistry.h"

#include "app/DataFiles.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

class DataFilesTest : public QObject {
    Q_OBJECT

    static void Touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }

private slots:
    void lookupOrder()
    {
        QTemporaryDir root;
        const std::string program = root.filePath("prefix/bin").toStdString();
        const std::string source = root.filePath("src").toStdString();
        QDir().mkpath(root.filePath("prefix/bin"));
        const std::string share = root.filePath("prefix/share/mondrel").toStdString() + "/";
        const std::string resources = source + "/resources/";

        // Nothing anywhere: the program's folder.
        QCOMPARE(FindInstallDir("", program, source), program + "/");
        // An empty share folder does not count.
        QDir().mkpath(QString::fromStdString(share));
        Touch(QString::fromStdString(resources) + "help/index.html");
        QCOMPARE(FindInstallDir("", program, source), resources);
        QCOMPARE(FindInstallDir("", program, ""), program + "/");
        Touch(QString::fromStdString(share) + "tips.txt");
        QCOMPARE(FindInstallDir("", program, source), share);
        // The setting wins while its folder holds the data, with its separator
        // added when missing; a folder deleted by hand falls through to the
        // data installed beside the program.
        const std::string installed = root.filePath("Programs/Mondrel").toStdString();
        Touch(QString::fromStdString(installed) + "/BckImage.jpg");
        QCOMPARE(FindInstallDir(installed, program, source), installed + "/");
        QCOMPARE(FindInstallDir(installed + "/", program, source), installed + "/");
        QVERIFY(QDir(QString::fromStdString(installed)).removeRecursively());
        QCOMPARE(FindInstallDir(installed, program, source), share);
        QCOMPARE(FindInstallDir("/nonexistent/Mondrel/", program, ""), share);
    }

    void sourceTreeHoldsTheShippedFiles()
    {
        const QString dir = QString::fromStdString(FindInstallDir("", "/nonexistent/bin", MONDREL_SOURCE_DIR));
        QVERIFY(QFile::exists(dir + "tips.txt"));
        QVERIFY(QFile::exists(dir + "BckImage.jpg"));
        QVERIFY(QFile::exists(dir + "help/index.html"));
    }
};

MONDREL_QT_TEST(DataFilesTest)
#include "DataFilesTest.moc"
