#pragma once

// The engine's main window, titled "Relievo Engine": the menus, a tool bar
// with the two glyph styles, a status bar and the view. Closing it acts as
// File, Return, since window managers do not reliably hide the close box.

#include <QtWidgets/QMainWindow>

class CRelievoView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    CRelievoView* View() const { return m_pView; }
    // File, Return: the reply and the updated request, then the window closes.
    void OnReturn();
    void OnAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CRelievoView* m_pView = nullptr;
};
