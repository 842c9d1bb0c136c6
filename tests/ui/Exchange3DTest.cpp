#include "app/Exchange3D.h"
#include "app/MessageBox.h"
#include "objects/DrawRect.h"
#include "platform/QtDC.h"
#include "support/QtTestRegistry.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

// The designer's exchange with the real engine, answering in batch mode.
class Exchange3DTest : public QObject {
    Q_OBJECT
private:
    QList<CMessageRequest> m_messages;

    static QString Engine() { return QStringLiteral(MONDREL_BINARY_DIR "/relievo"); }

    static std::unique_ptr<CDrawRect> TextObject(const CRect& position)
    {
        auto text = std::make_unique<CDrawRect>(position, CDrawRect::kindText);
        text->m_bShow3D = 1;
        text->m_strText = "Calendar";
        text->m_fontHeader.m_strFaceName = "DejaVu Sans";
        return text;
    }

    // Exchange folders left behind under the runtime folder.
    static QStringList LeftFolders()
    {
        return QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
            .entryList({QStringLiteral("mondrel-3d-*")}, QDir::Dirs | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(Engine()).isExecutable(), qPrintable(Engine()));
        SetMessageHook([this](const CMessageRequest& r) {
            m_messages << r;
            return QMessageBox::Ok;
        });
    }

    void init()
    {
        m_messages.clear();
        SetRelievoCommandForTests(Engine(), {QStringLiteral("--batch")});
    }

    void cleanupTestCase()
    {
        SetRelievoCommandForTests(QString(), {});
        SetMessageHook({});
    }

    void aTextGetsItsPictureAndTheFilesAreGone()
    {
        // Drawn from right to left and bottom to top: the sides are still positive.
        auto text = TextObject(CRect(400, 200, 0, 0));
        text->m_sceneParams.shininess = 300;
        QVERIFY(Run3DTextExchange(*text, CSize(400, 200), nullptr));
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(text->m_b3DBitmapValid, 1);
        QCOMPARE(text->m_bShow3D, 1);
        QCOMPARE(text->m_3DBitmap.Width(), 400);
        QCOMPARE(text->m_3DBitmap.Height(), 200);
        QVERIFY(LeftFolders().isEmpty());
        // The scene came back through the engine's updated request.
        QCOMPARE(text->m_sceneParams.scale[3], 0.0f);
        QCOMPARE(text->m_sceneParams.shininess, 300.0f);
        QCOMPARE(text->m_strText, std::string("Calendar"));
        QCOMPARE(text->m_fontHeader.m_strFaceName, std::string("DejaVu Sans"));
        QVERIFY(text->m_fontHeader.m_pFont);

        // On the page white is transparent: the red below shows through
        // around the lettering.
        QImage page(400, 200, QImage::Format_RGB32);
        page.fill(QColor(255, 0, 0));
        {
            CQtDC dc(page);
            text->DrawText(&dc);
        }
        QCOMPARE(page.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(page.pixel(399, 199) & 0xFFFFFF, 0xFF0000u);
        int white = 0, lettering = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 400; ++x) {
                const QRgb p = page.pixel(x, y) & 0xFFFFFF;
                white += p == 0xFFFFFF;
                lettering += p != 0xFFFFFF && p != 0xFF0000;
            }
        QCOMPARE(white, 0);
        QVERIFY(lettering > 2000);
    }

