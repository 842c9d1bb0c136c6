#include "document/CompoundFile.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void InitGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        // Hostile files make the library complain on the log; the caller
        // already gets a clear error, so the complaints are dropped.
        auto quiet = [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {};
        auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE);
        for (const char* domain : {"libgsf", "libgsf:msole", "GLib-GObject", "GLib"}) g_log_set_handler(domain, levels, quiet, nullptr);
    });
}

// Owns one GObject reference.
template <typename T>
struct CGObjectRef {
    T* p = nullptr;
    explicit CGObjectRef(T* object) : p(object) {}
    ~CGObjectRef()
    {
        if (p) g_object_unref(p);
    }
    CGObjectRef(const CGObjectRef&) = delete;
    CGObjectRef& operator=(const CGObjectRef&) = delete;
};

std::string TakeError(GError* err, const char* fallback)
{
    std::string text = err && err->message ? err->message : fallback;
    if (err) g_error_free(err);
    return text;
}

bool WriteStorage(GsfOutfile* out, const CStorage& storage, std::string* error)
{
    for (const auto& [name, bytes] : storage.Streams()) {
        GsfOutput* child = gsf_outfile_new_child(out, name.c_str(), FALSE);
        if (!child) {
            *error = "Cannot create the stream \"" + name + "\"";
            return false;
        }
        bool ok = bytes.empty() || gsf_output_write(child, bytes.size(), bytes.data());
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
        if (!ok) {
            *error = "Cannot write the stream \"" + name + "\"";
            return false;
        }
    }
    for (const auto& [name, sub] : storage.Storages()) {
        GsfOutput* child = gsf_outfile_new_child(out, name.c_str(), TRUE);
        if (!child) {
            *error = "Cannot create the storage \"" + name + "\"";
            return false;
        }
        bool ok = WriteStorage(GSF_OUTFILE(child), *sub, error);
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
        if (!ok) {
            if (error->empty()) *error = "Cannot write the storage \"" + name + "\"";
            return false;
        }
    }
    return true;
}

struct CReadBudget {
    // Streams may not together hold more than a few times the file: a
    // hostile allocation table could otherwise make sectors count many times.
    std::size_t bytesLeft;
    std::size_t entriesLeft;
};

bool ReadStorage(GsfInfile* in, CStorage* storage, int depth, CReadBudget& budget, std::string* error)
{
    if (depth > CCompoundFile::kMaxDepth) {
        *error = "The storages are nested too deeply";
        return false;
    }
    int count = gsf_infile_num_children(in);
    for (int i = 0; i < count; ++i) {
        if (budget.entriesLeft == 0) {
            *error = "The file holds too many entries";
            return false;
        }
        --budget.entriesLeft;
        const char* rawName = gsf_infile_name_by_index(in, i);
        GsfInput* child = gsf_infile_child_by_index(in, i);
        if (!rawName || !child) {
            if (child) g_object_unref(child);
            *error = "An entry of the file cannot be opened";
            return false;
        }
        CGObjectRef<GsfInput> childRef(child);
        std::string name = rawName;
        bool isStorage = GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0;
        if (isStorage) {
            CStorage* sub = storage->CreateStorage(name);
            if (!sub) {
                *error = "The storage name \"" + name + "\" is not valid";
                return false;
            }
            if (!ReadStorage(GSF_INFILE(child), sub, depth + 1, budget, error)) return false;
            continue;
        }
        gsf_off_t size = gsf_input_size(child);
        if (size < 0 || static_cast<unsigned long long>(size) > budget.bytesLeft) {
            *error = "The stream \"" + name + "\" is larger than the file can hold";
            return false;
        }
        budget.bytesLeft -= static_cast<std::size_t>(size);
        std::vector<BYTE> bytes(static_cast<std::size_t>(size));
        if (size > 0 && !gsf_input_read(child, static_cast<std::size_t>(size), bytes.data())) {
            *error = "The stream \"" + name + "\" cannot be read";
            return false;
        }
        if (!storage->CreateStream(name, std::move(bytes))) {
            *error = "The stream name \"" + name + "\" is not valid";
            return false;
        }
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

bool CStorage::IsValidName(const std::string& name)
{
    // The format counts UTF-16 units; a name of ASCII bytes maps one to one
    // and other text is counted conservatively by its bytes.
    return !name.empty() && name.size() <= kMaxNameLength && name.find('/') == std::string::npos;
}

bool CStorage::CreateStream(const std::string& name, std::vector<BYTE> bytes)
{
    if (!IsValidName(name) || OpenStorage(name)) return false;
    for (auto& entry : m_streams) {
        if (entry.first == name) {
            entry.second = std::move(bytes);
            return true;
        }
    }
    m_streams.emplace_back(name, std::move(bytes));
    return true;
}

const std::vector<BYTE>* CStorage::OpenStream(const std::string& name) const
{
    for (const auto& entry : m_streams)
        if (entry.first == name) return &entry.second;
    return nullptr;
}

CStorage* CStorage::CreateStorage(const std::string& name)
{
    if (!IsValidName(name) || OpenStream(name)) return nullptr;
    for (auto& entry : m_storages)
        if (entry.first == name) return entry.second.get();
    m_storages.emplace_back(name, std::make_unique<CStorage>());
    return m_storages.back().second.get();
}

const CStorage* CStorage::OpenStorage(const std::string& name) const
{
    for (const auto& entry : m_storages)
        if (entry.first == name) return entry.second.get();
    return nullptr;
}

bool CStorage::Remove(const std::string& name)
{
    auto s = std::find_if(m_streams.begin(), m_streams.end(), [&](const auto& e) { return e.first == name; });
    if (s != m_streams.end()) {
        m_streams.erase(s);
        return true;
    }
    auto d = std::find_if(m_storages.begin(), m_storages.end(), [&](const auto& e) { return e.first == name; });
    if (d != m_storages.end()) {
        m_storages.erase(d);
        return true;
    }
    return false;
}

bool CCompoundFile::Write(const CStorage& root, std::vector<BYTE>* bytes, std::string* error)
{
    InitGsf();
    std::string dummy;
    if (!error) error = &dummy;
    error->clear();
    CGObjectRef<GsfOutput> sink(gsf_output_memory_new());
    if (!sink.p) {
        *error = "Out of memory";
        return false;
    }
    GsfOutfile* outfile = gsf_outfile_msole_new(sink.p);
    if (!outfile) {
        *error = "Cannot create the compound file";
        return false;
    }
    bool ok = WriteStorage(outfile, root, error);
    ok = gsf_output_close(GSF_OUTPUT(outfile)) && ok;
    g_object_unref(outfile);
    if (!ok) {
        if (error->empty()) *error = "Cannot write the compound file";
        return false;
    }
    gsf_off_t size = gsf_output_size(sink.p);
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.p));
    if (size < 0 || (size > 0 && !data)) {
        *error = "Cannot write the compound file";
        return false;
    }
    bytes->assign(data, data + size);
    return true;
}

