#include "imageio/JpegWriter.h"

#include "imageio/PictureImage.h"
#include "imageio/PixelBlock.h"
#include "imageio/SafeFile.h"
#include "imageio/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// The library's default handler prints and ends the program; ours keeps the
// message and jumps back into the writer, which then fails.
struct CJpegWriteError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void WriteErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<CJpegWriteError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void WriteOutputMessage(j_common_ptr) {}

struct JpegWriteState {
    jpeg_compress_struct cinfo;
    CJpegWriteError err;
};

// What every piece of one picture is compressed with.
struct CJpegParams {
    JDIMENSION width = 0;
    J_COLOR_SPACE space = JCS_RGB;
    int quality = 0;
    UINT16 dpiX = 0;
    UINT16 dpiY = 0;
};

// Compresses the rows into the open file, or into the destination already
// set when file is null. Nothing with a destructor lives in this frame: a
// library error jumps back to the setjmp below. rows holds one pointer per
// picture row, top row first, each row in the given colour space.
bool Compress(JpegWriteState& st, std::FILE* file, const CJpegParams& p, JDIMENSION height, JSAMPARRAY rows)
{
    if (setjmp(st.err.jump)) return false;
    if (file) jpeg_stdio_dest(&st.cinfo, file);
    st.cinfo.image_width = p.width;
    st.cinfo.image_height = height;
    st.cinfo.input_components = p.space == JCS_EXT_BGRX ? 4 : 3;
    st.cinfo.in_color_space = p.space;
    jpeg_set_defaults(&st.cinfo);
    jpeg_set_quality(&st.cinfo, p.quality, TRUE);
    if (p.dpiX > 0 && p.dpiY > 0) {
        st.cinfo.density_unit = 1;  // dots per inch
        st.cinfo.X_density = p.dpiX;
        st.cinfo.Y_density = p.dpiY;
    }
    jpeg_start_compress(&st.cinfo, TRUE);
    while (st.cinfo.next_scanline < st.cinfo.image_height)
        jpeg_write_scanlines(&st.cinfo, rows + st.cinfo.next_scanline, st.cinfo.image_height - st.cinfo.next_scanline);
    jpeg_finish_compress(&st.cinfo);
    return true;
}

void InitWriteState(JpegWriteState& st)
{
    st.cinfo.err = jpeg_std_error(&st.err.pub);
    st.err.pub.error_exit = &WriteErrorExit;
    st.err.pub.output_message = &WriteOutputMessage;
    jpeg_create_compress(&st.cinfo);
}

// The library's own words for a file it could not write, for a joined file
// that fails the same way.
std::string WriteFailedMessage()
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    err.msg_code = JERR_FILE_WRITE;
    char text[JMSG_LENGTH_MAX] = {};
    (*err.format_message)(reinterpret_cast<j_common_ptr>(&cinfo), text);
    return text;
}

// The JFIF density from a bitmap's pixels per metre, in whole dots per
// inch; 0 when the bitmap names no resolution.
UINT16 DotsPerInch(LONG pelsPerMeter)
{
    if (pelsPerMeter <= 0) return 0;
    const long long dpi = (static_cast<long long>(pelsPerMeter) * 254 + 5000) / 10000;
    return static_cast<UINT16>(std::clamp<long long>(dpi, 1, 65535));
}

// A band's compressed bytes, held in memory until the bands are joined.
// The buffer grows by doubling; the library's own memory destination would
// lose its last buffer when an error cuts the compression short. The first
// buffer may be a share of one block for all bands (given), which is not
// the band's to free.
struct CBandDest {
    jpeg_destination_mgr pub{};
    JOCTET* data = nullptr;
    std::size_t capacity = 0;
    std::size_t size = 0;
    std::size_t firstCapacity = 0;
    JOCTET* given = nullptr;
    bool borrowed = false;

