#include "app/RecoveryStore.h"

#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "platform/TranslatedMessage.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QRandomGenerator>
#include <QtCore/QSaveFile>

#include <algorithm>
#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr auto kOwnerOnlyFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr auto kOwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
// A side file larger than this is not ours.
constexpr qint64 kMaxInfoSize = 64 * 1024;

QString ExecutableOf(qint64 pid)
{
    return QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
}

// Another designer that is still running keeps its own copies up to date;
// offering them would restore a document that is open right now.
bool HeldByOtherRunningDesigner(qint64 pid)
{
    if (pid <= 0 || pid == QCoreApplication::applicationPid()) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    const QString theirs = ExecutableOf(pid);
    return !theirs.isEmpty() && theirs == ExecutableOf(QCoreApplication::applicationPid());
}

}  // namespace

CRecoveryStore::CRecoveryStore() : CRecoveryStore(DefaultFolder()) {}

CRecoveryStore::CRecoveryStore(const QString& folder) : m_strFolder(QDir::cleanPath(folder)) {}

QString CRecoveryStore::DefaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Mondrel/recovery");
}

QString CRecoveryStore::NewId()
{
    // Unique among runs: the process, a counter and a random part.
    return QStringLiteral("%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(++m_nCounter)
        .arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
}

bool CRecoveryStore::IsValidId(const QString& id)
{
    if (id.isEmpty() || id.size() > 64) return false;
    return std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
    });
}

QString CRecoveryStore::CopyPath(const QString& id) const
{
    return m_strFolder + QLatin1Char('/') + id + QStringLiteral(".mdr");
}

QString CRecoveryStore::InfoPath(const QString& id) const
{
    return m_strFolder + QLatin1Char('/') + id + QStringLiteral(".info");
}

bool CRecoveryStore::EnsureFolder(QString* error)
{
    if (!QDir().mkpath(m_strFolder) || !QFile::setPermissions(m_strFolder, kOwnerOnlyFolder)) {
        if (error) *error = QCoreApplication::translate("CRecoveryStore", "Cannot make the recovery folder %1").arg(m_strFolder);
        return false;
    }
    return true;
}

bool CRecoveryStore::Save(const QString& id, CDrawDoc& doc, const QString& documentPath, QString* error)
{
    // The id names a file: only letters, digits and dashes, so a copy can
    // never land outside the folder or on the user's document.
    if (!IsValidId(id)) {
        if (error) *error = QStringLiteral("Invalid recovery id");
        return false;
    }
    if (!EnsureFolder(error)) return false;
    // Written without the save stamp of the summary and without clearing the
    // modified flag: to the user the document is still unsaved.
    const std::string copy = CopyPath(id).toStdString();
    CStorage root;
    CMessage why;
    if (!doc.SaveToStorage(&root, &why) || !CCompoundFile::Save(root, copy, &why)) {
        if (error) *error = TranslatedMessage(why);
        return false;
    }
    QFile::setPermissions(CopyPath(id), kOwnerOnlyFile);

    QJsonObject info;
    info[QStringLiteral("document")] = documentPath;
    info[QStringLiteral("time")] = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    info[QStringLiteral("pid")] = QCoreApplication::applicationPid();
    QSaveFile file(InfoPath(id));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(info).toJson()) < 0 || !file.commit()) {
        if (error) *error = QCoreApplication::translate("CRecoveryStore", "Cannot write %1: %2").arg(InfoPath(id), file.errorString());
        return false;
    }
    QFile::setPermissions(InfoPath(id), kOwnerOnlyFile);
    return true;
}

std::vector<CRecoveryEntry> CRecoveryStore::List() const
{
    std::vector<CRecoveryEntry> entries;
    const QDir dir(m_strFolder);
    for (const QFileInfo& fi : dir.entryInfoList({QStringLiteral("*.mdr")}, QDir::Files)) {
        const QString id = fi.completeBaseName();
        if (!IsValidId(id)) continue;
        CRecoveryEntry entry;
        entry.m_strId = id;
        entry.m_strRecoveryFile = fi.filePath();
        // A copy whose side file is missing (the program ended between the
        // two writes) is still offered, as an untitled document.
        QFile file(InfoPath(id));
        if (QFileInfo(file).size() <= kMaxInfoSize && file.open(QIODevice::ReadOnly)) {
            const QJsonObject info = QJsonDocument::fromJson(file.readAll()).object();
            if (HeldByOtherRunningDesigner(info.value(QStringLiteral("pid")).toInteger())) continue;
            entry.m_strDocumentPath = info.value(QStringLiteral("document")).toString();
            entry.m_time = QDateTime::fromString(info.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
        }
        if (!entry.m_time.isValid()) entry.m_time = fi.lastModified();
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const CRecoveryEntry& a, const CRecoveryEntry& b) { return a.m_time > b.m_time; });
    return entries;
}

bool CRecoveryStore::Restore(const CRecoveryEntry& entry, CDrawDoc& doc, QString* error) const
{
    CMessage why;
    if (!doc.OnOpenDocument(entry.m_strRecoveryFile.toStdString(), &why)) {
        if (error) *error = TranslatedMessage(why);
        return false;
    }
    doc.SetModifiedFlag(true);
    return true;
}

bool CRecoveryStore::Remove(const QString& id)
{
    if (!IsValidId(id)) return false;
    const bool copyGone = !QFile::exists(CopyPath(id)) || QFile::remove(CopyPath(id));
    const bool infoGone = !QFile::exists(InfoPath(id)) || QFile::remove(InfoPath(id));
    return copyGone && infoGone;
}
