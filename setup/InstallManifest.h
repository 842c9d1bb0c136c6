#pragma once

// The record an installation keeps in its destination, so that it can be
// taken away again exactly: the files it wrote (with their size and time,
// so a file the user has replaced since is kept), the folders it made, the
// settings it wrote and where its menu entry and file type went.
//
// The manifest lies in a folder the user can write to, so reading it
// trusts nothing: every path must be a plain relative path inside the
// destination, and the desktop files are named by the program, not by it.

#include "setup/FileInstaller.h"

#include <string>
#include <vector>

struct CManifestSetting {
    std::string m_strGroup;
    std::string m_strName;
    std::string m_strValue;
};

struct CInstallManifest {
    static constexpr const char* kFileName = "tallowin-manifest.txt";

    std::string m_strDestination;  // with its trailing separator
    bool m_bSystem = false;        // installed for every user
    std::vector<CInstalledFile> m_files;
    std::vector<std::string> m_folders;  // made by the installation, parents first
    std::vector<CManifestSetting> m_settings;
    std::string m_strDataDir;  // the data folder of the menu entry and file type, or empty

    std::string Serialize() const;
    bool Parse(const std::string& text, std::string* error);

    // Adds or replaces the record of a file.
    void AddFile(const CInstalledFile& file);
    const CInstalledFile* FindFile(const std::string& path) const;
};
