#pragma once

// The designer's open and save dialog for pictures and documents. Callers
// use the two functions below; the dialog class behind them adds the picture
// preview pane and the places bar to Qt's own file dialog. The filter is
// written with bars as the classic filter strings are
// ("JPEG Files (*.jpg)|*.jpg;*.jpeg|All Files (*.*)|*.*||").

#include <QtCore/QString>

class QWidget;

// The chosen path, or an empty string on Cancel. The current directory is
// kept as it was.
QString GetOpenFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath = QString(), bool preview = true);
QString GetSaveFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath = QString(), bool preview = true);
// Qt's filter string ("JPEG Files (*.jpg *.jpeg);;All Files (*)") from a
// classic one.
QString QtFilterFromClassic(const QString& filter);
