#include "app/Artwork.h"

#include <QtGui/QPainter>
#include <QtGui/QPixmap>

QIcon CommandIcon(const QString&)
{
    return QIcon();
}

QIcon AppIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    return QIcon(pixmap);
}

QCursor PencilCursor()
{
    return QCursor(Qt::CrossCursor);
}
