#include "setup/InstallScript.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The settings file of Mondrel is Mondrel/Mondrel.ini; registry entries
// name it as the key of that maker and program would be named.
const char* const kSettingsKey = "software\\mondrel\\mondrel\\";

const char* const kStandardSections[] = {"version", "strings", "destinationdirs", "sourcedisksnames",
                                         "sourcedisksfiles"};

std::string JoinPath(const std::string& a, const std::string& b)
{
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + "/" + b;
}

bool ParseNumber(const std::string& text, long long* value)
{
    if (text.empty() || text.size() > 18) return false;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    *value = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    return end && *end == '\0';
}

const CInfLine* FindKey(const CInfSection* section, const std::string& key)
{
    if (!section) return nullptr;
    const std::string lower = InfLower(key);
    for (const CInfLine& line : section->m_lines)
        if (line.m_bHasKey && InfLower(line.m_strKey) == lower) return &line;
    return nullptr;
}

}  // namespace

bool CInstallScript::IsSafeRelativePath(const std::string& path, std::string* normalised)
{
    if (path.empty() || path.size() > 1024) return false;
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p[0] == '/') return false;
    std::size_t start = 0;
    while (start <= p.size()) {
        std::size_t end = p.find('/', start);
        if (end == std::string::npos) end = p.size();
        const std::string part = p.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        for (char c : part)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
        start = end + 1;
    }
    *normalised = p;
    return true;
}

bool CInstallScript::Field(const CInfFile& inf, const CInfLine& line, std::size_t index, std::string* out,
                           std::string* error)
{
    if (index >= line.m_fields.size()) {
        out->clear();
        return true;
    }
    return inf.Substitute(line.m_fields[index], line.m_nLine, {{kDestinationId, m_strDestination}}, out, error);
}

bool CInstallScript::Build(const CInfFile& inf, const std::string& section, const std::string& destination,
                           std::string* error)
{
    m_strDestination = destination;
    m_copies.clear();
    m_registry.clear();
    m_inis.clear();
    m_usedSections.assign(std::begin(kStandardSections), std::end(kStandardSections));
    m_usedSections.push_back(InfLower(section));

    const CInfSection* version = inf.FindSection("Version");
    if (!version) {
        *error = inf.FileName() + ": the script has no [Version] section; it is not an INF script";
        return false;
    }
    const CInfLine* signature = FindKey(version, "Signature");
    std::string sig;
    if (signature && signature->m_fields.size() == 1) sig = InfLower(signature->m_fields[0]);
    if (sig != "$chicago$" && sig != "$windows nt$" && sig != "$windows 95$") {
        *error = inf.Where(signature ? signature->m_nLine : version->m_nLine) +
                 "the [Version] signature must be \"$Chicago$\" or \"$Windows NT$\"";
        return false;
    }

    const CInfSection* install = inf.FindSection(section);
    if (!install) {
        *error = inf.FileName() + ": the script has no section [" + section + "]";
        return false;
    }
    for (const CInfLine& line : install->m_lines) {
        if (!line.m_bHasKey) {
            *error = inf.Where(line.m_nLine) + "a line of [" + install->m_strName + "] without a directive";
            return false;
        }
        const std::string directive = InfLower(line.m_strKey);
        if (directive != "copyfiles" && directive != "addreg" && directive != "updateinis") {
            *error = inf.Where(line.m_nLine) + "the directive " + line.m_strKey +
                     " is not supported (CopyFiles, AddReg and UpdateInis are)";
            return false;
        }
        if (line.m_fields.empty()) {
            *error = inf.Where(line.m_nLine) + line.m_strKey + " names no section";
            return false;
        }
        for (std::size_t i = 0; i < line.m_fields.size(); ++i) {
            std::string name;
            if (!Field(inf, line, i, &name, error)) return false;
            if (name.empty()) {
                *error = inf.Where(line.m_nLine) + "an empty section name in " + line.m_strKey;
                return false;
            }
            bool ok = false;
            if (directive == "copyfiles" && name[0] == '@') {
                std::string folder;
                ok = TargetFolder(inf, "DefaultDestDir", &folder, error) &&
                     AddCopyFile(inf, folder, name.substr(1), name.substr(1), line.m_nLine, error);
            } else {
                const std::string lower = InfLower(name);
                if (std::find(m_usedSections.begin(), m_usedSections.end(), lower) != m_usedSections.end()) {
                    *error = inf.Where(line.m_nLine) + "the section [" + name + "] cannot be used here";
                    return false;
                }
                m_usedSections.push_back(lower);
                if (directive == "copyfiles") ok = AddCopySection(inf, name, line.m_nLine, error);
                else if (directive == "addreg") ok = AddRegSection(inf, name, line.m_nLine, error);
                else ok = AddIniSection(inf, name, line.m_nLine, error);
            }
            if (!ok) return false;
        }
    }

    for (const CInfSection& s : inf.Sections()) {
        if (std::find(m_usedSections.begin(), m_usedSections.end(), InfLower(s.m_strName)) == m_usedSections.end()) {
            *error = inf.Where(s.m_nLine) + "unknown section [" + s.m_strName + "]: [" + section +
                     "] does not use it";
            return false;
        }
    }
    return true;
}

