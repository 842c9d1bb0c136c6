#include "app/DataFiles.h"

#include "app/AppSettings.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>

std::string FindInstallDir(const std::string& destinationPath)
{
    // Before the application object exists (a batch run finds its data
    // while the toolkit has not started yet) the program's folder is read
    // where the application object would read it.
    const std::string programDir = QCoreApplication::instance()
                                       ? QCoreApplication::applicationDirPath().toStdString()
                                       : RunningProgramDir();
    return FindInstallDir(destinationPath, programDir, SourceTreeData());
}

QString DataFolder()
{
    return QString::fromStdString(FindInstallDir(AppSettings().m_strInstallDir));
}

QString DataFile(const QString& name)
{
    return DataFolder() + name;
}

QString HelpFolder()
{
    return DataFolder() + QStringLiteral("help/");
}

QString DataLanguage()
{
    // The catalogue in use says which language it is, so the tips and help
    // pages always follow the language of the menus.
    return QCoreApplication::translate("DataFiles", "en", "the language code of the tips and help pages");
}

QString LocalizedFile(const QString& path)
{
    const QString language = DataLanguage();
    if (language.isEmpty() || language == QLatin1String("en")) return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty()) return path;
    const QString translated = path.left(path.size() - suffix.size()) + language + QLatin1Char('.') + suffix;
    return QFileInfo(translated).isFile() ? translated : path;
}
