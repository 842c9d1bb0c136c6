#pragma once

// Pictures the program draws itself: toolbar icons, the program's icon and
// the pencil cursor.

#include <QtGui/QCursor>
#include <QtGui/QIcon>

QIcon CommandIcon(const QString& id);
QIcon AppIcon();
QCursor PencilCursor();
