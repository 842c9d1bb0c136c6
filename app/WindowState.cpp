#include "app/WindowState.h"

#include "objects/Environment.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QStatusBar>

#include <cstdio>

namespace {

const char* const kSettings = "Settings";
const char* const kBarSection = "ControlBars\\State";
const char* const kBarKey = "MainFrame";
const char* const kStatusBarKey = "StatusBar";
// How much of a window's top must show on a screen for it to be reachable.
constexpr int kGripWidth = 48;
constexpr int kGripHeight = 24;

QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    for (QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    return areas;
}

}  // namespace

std::string FormatWindowPos(const CWindowPlacement& w)
{
    char text[160];
    std::snprintf(text, sizeof text, "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", w.m_nFlags, w.m_nShowCmd, w.m_nMinX, w.m_nMinY,
                  w.m_nMaxX, w.m_nMaxY, w.m_nLeft, w.m_nTop, w.m_nRight, w.m_nBottom);
    return text;
}

std::optional<CWindowPlacement> ParseWindowPos(const std::string& text)
{
    CWindowPlacement w;
    if (std::sscanf(text.c_str(), "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", &w.m_nFlags, &w.m_nShowCmd, &w.m_nMinX, &w.m_nMinY,
                    &w.m_nMaxX, &w.m_nMaxY, &w.m_nLeft, &w.m_nTop, &w.m_nRight, &w.m_nBottom) != 10)
        return std::nullopt;
    return w;
}

QRect BringOntoScreen(const QRect& rect, const QList<QRect>& screens)
{
    if (screens.isEmpty() || rect.isEmpty()) return rect;
    const QRect grip(rect.left(), rect.top(), rect.width(), kGripHeight);
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(grip);
        if (seen.width() >= std::min(kGripWidth, rect.width()) && seen.height() >= std::min(kGripHeight / 2, rect.height()))
            return rect;
    }
    const QRect& target = screens.front();
    QRect moved(rect.topLeft(), rect.size().boundedTo(target.size()));
    moved.moveLeft(std::clamp(moved.left(), target.left(), target.right() + 1 - moved.width()));
    moved.moveTop(std::clamp(moved.top(), target.top(), target.bottom() + 1 - moved.height()));
    return moved;
}

CWindowPlacement PlacementOf(const QMainWindow& frame)
{
    CWindowPlacement w;
    const QRect normal = frame.isMaximized() || frame.isMinimized() || frame.isFullScreen() ? frame.normalGeometry()
                                                                                           : frame.geometry();
    const QRect r = normal.isValid() ? normal : frame.geometry();
    w.m_nLeft = r.left();
    w.m_nTop = r.top();
    w.m_nRight = r.left() + r.width();
    w.m_nBottom = r.top() + r.height();
    if (frame.isMinimized()) w.m_nShowCmd = SW_SHOWMINIMIZED;
    else if (frame.isMaximized()) w.m_nShowCmd = SW_SHOWMAXIMIZED;
    if (frame.isMaximized()) w.m_nFlags |= WPF_RESTORETOMAXIMIZED;
    return w;
}

void RestoreWindowState(QMainWindow& frame, const CSettingsStore& store)
{
    const std::string pos = store.GetProfileString(kSettings, "WindowPos", "");
    if (const std::optional<CWindowPlacement> w = ParseWindowPos(pos)) {
        const QRect normal = w->NormalRect();
        if (normal.width() > 0 && normal.height() > 0) frame.setGeometry(BringOntoScreen(normal, ScreenAreas()));
        // The program starts shown normally or maximised, never minimised.
        if (w->Maximized()) frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
    }
    const std::string bars = store.GetProfileString(kBarSection, kBarKey, "");
    if (!bars.empty()) frame.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(bars)));
    // The bars' layout leaves out the status bar: it is kept beside it.
    if (auto* status = frame.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        status->setVisible(store.GetProfileInt(kBarSection, kStatusBarKey, 1) != 0);
}

void SaveWindowState(const QMainWindow& frame, CSettingsStore& store)
{
    store.WriteProfileString(kSettings, "WindowPos", FormatWindowPos(PlacementOf(frame)));
    store.WriteProfileString(kBarSection, kBarKey, frame.saveState().toBase64().toStdString());
    if (auto* status = frame.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        store.WriteProfileInt(kBarSection, kStatusBarKey, status->isHidden() ? 0 : 1);
}

int BumpPerformance(const CSettingsStore& store)
{
    return store.GetProfileInt(kSettings, "Performance", 0) + 1;
}

void SavePerformance(CSettingsStore& store, int runs)
{
    store.WriteProfileInt(kSettings, "Performance", runs);
}
