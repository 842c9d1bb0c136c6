#pragma once

// The drop-down list of the five line types (solid, dash, dot, dash-dot,
// dash-dot-dot), each item a picture of its line drawn with the pen itself.

#include <QtWidgets/QComboBox>

class CLineTypeCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CLineTypeCombo(QWidget* parent = nullptr);
    int LineType() const { return currentIndex(); }
    // Values outside 0-4 show solid.
    void SetLineType(int type);
};
