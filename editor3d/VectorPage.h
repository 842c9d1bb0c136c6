#pragma once

// A page that edits one vector of four floats: three rows of a label, a
// value box and a slider for the first three components; the fourth is
// carried through unchanged. The sliders are the only way to change a
// value, so the value boxes are read-only.

#include <QtWidgets/QWidget>

class QLabel;
class QLineEdit;
class QSlider;

class CVectorPage : public QWidget {
    Q_OBJECT
public:
    struct CRange {
        int m_nMin;
        int m_nMax;
        int m_nTick;
        int m_nPage;
        // Slider units per value unit: 1000 for colours and scales.
        int m_nUnitsPerValue;
    };

    CVectorPage(const QString& caption, const QStringList& rowLabels, const CRange& range, QWidget* parent = nullptr);

    void SetValues(const float values[4]);
    void GetValues(float values[4]) const;
    QString Caption() const { return m_strCaption; }

    // The conversions between a value and a slider position; positions are
    // rounded, so 0.9 gives 900 and not 899.
    int PositionFromValue(float value) const;
    float ValueFromPosition(int position) const;
    // The text a value box shows: two decimals with a point in every locale.
    static QString FormatValue(float value);

    QSlider* Slider(int row) const { return m_pSliders[row]; }
    QLineEdit* ValueBox(int row) const { return m_pEdits[row]; }

private:
    void OnSliderMoved(int row, int position);

    QString m_strCaption;
    CRange m_range;
    float m_fValues[4] = {0, 0, 0, 0};
    QLineEdit* m_pEdits[3] = {};
    QSlider* m_pSliders[3] = {};
    bool m_bLoading = false;
};
