#include "properties/PlacesBar.h"
#include "properties/PreviewFileDialog.h"
#include "properties/PreviewPane.h"
#include "support/BmpFixture.h"
#include "support/QtTestRegistry.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QPushButton>

#include <sys/stat.h>

namespace {

QString WriteBmp(const QTemporaryDir& dir, const QString& name, int width, int height)
{
    const QString path = dir.filePath(name);
    testbmp::WriteFile(path.toStdString(), testbmp::Bmp24(width, height, [](int x, int) {
                           return x % 2 ? RGB(200, 30, 30) : RGB(30, 30, 200);
                       }));
    return path;
}

}  // namespace

class PreviewFileDialogTest : public QObject {
    Q_OBJECT
private slots:
    void scaling_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("expected");
        const QRect area(10, 20, 200, 100);
        QTest::newRow("as large as the area: natural size") << QSize(200, 100) << area;
        QTest::newRow("twice as large: half size") << QSize(400, 200) << area;
        QTest::newRow("smaller: natural size, centred") << QSize(50, 40) << QRect(85, 50, 50, 40);
        QTest::newRow("too wide: by the width") << QSize(800, 100) << QRect(10, 57, 200, 25);
        QTest::newRow("too high: by the height") << QSize(100, 400) << QRect(97, 20, 25, 100);
        QTest::newRow("empty") << QSize(0, 0) << QRect();
    }
    void scaling()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, expected);
        QCOMPARE(PreviewPictureRect(picture, QRect(10, 20, 200, 100)), expected);
    }

    // The program's decoders show the picture, a link shows its target, and
    // what cannot be decoded (or is no plain file) shows nothing at once.
    void paneDecodesWhatItCan()
    {
        QTemporaryDir dir;
        const QString bmp = WriteBmp(dir, "small.BMP", 40, 30);
        CPreviewPane pane;
        pane.resize(220, 220);
        QVERIFY(pane.SetPreviewPath(bmp));
        QCOMPARE(pane.PictureSize(), QSize(40, 30));
        QCOMPARE(pane.PictureRect().size(), QSize(40, 30));
        const QRect drawn = pane.PictureRect();
        const QRect area = pane.PreviewArea();
        QVERIFY(std::abs((drawn.left() - area.left()) - (area.right() - drawn.right())) <= 1);
        QVERIFY(std::abs((drawn.top() - area.top()) - (area.bottom() - drawn.bottom())) <= 1);

        const QString link = dir.filePath("link.bmp");
        QVERIFY(QFile::link(bmp, link));
        QVERIFY(pane.SetPreviewPath(link));
        QCOMPARE(pane.PictureSize(), QSize(40, 30));

        QFile junk(dir.filePath("junk.jpg"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is no picture");
        junk.close();
        QVERIFY(!pane.SetPreviewPath(junk.fileName()));
        QVERIFY(pane.PictureRect().isNull());
        QVERIFY(!pane.SetPreviewPath(dir.path()));

        const QString fifo = dir.filePath("pipe.bmp");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!pane.SetPreviewPath(fifo));
        QVERIFY(timer.elapsed() < 2000);
    }

    void dialogPreviewsTheSelection()
    {
        QTemporaryDir dir;
        const QString big = WriteBmp(dir, "big.bmp", 2000, 1000);
        CPreviewFileDialog open(true, true, "Select Image File", ImageFileFilter(), big);
        QCOMPARE(open.PreviewPath(), big);
        QVERIFY(open.Pane()->HasPicture());
        const QRect area = open.Pane()->PreviewArea();
        QVERIFY(open.Pane()->PictureRect().width() <= area.width());
        QVERIFY(open.Pane()->PictureRect().height() <= area.height());
        QCOMPARE(open.fileMode(), QFileDialog::ExistingFile);
        QVERIFY(open.testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(open.labelText(QFileDialog::Accept), QString("&Open"));
        QCOMPARE(open.Places()->PlaceFolders().size(), 4);

        open.PreviewCheck()->setChecked(false);
        QVERIFY(!open.Pane()->HasPicture());
        open.PreviewCheck()->setChecked(true);
        QVERIFY(open.Pane()->HasPicture());

        CPreviewFileDialog save(false, false, "Save", "Calendar Files (*.mdr)|*.mdr||", "*.mdr");
        QCOMPARE(save.labelText(QFileDialog::Accept), QString("&Save"));
        QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!save.PreviewOn());
    }

    void placesBarPressesTheCurrentFolder()
    {
        CPlacesBar bar;
        const QString home = bar.PlaceFolders().first();
        bar.SetCurrentFolder(home);
        QCOMPARE(bar.CurrentPlace(), QString("Home"));
        bar.SetCurrentFolder(home + "/somewhere-below");
        QCOMPARE(bar.CurrentPlace(), QString());

        CPlacesBar::NoteRecentFolder(QDir::tempPath());
        CPlacesBar::NoteRecentFolder(home);
        CPlacesBar::NoteRecentFolder(QDir::tempPath());
        QCOMPARE(CPlacesBar::RecentFolders().first(), QFileInfo(QDir::tempPath()).canonicalFilePath());
        QCOMPARE(CPlacesBar::RecentFolders().count(CPlacesBar::RecentFolders().first()), 1);
    }

    void holidayDialogsStartBesideThePreviousFileOrAtHome()
    {
        QTemporaryDir dir;
        const QString previous = dir.filePath("family.ics");
        QCOMPARE(UserFileFolder(previous), dir.path() + "/");
        QCOMPARE(UserFileFolder(QString()), QDir::homePath() + "/");
        QCOMPARE(UserFileFolder("/no/such/folder/town.ics"), QDir::homePath() + "/");
        // A folder is opened with no name filled in.
        CPreviewFileDialog open(true, false, "Add Holiday File", "iCalendar Files (*.ics)|*.ics||",
                                UserFileFolder(previous));
        QCOMPARE(QFileInfo(open.directory().absolutePath()).canonicalFilePath(),
                 QFileInfo(dir.path()).canonicalFilePath());
        QVERIFY(open.selectedFiles().isEmpty() || QFileInfo(open.selectedFiles().first()).isDir());
    }

    void extensionsAreLowered()
    {
        QCOMPARE(LowerExtension("/camera/IMG_0001.JPG"), QString("jpg"));
        QCOMPARE(LowerExtension("/a.dir/name"), QString());
        QCOMPARE(LowerExtension("photo.TIFF"), QString("tiff"));
    }
};

MONDREL_QT_TEST(PreviewFileDialogTest)
#include "PreviewFileDialogTest.moc"
