#include "properties/PreviewFileDialog.h"

#include <QtCore/QDir>
#include <QtCore/QStringList>
#include <QtWidgets/QFileDialog>

QString QtFilterFromClassic(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (patterns.trimmed() == "*.*") patterns = "*";
        out << parts[i].trimmed() + " (" + patterns.trimmed() + ")";
    }
    return out.join(";;");
}

namespace {

QString Run(QWidget* parent, bool open, const QString& title, const QString& filter, const QString& initial)
{
    const QString cwd = QDir::currentPath();
    const QString qtFilter = QtFilterFromClassic(filter);
    QString path = open ? QFileDialog::getOpenFileName(parent, title, initial, qtFilter)
                        : QFileDialog::getSaveFileName(parent, title, initial, qtFilter);
    QDir::setCurrent(cwd);
    return path;
}

}  // namespace

QString GetOpenFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath, bool)
{
    return Run(parent, true, title, filter, initialPath);
}

QString GetSaveFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath, bool)
{
    return Run(parent, false, title, filter, initialPath);
}
