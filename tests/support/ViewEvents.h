#pragma once

// Drives the designer as a person does: mouse events sent to a design view's
// viewport (presses, moves with the button held, releases, double-clicks,
// past the edge too, as the pointer grab delivers them), keys to the focused
// pane, and the main window's commands triggered as the menus trigger them.

#include "app/MainFrame.h"
#include "view/DrawView.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QMenu>

#include <functional>

namespace viewevents {

inline void SendMouse(ui::CDrawView* view, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = view->viewport();
    const QPointF local(at);
    QMouseEvent event(type, local, local, QPointF(target->mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

inline void Press(ui::CDrawView* view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
}

// A move with the left button held (the view has the pointer's grab, so
// points outside it arrive too).
inline void MoveHeld(ui::CDrawView* view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, modifiers);
}

inline void Hover(ui::CDrawView* view, QPoint at)
{
    SendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

inline void Release(ui::CDrawView* view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
}

// Press, a few moves on the way, release.
inline void Drag(ui::CDrawView* view, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Press(view, from, modifiers);
    for (int i = 1; i <= 4; ++i) MoveHeld(view, from + (to - from) * i / 4, modifiers);
    Release(view, to, modifiers);
}

inline void Click(ui::CDrawView* view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Press(view, at, modifiers);
    Release(view, at, modifiers);
}

// What a double-click delivers: press, release, double-click, release.
inline void DoubleClick(ui::CDrawView* view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Click(view, at, modifiers);
    SendMouse(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, modifiers);
    Release(view, at, modifiers);
}

// A key typed into the focused widget of the window; shortcuts of the
// window's actions answer it first, as they do for a person.
inline void Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window) target = window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// The window point of a page point in a view.
inline QPoint At(const ui::CDrawView* view, int x, int y)
{
    CPoint p(x, y);
    view->PageToWindow(p);
    return QPoint(p.x, p.y);
}

// Closes every modal dialog and popup menu that opens while it lives (each
// checked on a timer, so a test or the soak never waits on one); counts them.
class CModalCloser : public QObject {
public:
    explicit CModalCloser(int intervalMs = 20)
    {
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { CloseOpen(); });
        m_timer.start();
    }
    void CloseOpen()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            ++m_nClosed;
        }
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (m_onDialog) m_onDialog(dialog);
            dialog->reject();
            ++m_nClosed;
        }
    }
    int Closed() const { return m_nClosed; }
    // Looks at each dialog before it is cancelled.
    std::function<void(QDialog*)> m_onDialog;

private:
    QTimer m_timer;
    int m_nClosed = 0;
};

// A main window shown and active, with one new document whose pane has the
// given size.
inline bool ShowFrame(CMainFrame& frame, QSize size = QSize(1000, 800))
{
    frame.resize(size);
    frame.show();
    QApplication::setActiveWindow(&frame);
    frame.activateWindow();
    return QTest::qWaitForWindowActive(&frame);
}

}  // namespace viewevents