bool CCompoundFile::Read(const BYTE* data, std::size_t size, CStorage* root, std::string* error)
{
    InitGsf();
    std::string dummy;
    if (!error) error = &dummy;
    error->clear();
    *root = CStorage();
    if (!data || size == 0) {
        *error = "The file is empty";
        return false;
    }
    CGObjectRef<GsfInput> input(gsf_input_memory_new(data, static_cast<gsf_off_t>(size), FALSE));
    if (!input.p) {
        *error = "Out of memory";
        return false;
    }
    GError* err = nullptr;
    CGObjectRef<GsfInfile> infile(gsf_infile_msole_new(input.p, &err));
    if (!infile.p) {
        *error = TakeError(err, "The file is not a compound file");
        return false;
    }
    if (err) g_error_free(err);
    CReadBudget budget{std::min<std::size_t>(size * 4, kMaxFileSize), kMaxEntries};
    if (!ReadStorage(infile.p, root, 0, budget, error)) {
        *root = CStorage();
        return false;
    }
    return true;
}

bool CCompoundFile::Save(const CStorage& root, const std::string& path, std::string* error)
{
    std::vector<BYTE> bytes;
    if (!Write(root, &bytes, error)) return false;
    return WriteFileReplacing(path, bytes, error);
}

bool CCompoundFile::Load(const std::string& path, CStorage* root, std::string* error)
{
    std::vector<BYTE> bytes;
    if (!ReadWholeFile(path, kMaxFileSize, &bytes, error)) return false;
    return Read(bytes.data(), bytes.size(), root, error);
}

bool ReadWholeFile(const std::string& path, std::size_t maxSize, std::vector<BYTE>* bytes, std::string* error)
{
    std::string dummy;
    if (!error) error = &dummy;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *error = "Cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    bytes->clear();
    BYTE chunk[65536];
    bool ok = true;
    for (;;) {
        std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        if (n == 0) {
            ok = !std::ferror(file);
            if (!ok) *error = "Cannot read " + path;
            break;
        }
        if (bytes->size() + n > maxSize) {
            *error = "The file " + path + " is too large";
            ok = false;
            break;
        }
        bytes->insert(bytes->end(), chunk, chunk + n);
    }
    std::fclose(file);
    if (!ok) bytes->clear();
    return ok;
}

bool WriteFileReplacing(const std::string& path, const std::vector<BYTE>& bytes, std::string* error)
{
    std::string dummy;
    if (!error) error = &dummy;
    std::string folder = FolderOf(path);
    std::string tmpl = folder + "/.mondrel-save-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) {
        *error = "Cannot create a temporary file in " + folder + ": " + std::strerror(errno);
        return false;
    }
    std::string tmpPath = name.data();
    std::size_t written = 0;
    bool ok = true;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(tmpPath.c_str());
        *error = "Cannot write " + path + ": " + std::strerror(savedErrno);
        return false;
    }
    // mkstemp makes the file private; give it the usual permissions of a
    // document (or keep those of the file it replaces).
    struct stat st {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(tmpPath.c_str(), mode);
    if (std::rename(tmpPath.c_str(), path.c_str()) != 0) {
        savedErrno = errno;
        ::unlink(tmpPath.c_str());
        *error = "Cannot replace " + path + ": " + std::strerror(savedErrno);
        return false;
    }
    return true;
}
