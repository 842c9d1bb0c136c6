#include "properties/PreviewBox.h"

#include "objects/DrawRect.h"
#include "platform/QtDC.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

#include <algorithm>
#include <cstdlib>

CPreviewBox::CPreviewBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Sunken | QFrame::StyledPanel);
    setMinimumSize(200, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CPreviewBox::SetPainter(Painter painter)
{
    m_painter = std::move(painter);
    update();
}

QImage CPreviewBox::Render()
{
    const QRect area = contentsRect();
    QImage image(std::max(area.width(), 1), std::max(area.height(), 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!m_painter) return image;
    CQtDC dc(image, 96, 96);
    m_painter(&dc, CRect(0, 0, image.width(), image.height()));
    return image;
}

void CPreviewBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QImage image = Render();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image);
}

void CPreviewBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && contentsRect().contains(event->position().toPoint())) {
        emit Clicked(event->position().toPoint() - contentsRect().topLeft());
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void DrawObjectInBox(CDrawRect& object, CDC* dc, const CRect& box)
{
    // The object is drawn at its own size in page units, so its fonts and
    // lines keep their proportions, and the surface is scaled to show it
    // whole: a miniature of what the page will show.
    CRect pixels = box;
    pixels.NormalizeRect();
    const CRect& own = object.m_position;
    const long long w = std::max<long long>(std::llabs(static_cast<long long>(own.right) - own.left), 1);
    const long long h = std::max<long long>(std::llabs(static_cast<long long>(own.bottom) - own.top), 1);
    // Some room around it for borders and frames; small objects are not
    // blown up beyond one and a half pixels a unit.
    const double scale = std::min({0.92 * pixels.Width() / w, 0.92 * pixels.Height() / h, 1.5});
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowOrg(0, 0);
    dc->SetWindowExt(static_cast<int>(w), static_cast<int>(h));
    dc->SetViewportExt(std::max(1, static_cast<int>(w * scale + 0.5)), -std::max(1, static_cast<int>(h * scale + 0.5)));
    dc->SetViewportOrg(pixels.left + pixels.Width() / 2, pixels.top + pixels.Height() / 2);

    // The same corner order as the object's own rectangle (calendars made
    // by the generator are stored right to left), centred on the origin.
    const int hw = static_cast<int>(w / 2), hh = static_cast<int>(h / 2);
    CRect r(-hw, hh, static_cast<int>(w) - hw, hh - static_cast<int>(h));
    if ((own.right < own.left) != (r.right < r.left)) std::swap(r.left, r.right);
    if ((own.bottom < own.top) != (r.bottom < r.top)) std::swap(r.top, r.bottom);
    object.m_position = r;
    object.Draw(dc);
}