bool CInstallScript::TargetFolder(const CInfFile& inf, const std::string& section, std::string* folder,
                                  std::string* error)
{
    const CInfSection* dirs = inf.FindSection("DestinationDirs");
    const CInfLine* line = FindKey(dirs, section);
    if (!line) line = FindKey(dirs, "DefaultDestDir");
    if (!line) {
        *error = inf.FileName() + ": [DestinationDirs] gives no folder for [" + section +
                 "] and has no DefaultDestDir";
        return false;
    }
    std::string id, sub;
    if (!Field(inf, *line, 0, &id, error) || !Field(inf, *line, 1, &sub, error)) return false;
    if (id != std::to_string(kDestinationId)) {
        *error = inf.Where(line->m_nLine) + "the directory id " + id +
                 " is not supported; files go to 65600, the destination folder";
        return false;
    }
    folder->clear();
    if (!sub.empty() && !IsSafeRelativePath(sub, folder)) {
        *error = inf.Where(line->m_nLine) + "the folder \"" + sub +
                 "\" must lie inside the destination (a relative path without \"..\")";
        return false;
    }
    return true;
}

bool CInstallScript::AddCopySection(const CInfFile& inf, const std::string& name, int line, std::string* error)
{
    const CInfSection* section = inf.FindSection(name);
    if (!section) {
        *error = inf.Where(line) + "the section [" + name + "] named here does not exist";
        return false;
    }
    std::string folder;
    if (!TargetFolder(inf, section->m_strName, &folder, error)) return false;
    for (const CInfLine& entry : section->m_lines) {
        if (entry.m_bHasKey || entry.m_fields.empty()) {
            *error = inf.Where(entry.m_nLine) + "a line of a copy section is: target name[,source name]";
            return false;
        }
        std::string target, source;
        if (!Field(inf, entry, 0, &target, error) || !Field(inf, entry, 1, &source, error)) return false;
        if (source.empty()) source = target;
        if (!AddCopyFile(inf, folder, target, source, entry.m_nLine, error)) return false;
    }
    return true;
}

bool CInstallScript::AddCopyFile(const CInfFile& inf, const std::string& targetDir, const std::string& target,
                                 const std::string& source, int line, std::string* error)
{
    std::string plain;
    if (!IsSafeRelativePath(target, &plain) || plain.find('/') != std::string::npos ||
        !IsSafeRelativePath(source, &plain) || plain.find('/') != std::string::npos) {
        *error = inf.Where(line) + "\"" + target + "\" is not a plain file name; files are named without folders";
        return false;
    }
    const CInfSection* files = inf.FindSection("SourceDisksFiles");
    const CInfLine* entry = nullptr;
    if (files)
        for (const CInfLine& l : files->m_lines)
            if (l.m_bHasKey && l.m_strKey == source) entry = &l;
    if (!entry) {
        *error = inf.Where(line) + "the file " + source + " is not listed in [SourceDisksFiles]";
        return false;
    }
    std::string disk, sub;
    if (!Field(inf, *entry, 0, &disk, error) || !Field(inf, *entry, 1, &sub, error)) return false;
    const CInfLine* diskLine = FindKey(inf.FindSection("SourceDisksNames"), disk);
    if (disk.empty() || !diskLine) {
        *error = inf.Where(entry->m_nLine) + "the disk \"" + disk + "\" of " + source +
                 " is not listed in [SourceDisksNames]";
        return false;
    }
    std::string diskPath;
    if (!Field(inf, *diskLine, 3, &diskPath, error)) return false;

    std::string folder = diskPath.empty() ? std::string() : diskPath;
    folder = JoinPath(folder, sub);
    std::string sourcePath;
    if (!IsSafeRelativePath(JoinPath(folder, source), &sourcePath)) {
        *error = inf.Where(entry->m_nLine) + "the source of " + source +
                 " must lie inside the setup folder (a relative path without \"..\")";
        return false;
    }
    const std::string targetPath = JoinPath(targetDir, target);
    for (const CCopyOperation& op : m_copies) {
        if (op.m_strTarget == targetPath) {
            *error = inf.Where(line) + targetPath + " is copied twice (first at line " + std::to_string(op.m_nLine) +
                     ")";
            return false;
        }
    }
    m_copies.push_back(CCopyOperation{sourcePath, targetPath, line});
    return true;
}

