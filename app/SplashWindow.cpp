#include "app/SplashWindow.h"

#include "app/Artwork.h"

#include <QtCore/QTimer>
#include <QtGui/QGuiApplication>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>

namespace {

QPointer<CSplashWindow>& Instance()
{
    static QPointer<CSplashWindow> splash;
    return splash;
}

}  // namespace

CSplashWindow::CSplashWindow(QWidget* mainFrame, const QPixmap& picture)
    : QWidget(mainFrame, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture), m_pMainFrame(mainFrame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    QScreen* screen = mainFrame && mainFrame->screen() ? mainFrame->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->geometry().center() - rect().center());
    qApp->installEventFilter(this);
    QTimer::singleShot(kShowMilliseconds, this, &CSplashWindow::HideSplashWindow);
}

void CSplashWindow::ShowSplashScreen(QWidget* mainFrame)
{
    if (Instance()) return;
    const QPixmap picture = SplashPicture();
    if (picture.isNull()) return;
    auto* splash = new CSplashWindow(mainFrame, picture);
    Instance() = splash;
    splash->show();
    splash->repaint();
}

CSplashWindow* CSplashWindow::Current()
{
    return Instance().data();
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show: {
        // A question or the wizard comes first: the picture must not stand
        // over a window that waits for the user.
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && window != this && window->isWindow() && (window->isModal() || qobject_cast<QDialog*>(window)))
            HideSplashWindow();
        break;
    }
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton) break;
        }
        // Hidden later in the event loop, so the press still reaches its window.
        QTimer::singleShot(0, this, &CSplashWindow::HideSplashWindow);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void CSplashWindow::HideSplashWindow()
{
    if (m_bHiding) return;
    m_bHiding = true;
    qApp->removeEventFilter(this);
    hide();
    if (m_pMainFrame) m_pMainFrame->update();
    Instance() = nullptr;
    deleteLater();
}
