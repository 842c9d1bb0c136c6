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

// The library's own words where it gives some, else the fallback.
CMessage TakeError(GError* err, const char* fallback)
{
    CMessage message = err && err->message ? CMessage::Verbatim(err->message) : CMessage(fallback);
    if (err) g_error_free(err);
    return message;
}

CMessage Named(const char* text, const std::string& name)
{
    return CMessage(text).Arg(name);
}

CMessage OutOfMemory()
{
    return CMessage(MESSAGE_TEXT("CMessage", "Out of memory"));
}

// A failure of the system's, with its own words for the cause.
CMessage SystemError(const char* text, const std::string& path, int number)
{
    return CMessage(text).Arg(path).Arg(std::strerror(number));
}

bool WriteStorage(GsfOutfile* out, const CStorage& storage, CMessage* error)
{
    for (const auto& [name, bytes] : storage.Streams()) {
        GsfOutput* child = gsf_outfile_new_child(out, name.c_str(), FALSE);
        if (!child) {
            *error = Named(MESSAGE_TEXT("CMessage", "Cannot create the stream \"%1\""), name);
            return false;
        }
        bool ok = bytes.empty() || gsf_output_write(child, bytes.size(), bytes.data());
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
        if (!ok) {
            *error = Named(MESSAGE_TEXT("CMessage", "Cannot write the stream \"%1\""), name);
            return false;
        }
    }
    for (const auto& [name, sub] : storage.Storages()) {
        GsfOutput* child = gsf_outfile_new_child(out, name.c_str(), TRUE);
        if (!child) {
            *error = Named(MESSAGE_TEXT("CMessage", "Cannot create the storage \"%1\""), name);
            return false;
        }
        bool ok = WriteStorage(GSF_OUTFILE(child), *sub, error);
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
        if (!ok) {
            if (error->IsEmpty()) *error = Named(MESSAGE_TEXT("CMessage", "Cannot write the storage \"%1\""), name);
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

bool ReadStorage(GsfInfile* in, CStorage* storage, int depth, CReadBudget& budget, CMessage* error)
{
    if (depth > CCompoundFile::kMaxDepth) {
        *error = CMessage(MESSAGE_TEXT("CMessage", "The storages are nested too deeply"));
        return false;
    }
    int count = gsf_infile_num_children(in);
    for (int i = 0; i < count; ++i) {
        if (budget.entriesLeft == 0) {
            *error = CMessage(MESSAGE_TEXT("CMessage", "The file holds too many entries"));
            return false;
        }
        --budget.entriesLeft;
        const char* rawName = gsf_infile_name_by_index(in, i);
        GsfInput* child = gsf_infile_child_by_index(in, i);
        if (!rawName || !child) {
            if (child) g_object_unref(child);
            *error = CMessage(MESSAGE_TEXT("CMessage", "An entry of the file cannot be opened"));
            return false;
        }
        CGObjectRef<GsfInput> childRef(child);
        std::string name = rawName;
        bool isStorage = GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0;
        if (isStorage) {
            CStorage* sub = storage->CreateStorage(name);
            if (!sub) {
                *error = Named(MESSAGE_TEXT("CMessage", "The storage name \"%1\" is not valid"), name);
                return false;
            }
            if (!ReadStorage(GSF_INFILE(child), sub, depth + 1, budget, error)) return false;
            continue;
        }
        gsf_off_t size = gsf_input_size(child);
        if (size < 0 || static_cast<unsigned long long>(size) > budget.bytesLeft) {
            *error = Named(MESSAGE_TEXT("CMessage", "The stream \"%1\" is larger than the file can hold"), name);
            return false;
        }
        budget.bytesLeft -= static_cast<std::size_t>(size);
        std::vector<BYTE> bytes(static_cast<std::size_t>(size));
        if (size > 0 && !gsf_input_read(child, static_cast<std::size_t>(size), bytes.data())) {
            *error = Named(MESSAGE_TEXT("CMessage", "The stream \"%1\" cannot be read"), name);
            return false;
        }
        if (!storage->CreateStream(name, std::move(bytes))) {
            *error = Named(MESSAGE_TEXT("CMessage", "The stream name \"%1\" is not valid"), name);
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

bool CCompoundFile::Write(const CStorage& root, std::vector<BYTE>* bytes, CMessageOut error)
{
    CMessage why;
    const bool ok = WriteBytes(root, bytes, &why);
    error.Set(why);
    return ok;
}

bool CCompoundFile::WriteBytes(const CStorage& root, std::vector<BYTE>* bytes, CMessage* error)
{
    InitGsf();
    CGObjectRef<GsfOutput> sink(gsf_output_memory_new());
    if (!sink.p) {
        *error = OutOfMemory();
        return false;
    }
    GsfOutfile* outfile = gsf_outfile_msole_new(sink.p);
    if (!outfile) {
        *error = CMessage(MESSAGE_TEXT("CMessage", "Cannot create the compound file"));
        return false;
    }
    bool ok = WriteStorage(outfile, root, error);
    ok = gsf_output_close(GSF_OUTPUT(outfile)) && ok;
    g_object_unref(outfile);
    gsf_off_t size = gsf_output_size(sink.p);
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.p));
    if (!ok || size < 0 || (size > 0 && !data)) {
        if (error->IsEmpty()) *error = CMessage(MESSAGE_TEXT("CMessage", "Cannot write the compound file"));
        return false;
    }
    bytes->assign(data, data + size);
    return true;
}

bool CCompoundFile::Read(const BYTE* data, std::size_t size, CStorage* root, CMessageOut error)
{
    CMessage why;
    const bool ok = ReadBytes(data, size, root, &why);
    error.Set(why);
    return ok;
}

bool CCompoundFile::ReadBytes(const BYTE* data, std::size_t size, CStorage* root, CMessage* error)
{
    InitGsf();
    *root = CStorage();
    if (!data || size == 0) {
        *error = CMessage(MESSAGE_TEXT("CMessage", "The file is empty"));
        return false;
    }
    CGObjectRef<GsfInput> input(gsf_input_memory_new(data, static_cast<gsf_off_t>(size), FALSE));
    if (!input.p) {
        *error = OutOfMemory();
        return false;
    }
    GError* err = nullptr;
    CGObjectRef<GsfInfile> infile(gsf_infile_msole_new(input.p, &err));
    if (!infile.p) {
        *error = TakeError(err, MESSAGE_TEXT("CMessage", "The file is not a compound file"));
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

bool CCompoundFile::Save(const CStorage& root, const std::string& path, CMessageOut error)
{
    std::vector<BYTE> bytes;
    if (!Write(root, &bytes, error)) return false;
    return WriteFileReplacing(path, bytes, error);
}

bool CCompoundFile::Load(const std::string& path, CStorage* root, CMessageOut error)
{
    std::vector<BYTE> bytes;
    if (!ReadWholeFile(path, kMaxFileSize, &bytes, error)) return false;
    return Read(bytes.data(), bytes.size(), root, error);
}

bool ReadWholeFile(const std::string& path, std::size_t maxSize, std::vector<BYTE>* bytes, CMessageOut error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error.Set(SystemError(MESSAGE_TEXT("CMessage", "Cannot open %1: %2"), path, errno));
        return false;
    }
    bytes->clear();
    BYTE chunk[65536];
    bool ok = true;
    for (;;) {
        std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        if (n == 0) {
            ok = !std::ferror(file);
            if (!ok) error.Set(CMessage(MESSAGE_TEXT("CMessage", "Cannot read %1")).Arg(path));
            break;
        }
        if (bytes->size() + n > maxSize) {
            error.Set(CMessage(MESSAGE_TEXT("CMessage", "The file %1 is too large")).Arg(path));
            ok = false;
            break;
        }
        bytes->insert(bytes->end(), chunk, chunk + n);
    }
    std::fclose(file);
    if (!ok) bytes->clear();
    return ok;
}

bool WriteFileReplacing(const std::string& path, const std::vector<BYTE>& bytes, CMessageOut error)
{
    std::string folder = FolderOf(path);
    std::string tmpl = folder + "/.mondrel-save-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) {
        error.Set(SystemError(MESSAGE_TEXT("CMessage", "Cannot create a temporary file in %1: %2"), folder, errno));
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
        error.Set(SystemError(MESSAGE_TEXT("CMessage", "Cannot write %1: %2"), path, savedErrno));
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
        error.Set(SystemError(MESSAGE_TEXT("CMessage", "Cannot replace %1: %2"), path, savedErrno));
        return false;
    }
    return true;
}
