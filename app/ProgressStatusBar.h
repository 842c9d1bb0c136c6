#pragma once

// The main frame's status bar: the message pane, the CAP, NUM and SCRL
// indicators, a picture pane that toggles between two pictures, and a
// progress bar that long operations (picture export) show beside their text.

#include <QtWidgets/QStatusBar>

class QLabel;
class QProgressBar;
class QTimer;

class CProgressStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit CProgressStatusBar(QWidget* parent = nullptr);

    // Shows text and, right of it, a progress bar over the range low-high.
    void BeginProgress(const QString& text, int low, int high);
    void SetPos(int position);
    void SetStep(int step);
    // Advances by the step; past the end the bar starts again from the beginning.
    void StepIt();
    void EndProgress();
    bool InProgress() const;
    int Pos() const;

    // The picture pane: picture 113, or 114 after a toggle.
    void ToggleBitmap();
    int CurrentBitmap() const { return m_nBitmap; }

    // Reads the keyboard lock states again (called on a timer and after the lock keys).
    void UpdateIndicators();
    QLabel* Indicator(int index) const { return m_pIndicators[index]; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceProgress();

    QLabel* m_pIndicators[3] = {};
    QWidget* m_pBitmapPane = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QTimer* m_pIndicatorTimer = nullptr;
    QString m_strProgressText;
    int m_nStep = 10;
    int m_nBitmap = 113;
};
