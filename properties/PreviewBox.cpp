#include "properties/PreviewBox.h"

#include "objects/DrawRect.h"
#include "platform/QtDC.h"

#include <QtGui/QPainter>

CPreviewBox::CPreviewBox(QWidget* parent, bool pageUnits) : QFrame(parent), m_bPageUnits(pageUnits)
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
    CRect box(0, 0, image.width(), image.height());
    if (m_bPageUnits) {
        dc.SetMapMode(MM_LOENGLISH);
        dc.SetViewportOrg(image.width() / 2, image.height() / 2);
        dc.DPtoLP(&box);
    }
    m_painter(&dc, box);
    return image;
}

void CPreviewBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QImage image = Render();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image);
}

void DrawObjectInBox(CDrawRect& object, CDC* dc, const CRect& box)
{
    // A small margin keeps borders and frames clear of the pane's edge.
    CRect r = box;
    const int mx = std::abs(r.Width()) / 24 + 2;
    const int my = std::abs(r.Height()) / 24 + 2;
    const int sx = r.right >= r.left ? 1 : -1;
    const int sy = r.bottom >= r.top ? 1 : -1;
    r.left += sx * mx;
    r.right -= sx * mx;
    r.top += sy * my;
    r.bottom -= sy * my;
    const CRect& own = object.m_position;
    if ((own.right < own.left) != (r.right < r.left)) std::swap(r.left, r.right);
    if ((own.bottom < own.top) != (r.bottom < r.top)) std::swap(r.top, r.bottom);
    object.m_position = r;
    object.Draw(dc);
}
