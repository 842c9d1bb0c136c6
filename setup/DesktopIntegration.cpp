#include "setup/DesktopIntegration.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtCore/QSaveFile>
#include <QtCore/QStandardPaths>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CDesktopIntegration", text);
}

const char* const kDesktopPath = "applications/mondrel.desktop";
const char* const kMimePath = "mime/packages/mondrel.xml";
const char* const kAppIconPath = "icons/hicolor/scalable/apps/mondrel.svg";
const char* const kTypeIconPath = "icons/hicolor/scalable/mimetypes/application-x-mondrel.svg";
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool ReadAll(const QString& path, QByteArray* data, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = Tr(QT_TRANSLATE_NOOP("CDesktopIntegration", "The setup folder does not hold %1.")).arg(QFileInfo(path).fileName());
        return false;
    }
    *data = f.readAll();
    return true;
}

bool WriteAll(const QString& path, const QByteArray& data, QString* error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = Tr(QT_TRANSLATE_NOOP("CDesktopIntegration", "Could not create folder:")) + "\n" + QFileInfo(path).absolutePath();
        return false;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        *error = Tr(QT_TRANSLATE_NOOP("CDesktopIntegration", "Cannot write %1: %2")).arg(path, f.errorString());
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

// Runs a database tool when it is there; a failure becomes a warning.
void RunTool(const QString& tool, const QStringList& args, QStringList* warnings)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString output = QString::fromLocal8Bit(p.readAll()).trimmed();
        const QString message = Tr(QT_TRANSLATE_NOOP("CDesktopIntegration", "%1 could not refresh its database")).arg(tool);
        warnings->append(output.isEmpty() ? message : message + ": " + output);
        if (p.state() != QProcess::NotRunning) p.kill();
    }
}

}  // namespace

QString CDesktopIntegration::DataFolder(bool system)
{
    if (system) return QStringLiteral("/usr/local/share");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QStringList CDesktopIntegration::Files()
{
    QStringList files{kDesktopPath, kMimePath, kAppIconPath, kTypeIconPath};
    for (int size : kIconSizes) {
        files << QStringLiteral("icons/hicolor/%1x%1/apps/mondrel.png").arg(size)
              << QStringLiteral("icons/hicolor/%1x%1/mimetypes/application-x-mondrel.png").arg(size);
    }
    return files;
}

QString CDesktopIntegration::QuoteExec(const QString& program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : program)
        if (reserved.contains(c)) needsQuotes = true;
    QString value = program;
    if (needsQuotes) {
        QString inner;
        for (QChar c : program) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') inner += '\\';
            inner += c;
        }
        value = '"' + inner + '"';
    }
    value.replace('%', QStringLiteral("%%"));
    // The Exec value is also a string of the entry, whose own escape is the backslash.
    value.replace('\\', QStringLiteral("\\\\"));
    return value;
}

QString CDesktopIntegration::MakeDesktopEntry(const QString& templateText, const QString& exec)
{
    QStringList lines = templateText.split('\n');
    QString tryExec = exec;
    tryExec.replace('\\', QStringLiteral("\\\\"));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec="))) line = "Exec=" + QuoteExec(exec) + " %F";
        else if (line.startsWith(QLatin1String("TryExec="))) line = "TryExec=" + tryExec;
    }
    return lines.join('\n');
}

bool CDesktopIntegration::Install(const QString& sourceFolder, const QString& destination, const QString& dataFolder,
                                  QStringList* warnings, QString* error)
{
    QByteArray entry, mime, icon;
    if (!ReadAll(sourceFolder + "/" + kDesktopTemplate, &entry, error) ||
        !ReadAll(sourceFolder + "/" + kMimeFile, &mime, error) || !ReadAll(sourceFolder + "/" + kIconFile, &icon, error))
        return false;
    const QString text = MakeDesktopEntry(QString::fromUtf8(entry), destination + "mondrel");
    if (!WriteAll(dataFolder + "/" + kDesktopPath, text.toUtf8(), error) ||
        !WriteAll(dataFolder + "/" + kMimePath, mime, error) || !WriteAll(dataFolder + "/" + kAppIconPath, icon, error) ||
        !WriteAll(dataFolder + "/" + kTypeIconPath, icon, error))
        return false;
    // The PNG sizes of the icon, for desktops that do not draw the scalable one.
    for (int size : kIconSizes) {
        QByteArray png;
        QString missing;
        if (!ReadAll(sourceFolder + QStringLiteral("/icons/mondrel-%1.png").arg(size), &png, &missing)) continue;
        if (!WriteAll(dataFolder + QStringLiteral("/icons/hicolor/%1x%1/apps/mondrel.png").arg(size), png, error) ||
            !WriteAll(dataFolder + QStringLiteral("/icons/hicolor/%1x%1/mimetypes/application-x-mondrel.png").arg(size),
                      png, error))
            return false;
    }
    Refresh(dataFolder, warnings);
    return true;
}

bool CDesktopIntegration::Remove(const QString& destination, const QString& dataFolder, QStringList* warnings)
{
    QFile entry(dataFolder + "/" + kDesktopPath);
    if (!entry.open(QIODevice::ReadOnly)) return false;
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    entry.close();
    // Installations before 3.0 wrote %f; the entry opens several files now.
    const QString exec = "Exec=" + QuoteExec(destination + "mondrel");
    if (!lines.contains(exec + " %F") && !lines.contains(exec + " %f")) {
        warnings->append(Tr(QT_TRANSLATE_NOOP("CDesktopIntegration", "The menu entry belongs to another installation of Mondrel; it is kept.")));
        return false;
    }
    for (const QString& file : Files()) {
        QFile::remove(dataFolder + "/" + file);
        // The icon folders made for these files go too when nothing else is in them.
        QDir parent = QFileInfo(dataFolder + "/" + file).dir();
        while (parent.absolutePath().startsWith(dataFolder + "/icons") && parent.rmdir(parent.absolutePath()))
            parent = QFileInfo(parent.absolutePath()).dir();
    }
    Refresh(dataFolder, warnings);
    return true;
}

void CDesktopIntegration::Refresh(const QString& dataFolder, QStringList* warnings)
{
    RunTool(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), dataFolder + "/applications"}, warnings);
    RunTool(QStringLiteral("update-mime-database"), {dataFolder + "/mime"}, warnings);
}
