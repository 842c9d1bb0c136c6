#include "imageio/PictureHolder.h"

#include "imageio/ImageCodecs.h"
#include "imageio/PictureReduce.h"
#include "imageio/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <map>
#include <optional>
#include <utility>

#include <sys/stat.h>

namespace {

std::atomic<std::uint64_t> g_useClock{1};

// Enough for the photos of a page at print resolution; the designer's copies
// at screen size are far smaller.
constexpr std::size_t kDefaultBudget = 128u << 20;

std::size_t BytesOf(const CPictureImage& image)
{
    return static_cast<std::size_t>(image.GetSize()) + image.m_alpha.size();
}

struct CFileStamp {
    bool present = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};
    bool operator==(const CFileStamp& o) const { return present == o.present && size == o.size && time == o.time; }
};

CFileStamp StampOf(const std::string& path)
{
    CFileStamp stamp;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return stamp;
    stamp.size = std::filesystem::file_size(path, ec);
    if (ec) return stamp;
    stamp.time = std::filesystem::last_write_time(path, ec);
    if (ec) return stamp;
    stamp.present = true;
    return stamp;
}

// A JPEG file's size is in its first markers: most files' within their
// first 16 KB, a camera's after its preview picture, within 256 KB.
constexpr std::size_t kHeaderBytes[] = {16 * 1024, 256 * 1024};

bool ReadPrefix(const std::string& path, std::size_t bytes, std::vector<BYTE>& data)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    data.resize(bytes);
    data.resize(std::fread(data.data(), 1, bytes, file));
    std::fclose(file);
    return !data.empty();
}

struct CCloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using CFilePtr = std::unique_ptr<std::FILE, CCloseFile>;

// Opens a regular file for reading without a buffer of its own: the
// decoder reads it in large pieces. size receives the file's size.
CFilePtr OpenWithSize(const std::string& path, std::size_t* size)
{
    CFilePtr file(std::fopen(path.c_str(), "rb"));
    struct stat st {};
    if (!file || fstat(fileno(file.get()), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) return nullptr;
    *size = static_cast<std::size_t>(st.st_size);
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return file;
}

}  // namespace

struct CPictureHolder::State {
    struct Entry {
        std::shared_ptr<CPictureImage> image;
        std::uint64_t lastUse = 0;
        bool pinned = false;  // the only source of a picture given decoded
    };

    mutable std::mutex mutex;  // everything below
    std::mutex decodeMutex;    // one decode of this picture at a time

    std::string path;
    int format = IMAGE_FORMAT_BMP;
    std::shared_ptr<const std::vector<BYTE>> bytes;  // an embedded picture
    CFileStamp stamp;
    bool sourceLost = false;

    std::atomic<bool> valid{false};
    long width = 0;
    long height = 0;
    long xdpi = 72;
    long ydpi = 72;
    std::string error;
    RGBQUAD trans{255, 255, 255, 0};
    bool drawTransparent = false;

    std::vector<Entry> entries;
    // Sizes being decoded on the pool, each with whoever waits for it.
    std::map<std::pair<long, long>, std::vector<std::function<void()>>> pending;
    // The decode under way that is reduced as it goes, and its size.
    const CReduceWhileDecoding* reducing = nullptr;
    std::pair<long, long> reducingSize;
    int decodes = 0;
    CSize lastDecode;
    std::size_t bytesHeld = 0;

    void Insert(std::shared_ptr<CPictureImage> image, bool pinned = false);
    Picture_t Find(long w, long h, bool exactOnly);
    Picture_t Make(long w, long h);
    // The source: an embedded picture's bytes, a file read whole, or, when
    // stream is given and the source is a file, the file opened at its
    // start (the caller closes it).
    bool ReadSource(CPixelBlock& data, const BYTE*& view, std::size_t& size, CFilePtr* stream);
    void Setup(const BYTE* data, std::size_t size);
    void Clamp(long& w, long& h) const;
    ~State();
};

