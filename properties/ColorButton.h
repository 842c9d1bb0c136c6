#pragma once

// A push button that shows a colour beside its caption and opens the colour
// chooser with the current colour when pressed. Colours are COLORREF values
// (0x00BBGGRR) as the objects keep them.

#include "objects/Types.h"

#include <QtWidgets/QPushButton>

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(const QString& caption, QWidget* parent = nullptr);
    COLORREF Color() const { return m_cr; }
    void SetColor(COLORREF color);

signals:
    // The user chose a colour in the chooser.
    void ColorChosen(COLORREF color);

private:
    void Choose();
    COLORREF m_cr = 0;
};

QColor ColorFromRef(COLORREF color);
COLORREF RefFromColor(const QColor& color);
