#include "properties/ColorButton.h"

#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtWidgets/QColorDialog>

QColor ColorFromRef(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF RefFromColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

CColorButton::CColorButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setIconSize(QSize(14, 14));
    SetColor(0);
    connect(this, &QPushButton::clicked, this, &CColorButton::Choose);
}

void CColorButton::SetColor(COLORREF color)
{
    m_cr = color;
    QPixmap swatch(iconSize());
    swatch.fill(ColorFromRef(color));
    QPainter painter(&swatch);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    painter.end();
    setIcon(QIcon(swatch));
}

void CColorButton::Choose()
{
    const QColor chosen = QColorDialog::getColor(ColorFromRef(m_cr), window(), text().remove('&'));
    if (!chosen.isValid()) return;
    SetColor(RefFromColor(chosen));
    emit ColorChosen(m_cr);
}
