#pragma once

// The drop-down list of the five line types (solid, dash, dot, dash-dot,
// dash-dot-dot), each item a picture of its line drawn with the pen itself.

#include <QtWidgets/QComboBox>

class CLineTypeCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CLineTypeCombo(QWidget* parent = nullptr);
    // The chosen type, or the one set when none of the five is chosen.
    int LineType() const;
    // Values outside 0-4 show no selection and are given back unchanged.
    void SetLineType(int type);

private:
    int m_nStored = 0;
};
