#pragma once

// The installation engine: reads "mondrel.inf" from the setup folder,
// works out its section "ProductInstall" for the destination, copies the
// files with the copy-newer rule, writes the settings (AddReg, into the
// settings file Mondrel reads) and INI entries (UpdateInis), adds the menu
// entry and file type, and keeps a manifest in the destination from which
// Uninstall takes exactly that away again.
//
// Every check that can be made before writing is made first (the script,
// every path it names, every source file), so a bad script writes nothing.

#include <QtCore/QString>
#include <QtCore/QStringList>

struct CInstallRequest {
    QString m_strSourceFolder;  // the setup folder, holding "mondrel.inf"
    QString m_strDestination;   // prepared: absolute, with its trailing separator
    bool m_bSystem = false;     // for every user: system settings and data folders
    bool m_bProductSection = true;  // queue and apply "ProductInstall"
    bool m_bDesktop = true;     // add the menu entry and file type
    bool m_bEnterDestination = false;  // make the destination the current folder once it exists
};

struct CInstallReport {
    bool m_bOk = false;
    QStringList m_errors;
    QStringList m_warnings;
    int m_nCopied = 0;
    int m_nKept = 0;     // existing files newer than the setup folder's
    int m_nRemoved = 0;  // uninstall: files taken away
    QStringList m_keptFiles;  // uninstall: files left because the user changed them
    bool m_bFolderGone = false;  // uninstall: the folder no longer existed
    QStringList m_forgotten;     // uninstall of a gone folder: what was removed outside it

    // All errors, then warnings, one per line.
    QString Text() const;
};

class CInstaller {
public:
    static constexpr const char* kScriptName = "mondrel.inf";
    static constexpr const char* kSection = "ProductInstall";

    static CInstallReport Install(const CInstallRequest& request);
    // destination with its trailing separator. When the folder is gone
    // (deleted by hand), the menu entry and file type that start its program
    // and the setting that names it are still removed, from the settings and
    // data folders of a user's installation or, with system, of one for
    // every user.
    static CInstallReport Uninstall(const QString& destination, bool system = false);

    // The settings file Mondrel reads: per user, or the one for every user.
    static QString SettingsFile(bool system);
};
