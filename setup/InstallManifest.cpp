#include "setup/InstallManifest.h"

#include "setup/InstallScript.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

const char* const kHeader = "# Tallowin installation manifest 1";

std::vector<std::string> SplitTabs(const std::string& line, std::size_t maxFields)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < maxFields) {
        std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) break;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

bool ParseLong(const std::string& text, long long* value)
{
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    *value = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

bool HasControl(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

}  // namespace

void CInstallManifest::AddFile(const CInstalledFile& file)
{
    for (CInstalledFile& f : m_files) {
        if (f.m_strPath == file.m_strPath) {
            f = file;
            return;
        }
    }
    m_files.push_back(file);
}

const CInstalledFile* CInstallManifest::FindFile(const std::string& path) const
{
    for (const CInstalledFile& f : m_files)
        if (f.m_strPath == path) return &f;
    return nullptr;
}

std::string CInstallManifest::Serialize() const
{
    std::ostringstream out;
    out << kHeader << "\n";
    out << "destination\t" << m_strDestination << "\n";
    out << "scope\t" << (m_bSystem ? "system" : "user") << "\n";
    for (const std::string& folder : m_folders) out << "folder\t" << folder << "\n";
    for (const CInstalledFile& f : m_files) out << "file\t" << f.m_nSize << "\t" << f.m_nTime << "\t" << f.m_strPath << "\n";
    for (const CManifestSetting& s : m_settings)
        out << "setting\t" << s.m_strGroup << "\t" << s.m_strName << "\t" << s.m_strValue << "\n";
    if (!m_strDataDir.empty()) out << "desktop\t" << m_strDataDir << "\n";
    return out.str();
}

bool CInstallManifest::Parse(const std::string& text, std::string* error)
{
    *this = CInstallManifest();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = std::string(kFileName) + ":" + std::to_string(number) + ": ";
        if (number == 1) {
            if (line != kHeader) {
                *error = std::string(kFileName) + " is not a manifest of this setup program";
                return false;
            }
            continue;
        }
        if (line.empty()) continue;
        std::vector<std::string> f = SplitTabs(line, 4);
        std::string normalised;
        if (f[0] == "destination" && f.size() == 2) {
            m_strDestination = f[1];
        } else if (f[0] == "scope" && f.size() == 2 && (f[1] == "user" || f[1] == "system")) {
            m_bSystem = f[1] == "system";
        } else if (f[0] == "folder" && f.size() == 2 && CInstallScript::IsSafeRelativePath(f[1], &normalised)) {
            m_folders.push_back(normalised);
        } else if (f[0] == "file" && f.size() == 4 && CInstallScript::IsSafeRelativePath(f[3], &normalised)) {
            CInstalledFile file;
            file.m_strPath = normalised;
            if (!ParseLong(f[1], &file.m_nSize) || !ParseLong(f[2], &file.m_nTime)) {
                *error = where + "a file line with a bad size or time";
                return false;
            }
            m_files.push_back(file);
        } else if (f[0] == "setting" && f.size() == 4 && !f[1].empty() && !f[2].empty() && !HasControl(f[3])) {
            m_settings.push_back(CManifestSetting{f[1], f[2], f[3]});
        } else if (f[0] == "desktop" && f.size() == 2 && !f[1].empty() && f[1][0] == '/' && !HasControl(f[1])) {
            m_strDataDir = f[1];
        } else {
            *error = where + "a line this setup program does not understand";
            return false;
        }
    }
    if (number == 0) {
        *error = std::string(kFileName) + " is empty";
        return false;
    }
    return true;
}
