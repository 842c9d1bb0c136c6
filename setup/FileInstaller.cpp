#include "setup/FileInstaller.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemError()
{
    return std::strerror(errno);
}

long long Nanoseconds(const struct timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

class CFd {
public:
    explicit CFd(int fd = -1) : m_fd(fd) {}
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    ~CFd()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    int Get() const { return m_fd; }
    void Reset(int fd)
    {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }
    int Release()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string TemporaryName(const std::string& leaf)
{
    static std::atomic<unsigned> counter{0};
    return "." + leaf + ".tallowin-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

CFileInstaller::~CFileInstaller()
{
    if (m_fdRoot >= 0) ::close(m_fdRoot);
}

bool CFileInstaller::Open(const std::string& destination, std::string* error)
{
    if (m_fdRoot >= 0) ::close(m_fdRoot);
    m_createdFolders.clear();
    m_strDestination = destination;
    // The destination itself is the user's choice and may be reached
    // through a link; only what lies inside it is never followed.
    m_fdRoot = ::open(destination.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fdRoot < 0) {
        *error = "cannot open the destination folder " + destination + ": " + SystemError();
        return false;
    }
    return true;
}

bool CFileInstaller::OpenParent(const std::string& target, bool create, int* fd, std::string* leaf,
                                std::string* error) const
{
    CFd dir(::dup(m_fdRoot));
    if (dir.Get() < 0) {
        *error = "cannot open the destination folder: " + SystemError();
        return false;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = target.find('/', start);
        if (slash == std::string::npos) break;
        const std::string part = target.substr(start, slash - start);
        const std::string sofar = target.substr(0, slash);
        if (create) {
            if (::mkdirat(dir.Get(), part.c_str(), 0755) == 0) m_createdFolders.push_back(sofar);
            else if (errno != EEXIST) {
                *error = "cannot make the folder " + sofar + ": " + SystemError();
                return false;
            }
        }
        int next = ::openat(dir.Get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            if (errno == ELOOP || errno == ENOTDIR)
                *error = sofar + " is a symbolic link or not a folder; setup does not follow links in the destination";
            else
                *error = "cannot open the folder " + sofar + ": " + SystemError();
            return false;
        }
        dir.Reset(next);
        start = slash + 1;
    }
    *leaf = target.substr(start);
    *fd = dir.Release();
    return true;
}

bool CFileInstaller::WriteFrom(int sourceFd, const std::string* text, int dirFd, const std::string& leaf,
                               mode_t mode, const struct timespec* times, std::string* error)
{
    const std::string temp = TemporaryName(leaf);
    CFd out(::openat(dirFd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.Get() < 0) {
        *error = "cannot write beside " + leaf + ": " + SystemError();
        return false;
    }
    bool ok = true;
    char buf[65536];
    if (text && !WriteAll(out.Get(), text->data(), text->size())) {
        *error = "cannot write " + leaf + ": " + SystemError();
        ok = false;
    }
    while (sourceFd >= 0 && ok) {
        ssize_t n = ::read(sourceFd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = "cannot read the source of " + leaf + ": " + SystemError();
            ok = false;
            break;
        }
        if (n == 0) break;
        if (!WriteAll(out.Get(), buf, static_cast<std::size_t>(n))) {
            *error = "cannot write " + leaf + ": " + SystemError();
            ok = false;
            break;
        }
    }
    if (ok && ::fchmod(out.Get(), mode) != 0) {
        *error = "cannot set the mode of " + leaf + ": " + SystemError();
        ok = false;
    }
    if (ok && times && ::futimens(out.Get(), times) != 0) {
        *error = "cannot set the time of " + leaf + ": " + SystemError();
        ok = false;
    }
    if (ok && ::fsync(out.Get()) != 0) {
        *error = "cannot write " + leaf + ": " + SystemError();
        ok = false;
    }
    if (::close(out.Release()) != 0 && ok) {
        *error = "cannot write " + leaf + ": " + SystemError();
        ok = false;
    }
    // The rename replaces the old file in one step; a link standing at the
    // target's name is replaced as a name, never written through.
    if (ok && ::renameat(dirFd, temp.c_str(), dirFd, leaf.c_str()) != 0) {
        *error = "cannot put " + leaf + " in place: " + SystemError();
        ok = false;
    }
    if (!ok) ::unlinkat(dirFd, temp.c_str(), 0);
    return ok;
}

bool CFileInstaller::CopyNewer(const std::string& sourcePath, const std::string& target, Outcome* outcome,
                               std::string* error)
{
    CFd source(::open(sourcePath.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat src {};
    if (source.Get() < 0 || ::fstat(source.Get(), &src) != 0) {
        *error = "cannot read " + sourcePath + ": " + SystemError();
        return false;
    }
    if (!S_ISREG(src.st_mode)) {
        *error = sourcePath + " is not a regular file";
        return false;
    }
    int dirFd = -1;
    std::string leaf;
    if (!OpenParent(target, true, &dirFd, &leaf, error)) return false;
    CFd dir(dirFd);

    struct stat old {};
    if (::fstatat(dir.Get(), leaf.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(old.st_mode)) {
            *error = target + " in the destination is a symbolic link; setup neither follows nor replaces it";
            return false;
        }
        if (!S_ISREG(old.st_mode)) {
            *error = target + " in the destination is not a regular file";
            return false;
        }
        if (Nanoseconds(old.st_mtim) > Nanoseconds(src.st_mtim)) {
            *outcome = Outcome::KeptNewer;
            return true;
        }
    } else if (errno != ENOENT) {
        *error = "cannot look at " + target + ": " + SystemError();
        return false;
    }
    const mode_t mode = (src.st_mode & 0111) ? 0755 : 0644;
    const struct timespec times[2] = {src.st_mtim, src.st_mtim};
    if (!WriteFrom(source.Get(), nullptr, dir.Get(), leaf, mode, times, error)) {
        *error = target + ": " + *error;
        return false;
    }
    *outcome = Outcome::Copied;
    return true;
}

bool CFileInstaller::WriteText(const std::string& target, const std::string& text, std::string* error)
{
    int dirFd = -1;
    std::string leaf;
    if (!OpenParent(target, true, &dirFd, &leaf, error)) return false;
    CFd dir(dirFd);
    struct stat old {};
    if (::fstatat(dir.Get(), leaf.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(old.st_mode)) {
        *error = target + " in the destination is a symbolic link or not a regular file";
        return false;
    }
    if (!WriteFrom(-1, &text, dir.Get(), leaf, 0644, nullptr, error)) {
        *error = target + ": " + *error;
        return false;
    }
    return true;
}

bool CFileInstaller::ReadText(const std::string& target, std::string* text, std::string* error) const
{
    int dirFd = -1;
    std::string leaf;
    if (!OpenParent(target, false, &dirFd, &leaf, error)) return false;
    CFd dir(dirFd);
    CFd in(::openat(dir.Get(), leaf.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (in.Get() < 0 || ::fstat(in.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = target + " cannot be read in " + m_strDestination;
        return false;
    }
    if (st.st_size > (1 << 20)) {
        *error = target + " is too large";
        return false;
    }
    text->clear();
    char buf[8192];
    for (;;) {
        ssize_t n = ::read(in.Get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = "cannot read " + target + ": " + SystemError();
            return false;
        }
        if (n == 0) break;
        text->append(buf, static_cast<std::size_t>(n));
    }
    return true;
}

bool CFileInstaller::Describe(const std::string& target, CInstalledFile* file) const
{
    int dirFd = -1;
    std::string leaf, error;
    if (!OpenParent(target, false, &dirFd, &leaf, &error)) return false;
    CFd dir(dirFd);
    struct stat st {};
    if (::fstatat(dir.Get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) return false;
    file->m_strPath = target;
    file->m_nSize = st.st_size;
    file->m_nTime = Nanoseconds(st.st_mtim);
    return true;
}

CFileInstaller::Removal CFileInstaller::Remove(const CInstalledFile& file, std::string* error)
{
    int dirFd = -1;
    std::string leaf;
    if (!OpenParent(file.m_strPath, false, &dirFd, &leaf, error)) return Removal::Missing;
    CFd dir(dirFd);
    struct stat st {};
    if (::fstatat(dir.Get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return Removal::Missing;
    if (!S_ISREG(st.st_mode) || st.st_size != file.m_nSize || Nanoseconds(st.st_mtim) != file.m_nTime)
        return Removal::Changed;
    if (::unlinkat(dir.Get(), leaf.c_str(), 0) != 0) {
        *error = "cannot remove " + file.m_strPath + ": " + SystemError();
        return Removal::Changed;
    }
    return Removal::Removed;
}

bool CFileInstaller::RemoveFolderIfEmpty(const std::string& relative)
{
    int dirFd = -1;
    std::string leaf, error;
    if (!OpenParent(relative, false, &dirFd, &leaf, &error)) return false;
    CFd dir(dirFd);
    struct stat st {};
    if (::fstatat(dir.Get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode)) return false;
    return ::unlinkat(dir.Get(), leaf.c_str(), AT_REMOVEDIR) == 0;
}