    void aTwoWordTextComesBackWholeInItsColour()
    {
        // A wide box drawn left to right and top to bottom, as the text
        // tool makes it, with every light red on white material.
        auto text = TextObject(CRect(-300, 60, 300, -60));
        text->m_strText = "Happy Birthday";
        text->m_sceneParams.material = {{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
        for (auto& light : text->m_sceneParams.light) {
            const float red[4] = {1, 0, 0, 1};
            std::copy(red, red + 4, light.ambient);
            std::copy(red, red + 4, light.diffuse);
            std::copy(red, red + 4, light.specular);
        }
        QVERIFY(Run3DTextExchange(*text, CSize(600, 120), nullptr));
        QCOMPARE(text->m_strText, std::string("Happy Birthday"));
        QCOMPARE(text->m_3DBitmap.Width(), 600);
        QCOMPARE(text->m_3DBitmap.Height(), 120);

        // The page under the object is green; the lettering is drawn over it
        // the way the view draws it, y growing upwards.
        QImage page(600, 120, QImage::Format_RGB32);
        page.fill(QColor(0, 255, 0));
        {
            CQtDC dc(page);
            dc.SetMapMode(MM_ANISOTROPIC);
            dc.SetWindowExt(1, -1);
            dc.SetViewportExt(1, 1);
            dc.SetWindowOrg(-300, 60);
            text->DrawText(&dc);
        }
        QRect ink;
        long red = 0, other = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 600; ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c == QColor(0, 255, 0)) continue;
                ink |= QRect(x, y, 1, 1);
                (c.red() > c.green() + 60 && c.red() > c.blue() + 60 ? red : other)++;
            }
        const QString box = QStringLiteral("%1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height());
        // Both words, filling the box's width or height, in its middle, not
        // cut at an edge and not pressed to the bottom.
        QVERIFY2(ink.width() > 400 && ink.left() > 0 && ink.right() < 599, qPrintable(box));
        QVERIFY2(ink.width() > 450 || ink.height() > 90, qPrintable(box));
        QVERIFY2(std::abs(ink.center().x() - 300) < 30, qPrintable(box));
        QVERIFY2(std::abs(ink.center().y() - 60) < 15 && ink.top() > 0 && ink.bottom() < 119, qPrintable(box));
        // Red light on white lettering gives red, whatever the byte order
        // of the files between the programs.
        QVERIFY2(red > 5 * other, qPrintable(QStringLiteral("%1 red, %2 other").arg(red).arg(other)));
    }

    void aTinyTextGetsTheEmptyPicture()
    {
        auto text = TextObject(CRect(0, 0, 1, 1));
        QVERIFY(Run3DTextExchange(*text, CSize(1, 1), nullptr));
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(text->m_b3DBitmapValid, 1);
        QVERIFY(text->m_3DBitmap.m_bits.empty());
    }

    void sidesBeyondWhatCanBeDrawnFailCleanly()
    {
        // The width overflows 32 bits; the engine refuses it and no picture comes back.
        auto text = TextObject(CRect(-2147483647 - 1, 0, 2147483647, 10));
        QVERIFY(!Run3DTextExchange(*text, CSize(0, 0), nullptr));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(text->m_bShow3D, 0);
        QCOMPARE(text->m_b3DBitmapValid, 0);
        QVERIFY(LeftFolders().isEmpty());
    }

    void flatTextIsNotExchanged()
    {
        auto text = TextObject(CRect(0, 0, 100, 50));
        text->m_bShow3D = 0;
        text->m_b3DBitmapValid = 1;
        QVERIFY(!Run3DTextExchange(*text, CSize(100, 50), nullptr));
        QCOMPARE(text->m_b3DBitmapValid, 0);
        QVERIFY(m_messages.isEmpty());
    }

    void aMissingEngineSwitchesThreeDOff()
    {
        SetRelievoCommandForTests(QStringLiteral("/nonexistent/relievo"), {});
        auto text = TextObject(CRect(0, 0, 100, 50));
        QVERIFY(!Run3DTextExchange(*text, CSize(100, 50), nullptr));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].m_strText, Exchange3DFailureText());
        QVERIFY(m_messages[0].m_strText.startsWith(QStringLiteral("FATAL ERROR:\nUnable to start 3D Text Engine,\n")));
        QCOMPARE(m_messages[0].m_icon, QMessageBox::Critical);
        QCOMPARE(text->m_bShow3D, 0);
        QCOMPARE(text->m_b3DBitmapValid, 0);
        // The empty picture made before the engine ran is white.
        QCOMPARE(text->m_3DBitmap.Width(), 100);
        QCOMPARE(text->m_3DBitmap.m_bits[0], BYTE(255));
        QVERIFY(LeftFolders().isEmpty());
    }

    void aHungEngineCanBeCancelled()
    {
        SetRelievoCommandForTests(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
        bool blocked = false;
        QTimer::singleShot(1000, [&blocked] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* waiting = qobject_cast<QProgressDialog*>(w)) {
                    blocked = waiting->windowModality() == Qt::ApplicationModal;
                    if (auto* button = waiting->findChild<QPushButton*>()) button->click();
                }
        });
        QElapsedTimer clock;
        clock.start();
        auto text = TextObject(CRect(0, 0, 100, 50));
        QVERIFY(!Run3DTextExchange(*text, CSize(100, 50), nullptr));
        QVERIFY(clock.elapsed() < 30000);
        QVERIFY(blocked);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(text->m_bShow3D, 0);
        QVERIFY(LeftFolders().isEmpty());
    }

    void anEngineInTheCurrentFolderIsNeverRun()
    {
        QTemporaryDir here;
        QVERIFY(here.isValid());
        const QString marker = here.filePath(QStringLiteral("ran"));
        QFile planted(here.filePath(QStringLiteral("relievo")));
        QVERIFY(planted.open(QIODevice::WriteOnly));
        planted.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        planted.close();
        planted.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString previous = QDir::currentPath();
        const QByteArray path = qgetenv("PATH");
        QVERIFY(QDir::setCurrent(here.path()));
        // Relative and empty entries both name the current folder.
        qputenv("PATH", QByteArray(".:bin::/nonexistent"));
        SetRelievoCommandForTests(QString(), {});
        const QString found = FindRelievoProgram();
        auto text = TextObject(CRect(0, 0, 100, 50));
        const bool ok = Run3DTextExchange(*text, CSize(100, 50), nullptr);
        qputenv("PATH", path);
        QDir::setCurrent(previous);
        QVERIFY(found.isEmpty());
        QVERIFY(!ok);
        QVERIFY(!QFile::exists(marker));
        QCOMPARE(m_messages.size(), 1);
    }
};

MONDREL_QT_TEST(Exchange3DTest)
#include "Exchange3DTest.moc"
