#pragma once

// The operations an installation section of an INF script asks for, worked
// out before anything is written: the files to copy (from the setup folder
// to the destination), the settings to write (AddReg) and the INI entries
// to update (UpdateInis). Every path is checked here: source and target
// paths are relative, '/'-separated, free of "." and "..", so nothing the
// script says can reach outside the setup folder or the destination.
//
// What a script may use:
//   [Version]           Signature = "$Chicago$" or "$Windows NT$"
//   [Strings]           key = "value", used as %key%
//   [DestinationDirs]   Section = 65600[,subfolder] and DefaultDestDir = 65600;
//                       65600 is the folder the user chose, the only id there is
//   [SourceDisksNames]  id = "description"[,tag[,unused[,subfolder]]]
//   [SourceDisksFiles]  file = disk id[,subfolder]
//   the install section CopyFiles = Section,... or @file; AddReg = Section,...;
//                       UpdateInis = Section,...
//   copy sections       target name[,source name]
//   AddReg sections     HKCU,"Software\Mondrel\Mondrel\Group",name,flags,value
//                       (flags 0 text, 0x10001 number, 2 keep an existing value)
//   UpdateInis sections "%65600%/file.ini",section,,"key=value"

#include "setup/InfFile.h"

#include <string>
#include <vector>

struct CCopyOperation {
    std::string m_strSource;  // relative to the setup folder
    std::string m_strTarget;  // relative to the destination
    int m_nLine = 0;
};

struct CRegOperation {
    std::string m_strGroup;  // the settings group ("Settings")
    std::string m_strName;
    std::string m_strValue;
    bool m_bNumber = false;
    bool m_bNoClobber = false;
    int m_nLine = 0;
};

struct CIniOperation {
    std::string m_strFile;  // relative to the destination
    std::string m_strSection;
    std::string m_strKey;
    std::string m_strValue;
    int m_nLine = 0;
};

class CInstallScript {
public:
    // The custom directory id that stands for the destination folder.
    static constexpr int kDestinationId = 65600;

    // Works out the operations of the given section for a destination (an
    // absolute folder without its trailing separator, used for %65600%).
    // On failure error names the file and line.
    bool Build(const CInfFile& inf, const std::string& section, const std::string& destination,
               std::string* error);

    const std::vector<CCopyOperation>& Copies() const { return m_copies; }
    const std::vector<CRegOperation>& Registry() const { return m_registry; }
    const std::vector<CIniOperation>& Inis() const { return m_inis; }

    // A relative path of plain names: no empty, "." or ".." component, no
    // control character, no leading separator. Backslashes count as
    // separators and come back as '/'.
    static bool IsSafeRelativePath(const std::string& path, std::string* normalised);

private:
    bool AddCopySection(const CInfFile& inf, const std::string& name, int line, std::string* error);
    bool AddCopyFile(const CInfFile& inf, const std::string& targetDir, const std::string& target,
                     const std::string& source, int line, std::string* error);
    bool AddRegSection(const CInfFile& inf, const std::string& name, int line, std::string* error);
    bool AddIniSection(const CInfFile& inf, const std::string& name, int line, std::string* error);
    bool TargetFolder(const CInfFile& inf, const std::string& section, std::string* folder, std::string* error);
    bool Field(const CInfFile& inf, const CInfLine& line, std::size_t index, std::string* out, std::string* error);

    std::string m_strDestination;
    std::vector<CCopyOperation> m_copies;
    std::vector<CRegOperation> m_registry;
    std::vector<CIniOperation> m_inis;
    std::vector<std::string> m_usedSections;  // lower case
};
