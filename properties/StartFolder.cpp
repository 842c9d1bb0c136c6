#include "properties/StartFolder.h"

#include "app/DataFiles.h"
#include "objects/Environment.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>

namespace {

DocumentPathSource& Source()
{
    static DocumentPathSource source;
    return source;
}

const char* SettingKey(FileKind kind)
{
    switch (kind) {
    case FileKind::Document: return "DocumentFolder";
    case FileKind::Picture: return "PictureFolder";
    case FileKind::PagePicture: return "PagePictureFolder";
    }
    return "DocumentFolder";
}

QString Canonical(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical);
}

bool Inside(const QString& path, const QString& folder)
{
    if (folder.isEmpty()) return false;
    const QString f = Canonical(folder);
    return path == f || path.startsWith(f.endsWith('/') ? f : f + '/');
}

// A folder of the user's that is still there.
bool UsableFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() && !InProgramFolders(folder);
}

}  // namespace

bool InProgramFolders(const QString& path)
{
    if (path.isEmpty()) return false;
    const QString p = Canonical(path);
    if (QCoreApplication::instance() && Inside(p, QCoreApplication::applicationDirPath())) return true;
    const std::string& install = Environment().m_strInstallDir;
    if (!install.empty() && install != "./" && Inside(p, QString::fromStdString(install))) return true;
    return Inside(p, DataFolder());
}

void SetDocumentPathSource(DocumentPathSource source)
{
    Source() = std::move(source);
}

QString StartFolder(FileKind kind)
{
    const QString document = Source() ? Source()() : QString();
    if (!document.isEmpty()) {
        const QString folder = QFileInfo(document).absolutePath();
        if (UsableFolder(folder)) return folder;
    }
    const QString last = QString::fromStdString(
        Environment().m_settings->GetProfileString("Settings", SettingKey(kind), std::string()));
    if (UsableFolder(last)) return last;
    const QString standard = QStandardPaths::writableLocation(
        kind == FileKind::Document ? QStandardPaths::DocumentsLocation : QStandardPaths::PicturesLocation);
    return QFileInfo(standard).isDir() ? standard : QDir::homePath();
}

QString StartPath(FileKind kind, const QString& current)
{
    const QString trimmed = current.trimmed();
    const QFileInfo info(trimmed);
    // A file of the user's, or a name in one of the user's folders, is
    // offered where it is.
    if (!trimmed.isEmpty() && info.isAbsolute() && UsableFolder(info.absolutePath())) return trimmed;
    const QString folder = StartFolder(kind);
    // A bare name or a pattern is kept, in the start folder.
    if (!trimmed.isEmpty() && !trimmed.contains('/')) return folder + '/' + trimmed;
    return folder + '/';
}

void NoteChosenFile(FileKind kind, const QString& path)
{
    if (path.isEmpty()) return;
    const QString folder = QFileInfo(path).absolutePath();
    if (InProgramFolders(folder)) return;
    Environment().m_settings->WriteProfileString("Settings", SettingKey(kind), folder.toStdString());
}