    CBandDest() = default;
    CBandDest(const CBandDest&) = delete;
    CBandDest& operator=(const CBandDest&) = delete;
    ~CBandDest() { Release(); }
    void Release()
    {
        if (!borrowed) std::free(data);
        data = nullptr;
        borrowed = false;
    }
};

void InitBandDest(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<CBandDest*>(cinfo->dest);
    d->borrowed = d->given != nullptr;
    d->data = d->borrowed ? d->given : static_cast<JOCTET*>(std::malloc(d->firstCapacity));
    if (!d->data) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    d->capacity = d->firstCapacity;
    d->pub.next_output_byte = d->data;
    d->pub.free_in_buffer = d->capacity;
}

boolean GrowBandDest(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<CBandDest*>(cinfo->dest);
    JOCTET* grown = nullptr;
    if (d->borrowed) {
        grown = static_cast<JOCTET*>(std::malloc(2 * d->capacity));
        if (grown) std::memcpy(grown, d->data, d->capacity);
    } else {
        grown = static_cast<JOCTET*>(std::realloc(d->data, 2 * d->capacity));
    }
    if (!grown) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    d->borrowed = false;
    d->data = grown;
    d->pub.next_output_byte = grown + d->capacity;
    d->pub.free_in_buffer = d->capacity;
    d->capacity *= 2;
    return TRUE;
}

void TermBandDest(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<CBandDest*>(cinfo->dest);
    d->size = d->capacity - d->pub.free_in_buffer;
}

// The default sampling halves the colour both ways, so the compressor works
// in blocks (MCUs) of 16 x 16 pixels; a band is a whole number of rows of
// them, which makes its blocks the very blocks of the one-piece picture.
constexpr JDIMENSION kMcuSide = 16;
// The restart interval is a 16-bit count of MCUs.
constexpr JDIMENSION kMaxRestartInterval = 65535;

// Where one band's parts lie in its own little JPEG file: its headers up to
// the start of scan, and the entropy-coded data after the scan header.
struct CBandParts {
    std::size_t sofAt = 0;    // the frame header's marker
    std::size_t sosAt = 0;    // the scan header's marker
    std::size_t dataAt = 0;   // the first byte after the scan header
    std::size_t dataEnd = 0;  // the end-of-image marker
};

// Finds the parts by walking the marker segments the library wrote.
bool FindBandParts(const JOCTET* data, std::size_t size, CBandParts& parts)
{
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8 || data[size - 2] != 0xFF || data[size - 1] != 0xD9)
        return false;
    std::size_t at = 2;
    while (at + 4 <= size && data[at] == 0xFF) {
        const std::size_t length = (std::size_t(data[at + 2]) << 8) | data[at + 3];
        if (data[at + 1] == 0xC0) parts.sofAt = at;
        if (data[at + 1] == 0xDA) {
            parts.sosAt = at;
            parts.dataAt = at + 2 + length;
            parts.dataEnd = size - 2;
            return parts.sofAt > 0 && parts.dataAt <= parts.dataEnd;
        }
        at += 2 + length;
    }
    return false;
}

