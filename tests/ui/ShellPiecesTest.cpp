#include "support/QtTestRegistry.h"

#include "app/Artwork.h"
#include "app/DataFiles.h"
#include "app/HelpWindow.h"
#include "app/MainFrameBackground.h"
#include "app/ProgressStatusBar.h"
#include "app/SplashWindow.h"
#include "imageio/PictureImage.h"

#include <QtCore/QDir>
#include <QtCore/QRegularExpression>
#include <QtTest/QtTest>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QTextBrowser>

// The smaller pieces of the application shell: help pages, splash window,
// status bar progress, the picture behind the documents and the artwork.
class ShellPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void helpPagesAndLinksExist()
    {
        const QString folder = QString::fromStdString(FindInstallDir("", "/nonexistent", MONDREL_SOURCE_DIR)) + "help/";
        const QStringList pages = QDir(folder).entryList({"*.html"});
        QVERIFY(pages.size() >= 15);
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)(#[^\"]*)?\""));
        for (const QString& page : pages) {
            QFile file(folder + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains("<title>"), qPrintable(page));
            for (auto m = link.globalMatch(html); m.hasNext();) {
                const QString target = m.next().captured(1);
                QVERIFY2(QFile::exists(folder + target), qPrintable(page + " links to " + target));
            }
        }
    }

    void helpWindowIsReused()
    {
        QMainWindow frame;
        ShowHelp(&frame, QStringLiteral("tools.html"));
        CHelpWindow* window = HelpWindowInstance();
        QVERIFY(window);
        QCOMPARE(window->CurrentPage(), QStringLiteral("tools.html"));
        QVERIFY(window->Browser()->toPlainText().contains("PolyLine"));
        ShowHelp(&frame, QStringLiteral("shortcuts.html"));
        QCOMPARE(HelpWindowInstance(), window);
        QCOMPARE(window->CurrentPage(), QStringLiteral("shortcuts.html"));
        window->ShowPage(QStringLiteral("no-such-page.html"));
        QVERIFY(window->Browser()->toPlainText().contains("no-such-page.html"));
        window->close();
    }

    void splashIsSingleAndGoesAtAKey()
    {
        QMainWindow frame;
        CSplashWindow::ShowSplashScreen(&frame);
        CSplashWindow* splash = CSplashWindow::Current();
        QVERIFY(splash);
        QCOMPARE(splash->size(), QSize(480, 300));
        CSplashWindow::ShowSplashScreen(&frame);
        QCOMPARE(CSplashWindow::Current(), splash);
        QPointer<CSplashWindow> watch(splash);
        QTest::keyClick(&frame, Qt::Key_A);
        QTRY_VERIFY(watch.isNull());
        QVERIFY(!CSplashWindow::Current());
    }

    void progressRunsAndWraps()
    {
        CProgressStatusBar bar;
        bar.resize(600, 24);
        QVERIFY(!bar.InProgress());
        bar.BeginProgress(QStringLiteral("Saving picture"), 0, 100);
        QVERIFY(bar.InProgress());
        QCOMPARE(bar.currentMessage(), QStringLiteral("Saving picture"));
        bar.SetStep(30);
        bar.StepIt();
        bar.StepIt();
        bar.StepIt();
        QCOMPARE(bar.Pos(), 90);
        bar.StepIt();
        QCOMPARE(bar.Pos(), 19);
        bar.SetPos(55);
        QCOMPARE(bar.Pos(), 55);
        bar.EndProgress();
        QVERIFY(!bar.InProgress());
        QVERIFY(bar.currentMessage().isEmpty());
        QCOMPARE(bar.CurrentBitmap(), 113);
        bar.ToggleBitmap();
        QCOMPARE(bar.CurrentBitmap(), 114);
        QCOMPARE(bar.Indicator(0)->text(), QStringLiteral("CAP"));
        QCOMPARE(bar.Indicator(2)->text(), QStringLiteral("SCRL"));
    }

    void backgroundPictureDecodesAndPaints()
    {
        CMainFrameBackground area;
        QVERIFY(area.Picture());
        QVERIFY(area.Picture()->GetWidth() > 0);
        area.resize(400, 300);
        const QImage shot = area.grab().toImage();
        // The picture is a dark blue, far from a plain window colour.
        const QColor middle = shot.pixelColor(shot.width() / 2, shot.height() / 2);
        QVERIFY2(middle.blue() > middle.red() + 20, qPrintable(middle.name()));
        area.SetPictureJpeg(QByteArray("not a picture"));
        QVERIFY(!area.Picture());
        QVERIFY(area.Caption().isEmpty());
    }

    void everyIconDraws()
    {
        for (const QString& id : CommandIconIds()) {
            for (int side : {16, 24, 32}) {
                const QImage image = CommandIcon(id).pixmap(side, side).toImage();
                QCOMPARE(image.size(), QSize(side, side));
                int painted = 0;
                for (int y = 0; y < side; ++y)
                    for (int x = 0; x < side; ++x) painted += qAlpha(image.pixel(x, y)) > 0;
                QVERIFY2(painted > side * side / 12, qPrintable(id));
            }
        }
        QVERIFY(CommandIcon(QStringLiteral("no_such_icon")).isNull());
        QVERIFY(!AppIcon().isNull());
        QCOMPARE(PencilCursor().hotSpot(), QPoint(1, 30));
        QVERIFY(StatusPanePicture(115).isNull());
    }
};

MONDREL_QT_TEST(ShellPiecesTest)
#include "ShellPiecesTest.moc"
