#pragma once

// Writes a file without destroying the one it replaces: the bytes go to a
// temporary file in the same folder, which takes the target's name only when
// everything was written. A file that is never committed is removed.

#include <cstdio>
#include <string>

class CSafeFile {
public:
    CSafeFile() = default;
    ~CSafeFile();
    CSafeFile(const CSafeFile&) = delete;
    CSafeFile& operator=(const CSafeFile&) = delete;

    // Creates the temporary file; null when the folder cannot be written.
    std::FILE* Open(const std::string& path);
    std::FILE* File() const { return m_pFile; }
    // Flushes, closes and renames the temporary file over the target.
    bool Commit();
    // Closes and removes the temporary file.
    void Discard();

private:
    std::FILE* m_pFile = nullptr;
    std::string m_strPath;
    std::string m_strTemp;
};
