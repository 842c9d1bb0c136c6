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
    // Paints into box, the whole pane in pixels.
    using Painter = std::function<void(CDC* dc, const CRect& box)>;

    explicit CPreviewBox(QWidget* parent = nullptr);
    void SetPainter(Painter painter);
    QSize sizeHint() const override { return QSize(300, 190); }
    // The pane as the last paint drew it (tests look at its pixels).
    QImage Render();

signals:
    // A left click, in the pixels of the box the painter draws into.
    void Clicked(const QPoint& at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Painter m_painter;
};

// Draws a miniature of the object centred in box (pixels): the object at
// its own size in page units on a surface scaled to fit. Its rectangle is
// moved to the middle of the page, keeping its corner order.
void DrawObjectInBox(CDrawRect& object, CDC* dc, const CRect& box);
