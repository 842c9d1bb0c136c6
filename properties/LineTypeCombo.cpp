#include "properties/LineTypeCombo.h"

#include "properties/StoredChoice.h"

#include <QtGui/QPainter>
#include <QtGui/QPixmap>

namespace {

QPixmap LinePicture(int type, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    QPen pen(Qt::black, 1);
    // The dashes of one-pixel cosmetic pens, in pixels: what the page draws.
    switch (type) {
    case 1: pen.setDashPattern({18, 6}); break;
    case 2: pen.setDashPattern({3, 3}); break;
    case 3: pen.setDashPattern({9, 6, 3, 6}); break;
    case 4: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
    }
    painter.setPen(pen);
    const int y = size.height() / 2;
    painter.drawLine(2, y, size.width() - 3, y);
    return pixmap;
}

}  // namespace

CLineTypeCombo::CLineTypeCombo(QWidget* parent) : QComboBox(parent)
{
    const QSize picture(96, 12);
    setIconSize(picture);
    static const char* const names[5] = {QT_TR_NOOP("Solid"), QT_TR_NOOP("Dash"), QT_TR_NOOP("Dot"),
                                         QT_TR_NOOP("Dash Dot"), QT_TR_NOOP("Dash Dot Dot")};
    for (int type = 0; type < 5; ++type) addItem(QIcon(LinePicture(type, picture)), QString(), QString(names[type]));
    for (int type = 0; type < 5; ++type) setItemData(type, tr(names[type]), Qt::ToolTipRole);
    setAccessibleName(tr("Line Type"));
}

int CLineTypeCombo::LineType() const
{
    return ReadChoice(this, m_nStored);
}

void CLineTypeCombo::SetLineType(int type)
{
    m_nStored = type;
    ShowStoredChoice(this, type);
}
