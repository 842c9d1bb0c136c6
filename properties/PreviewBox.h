#pragma once

// The preview pane of a property page. It paints through the program's own
// drawing surface, so a page shows its object drawn by the very code that
// draws it on the calendar page.

#include "objects/Types.h"

#include <QtWidgets/QFrame>

#include <functional>

class CDC;
class CDrawRect;

class CPreviewBox : public QFrame {
    Q_OBJECT
public:
    // Paints into box, which is the whole pane in the surface's logical
    // units: page units (0.01 inch, y up, origin in the middle) or pixels.
    using Painter = std::function<void(CDC* dc, const CRect& box)>;

    explicit CPreviewBox(QWidget* parent = nullptr, bool pageUnits = true);
    void SetPainter(Painter painter);
    QSize sizeHint() const override { return QSize(300, 190); }
    // The pane as the last paint drew it (tests look at its pixels).
    QImage Render();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_painter;
    bool m_bPageUnits;
};

// Draws the object filling box, keeping the corner order of its own
// rectangle (calendars made by the generator are stored right to left).
void DrawObjectInBox(CDrawRect& object, CDC* dc, const CRect& box);
