#include "app/DataFiles.h"

#include "app/AppSettings.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// A folder counts as holding the data files when any of them is there; an
// empty share folder left by an old installation must not hide the others.
bool HoldsDataFiles(const std::string& folder)
{
    const QString dir = QString::fromStdString(folder);
    return QFileInfo(dir + QStringLiteral("tips.txt")).isFile() ||
           QFileInfo(dir + QStringLiteral("BckImage.jpg")).isFile() ||
           QFileInfo(dir + QStringLiteral("help/index.html")).isFile();
}

std::string& SourceTreeData()
{
    static std::string folder;
    return folder;
}

}  // namespace

void UseSourceTreeData(const std::string& sourceDir)
{
    SourceTreeData() = sourceDir;
}

std::string FindInstallDir(const std::string& destinationPath, const std::string& programDir,
                           const std::string& sourceDir)
{
    // A folder the user deleted by hand stays named in the settings; it must
    // not hide the data installed beside the program.
    if (!destinationPath.empty() && HoldsDataFiles(WithSlash(destinationPath))) return WithSlash(destinationPath);
    const std::string program = WithSlash(programDir.empty() ? std::string(".") : programDir);
    const std::string share =
        WithSlash(QDir::cleanPath(QString::fromStdString(program + "../share/mondrel")).toStdString());
    if (HoldsDataFiles(share)) return share;
    if (!sourceDir.empty()) {
        const std::string resources = WithSlash(sourceDir) + "resources/";
        if (HoldsDataFiles(resources)) return resources;
    }
    return program;
}

std::string FindInstallDir(const std::string& destinationPath)
{
    // Before the application object exists (a batch run finds its data
    // while the toolkit has not started yet) the program's folder is read
    // where the application object would read it.
    std::string programDir;
    if (QCoreApplication::instance()) {
        programDir = QCoreApplication::applicationDirPath().toStdString();
    } else {
        std::error_code ec;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec) programDir = program.parent_path().string();
    }
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
