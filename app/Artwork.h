#pragma once

// The designer's pictures, all drawn by code: command icons, the program's
// icon and cursor, the splash picture, the tip dialog's light bulb, the
// picture behind the document windows and the status bar pane pictures.
// Icons are drawn on a 24-unit grid and painted afresh for every size asked
// for, so they stay sharp at 16, 24, 32 pixels and beyond.

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QCursor>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>

// The icon of a command ("file_new", "tool_rect", "align_left", ...); see
// CommandIconIds() for every id. An unknown id gives a null icon.
QIcon CommandIcon(const QString& id);
QStringList CommandIconIds();

// The program's icon: a calendar page with a photo.
QIcon AppIcon();
// The cursor of the stroke tools; its hot spot is the pencil's point.
QCursor PencilCursor();
// The start-up picture, 480 x 300.
QPixmap SplashPicture();
// The heading picture of the tip of the day dialog.
QPixmap LightBulbPicture();
// The picture painted behind the document windows, as JPEG bytes.
QByteArray BackgroundJpeg();
// The pictures of the status bar's picture pane: 113 (idle) and 114 (busy);
// any other number gives a null pixmap.
QPixmap StatusPanePicture(int which);
