#include "imageio/PictureReduce.h"

#include "imageio/PictureImage.h"
#include "imageio/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Weights are fixed point: the weights of one new pixel sum to kOne.
constexpr int kWeightBits = 14;
constexpr std::uint32_t kOne = 1u << kWeightBits;

// The source pixels that one new pixel covers along one axis: the first of
// them and how many, with their weights at weights[offset...].
struct CTaps {
    long first = 0;
    int count = 0;
    std::size_t offset = 0;
};

struct CAxis {
    std::vector<CTaps> taps;
    std::vector<std::uint32_t> weights;
    int widest = 0;  // the most source pixels one new pixel covers
};

CAxis AreaAxis(long from, long to)
{
    CAxis axis;
    axis.taps.resize(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / static_cast<double>(to);
    for (long i = 0; i < to; ++i) {
        const double a = i * step;
        const double b = std::min<double>(static_cast<double>(from), (i + 1) * step);
        CTaps& t = axis.taps[static_cast<std::size_t>(i)];
        t.first = static_cast<long>(std::floor(a));
        t.offset = axis.weights.size();
        const long last = std::min<long>(from - 1, static_cast<long>(std::ceil(b)) - 1);
        std::uint32_t total = 0;
        std::size_t largest = t.offset;
        for (long k = t.first; k <= last; ++k) {
            const double w = std::min<double>(b, k + 1.0) - std::max<double>(a, static_cast<double>(k));
            const auto q = static_cast<std::uint32_t>(std::lround(w / step * kOne));
            axis.weights.push_back(q);
            total += q;
            if (q > axis.weights[largest]) largest = axis.weights.size() - 1;
        }
        t.count = static_cast<int>(axis.weights.size() - t.offset);
        axis.widest = std::max(axis.widest, t.count);
        // Rounding may leave the sum a little off one; the largest weight
        // takes the difference, so that a flat area stays exactly flat.
        axis.weights[largest] += kOne - total;
    }
    return axis;
}

bool IsGreyRamp(const CPictureImage& image)
{
    if (image.GetBpp() != 8 || image.GetNumColors() != 256) return false;
    const RGBQUAD* pal = image.GetPalette();
    if (!pal) return false;
    for (int i = 0; i < 256; ++i)
        if (pal[i].rgbRed != i || pal[i].rgbGreen != i || pal[i].rgbBlue != i) return false;
    return true;
}

// One stored row as channels of bytes: grey, or blue, green, red, then
// alpha when the picture has a plane.
void FetchRow(const CPictureImage& image, long row, int channels, bool grey, bool alpha, BYTE* out)
{
    const long width = image.GetWidth();
    const BYTE* src = image.GetBits(row);
    const BYTE* a = alpha ? image.m_alpha.data() + static_cast<std::size_t>(row) * width : nullptr;
    const int bpp = image.GetBpp();
    if (grey) {
        std::memcpy(out, src, static_cast<std::size_t>(width));
        return;
    }
    const RGBQUAD* pal = image.GetPalette();
    const DWORD colours = image.GetNumColors();
    for (long x = 0; x < width; ++x, out += channels) {
        if (bpp == 24) {
            out[0] = src[x * 3];
            out[1] = src[x * 3 + 1];
            out[2] = src[x * 3 + 2];
        } else {
            const BYTE index = PixelIndexAt(src, x, bpp);
            const RGBQUAD c = pal && index < colours ? pal[index] : RGBQUAD{0, 0, 0, 0};
            out[0] = c.rgbBlue;
            out[1] = c.rgbGreen;
            out[2] = c.rgbRed;
        }
        if (a) out[3] = a[x];
    }
}

// The new rows [fromRow, toRow) of a reduction.
template <int kChannels>
void ReduceRows(const CPictureImage& source, const CAxis& cols, const CAxis& rows, bool grey, bool alpha,
                CPictureImage& out, long fromRow, long toRow)
{
    const long sw = source.GetWidth();
    const long width = out.GetWidth();
    // 24-bit rows without alpha, and grey rows, are read where they are.
    const bool direct = grey || (kChannels == 3 && source.GetBpp() == 24);
    std::vector<BYTE> line(direct ? 0 : static_cast<std::size_t>(sw) * kChannels);
    const std::size_t across = static_cast<std::size_t>(sw) * kChannels;
    // Two pixels' worth of zeros past the row: a new pixel's last taps may
    // look there when it has fewer.
    std::vector<std::uint32_t> sum(across + 2 * kChannels);
    const auto row = [&](long y) -> const BYTE* {
        if (direct) return source.GetBits(y);
        FetchRow(source, y, kChannels, grey, alpha, line.data());
        return line.data();
    };
    constexpr int kColour = kChannels == 4 ? 3 : kChannels;
    constexpr int kShift = kWeightBits + 8;
    constexpr std::uint32_t kHalf = 1u << (kShift - 1);
    // A reduction by less than half (always so after the decoder's own
    // scaling) weighs at most three source pixels into a new one: those go
    // by three plain weights (the missing ones nought), which the compiler
    // keeps in registers.
    struct CThree {
        std::uint32_t at;
        std::uint32_t w[3];
    };
    const bool threes = cols.widest <= 3 && kChannels != 4;
    std::vector<CThree> three;
    if (threes) {
        three.resize(static_cast<std::size_t>(width));
        for (long x = 0; x < width; ++x) {
            const CTaps& ct = cols.taps[static_cast<std::size_t>(x)];
            CThree& t = three[static_cast<std::size_t>(x)];
            t.at = static_cast<std::uint32_t>(ct.first * kChannels);
            for (int k = 0; k < 3; ++k) t.w[k] = k < ct.count ? cols.weights[ct.offset + k] : 0;
        }
    }
    for (long y = fromRow; y < toRow; ++y) {
        // Down the rows first: the covered source rows, weighed, into one
        // row of sums (scaled to 8 fraction bits); then across it.
        const CTaps& rt = rows.taps[static_cast<std::size_t>(y)];
        const std::uint32_t* rw = rows.weights.data() + rt.offset;
        constexpr std::uint32_t kRound = 1u << (kWeightBits - 9);
        if (rt.count == 1) {
            const BYTE* src = row(rt.first);
            for (std::size_t i = 0; i < across; ++i) sum[i] = static_cast<std::uint32_t>(src[i]) << 8;
        } else if (rt.count <= 3 && direct) {
            // Two or three rows in one pass (two: the second again, weighed
            // nought).
            const BYTE* a = source.GetBits(rt.first);
            const BYTE* b = source.GetBits(rt.first + 1);
            const BYTE* c = rt.count == 3 ? source.GetBits(rt.first + 2) : b;
            const std::uint32_t wa = rw[0], wb = rw[1], wc = rt.count == 3 ? rw[2] : 0;
            for (std::size_t i = 0; i < across; ++i)
                sum[i] = (wa * a[i] + wb * b[i] + wc * c[i] + kRound) >> (kWeightBits - 8);
        } else {
            std::fill(sum.begin(), sum.begin() + static_cast<std::ptrdiff_t>(across), 0u);
            for (int k = 0; k < rt.count; ++k) {
                const BYTE* src = row(rt.first + k);
                const std::uint32_t w = rw[k];
                for (std::size_t i = 0; i < across; ++i) sum[i] += w * src[i];
            }
            for (std::size_t i = 0; i < across; ++i) sum[i] = (sum[i] + kRound) >> (kWeightBits - 8);
        }
        BYTE* dst = out.GetBits(y);
        if (threes) {
            for (long x = 0; x < width; ++x) {
                const CThree& t = three[static_cast<std::size_t>(x)];
                const std::uint32_t* p = sum.data() + t.at;
                for (int c = 0; c < kColour; ++c) {
                    const std::uint32_t v = t.w[0] * p[c] + t.w[1] * p[c + kChannels] + t.w[2] * p[c + 2 * kChannels];
                    dst[x * kColour + c] = static_cast<BYTE>(std::min<std::uint32_t>(255, (v + kHalf) >> kShift));
                }
            }
            continue;
        }
        BYTE* dstAlpha = alpha ? out.AlphaGetPointer(0, y) : nullptr;
        for (long x = 0; x < width; ++x) {
            const CTaps& ct = cols.taps[static_cast<std::size_t>(x)];
            const std::uint32_t* cw = cols.weights.data() + ct.offset;
            std::uint32_t acc[kChannels] = {};
            const std::uint32_t* s = sum.data() + static_cast<std::size_t>(ct.first) * kChannels;
            for (int k = 0; k < ct.count; ++k, s += kChannels)
                for (int c = 0; c < kChannels; ++c) acc[c] += cw[k] * s[c];
            for (int c = 0; c < kColour; ++c)
                dst[x * kColour + c] = static_cast<BYTE>(std::min<std::uint32_t>(255, (acc[c] + kHalf) >> kShift));
            if (kChannels == 4 && dstAlpha)
                dstAlpha[x] = static_cast<BYTE>(std::min<std::uint32_t>(255, (acc[kChannels - 1] + kHalf) >> kShift));
        }
    }
}

// Everything a reduction needs besides the source rows: the new picture and
// the taps of both axes. The new rows are independent of each other, so any
// range of them can be made on any thread once its source rows are in.
struct CReduction {
    CAxis cols;
    CAxis rows;
    bool grey = false;
    bool alpha = false;
    int channels = 3;
    // Shared, so that rows already made can be read while others are made.
    std::shared_ptr<CPictureImage> out = std::make_shared<CPictureImage>();

    // Looks only at the source's size and format, not at its pixels.
    bool Prepare(const CPictureImage& source, long width, long height)
    {
        const long sw = source.GetWidth();
        const long sh = source.GetHeight();
        const int bpp = source.GetBpp();
        if (!source.IsValid() || width < 1 || height < 1 || width > sw || height > sh) return false;
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return false;
        grey = IsGreyRamp(source);
        alpha = source.AlphaIsValid();
        channels = grey ? 1 : (alpha ? 4 : 3);
        *out = CPictureImage(source.GetType());
        if (!out->Create(width, height, grey ? 8 : 24, source.GetType())) return false;
        if (grey) out->SetGrayPalette();
        if (alpha && !out->AlphaCreate()) return false;
        cols = AreaAxis(sw, width);
        rows = AreaAxis(sh, height);
        return true;
    }

    // The new rows [from, to); false when memory ran out.
    bool Reduce(const CPictureImage& source, long from, long to)
    {
        try {
            if (channels == 1) ReduceRows<1>(source, cols, rows, grey, alpha, *out, from, to);
            else if (channels == 3) ReduceRows<3>(source, cols, rows, grey, alpha, *out, from, to);
            else ReduceRows<4>(source, cols, rows, grey, alpha, *out, from, to);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    // Gives the new picture the source's settings (format, key colour,
    // resolution); its size and pixels stay as they are.
    void Settle(const CPictureImage& source)
    {
        CPictureImage& p = *out;
        p.m_nTransIndex = -1;
        p.m_rgbBackground = source.m_rgbBackground;
        p.m_nFrameCount = source.m_nFrameCount;
        p.m_nJpegQuality = source.m_nJpegQuality;
        p.SetXDPI(source.GetXDPI());
        p.SetYDPI(source.GetYDPI());
        p.AlphaSetMax(source.AlphaGetMax());
    }

    // Hands the new picture over with the source's settings.
    void Deliver(const CPictureImage& source, CPictureImage& target)
    {
        Settle(source);
        target = std::move(*out);
    }
};

}  // namespace

bool ReducePicture(const CPictureImage& source, long width, long height, CPictureImage& target)
{
    CReduction r;
    if (!r.Prepare(source, width, height)) return false;
    const long sw = source.GetWidth();
    const long sh = source.GetHeight();
    std::atomic<bool> failed{false};
    const auto reduce = [&](long from, long to) {
        if (!r.Reduce(source, from, to)) failed = true;
    };
    // A large picture is reduced by two threads, each taking half the rows:
    // the thread that asked for it would otherwise only wait.
    long split = height;
    std::thread helper;
    if (static_cast<long long>(sw) * sh >= (1LL << 20) && height >= 2 && std::thread::hardware_concurrency() > 1) {
        split = height / 2;
        try {
            helper = std::thread(reduce, split, height);
        } catch (const std::system_error&) {
            split = height;
        }
    }
    reduce(0, split);
    if (helper.joinable()) helper.join();
    if (failed) return false;
    r.Deliver(source, target);
    return true;
}

// The bands of one reduction, shared with the pool tasks that help with it:
// a task may still be waiting for a thread long after the reduction is over.
struct CReduceWhileDecoding::CBands {
    std::mutex mutex;  // everything below but the rows of the bands taken
    std::condition_variable idle;
    CReduction reduction;
    const CPictureImage* source = nullptr;  // null once nothing may be taken
    long rowsPerBand = 1;
    // For each band, counted from the top of the picture, the decoded rows
    // it needs.
    std::vector<long> need;
    // The bands made, and how many of them from the top have no gap.
    std::vector<char> made;
    std::size_t madeFromTop = 0;
    long decoded = 0;
    std::size_t next = 0;  // the first band nobody took
    int working = 0;       // bands being made
    bool helperQueued = false;
    bool failed = false;

    // Takes and makes the ready bands, with the lock held on entry and exit.
    void Work(std::unique_lock<std::mutex>& lock)
    {
        while (source && next < need.size() && need[next] <= decoded) {
            const long height = reduction.out->GetHeight();
            const long band = static_cast<long>(next++);
            // Band 0 is the top of the picture: the last rows of the bitmap.
            const long to = height - band * rowsPerBand;
            const long from = std::max(0L, to - rowsPerBand);
            const CPictureImage& picture = *source;
            ++working;
            lock.unlock();
            const bool ok = reduction.Reduce(picture, from, to);
            lock.lock();
            if (!ok) failed = true;
            made[static_cast<std::size_t>(band)] = ok;
            while (madeFromTop < made.size() && made[madeFromTop]) ++madeFromTop;
            if (--working == 0) idle.notify_all();
        }
    }

    static void Help(const std::shared_ptr<CBands>& self)
    {
        std::unique_lock<std::mutex> lock(self->mutex);
        self->Work(lock);
        self->helperQueued = false;
    }

    // No band is taken any more; waits for those being made.
    void Close(std::unique_lock<std::mutex>& lock)
    {
        source = nullptr;
        idle.wait(lock, [this] { return working == 0; });
    }
};

CReduceWhileDecoding::CReduceWhileDecoding(long width, long height) : m_width(width), m_height(height) {}

CReduceWhileDecoding::~CReduceWhileDecoding()
{
    if (!m_bands) return;
    std::unique_lock<std::mutex> lock(m_bands->mutex);
    m_bands->Close(lock);
    // A helper still waiting for a thread keeps the bands, not the picture.
    m_bands->reduction.out.reset();
}

void CReduceWhileDecoding::Started(const CPictureImage& image) noexcept
{
    SetBands(nullptr);
    m_nextNeed = LONG_MAX;
    const long width = std::min(m_width, image.GetWidth());
    const long height = std::min(m_height, image.GetHeight());
    if (width == image.GetWidth() && height == image.GetHeight()) return;  // nothing to reduce
    try {
        auto bands = std::make_shared<CBands>();
        if (!bands->reduction.Prepare(image, width, height)) return;
        // About sixty bands: small enough that the last one, all that is
        // left when the decoder ends, is quickly made.
        bands->rowsPerBand = std::max(8L, (height + 63) / 64);
        const long sourceHeight = image.GetHeight();
        for (long to = height; to > 0; to -= bands->rowsPerBand) {
            const long from = std::max(0L, to - bands->rowsPerBand);
            // The band's lowest bitmap row needs the source rows from its
            // first tap to the bitmap's last.
            bands->need.push_back(sourceHeight - bands->reduction.rows.taps[static_cast<std::size_t>(from)].first);
        }
        bands->made.assign(bands->need.size(), 0);
        bands->source = &image;
        SetBands(std::move(bands));
    } catch (const std::bad_alloc&) {
        SetBands(nullptr);
        return;
    }
    m_nAnnounced = 0;
    // A small picture, or a single core, is reduced once the decode is done.
    const bool helped = static_cast<long long>(image.GetWidth()) * image.GetHeight() >= (1LL << 20) &&
                        std::thread::hardware_concurrency() > 1;
    m_nextNeed = helped ? m_bands->need.front() : LONG_MAX;
}

void CReduceWhileDecoding::RowsDecoded(long rows) noexcept
{
    if (rows < m_nextNeed || !m_bands) return;
    const std::vector<long>& need = m_bands->need;
    while (m_nAnnounced < need.size() && need[m_nAnnounced] <= rows) ++m_nAnnounced;
    m_nextNeed = m_nAnnounced < need.size() ? need[m_nAnnounced] : LONG_MAX;
    std::lock_guard<std::mutex> lock(m_bands->mutex);
    m_bands->decoded = rows;
    if (m_bands->helperQueued) return;  // it takes the new bands too
    m_bands->helperQueued = true;
    try {
        CWorkerPool::Shared().Submit([bands = m_bands] { CBands::Help(bands); });
    } catch (...) {
        // Finish makes what no helper did.
        m_bands->helperQueued = false;
    }
}

void CReduceWhileDecoding::SetBands(std::shared_ptr<CBands> bands)
{
    std::lock_guard<std::mutex> lock(m_bandsMutex);
    m_bands = std::move(bands);
}

std::shared_ptr<CPictureImage> CReduceWhileDecoding::Finish(const CPictureImage& decoded)
{
    if (!m_bands) return nullptr;
    std::unique_lock<std::mutex> lock(m_bands->mutex);
    if (m_bands->source != &decoded) {
        m_bands->Close(lock);
        return nullptr;
    }
    m_bands->decoded = LONG_MAX;
    m_bands->Work(lock);
    m_bands->Close(lock);
    std::shared_ptr<CPictureImage> out = m_bands->failed ? nullptr : m_bands->reduction.out;
    lock.unlock();
    // Readers of the rows made so far read only pixels, which stay.
    if (out) m_bands->reduction.Settle(decoded);
    SetBands(nullptr);
    return out;
}

bool CReduceWhileDecoding::Finish(const CPictureImage& decoded, CPictureImage& target)
{
    const std::shared_ptr<CPictureImage> out = Finish(decoded);
    if (out) target = std::move(*out);
    return out != nullptr;
}

std::shared_ptr<const CPictureImage> CReduceWhileDecoding::Partial(long* rows) const
{
    *rows = 0;
    std::shared_ptr<CBands> bands;
    {
        std::lock_guard<std::mutex> lock(m_bandsMutex);
        bands = m_bands;
    }
    if (!bands) return nullptr;
    std::lock_guard<std::mutex> lock(bands->mutex);
    if (!bands->source || !bands->reduction.out) return nullptr;
    *rows = std::min(bands->reduction.out->GetHeight(), static_cast<long>(bands->madeFromTop) * bands->rowsPerBand);
    return bands->reduction.out;
}
