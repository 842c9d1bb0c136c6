#include "support/QtTestRegistry.h"

#include "app/WindowState.h"
#include "objects/Environment.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QToolBar>

class WindowStateTest : public QObject {
    Q_OBJECT

private slots:
    void formatAndParse()
    {
        CWindowPlacement w;
        w.m_nFlags = 2;
        w.m_nShowCmd = 3;
        w.m_nLeft = -8;
        w.m_nTop = 20;
        w.m_nRight = 700;
        w.m_nBottom = 540;
        const std::string text = FormatWindowPos(w);
        QCOMPARE(QString::fromStdString(text), QStringLiteral("2:3:-1:-1:-1:-1:-8:20:700:540"));
        const auto back = ParseWindowPos(text);
        QVERIFY(back);
        QCOMPARE(back->m_nLeft, -8);
        QCOMPARE(back->m_nBottom, 540);
        QVERIFY(back->Maximized());
        QVERIFY(!ParseWindowPos("1:2:3"));
        QVERIFY(!ParseWindowPos(""));
        QVERIFY(!ParseWindowPos("0:1:-1:-1:-1:-1:10:10:x:400"));
    }

    void roundTripNormalAndMaximised()
    {
        CMemorySettingsStore store;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect wanted(area.left() + 40, area.top() + 30, 500, 380);
        {
            QMainWindow frame;
            frame.setGeometry(wanted);
            SaveWindowState(frame, store);
        }
        {
            QMainWindow frame;
            RestoreWindowState(frame, store);
            QCOMPARE(frame.geometry(), wanted);
            QVERIFY(!frame.isMaximized());
            frame.setWindowState(Qt::WindowMaximized);
            SaveWindowState(frame, store);
        }
        const auto saved = ParseWindowPos(store.GetProfileString("Settings", "WindowPos", ""));
        QVERIFY(saved);
        QCOMPARE(saved->m_nFlags & WPF_RESTORETOMAXIMIZED, WPF_RESTORETOMAXIMIZED);
        QCOMPARE(saved->NormalRect(), wanted);
        QMainWindow frame;
        RestoreWindowState(frame, store);
        QVERIFY(frame.isMaximized());
        QCOMPARE(frame.normalGeometry().size(), wanted.size());
    }

    void shortValuesAreIgnored()
    {
        CMemorySettingsStore store;
        store.WriteProfileString("Settings", "WindowPos", "0:1:2");
        QMainWindow frame;
        const QRect before = frame.geometry();
        RestoreWindowState(frame, store);
        QCOMPARE(frame.geometry(), before);
        QVERIFY(!frame.isMaximized());
    }

    void offScreenPlacementComesBack()
    {
        const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
        // On the second screen, or partly off the first: left alone.
        QCOMPARE(BringOntoScreen(QRect(1400, 100, 600, 400), screens), QRect(1400, 100, 600, 400));
        QCOMPARE(BringOntoScreen(QRect(-300, 50, 600, 400), screens), QRect(-300, 50, 600, 400));
        // Where a third monitor used to be.
        QCOMPARE(BringOntoScreen(QRect(3000, 200, 600, 400), screens), QRect(680, 200, 600, 400));
        // Only the lower part visible: the title bar could not be grabbed.
        QCOMPARE(BringOntoScreen(QRect(100, -500, 600, 400), screens), QRect(100, 0, 600, 400));
        // Larger than the screen: shrunk to fit.
        QCOMPARE(BringOntoScreen(QRect(5000, 5000, 2000, 1500), screens), QRect(0, 0, 1280, 1024));

        CMemorySettingsStore store;
        store.WriteProfileString("Settings", "WindowPos", "0:1:-1:-1:-1:-1:9000:9000:9400:9300");
        QMainWindow frame;
        RestoreWindowState(frame, store);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(frame.geometry()));
        QCOMPARE(frame.geometry().size(), QSize(400, 300));
    }

    void performanceGrowsByOne()
    {
        CMemorySettingsStore store;
        for (int run = 1; run <= 3; ++run) {
            const int runs = BumpPerformance(store);
            QCOMPARE(runs, run);
            SavePerformance(store, runs);
        }
        QCOMPARE(store.GetProfileInt("Settings", "Performance", 0), 3);
    }

    void barStateKept()
    {
        CMemorySettingsStore store;
        {
            QMainWindow frame;
            auto* bar = new QToolBar(QStringLiteral("Tools"), &frame);
            bar->setObjectName(QStringLiteral("tools"));
            frame.addToolBar(Qt::LeftToolBarArea, bar);
            SaveWindowState(frame, store);
        }
        QVERIFY(!store.GetProfileString("ControlBars\\State", "MainFrame", "").empty());
        QMainWindow frame;
        auto* bar = new QToolBar(QStringLiteral("Tools"), &frame);
        bar->setObjectName(QStringLiteral("tools"));
        frame.addToolBar(Qt::TopToolBarArea, bar);
        RestoreWindowState(frame, store);
        QCOMPARE(frame.toolBarArea(bar), Qt::LeftToolBarArea);
    }
};

MONDREL_QT_TEST(WindowStateTest)
#include "WindowStateTest.moc"