namespace {

// Every live holder, for the budget shared by all of them.
struct CRegistry {
    std::mutex mutex;
    std::vector<std::weak_ptr<CPictureHolder::State>> states;
    std::size_t budget = kDefaultBudget;
    std::size_t sweepAt = 64;
    std::atomic<std::size_t> used{0};
};

CRegistry& Registry()
{
    static CRegistry* registry = new CRegistry;  // outlives every worker
    return *registry;
}

// Drops the least recently used copies until all copies fit the budget. The
// copy each holder used last, and pictures that exist only as their copy,
// stay.
void Trim()
{
    CRegistry& reg = Registry();
    if (reg.used.load() <= reg.budget) return;
    std::lock_guard<std::mutex> lock(reg.mutex);
    struct Candidate {
        std::shared_ptr<CPictureHolder::State> state;
        const CPictureImage* image;
        std::uint64_t lastUse;
    };
    std::vector<Candidate> candidates;
    auto& states = reg.states;
    states.erase(std::remove_if(states.begin(), states.end(), [](const auto& w) { return w.expired(); }),
                 states.end());
    for (const auto& weak : states) {
        auto state = weak.lock();
        if (!state) continue;
        std::lock_guard<std::mutex> stateLock(state->mutex);
        std::uint64_t newest = 0;
        for (const auto& e : state->entries) newest = std::max(newest, e.lastUse);
        for (const auto& e : state->entries)
            if (!e.pinned && e.lastUse != newest) candidates.push_back({state, e.image.get(), e.lastUse});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.lastUse < b.lastUse; });
    for (const Candidate& c : candidates) {
        if (reg.used.load() <= reg.budget) break;
        std::lock_guard<std::mutex> stateLock(c.state->mutex);
        auto& entries = c.state->entries;
        auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.image.get() == c.image; });
        if (it == entries.end()) continue;
        const std::size_t bytes = BytesOf(*it->image);
        c.state->bytesHeld -= bytes;
        reg.used -= bytes;
        entries.erase(it);
    }
}

}  // namespace

// Copies still in use (by a worker or a drawing) live on with their users;
// the budget stops counting them when the holder and its tasks are gone.
CPictureHolder::State::~State()
{
    Registry().used -= bytesHeld;
}

void CPictureHolder::State::Insert(std::shared_ptr<CPictureImage> image, bool pin)
{
    image->SetTransColor(trans);
    image->SetDrawTransparent(drawTransparent);
    const std::size_t bytes = BytesOf(*image);
    // A holder keeps at most a few copies: the sizes of one view and one
    // export, say. The oldest unpinned one makes room.
    constexpr std::size_t kMaxCopies = 4;
    if (entries.size() >= kMaxCopies) {
        auto oldest = entries.end();
        for (auto it = entries.begin(); it != entries.end(); ++it)
            if (!it->pinned && (oldest == entries.end() || it->lastUse < oldest->lastUse)) oldest = it;
        if (oldest != entries.end()) {
            const std::size_t old = BytesOf(*oldest->image);
            bytesHeld -= old;
            Registry().used -= old;
            entries.erase(oldest);
        }
    }
    entries.push_back({std::move(image), g_useClock++, pin});
    bytesHeld += bytes;
    Registry().used += bytes;
}

void CPictureHolder::State::Clamp(long& w, long& h) const
{
    w = std::clamp<long>(w < 0 ? -w : w, 1, width);
    h = std::clamp<long>(h < 0 ? -h : h, 1, height);
}

// Under the lock: the copy of exactly that size, or (unless exactOnly) the
// smallest copy that covers it, reduced to that size and held.
CPictureHolder::Picture_t CPictureHolder::State::Find(long w, long h, bool exactOnly)
{
    Entry* cover = nullptr;
    for (Entry& e : entries) {
        const long ew = e.image->GetWidth(), eh = e.image->GetHeight();
        if (ew == w && eh == h) {
            e.lastUse = g_useClock++;
            return e.image;
        }
        if (ew >= w && eh >= h && (!cover || ew < cover->image->GetWidth())) cover = &e;
    }
    if (exactOnly || !cover) return nullptr;
    cover->lastUse = g_useClock++;
    auto reduced = std::make_shared<CPictureImage>();
    if (!ReducePicture(*cover->image, w, h, *reduced)) return cover->image;
    Insert(reduced);
    return reduced;
}

