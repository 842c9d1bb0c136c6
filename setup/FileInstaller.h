#pragma once

// Writes files into the destination folder and takes them away again,
// without ever following a symbolic link inside it: every folder on the way
// to a file is opened relative to the one before it and refused when it is a
// link, so a link planted in the destination cannot send a file elsewhere.
//
// Each file is written to a temporary file beside its target and renamed
// over it, so a program that is running from the destination keeps its old
// image and the next start finds the new one complete; a failed copy leaves
// the old file as it was. Programs (sources with an execute bit) get mode
// 0755, everything else 0644.
//
// Copying follows the copy-newer rule: an existing file is replaced only by
// a newer or equal version. Linux programs and data files carry no version
// resource, so the modification time stands for the version: a copy keeps
// its source's time, so a second installation from the same setup folder
// finds equal versions and replaces them, while a file that was changed in
// the destination after it was installed is newer and stays.

#include <string>
#include <sys/types.h>
#include <vector>

struct CInstalledFile {
    std::string m_strPath;  // relative to the destination
    long long m_nSize = 0;
    long long m_nTime = 0;  // modification time in nanoseconds
};

class CFileInstaller {
public:
    enum class Outcome { Copied, KeptNewer };
    enum class Removal { Removed, Missing, Changed };

    CFileInstaller() = default;
    CFileInstaller(const CFileInstaller&) = delete;
    CFileInstaller& operator=(const CFileInstaller&) = delete;
    ~CFileInstaller();

    // Opens the destination, an absolute path to an existing folder.
    bool Open(const std::string& destination, std::string* error);

    // Copies the file at sourcePath (absolute) to target (relative, checked
    // by the script), making the folders it needs.
    bool CopyNewer(const std::string& sourcePath, const std::string& target, Outcome* outcome, std::string* error);
    // Writes text to target the same safe way (the manifest, INI files).
    bool WriteText(const std::string& target, const std::string& text, std::string* error);
    // Reads a regular file in the destination; false when it is missing.
    bool ReadText(const std::string& target, std::string* text, std::string* error) const;
    // Size and time of a regular file in the destination.
    bool Describe(const std::string& target, CInstalledFile* file) const;

    // Removes a file that is still as it was installed (same size and time);
    // a file the user replaced since is kept.
    Removal Remove(const CInstalledFile& file, std::string* error);
    // Removes a folder when it is empty; a folder with files of the user's stays.
    bool RemoveFolderIfEmpty(const std::string& relative);

    // The folders that CopyNewer had to make, relative, parents first.
    const std::vector<std::string>& CreatedFolders() const { return m_createdFolders; }

    const std::string& Destination() const { return m_strDestination; }

private:
    // Opens the folder holding target (making missing folders when asked)
    // and gives its descriptor and the file's own name.
    bool OpenParent(const std::string& target, bool create, int* fd, std::string* leaf, std::string* error) const;
    // Fills a temporary file from sourceFd or from text, then renames it to leaf.
    bool WriteFrom(int sourceFd, const std::string* text, int dirFd, const std::string& leaf, mode_t mode,
                   const struct timespec* times, std::string* error);

    int m_fdRoot = -1;
    std::string m_strDestination;
    mutable std::vector<std::string> m_createdFolders;
};
