#pragma once

// The main frame's remembered state in section "Settings" of the settings
// store, and its bars' layout in "ControlBars\State":
//
// "WindowPos"    ten integers joined by ":" ("%i:%i:%i:%i:%i:%i:%i:%i:%i:%i"):
//                placement flags (2 = reopen maximised), show command
//                (1 normal, 2 minimised, 3 maximised), minimised x, y,
//                maximised x, y, normal left, top, right, bottom. A value
//                with fewer than ten integers is ignored.
// "StatusBar"    in "ControlBars\State": 0 when the status bar was hidden.
// "Performance"  the number of program runs: read when the frame is made,
//                plus one, written back when it closes.
//
// The frame calls RestoreWindowState before it is first shown and
// SaveWindowState from its close event.

#include <QtCore/QList>
#include <QtCore/QRect>

#include <optional>
#include <string>

class CSettingsStore;
class QMainWindow;

constexpr int WPF_RESTORETOMAXIMIZED = 2;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;

struct CWindowPlacement {
    int m_nFlags = 0;
    int m_nShowCmd = SW_SHOWNORMAL;
    int m_nMinX = -1, m_nMinY = -1;
    int m_nMaxX = -1, m_nMaxY = -1;
    // The normal rectangle, right and bottom exclusive.
    int m_nLeft = 0, m_nTop = 0, m_nRight = 0, m_nBottom = 0;

    QRect NormalRect() const { return QRect(QPoint(m_nLeft, m_nTop), QPoint(m_nRight - 1, m_nBottom - 1)); }
    bool Maximized() const { return (m_nFlags & WPF_RESTORETOMAXIMIZED) != 0 || m_nShowCmd == SW_SHOWMAXIMIZED; }
};

std::string FormatWindowPos(const CWindowPlacement& placement);
// Exactly ten integers, or nothing.
std::optional<CWindowPlacement> ParseWindowPos(const std::string& text);

// A window rectangle that lies off every screen (a monitor that has gone)
// is moved onto the first screen, shrunk to fit if need be; one that shows
// at least a grip of its title area on some screen stays where it is.
QRect BringOntoScreen(const QRect& rect, const QList<QRect>& screens);

// Applies "WindowPos" (restoring maximised) and the bars' layout.
void RestoreWindowState(QMainWindow& frame, const CSettingsStore& store);
// Writes "WindowPos" and the bars' layout.
void SaveWindowState(const QMainWindow& frame, CSettingsStore& store);
// The placement of a frame as it would be written.
CWindowPlacement PlacementOf(const QMainWindow& frame);

// "Performance" as stored plus one: the count including this run.
int BumpPerformance(const CSettingsStore& store);
void SavePerformance(CSettingsStore& store, int runs);