bool CPictureHolder::State::ReadSource(CPixelBlock& data, const BYTE*& view, std::size_t& size, CFilePtr* stream)
{
    if (bytes) {
        view = bytes->data();
        size = bytes->size();
        return true;
    }
    if (path.empty() || sourceLost) return false;
    // A file that changed since it was first read no longer matches the
    // size the object was fitted to; the copies held go on showing.
    if (!(StampOf(path) == stamp)) {
        sourceLost = true;
        return false;
    }
    if (stream) {
        *stream = OpenWithSize(path, &size);
        if (!*stream) sourceLost = true;
        return static_cast<bool>(*stream);
    }
    if (!CPictureImage::ReadWholeFile(path, data, nullptr)) {
        sourceLost = true;
        return false;
    }
    view = data.data();
    size = data.size();
    return true;
}

// Decodes for w x h (already clamped). Called with decodeMutex held and the
// state lock free.
CPictureHolder::Picture_t CPictureHolder::State::Make(long w, long h)
{
    CPixelBlock data;
    const BYTE* source = nullptr;
    std::size_t sourceSize = 0;
    // A JPEG file is read by the decoder as it goes: no copy of the file.
    CFilePtr stream;
    bool readable;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const bool streamed = format == IMAGE_FORMAT_JPG;
        readable = ReadSource(data, source, sourceSize, streamed ? &stream : nullptr);
        if (!readable) {
            // The nearest copy held: the largest one.
            Entry* best = nullptr;
            for (Entry& e : entries)
                if (!best || e.image->GetWidth() > best->image->GetWidth()) best = &e;
            if (!best) return nullptr;
            best->lastUse = g_useClock++;
            return best->image;
        }
    }
    auto decoded = std::make_shared<CPictureImage>(format);
    // A JPEG decoded at a reduced scale is reduced the rest of the way while
    // it decodes, on the other core; it goes before the picture it reads.
    std::optional<CReduceWhileDecoding> reducer;
    bool ok;
    if (format == IMAGE_FORMAT_JPG) {
        const bool whole = w >= width && h >= height;
        if (!whole) {
            reducer.emplace(w, h);
            std::lock_guard<std::mutex> lock(mutex);
            reducing = &*reducer;
            reducingSize = {w, h};
        }
        CDecodeWatcher* watcher = reducer ? &*reducer : nullptr;
        ok = stream ? DecodeJpegFileScaled(stream.get(), sourceSize, *decoded, whole ? 0 : w, whole ? 0 : h, watcher)
                    : DecodeJpegScaled(source, sourceSize, *decoded, whole ? 0 : w, whole ? 0 : h, watcher);
        stream.reset();
        std::lock_guard<std::mutex> lock(mutex);
        reducing = nullptr;
    } else {
        ok = decoded->Decode(source, sourceSize, format);
    }
    // The reduced picture is the one its rows were read from meanwhile.
    std::shared_ptr<CPictureImage> reduced = ok && reducer ? reducer->Finish(*decoded) : nullptr;
    const bool reducedEarly = reduced != nullptr;
    if (!reduced) reduced = std::make_shared<CPictureImage>();
    reducer.reset();
    std::lock_guard<std::mutex> lock(mutex);
    ++decodes;
    if (!ok || !decoded->IsValid()) {
        error = decoded->GetLastError();
        sourceLost = true;
        // A file whose header was sound but whose data is not shows nothing.
        if (entries.empty()) valid = false;
        Entry* best = nullptr;
        for (Entry& e : entries)
            if (!best || e.image->GetWidth() > best->image->GetWidth()) best = &e;
        return best ? best->image : nullptr;
    }
    lastDecode = CSize(decoded->GetWidth(), decoded->GetHeight());
    if (decoded->GetWidth() == w && decoded->GetHeight() == h) {
        Insert(decoded);
        return decoded;
    }
    // Another format decoded whole is worth keeping for the next size; a
    // JPEG is decoded again at a scale that fits.
    if (format != IMAGE_FORMAT_JPG) Insert(decoded);
    if (reducedEarly) {
        decoded.reset();
        Insert(reduced);
        return reduced;
    }
    if (!ReducePicture(*decoded, std::min(w, decoded->GetWidth()), std::min(h, decoded->GetHeight()), *reduced)) {
        if (format == IMAGE_FORMAT_JPG) Insert(decoded);
        return decoded;
    }
    Insert(reduced);
    return reduced;
}

