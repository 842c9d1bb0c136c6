#include "setup/Installer.h"

#include "setup/DesktopIntegration.h"
#include "setup/FileInstaller.h"
#include "setup/InfFile.h"
#include "setup/InstallManifest.h"
#include "setup/InstallScript.h"
#include "setup/SetupPaths.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("CInstaller", text);
}

std::unique_ptr<QSettings> OpenSettings(bool system)
{
    return std::make_unique<QSettings>(QSettings::IniFormat, system ? QSettings::SystemScope : QSettings::UserScope,
                                       QStringLiteral("Mondrel"), QStringLiteral("Mondrel"));
}

QString SettingsKey(const std::string& group, const std::string& name)
{
    return Q(group) + "/" + Q(name);
}

// Sets key=value in section of an INI text, keeping every other line.
std::string UpdateIniText(const std::string& text, const std::string& section, const std::string& key,
                          const std::string& value)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const std::string header = "[" + InfLower(section) + "]";
    const std::string entry = key + "=" + value;
    bool inSection = false;
    bool replaced = false;
    std::size_t insertAt = std::string::npos;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (!l.empty() && l[0] == '[') {
            if (inSection) break;
            inSection = InfLower(l) == header;
            if (inSection) insertAt = i + 1;
            continue;
        }
        if (!inSection) continue;
        const std::size_t eq = l.find('=');
        if (eq != std::string::npos && InfLower(l.substr(0, eq)) == InfLower(key)) {
            lines[i] = entry;
            replaced = true;
            break;
        }
        if (!l.empty()) insertAt = i + 1;
    }
    if (!replaced && insertAt != std::string::npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    } else if (!replaced) {
        if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

// The folder of an installation was deleted by hand: its files are gone,
// but the menu entry, the file type and the setting that point at it are
// still taken away, when they still name that folder.
CInstallReport ForgetRemovedFolder(const std::string& dest, bool system)
{
    CInstallReport report;
    report.m_bFolderGone = true;
    const QString installed = Q(dest == "/" ? "/" : dest + "/");
    std::unique_ptr<QSettings> settings = OpenSettings(system);
    const QString key = SettingsKey("Settings", "DestinationPath");
    QString named = settings->value(key).toString();
    if (!named.isEmpty() && !named.endsWith('/')) named += '/';
    if (named == installed) {
        settings->remove(key);
        settings->sync();
        if (settings->status() == QSettings::NoError) report.m_forgotten << Tr(QT_TRANSLATE_NOOP("CInstaller", "the setting \"DestinationPath\""));
        else report.m_warnings << Tr(QT_TRANSLATE_NOOP("CInstaller", "The settings file %1 cannot be written.")).arg(settings->fileName());
    }
    if (CDesktopIntegration::Remove(installed, CDesktopIntegration::DataFolder(system), &report.m_warnings))
        report.m_forgotten << Tr(QT_TRANSLATE_NOOP("CInstaller", "the menu entry and the file type"));
    if (report.m_forgotten.isEmpty()) {
        report.m_errors << Tr(QT_TRANSLATE_NOOP("CInstaller", "The folder %1 does not exist, and no menu entry, file type or setting names it."))
                               .arg(installed);
        return report;
    }
    report.m_bOk = true;
    return report;
}

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

QString CInstallReport::Text() const
{
    QStringList all = m_errors;
    all += m_warnings;
    return all.join('\n');
}

QString CInstaller::SettingsFile(bool system)
{
    return OpenSettings(system)->fileName();
}

CInstallReport CInstaller::Install(const CInstallRequest& request)
{
    CInstallReport report;
    const std::string source = request.m_strSourceFolder.toStdString();
    std::string dest = request.m_strDestination.toStdString();
    if (dest.size() > 1 && dest.back() == '/') dest.pop_back();
    if (dest.empty() || dest[0] != '/') {
        report.m_errors << Tr(QT_TRANSLATE_NOOP("CInstaller", "The destination must be a full path."));
        return report;
    }

    CInfFile inf;
    if (!inf.Load(source + "/" + kScriptName)) {
        report.m_errors << Q(inf.Error());
        return report;
    }
    CInstallScript script;
    std::string error;
    if (request.m_bProductSection && !script.Build(inf, kSection, dest == "/" ? "" : dest, &error)) {
        report.m_errors << Q(error);
        return report;
    }
    for (const CCopyOperation& op : script.Copies()) {
        if (op.m_strTarget == CInstallManifest::kFileName) {
            report.m_errors << Q(inf.Where(op.m_nLine)) +
                                   Tr(QT_TRANSLATE_NOOP("CInstaller", "the file name %1 is the installation's own")).arg(Q(op.m_strTarget));
            return report;
        }
        if (!IsRegularFile(source + "/" + op.m_strSource)) {
            report.m_errors << Q(inf.Where(op.m_nLine)) +
                                   Tr(QT_TRANSLATE_NOOP("CInstaller", "the setup folder does not hold %1 (%2)"))
                                       .arg(Q(op.m_strSource), Q(source + "/" + op.m_strSource));
        }
    }
    if (!report.m_errors.isEmpty()) return report;

    // The folder is made only now that the script is known to be good.
    if (!MakeDestination(dest, &error)) {
        report.m_errors << Q(error);
        return report;
    }
    if (request.m_bEnterDestination && ::chdir(dest.c_str()) != 0) {
        report.m_errors << Tr(QT_TRANSLATE_NOOP("CInstaller", "Cannot change to the folder %1: %2"))
                               .arg(Q(dest), QString::fromLocal8Bit(std::strerror(errno)));
        return report;
    }
    CFileInstaller files;
    if (!files.Open(dest, &error)) {
        report.m_errors << Q(error);
        return report;
    }
    // A second installation into the same folder adds to the first one's record.
    CInstallManifest manifest;
    std::string oldText;
    if (files.ReadText(CInstallManifest::kFileName, &oldText, &error) && !manifest.Parse(oldText, &error))
        manifest = CInstallManifest();
    manifest.m_strDestination = dest == "/" ? "/" : dest + "/";
    manifest.m_bSystem = request.m_bSystem;

    auto writeManifest = [&] {
        for (const std::string& folder : files.CreatedFolders()) manifest.m_folders.push_back(folder);
        std::string e;
        if (!files.WriteText(CInstallManifest::kFileName, manifest.Serialize(), &e)) report.m_errors << Q(e);
    };

    for (const CCopyOperation& op : script.Copies()) {
        CFileInstaller::Outcome outcome;
        if (!files.CopyNewer(source + "/" + op.m_strSource, op.m_strTarget, &outcome, &error)) {
            report.m_errors << Q(inf.Where(op.m_nLine) + error);
            writeManifest();
            return report;
        }
        if (outcome == CFileInstaller::Outcome::Copied) {
            ++report.m_nCopied;
            CInstalledFile described;
            if (files.Describe(op.m_strTarget, &described)) manifest.AddFile(described);
        } else {
            ++report.m_nKept;
            report.m_warnings << Tr(QT_TRANSLATE_NOOP("CInstaller", "%1 in the destination is newer than the setup folder's; it is kept."))
                                     .arg(Q(op.m_strTarget));
        }
    }

    for (const CIniOperation& op : script.Inis()) {
        std::string text;
        std::string readError;
        files.ReadText(op.m_strFile, &text, &readError);
        if (!files.WriteText(op.m_strFile, UpdateIniText(text, op.m_strSection, op.m_strKey, op.m_strValue), &error)) {
            report.m_errors << Q(inf.Where(op.m_nLine) + error);
            writeManifest();
            return report;
        }
        CInstalledFile described;
        if (files.Describe(op.m_strFile, &described)) manifest.AddFile(described);
    }

    std::unique_ptr<QSettings> settings = OpenSettings(request.m_bSystem);
    for (const CRegOperation& op : script.Registry()) {
        const QString key = SettingsKey(op.m_strGroup, op.m_strName);
        if (op.m_bNoClobber && settings->contains(key)) continue;
        if (op.m_bNumber) settings->setValue(key, Q(op.m_strValue).toLongLong(nullptr, 0));
        else settings->setValue(key, Q(op.m_strValue));
        bool recorded = false;
        for (CManifestSetting& s : manifest.m_settings) {
            if (s.m_strGroup == op.m_strGroup && s.m_strName == op.m_strName) {
                s.m_strValue = op.m_strValue;
                recorded = true;
            }
        }
        if (!recorded) manifest.m_settings.push_back(CManifestSetting{op.m_strGroup, op.m_strName, op.m_strValue});
    }
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        report.m_errors << Tr(QT_TRANSLATE_NOOP("CInstaller", "The settings file %1 cannot be written.")).arg(settings->fileName());
        writeManifest();
        return report;
    }

    if (request.m_bDesktop) {
        const QString dataFolder = CDesktopIntegration::DataFolder(request.m_bSystem);
        QString desktopError;
        if (!CDesktopIntegration::Install(request.m_strSourceFolder, Q(manifest.m_strDestination), dataFolder,
                                          &report.m_warnings, &desktopError)) {
            report.m_errors << desktopError;
            writeManifest();
            return report;
        }
        manifest.m_strDataDir = dataFolder.toStdString();
    }

    writeManifest();
    report.m_bOk = report.m_errors.isEmpty();
    return report;
}