// The bands of one picture, compressed by whichever threads come for them:
// the caller and those of the shared pool. A thread takes the first band not
// yet taken, so a band is either done, being done by a running thread, or
// free for the caller to do itself; the caller never waits on a pool task
// that has not started. A band whose rows are final may also be taken
// before the file is open (a page still being painted elsewhere): it is
// written once the file is there. The work is shared with the pool's tasks, which
// may start only after the picture was written: they then find no band
// left and touch nothing else.
//
// The bands are joined into one baseline file: the first band's headers with
// the whole picture's height and a restart interval of one band, then each
// band's data, a restart marker (RST0 to RST7 in turn) between two bands.
// Each band began its own DC prediction, as a decoder does after a marker.
// A band is written as soon as it and those above it are done, by the
// thread that finished it, while the other threads still compress.
class CBandWork {
public:
    CBandWork(const CJpegParams& params, JSAMPARRAY rows, JDIMENSION height, JDIMENSION bandRows,
              JDIMENSION restartInterval)
        : m_params(params),
          m_rows(rows),
          m_height(height),
          m_bandRows(bandRows),
          m_restartInterval(restartInterval),
          m_count((height + bandRows - 1) / bandRows),
          m_out(m_count),
          m_taken(new std::atomic<bool>[m_count]()),
          m_compressed(m_count, false)
    {
        // The bands' first buffers are shares of one block, which comes in
        // huge pages when large: fresh memory is slow to touch page by page.
        m_bandCapacity = std::max<std::size_t>(4096, std::size_t(params.width) * bandRows);
        m_arena = static_cast<JOCTET*>(AllocateLargePixels(m_bandCapacity * m_count));
        if (m_arena)
            for (unsigned i = 0; i < m_count; ++i) m_out[i].given = m_arena + i * m_bandCapacity;
    }
    ~CBandWork()
    {
        m_out.clear();
        std::free(m_arena);
    }
    CBandWork(const CBandWork&) = delete;
    CBandWork& operator=(const CBandWork&) = delete;

    unsigned Count() const { return m_count; }
    JDIMENSION BandRows() const { return m_bandRows; }

    void TakeBands()
    {
        for (unsigned band = 0; band < m_count; ++band) TakeBand(band);
    }

    // Compresses the band on the calling thread unless another has it.
    // Returns whether this thread did it.
    bool TakeBand(unsigned band)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (band >= m_count || m_bStopped || m_taken[band].exchange(true)) return false;
            ++m_busy;
        }
        std::string message;
        CompressBand(band, message);
        std::unique_lock<std::mutex> lock(m_mutex);
        --m_busy;
        m_compressed[band] = true;
        ++m_finished;
        if (!message.empty() && !m_bFailed) {
            m_bFailed = true;
            m_error = message;
        }
        WriteReady(lock);
        return true;
    }

    // No band is taken any more; waits for those being compressed, so
    // that the rows may go.
    void Stop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bStopped = true;
        m_allDone.wait(lock, [this] { return m_busy == 0 && !m_bWriting; });
    }

    // The file the bands go to, from now on.
    void SetFile(std::FILE* file)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_file = file;
    }

    // Waits for the bands the pool's threads are still on. Returns false
    // with the library's message when a band or the file failed.
    bool Finish(std::string* error)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // Bands done before the file was open are written now.
        WriteReady(lock);
        m_allDone.wait(lock, [this] { return m_finished == m_count && !m_bWriting; });
        *error = m_error;
        return !m_bFailed && m_written == m_count;
    }

