#include "imageio/SafeFile.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

CSafeFile::~CSafeFile()
{
    Discard();
}

std::FILE* CSafeFile::Open(const std::string& path)
{
    Discard();
    if (path.empty()) return nullptr;
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return nullptr;
    // mkstemp makes the file private; a picture gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile) {
        close(fd);
        unlink(temp.c_str());
        return nullptr;
    }
    m_strPath = path;
    m_strTemp = temp;
    return m_pFile;
}

bool CSafeFile::Commit()
{
    if (!m_pFile) return false;
    const bool written = std::fflush(m_pFile) == 0 && !std::ferror(m_pFile);
    const bool closed = std::fclose(m_pFile) == 0;
    m_pFile = nullptr;
    if (!written || !closed || std::rename(m_strTemp.c_str(), m_strPath.c_str()) != 0) {
        unlink(m_strTemp.c_str());
        m_strTemp.clear();
        return false;
    }
    m_strTemp.clear();
    return true;
}

void CSafeFile::Discard()
{
    if (m_pFile) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
    if (!m_strTemp.empty()) {
        unlink(m_strTemp.c_str());
        m_strTemp.clear();
    }
}