void CPictureHolder::State::Setup(const BYTE* data, std::size_t size)
{
    if (format == IMAGE_FORMAT_JPG) {
        long w = 0, h = 0, xd = 0, yd = 0;
        valid = ReadJpegInfo(data, size, &w, &h, &xd, &yd);
        if (valid) {
            width = w;
            height = h;
            if (xd && yd) {
                xdpi = xd;
                ydpi = yd;
            }
        }
        return;
    }
    auto decoded = std::make_shared<CPictureImage>(format);
    ++decodes;
    if (!decoded->Decode(data, size, format) || !decoded->IsValid()) {
        error = decoded->GetLastError();
        return;
    }
    valid = true;
    width = decoded->GetWidth();
    height = decoded->GetHeight();
    xdpi = decoded->GetXDPI();
    ydpi = decoded->GetYDPI();
    lastDecode = CSize(width, height);
    Insert(decoded);
}

namespace {
std::shared_ptr<CPictureHolder::State> Register(std::shared_ptr<CPictureHolder::State> state)
{
    CRegistry& reg = Registry();
    std::lock_guard<std::mutex> lock(reg.mutex);
    // Holders come and go (every clone and every load makes new ones); the
    // list is swept whenever it has doubled.
    if (reg.states.size() >= reg.sweepAt) {
        auto& states = reg.states;
        states.erase(std::remove_if(states.begin(), states.end(), [](const auto& w) { return w.expired(); }),
                     states.end());
        reg.sweepAt = std::max<std::size_t>(64, 2 * states.size());
    }
    reg.states.push_back(state);
    return state;
}
}  // namespace

CPictureHolder::CPictureHolder(const std::string& path, int format) : m_state(std::make_shared<State>())
{
    State& s = *m_state;
    s.path = path;
    s.format = format;
    std::vector<BYTE> data;
    if (!DecoderForFormat(format)) {
        s.error = "Unsupported operation for this format";
    } else {
        s.stamp = StampOf(path);
        // The header is looked for in a small piece of the file, then in a
        // larger one, and only then in the whole file.
        for (const std::size_t bytes : kHeaderBytes) {
            if (format != IMAGE_FORMAT_JPG || !s.stamp.present || s.stamp.size <= bytes) break;
            if (!ReadPrefix(path, bytes, data)) break;
            s.Setup(data.data(), data.size());
            if (s.valid) break;
        }
        if (!s.valid && CPictureImage::ReadWholeFile(path, data, &s.error)) s.Setup(data.data(), data.size());
    }
    Register(m_state);
    Trim();
}

CPictureHolder::CPictureHolder(std::vector<BYTE> bytes, int format) : m_state(std::make_shared<State>())
{
    State& s = *m_state;
    s.format = format;
    s.bytes = std::make_shared<const std::vector<BYTE>>(std::move(bytes));
    if (!DecoderForFormat(format)) s.error = "Unsupported operation for this format";
    else s.Setup(s.bytes->data(), s.bytes->size());
    Register(m_state);
    Trim();
}

CPictureHolder::CPictureHolder(CPictureImage picture) : m_state(std::make_shared<State>())
{
    State& s = *m_state;
    s.format = picture.GetType();
    s.valid = picture.IsValid();
    if (s.valid) {
        s.width = picture.GetWidth();
        s.height = std::labs(picture.GetHeight());
        s.xdpi = picture.GetXDPI();
        s.ydpi = picture.GetYDPI();
        s.trans = picture.GetTransColor();
        s.drawTransparent = picture.GetDrawTransparent();
        s.Insert(std::make_shared<CPictureImage>(std::move(picture)), true);
    }
    Register(m_state);
    Trim();
}

CPictureHolder::~CPictureHolder() = default;

bool CPictureHolder::IsValid() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->valid;
}

long CPictureHolder::GetWidth() const { return m_state->width; }
long CPictureHolder::GetHeight() const { return m_state->height; }
int CPictureHolder::GetType() const { return m_state->format; }
long CPictureHolder::GetXDPI() const { return m_state->xdpi; }
long CPictureHolder::GetYDPI() const { return m_state->ydpi; }
const std::string& CPictureHolder::Path() const { return m_state->path; }

std::string CPictureHolder::GetLastError() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->error;
}

RGBQUAD CPictureHolder::GetTransColor() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->trans;
}