private:
    // Writes the bands that are done and next in order. One thread writes at
    // a time; one finishing meanwhile leaves its band to the writer, which
    // looks again after each band.
    void WriteReady(std::unique_lock<std::mutex>& lock)
    {
        while (m_file && !m_bWriting && !m_bFailed && m_written < m_count && m_compressed[m_written]) {
            const unsigned next = m_written;
            m_bWriting = true;
            lock.unlock();
            const bool wrote = WriteBand(next);
            lock.lock();
            m_bWriting = false;
            if (wrote) {
                ++m_written;
            } else {
                m_bFailed = true;
                m_error = WriteFailedMessage();
            }
        }
        if ((m_finished == m_count || m_busy == 0) && !m_bWriting) m_allDone.notify_all();
    }

    void CompressBand(unsigned band, std::string& message)
    {
        const JDIMENSION top = band * m_bandRows;
        const JDIMENSION rowCount = std::min(m_bandRows, m_height - top);
        CBandDest& dest = m_out[band];
        // About a byte a pixel at the highest quality; less is grown.
        dest.firstCapacity = m_bandCapacity;
        dest.pub.init_destination = &InitBandDest;
        dest.pub.empty_output_buffer = &GrowBandDest;
        dest.pub.term_destination = &TermBandDest;
        JpegWriteState st{};
        InitWriteState(st);
        st.cinfo.dest = &dest.pub;
        if (!Compress(st, nullptr, m_params, rowCount, m_rows + top)) message = st.err.message;
        jpeg_destroy_compress(&st.cinfo);
    }

    bool WriteBand(unsigned band)
    {
        CBandDest& dest = m_out[band];
        CBandParts parts;
        if (!FindBandParts(dest.data, dest.size, parts)) return false;
        bool ok = true;
        if (band == 0) {
            std::vector<JOCTET> head(dest.data, dest.data + parts.sosAt);
            // The frame header: marker, length, precision, then the height.
            head[parts.sofAt + 5] = static_cast<JOCTET>(m_height >> 8);
            head[parts.sofAt + 6] = static_cast<JOCTET>(m_height & 0xFF);
            const JOCTET dri[6] = {0xFF, 0xDD, 0x00, 0x04, static_cast<JOCTET>(m_restartInterval >> 8),
                                   static_cast<JOCTET>(m_restartInterval & 0xFF)};
            head.insert(head.end(), dri, dri + 6);
            head.insert(head.end(), dest.data + parts.sosAt, dest.data + parts.dataAt);
            ok = std::fwrite(head.data(), 1, head.size(), m_file) == head.size();
        }
        const std::size_t length = parts.dataEnd - parts.dataAt;
        ok = ok && std::fwrite(dest.data + parts.dataAt, 1, length, m_file) == length;
        const JOCTET marker[2] = {0xFF, static_cast<JOCTET>(band + 1 < m_count ? 0xD0 + band % 8 : 0xD9)};
        ok = ok && std::fwrite(marker, 1, 2, m_file) == 2;
        // Written bands go now, not when the last pool task lets go.
        dest.Release();
        return ok;
    }

    const CJpegParams m_params;
    const JSAMPARRAY m_rows;
    const JDIMENSION m_height;
    const JDIMENSION m_bandRows;
    const JDIMENSION m_restartInterval;
    const unsigned m_count;
    std::vector<CBandDest> m_out;
    std::size_t m_bandCapacity = 0;
    JOCTET* m_arena = nullptr;
    std::unique_ptr<std::atomic<bool>[]> m_taken;

    std::mutex m_mutex;
    std::FILE* m_file = nullptr;
    std::condition_variable m_allDone;
    std::vector<bool> m_compressed;
    unsigned m_finished = 0;
    unsigned m_written = 0;
    unsigned m_busy = 0;  // bands being compressed
    bool m_bStopped = false;
    bool m_bWriting = false;
    bool m_bFailed = false;
    std::string m_error;
};

unsigned Cores()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

// The rows cut into about the given number of bands.
std::shared_ptr<CBandWork> MakeBands(const CJpegParams& params, JDIMENSION height, JSAMPARRAY rows, unsigned bands)
{
    const JDIMENSION mcusAcross = (params.width + kMcuSide - 1) / kMcuSide;
    const JDIMENSION mcuRows = (height + kMcuSide - 1) / kMcuSide;
    JDIMENSION bandMcuRows = (mcuRows + bands - 1) / bands;
    bandMcuRows = std::min(bandMcuRows, std::max<JDIMENSION>(1, kMaxRestartInterval / mcusAcross));
    return std::make_shared<CBandWork>(params, rows, height, bandMcuRows * kMcuSide, mcusAcross * bandMcuRows);
}

// Compresses the bands not done yet on the shared pool and writes the
// joined file. Returns false with the library's message.
bool CompressInBands(const std::shared_ptr<CBandWork>& work, std::FILE* file, std::string* error)
{
    work->SetFile(file);
    // One thread per core: a third thread on two cores only takes turns
    // with the other two.
    CWorkerPool& pool = CWorkerPool::Shared();
    const unsigned helpers = std::min({pool.Size(), Cores() - 1, work->Count() - 1});
    for (unsigned i = 0; i < helpers; ++i) pool.Submit([work] { work->TakeBands(); });
    work->TakeBands();
    return work->Finish(error);
}

