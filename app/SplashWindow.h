#pragma once

// The start-up picture: a borderless window over the main frame, exactly the
// picture's size and centred on the screen, that goes away after three
// seconds, at the first key or mouse button press anywhere in the program or
// when a dialog (a question, the wizard) opens.
// Only one exists at a time.

#include <QtCore/QPointer>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

class QTimer;

class CSplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 3000;

    // Shows the splash window unless one is already up; the main frame owns it.
    static void ShowSplashScreen(QWidget* mainFrame);
    // The splash window now on screen, or null.
    static CSplashWindow* Current();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWindow(QWidget* mainFrame, const QPixmap& picture);
    void HideSplashWindow();

    QPixmap m_picture;
    QPointer<QWidget> m_pMainFrame;
    bool m_bHiding = false;
};