bool CInstallScript::AddRegSection(const CInfFile& inf, const std::string& name, int line, std::string* error)
{
    const CInfSection* section = inf.FindSection(name);
    if (!section) {
        *error = inf.Where(line) + "the section [" + name + "] named here does not exist";
        return false;
    }
    for (const CInfLine& entry : section->m_lines) {
        if (entry.m_bHasKey) {
            *error = inf.Where(entry.m_nLine) + "a registry line is: root,key,name,flags,value";
            return false;
        }
        std::string root, key, valueName, flagText, value;
        if (!Field(inf, entry, 0, &root, error) || !Field(inf, entry, 1, &key, error) ||
            !Field(inf, entry, 2, &valueName, error) || !Field(inf, entry, 3, &flagText, error) ||
            !Field(inf, entry, 4, &value, error))
            return false;
        root = InfLower(root);
        if (root != "hkcu" && root != "hkey_current_user") {
            *error = inf.Where(entry.m_nLine) + "only HKCU entries can be written (the settings of the user)";
            return false;
        }
        std::replace(key.begin(), key.end(), '/', '\\');
        const std::string prefix = kSettingsKey;
        if (InfLower(key).compare(0, prefix.size(), prefix) != 0 || key.size() == prefix.size()) {
            *error = inf.Where(entry.m_nLine) + "only the settings of Mondrel (Software\\Mondrel\\Mondrel\\...) can be written";
            return false;
        }
        std::string group;
        if (!IsSafeRelativePath(key.substr(prefix.size()), &group) || valueName.empty() ||
            valueName.find_first_of("/\\") != std::string::npos) {
            *error = inf.Where(entry.m_nLine) + "a registry entry needs a settings group and a value name";
            return false;
        }
        long long flags = 0;
        if (!flagText.empty() && !ParseNumber(flagText, &flags)) {
            *error = inf.Where(entry.m_nLine) + "the flags \"" + flagText + "\" are not a number";
            return false;
        }
        // The type is 0 (text) or 0x10001 (number); 2 keeps a value that is already there.
        const long long type = flags & 0x00010001;
        if ((flags & ~0x00010003LL) != 0 || (type != 0 && type != 0x00010001)) {
            *error = inf.Where(entry.m_nLine) + "the flags " + flagText +
                     " are not supported (0 text, 0x10001 number, 2 keep an existing value)";
            return false;
        }
        CRegOperation op;
        op.m_strGroup = group;
        op.m_strName = valueName;
        op.m_strValue = value;
        op.m_bNumber = type == 0x00010001;
        op.m_bNoClobber = (flags & 0x2) != 0;
        op.m_nLine = entry.m_nLine;
        long long number = 0;
        if (op.m_bNumber && !ParseNumber(value, &number)) {
            *error = inf.Where(entry.m_nLine) + "the value \"" + value + "\" is not a number";
            return false;
        }
        m_registry.push_back(op);
    }
    return true;
}

bool CInstallScript::AddIniSection(const CInfFile& inf, const std::string& name, int line, std::string* error)
{
    const CInfSection* section = inf.FindSection(name);
    if (!section) {
        *error = inf.Where(line) + "the section [" + name + "] named here does not exist";
        return false;
    }
    for (const CInfLine& entry : section->m_lines) {
        std::string file, iniSection, oldEntry, newEntry;
        if (entry.m_bHasKey) {
            *error = inf.Where(entry.m_nLine) + "an INI line is: \"file\",section,old entry,\"key=value\"";
            return false;
        }
        if (!Field(inf, entry, 0, &file, error) || !Field(inf, entry, 1, &iniSection, error) ||
            !Field(inf, entry, 2, &oldEntry, error) || !Field(inf, entry, 3, &newEntry, error))
            return false;
        std::string relative;
        const std::string prefix = m_strDestination + "/";
        std::replace(file.begin(), file.end(), '\\', '/');
        if (file.compare(0, prefix.size(), prefix) != 0 || !IsSafeRelativePath(file.substr(prefix.size()), &relative)) {
            *error = inf.Where(entry.m_nLine) + "INI files are written only inside the destination (%65600%/name.ini)";
            return false;
        }
        const std::size_t eq = newEntry.find('=');
        if (iniSection.empty() || eq == std::string::npos || eq == 0) {
            *error = inf.Where(entry.m_nLine) + "an INI line needs a section and a new entry key=value";
            return false;
        }
        m_inis.push_back(CIniOperation{relative, iniSection, newEntry.substr(0, eq), newEntry.substr(eq + 1),
                                       entry.m_nLine});
    }
    return true;
}