// Below this many pixels the picture is compressed in one piece: on two
// cores a quarter-million-pixel picture gains under a millisecond, no more
// than a busy machine's hand-over to another thread can cost.
constexpr long long kBandedPixels = 500000;
// Larger pictures get at least two bands a core, so that a core slowed by
// other work hands some of its share to the other, and bands of at most
// about this many pixels: the file is written band by band while later
// bands are still compressed, and small bands keep the last write short.
constexpr long long kBandPixels = 500000;

}  // namespace

namespace {

// The rows of the bitmap as the compressor takes them, top row first, and
// its parameters. Rows of 24 and 32 bits go to the compressor as they are,
// in the order blue, green, red (and unused); other depths are converted to
// RGB first, into rgb.
bool PrepareRows(const CDibPixels& dib, int quality, std::vector<BYTE>& rgb, std::vector<JSAMPROW>& rows,
                 CJpegParams& params, std::string* error)
{
    if (quality < 0 || quality > 100 || !dib.pHead || !dib.pBits) {
        *error = "Invalid input data";
        return false;
    }
    const BITMAPINFOHEADER& h = *dib.pHead;
    J_COLOR_SPACE space = JCS_RGB;
    if (h.biBitCount == 24 || h.biBitCount == 32) {
        if (h.biWidth <= 0 || h.biHeight == 0 || h.biWidth > kMaxImageSide || h.biHeight > kMaxImageSide ||
            h.biHeight < -kMaxImageSide) {
            *error = "Invalid input data";
            return false;
        }
        space = h.biBitCount == 24 ? JCS_EXT_BGR : JCS_EXT_BGRX;
        const bool topDown = h.biHeight < 0;
        const long long height = topDown ? -static_cast<long long>(h.biHeight) : h.biHeight;
        const long long rowSize = DibRowSize(h.biWidth, h.biBitCount);
        rows.resize(static_cast<std::size_t>(height));
        for (long long i = 0; i < height; ++i)
            rows[i] = const_cast<BYTE*>(dib.pBits + (topDown ? i : height - 1 - i) * rowSize);
    } else {
        if (!ConvertDibToRgb(dib, rgb, error)) return false;
        const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
        rows.resize(static_cast<std::size_t>(height));
        for (long long i = 0; i < height; ++i) rows[i] = rgb.data() + i * 3LL * h.biWidth;
    }
    params.width = static_cast<JDIMENSION>(h.biWidth);
    params.space = space;
    params.quality = quality;
    params.dpiX = DotsPerInch(h.biXPelsPerMeter);
    params.dpiY = DotsPerInch(h.biYPelsPerMeter);
    return true;
}

// Writes the prepared rows to path, in the bands of work (some may be done
// already) or, without bands, in one piece.
bool WriteRows(const CJpegParams& params, std::vector<JSAMPROW>& rows, const std::shared_ptr<CBandWork>& work,
               const std::string& path, std::string* error)
{
    CSafeFile file;
    if (!file.Open(path)) {
        *error = "Cannot open " + path;
        return false;
    }
    bool ok = false;
    if (work) {
        ok = CompressInBands(work, file.File(), error);
    } else {
        JpegWriteState st{};
        InitWriteState(st);
        ok = Compress(st, file.File(), params, static_cast<JDIMENSION>(rows.size()), rows.data());
        jpeg_destroy_compress(&st.cinfo);
        if (!ok) *error = st.err.message;
    }
    if (!ok) return false;
    if (!file.Commit()) {
        *error = "Cannot write " + path;
        return false;
    }
    return error->empty();
}

// The bands a picture is cut into by default.
unsigned DefaultBands(const CDibPixels& dib)
{
    unsigned bands = 1;
    if (dib.pHead && Cores() > 1) {
        const long long pixels = static_cast<long long>(dib.pHead->biWidth) * std::llabs(dib.pHead->biHeight);
        if (pixels >= kBandedPixels)
            bands = static_cast<unsigned>(std::clamp<long long>(pixels / kBandPixels, 2 * Cores(), 65536));
    }
    return bands;
}

}  // namespace