void CPictureHolder::SetTransColor(RGBQUAD color)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->trans = color;
    for (auto& e : m_state->entries) e.image->SetTransColor(color);
}

bool CPictureHolder::GetDrawTransparent() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->drawTransparent;
}

void CPictureHolder::SetDrawTransparent(bool on)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->drawTransparent = on;
    for (auto& e : m_state->entries) e.image->SetDrawTransparent(on);
}

namespace {
CPictureHolder::Picture_t PictureOf(const std::shared_ptr<CPictureHolder::State>& state, long w, long h)
{
    if (!state->valid) return nullptr;
    state->Clamp(w, h);
    CPictureHolder::Picture_t found;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        found = state->Find(w, h, false);
    }
    if (!found) {
        std::lock_guard<std::mutex> decode(state->decodeMutex);
        {
            // Another thread may have made it while this one waited.
            std::lock_guard<std::mutex> lock(state->mutex);
            found = state->Find(w, h, false);
        }
        if (!found) found = state->Make(w, h);
    }
    Trim();
    return found;
}
}  // namespace

CPictureHolder::Picture_t CPictureHolder::Picture(long width, long height)
{
    return PictureOf(m_state, width, height);
}

CPictureHolder::Picture_t CPictureHolder::Held(long width, long height, bool* sharp)
{
    if (sharp) *sharp = false;
    State& s = *m_state;
    if (!s.valid) return nullptr;
    s.Clamp(width, height);
    Picture_t found;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        found = s.Find(width, height, false);
        if (found && found->GetWidth() == width && found->GetHeight() == height) {
            if (sharp) *sharp = true;
        } else if (!found) {
            State::Entry* best = nullptr;
            for (auto& e : s.entries)
                if (!best || e.image->GetWidth() > best->image->GetWidth()) best = &e;
            if (best) found = best->image;
            // Nothing better can come from a source that is gone.
            if (sharp && s.sourceLost) *sharp = true;
        }
    }
    Trim();
    return found;
}

bool CPictureHolder::Covers(long width, long height) const
{
    State& s = *m_state;
    if (!s.valid) return true;
    s.Clamp(width, height);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.sourceLost) return true;
    for (const auto& e : s.entries)
        if (e.image->GetWidth() >= width && e.image->GetHeight() >= height) return true;
    return false;
}

CPictureHolder::Picture_t CPictureHolder::Partial(long width, long height, long* rowsFromTop)
{
    *rowsFromTop = 0;
    State& s = *m_state;
    if (!s.valid) return nullptr;
    s.Clamp(width, height);
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.reducing || s.reducingSize != std::make_pair(width, height)) return nullptr;
    return s.reducing->Partial(rowsFromTop);
}

void CPictureHolder::Request(long width, long height, std::function<void()> done)
{
    State& s = *m_state;
    if (!s.valid) return;
    s.Clamp(width, height);
    {
        // A size already being decoded is not decoded twice, but a later
        // caller still hears when it is in.
        std::lock_guard<std::mutex> lock(s.mutex);
        auto [at, added] = s.pending.try_emplace({width, height});
        if (done) at->second.push_back(std::move(done));
        if (!added) return;
    }
    CWorkerPool::Shared().Submit([state = m_state, width, height] {
        PictureOf(state, width, height);
        std::vector<std::function<void()>> waiting;
        {
            std::lock_guard<std::mutex> lock(state->mutex);
            auto at = state->pending.find({width, height});
            waiting = std::move(at->second);
            state->pending.erase(at);
        }
        for (const std::function<void()>& done : waiting) done();
    });
}

int CPictureHolder::DecodeCount() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->decodes;
}

CSize CPictureHolder::LastDecodeSize() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->lastDecode;
}

std::size_t CPictureHolder::HeldBytes() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->bytesHeld;
}

std::size_t CPictureHolder::HeldCount() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->entries.size();
}

void CPictureHolder::SetBudget(std::size_t bytes)
{
    {
        std::lock_guard<std::mutex> lock(Registry().mutex);
        Registry().budget = bytes;
    }
    Trim();
}

std::size_t CPictureHolder::Budget()
{
    std::lock_guard<std::mutex> lock(Registry().mutex);
    return Registry().budget;
}

std::size_t CPictureHolder::TotalHeldBytes()
{
    return Registry().used.load();
}