CInstallReport CInstaller::Uninstall(const QString& destination, bool system)
{
    CInstallReport report;
    std::string dest = destination.toStdString();
    if (dest.size() > 1 && dest.back() == '/') dest.pop_back();
    struct stat st {};
    if (::lstat(dest.c_str(), &st) != 0 && errno == ENOENT) return ForgetRemovedFolder(dest, system);
    CFileInstaller files;
    std::string error;
    if (!files.Open(dest, &error)) {
        report.m_errors << Q(error);
        return report;
    }
    std::string text;
    CInstallManifest manifest;
    if (!files.ReadText(CInstallManifest::kFileName, &text, &error)) {
        report.m_errors << Tr(QT_TRANSLATE_NOOP("CInstaller", "%1 holds no installation of Mondrel (there is no %2)."))
                               .arg(destination, CInstallManifest::kFileName);
        return report;
    }
    if (!manifest.Parse(text, &error)) {
        report.m_errors << Q(error);
        return report;
    }
    const QString installed = Q(dest == "/" ? "/" : dest + "/");

    for (const CInstalledFile& file : manifest.m_files) {
        switch (files.Remove(file, &error)) {
        case CFileInstaller::Removal::Removed: ++report.m_nRemoved; break;
        case CFileInstaller::Removal::Missing: break;
        case CFileInstaller::Removal::Changed: report.m_keptFiles << Q(file.m_strPath); break;
        }
    }

    std::unique_ptr<QSettings> settings = OpenSettings(manifest.m_bSystem);
    for (const CManifestSetting& s : manifest.m_settings) {
        const QString key = SettingsKey(s.m_strGroup, s.m_strName);
        // A value is taken away only while it is still the one this installation wrote.
        QString expected = Q(s.m_strValue);
        if (settings->value(key).toString() == expected) settings->remove(key);
    }
    settings->sync();
    if (settings->status() != QSettings::NoError)
        report.m_warnings << Tr(QT_TRANSLATE_NOOP("CInstaller", "The settings file %1 cannot be written.")).arg(settings->fileName());

    if (!manifest.m_strDataDir.empty())
        CDesktopIntegration::Remove(installed, Q(manifest.m_strDataDir), &report.m_warnings);

    CInstalledFile self;
    if (files.Describe(CInstallManifest::kFileName, &self)) files.Remove(self, &error);
    for (auto it = manifest.m_folders.rbegin(); it != manifest.m_folders.rend(); ++it) files.RemoveFolderIfEmpty(*it);
    if (!report.m_keptFiles.isEmpty())
        report.m_warnings << Tr(QT_TRANSLATE_NOOP("CInstaller", "Changed since the installation, so kept: %1")).arg(report.m_keptFiles.join(", "));
    report.m_bOk = true;
    return report;
}