bool WriteJpegFileInBands(const CDibPixels& dib, int quality, const std::string& path, unsigned bands,
                          std::string* error)
{
    if (!error) return false;
    error->clear();
    if (path.empty()) {
        *error = "Invalid input data";
        return false;
    }
    std::vector<BYTE> rgb;
    std::vector<JSAMPROW> rows;
    CJpegParams params;
    if (!PrepareRows(dib, quality, rgb, rows, params, error)) return false;
    const auto height = static_cast<JDIMENSION>(rows.size());
    std::shared_ptr<CBandWork> work;
    if (bands > 1 && height > kMcuSide) work = MakeBands(params, height, rows.data(), bands);
    return WriteRows(params, rows, work, path, error);
}

bool WriteJpegFile(const CDibPixels& dib, int quality, const std::string& path, std::string* error)
{
    return WriteJpegFileInBands(dib, quality, path, DefaultBands(dib), error);
}

struct CJpegPageWriter::State {
    std::string refused;  // why the rows could not be prepared
    std::vector<BYTE> rgb;
    std::vector<JSAMPROW> rows;
    CJpegParams params;
    std::shared_ptr<CBandWork> work;
    bool prepared = false;
};

CJpegPageWriter::CJpegPageWriter(const CDibPixels& dib, int quality) : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.prepared = PrepareRows(dib, quality, s.rgb, s.rows, s.params, &s.refused);
    const unsigned bands = DefaultBands(dib);
    const auto height = static_cast<JDIMENSION>(s.rows.size());
    if (s.prepared && bands > 1 && height > kMcuSide) s.work = MakeBands(s.params, height, s.rows.data(), bands);
}

CJpegPageWriter::~CJpegPageWriter()
{
    // Pool threads may still compress from the caller's rows.
    if (m_state->work) m_state->work->Stop();
}

namespace {

bool TakeBandOutside(CBandWork& work, long height, long top, long bottom)
{
    const long rows = static_cast<long>(work.BandRows());
    for (unsigned band = 0; band < work.Count(); ++band) {
        const long from = static_cast<long>(band) * rows;
        const long to = std::min(height, from + rows);
        if ((to <= top || from >= bottom) && work.TakeBand(band)) return true;
    }
    return false;
}

}  // namespace

bool CJpegPageWriter::CompressBandOutside(long top, long bottom)
{
    const std::shared_ptr<CBandWork>& work = m_state->work;
    return work && TakeBandOutside(*work, static_cast<long>(m_state->rows.size()), top, bottom);
}

void CJpegPageWriter::CompressOutsideMeanwhile(long top, long bottom)
{
    const std::shared_ptr<CBandWork>& work = m_state->work;
    if (!work) return;
    const long height = static_cast<long>(m_state->rows.size());
    CWorkerPool& pool = CWorkerPool::Shared();
    const unsigned helpers = std::min(pool.Size(), Cores() - 1);
    for (unsigned i = 0; i < helpers; ++i)
        pool.Submit([work, height, top, bottom] {
            while (TakeBandOutside(*work, height, top, bottom)) {
            }
        });
}

bool CJpegPageWriter::Write(const std::string& path, std::string* error)
{
    State& s = *m_state;
    if (!error) return false;
    error->clear();
    // Fails as the one-call writer fails.
    if (!s.prepared || path.empty()) {
        *error = path.empty() ? "Invalid input data" : s.refused;
        return false;
    }
    return WriteRows(s.params, s.rows, s.work, path, error);
}

bool WritePictureJpeg(const CPictureImage& image, int quality, const std::string& path, std::string* error)
{
    if (quality < 0) quality = image.GetJpegQuality();
    return WriteJpegFile(DibPixelsOf(image), quality, path, error);
}
