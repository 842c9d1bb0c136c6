#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"

#include <csetjmp>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// The library's default handler prints and ends the program. Ours keeps the
// message and jumps back into the decoder, which cleans up and fails.
struct CJpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<CJpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings (a truncated file, a bad marker) are not printed; the library
// carries on and the picture keeps what could be decoded.
void JpegOutputMessage(j_common_ptr) {}

// A hostile progressive file can hold thousands of tiny scans, each of which
// makes the library walk the whole coefficient buffer again. Real encoders
// write a dozen at most.
constexpr int kMaxScans = 1000;

struct JpegDecodeState {
    jpeg_decompress_struct cinfo;
    CJpegErrorManager err;
    jpeg_progress_mgr progress;
};

void LimitScans(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
        auto* err = reinterpret_cast<CJpegErrorManager*>(cinfo->err);
        std::snprintf(err->message, sizeof err->message, "Too many scans in JPEG file");
        std::longjmp(err->jump, 1);
    }
}

// A file is read in large pieces. The library's own file reader takes 4 KB
// at a time, and its fast Huffman decoder only runs while a few KB of data
// are waiting in the buffer: with small pieces most of a photo goes through
// the slow one.
constexpr std::size_t kFileChunk = std::size_t(1) << 16;

struct CJpegFileSource {
    jpeg_source_mgr pub;
    std::FILE* file;
    JOCTET* buffer;
};

void FileSourceInit(j_decompress_ptr) {}

boolean FileSourceFill(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<CJpegFileSource*>(cinfo->src);
    std::size_t got = std::fread(src->buffer, 1, kFileChunk, src->file);
    if (got == 0) {
        // A file that ends early ends as a picture would: the rows not
        // there come out grey, as with the library's own reader.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        got = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = got;
    return TRUE;
}

void FileSourceSkip(j_decompress_ptr cinfo, long count)
{
    auto* src = reinterpret_cast<CJpegFileSource*>(cinfo->src);
    if (count <= 0) return;
    while (count > static_cast<long>(src->pub.bytes_in_buffer)) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        FileSourceFill(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void FileSourceTerm(j_decompress_ptr) {}

void UseFileSource(j_decompress_ptr cinfo, std::FILE* file)
{
    auto* src = static_cast<CJpegFileSource*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(CJpegFileSource)));
    src->file = file;
    src->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_large)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kFileChunk));
    src->pub.init_source = FileSourceInit;
    src->pub.fill_input_buffer = FileSourceFill;
    src->pub.skip_input_data = FileSourceSkip;
    src->pub.resync_to_restart = jpeg_resync_to_restart;
    src->pub.term_source = FileSourceTerm;
    src->pub.next_input_byte = nullptr;
    src->pub.bytes_in_buffer = 0;
    cinfo->src = &src->pub;
}

// Reads the header and settles the output format. Nothing with a destructor
// lives in this frame: a library error jumps back to the setjmp below.
bool ReadHeader(JpegDecodeState& st, const BYTE* data, std::size_t size, std::FILE* file, long needWidth,
                long needHeight)
{
    if (setjmp(st.err.jump)) return false;
    if (file) UseFileSource(&st.cinfo, file);
    else jpeg_mem_src(&st.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&st.cinfo, TRUE);
    if (needWidth > 0 && needHeight > 0) {
        // The inverse DCT then makes the smaller picture itself: far less
        // work than decoding every pixel and throwing most away.
        st.cinfo.scale_num = static_cast<unsigned>(
            JpegScaleFor(st.cinfo.image_width, st.cinfo.image_height, needWidth, needHeight));
        st.cinfo.scale_denom = kJpegScaleDenom;
    }
    switch (st.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        st.cinfo.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        st.cinfo.out_color_space = JCS_CMYK;
        break;
    default:
        // The library writes blue, green, red itself, the order of our rows.
        st.cinfo.out_color_space = JCS_EXT_BGR;
        break;
    }
    jpeg_calc_output_dimensions(&st.cinfo);
    return true;
}

// Decompresses into the picture's rows, top row of the file into the last
// row of the bitmap. Again no destructors in this frame; the CMYK row buffer
// comes from the library's own pool and goes away with the decompressor.
bool ReadPixels(JpegDecodeState& st, CPictureImage& image, CDecodeWatcher* watcher)
{
    if (setjmp(st.err.jump)) return false;
    jpeg_start_decompress(&st.cinfo);
    const JDIMENSION width = st.cinfo.output_width;
    const long height = image.GetHeight();
    const long eff = image.GetEffWidth();
    BYTE* bits = image.GetBits();
    const bool cmyk = st.cinfo.out_color_space == JCS_CMYK;
    // Adobe applications store CMYK inverted (0 is full ink) and say so with
    // their APP14 marker; a file without it stores ink amounts directly.
    const bool inverted = st.cinfo.saw_Adobe_marker;
    JSAMPARRAY cmykRow = nullptr;
    if (cmyk) {
        cmykRow = (*st.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&st.cinfo), JPOOL_IMAGE,
                                                width * 4, 1);
    }
    while (st.cinfo.output_scanline < st.cinfo.output_height) {
        const long y = static_cast<long>(st.cinfo.output_scanline);
        BYTE* dest = bits + static_cast<std::size_t>(height - 1 - y) * eff;
        if (!cmyk) {
            // Several rows per call let the library write whole row groups
            // straight into the picture.
            JSAMPROW rows[16];
            const JDIMENSION count = std::min<JDIMENSION>(16, st.cinfo.output_height - st.cinfo.output_scanline);
            for (JDIMENSION i = 0; i < count; ++i) rows[i] = dest - static_cast<std::ptrdiff_t>(i) * eff;
            jpeg_read_scanlines(&st.cinfo, rows, count);
            if (watcher) watcher->RowsDecoded(static_cast<long>(st.cinfo.output_scanline));
            continue;
        }
        jpeg_read_scanlines(&st.cinfo, cmykRow, 1);
        const BYTE* src = cmykRow[0];
        for (JDIMENSION x = 0; x < width; ++x, src += 4, dest += 3) {
            unsigned c = src[0], m = src[1], yl = src[2], k = src[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                yl = 255 - yl;
                k = 255 - k;
            }
            dest[0] = static_cast<BYTE>(yl * k / 255);
            dest[1] = static_cast<BYTE>(m * k / 255);
            dest[2] = static_cast<BYTE>(c * k / 255);
        }
        if (watcher) watcher->RowsDecoded(static_cast<long>(st.cinfo.output_scanline));
    }
    jpeg_finish_decompress(&st.cinfo);
    return true;
}

}  // namespace

int JpegScaleFor(long long width, long long height, long long needWidth, long long needHeight)
{
    needWidth = needWidth < 0 ? -needWidth : needWidth;
    needHeight = needHeight < 0 ? -needHeight : needHeight;
    for (int num = 1; num < kJpegScaleDenom; ++num) {
        if (JpegScaledSide(width, num) >= needWidth && JpegScaledSide(height, num) >= needHeight) return num;
    }
    return kJpegScaleDenom;
}

namespace {
// The stored resolution in dots per inch, or 0 when the file has none.
// Density unit 1 is dots per inch, 2 dots per centimetre.
void JpegDensity(const jpeg_decompress_struct& cinfo, long* xdpi, long* ydpi)
{
    *xdpi = *ydpi = 0;
    if (!cinfo.X_density || !cinfo.Y_density) return;
    if (cinfo.density_unit == 1) {
        *xdpi = cinfo.X_density;
        *ydpi = cinfo.Y_density;
    } else if (cinfo.density_unit == 2) {
        *xdpi = static_cast<long>(cinfo.X_density * 2.54 + 0.5);
        *ydpi = static_cast<long>(cinfo.Y_density * 2.54 + 0.5);
    }
}
// A decompressor whose errors come back to us instead of ending the program.
void CreateDecompressor(JpegDecodeState& st)
{
    st.cinfo.err = jpeg_std_error(&st.err.pub);
    st.err.pub.error_exit = &JpegErrorExit;
    st.err.pub.output_message = &JpegOutputMessage;
    jpeg_create_decompress(&st.cinfo);
}
}  // namespace

bool ReadJpegInfo(const BYTE* data, std::size_t size, long* width, long* height, long* xdpi, long* ydpi)
{
    if (!data || size < 2) return false;
    JpegDecodeState st{};
    CreateDecompressor(st);
    bool ok = ReadHeader(st, data, size, nullptr, 0, 0);
    if (ok) {
        *width = static_cast<long>(st.cinfo.image_width);
        *height = static_cast<long>(st.cinfo.image_height);
        JpegDensity(st.cinfo, xdpi, ydpi);
        ok = CPictureImage::SizeAllowed(*width, *height);
    }
    jpeg_destroy_decompress(&st.cinfo);
    return ok;
}

bool DecodeJpeg(const BYTE* data, std::size_t size, CPictureImage& image)
{
    return DecodeJpegScaled(data, size, image, 0, 0);
}

namespace {

// Decodes from the bytes, or from the file when one is given (size is then
// the file's size).
bool DecodeScaled(const BYTE* data, std::size_t size, std::FILE* file, CPictureImage& image, long needWidth,
                  long needHeight, CDecodeWatcher* watcher)
{
    if ((!data && !file) || size < 2) return false;
    JpegDecodeState st{};
    CreateDecompressor(st);
    st.progress.progress_monitor = &LimitScans;
    st.cinfo.progress = &st.progress;

    bool ok = ReadHeader(st, data, size, file, needWidth, needHeight);
    if (ok) {
        // The caps and the plausibility test look at the stored picture,
        // whatever scale it is decoded at.
        const long long w = st.cinfo.image_width;
        const long long h = st.cinfo.image_height;
        const int comps = st.cinfo.out_color_space == JCS_GRAYSCALE ? 1 : 3;
        // Huffman coding spends at least one bit on every 8 × 8 block of a
        // scan, so a file far too small for its declared size is damaged;
        // refuse it before allocating the picture. Arithmetic coding has no
        // such floor.
        const bool implausible = !st.cinfo.arith_code && w * h > 1024LL * static_cast<long long>(size) + (1 << 20);
        if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide || w * h > kMaxImagePixels) {
            image.SetLastError("Image is too large");
            ok = false;
        } else if (implausible) {
            image.SetLastError("JPEG file is too short for its picture");
            ok = false;
        } else {
            BYTE* block = nullptr;
            try {
                block = image.Create(static_cast<long>(st.cinfo.output_width), static_cast<long>(st.cinfo.output_height),
                                     8 * comps, IMAGE_FORMAT_JPG);
            } catch (const std::bad_alloc&) {
                block = nullptr;
            }
            if (!block) {
                image.SetLastError("Can't allocate memory");
                ok = false;
            } else {
                if (comps == 1) image.SetGrayPalette();
                if (watcher) watcher->Started(image);
                ok = ReadPixels(st, image, watcher);
            }
        }
    }
    if (ok) {
        long xdpi = 0, ydpi = 0;
        JpegDensity(st.cinfo, &xdpi, &ydpi);
        if (xdpi && ydpi) {
            image.SetXDPI(xdpi);
            image.SetYDPI(ydpi);
        }
        image.m_nFrameCount = 1;
    } else if (image.m_szLastError.empty() && st.err.message[0]) {
        image.SetLastError(st.err.message);
    }
    jpeg_destroy_decompress(&st.cinfo);
    return ok;
}

}  // namespace

bool DecodeJpegScaled(const BYTE* data, std::size_t size, CPictureImage& image, long needWidth, long needHeight,
                      CDecodeWatcher* watcher)
{
    return DecodeScaled(data, size, nullptr, image, needWidth, needHeight, watcher);
}

bool DecodeJpegFileScaled(std::FILE* file, std::size_t size, CPictureImage& image, long needWidth, long needHeight,
                          CDecodeWatcher* watcher)
{
    return DecodeScaled(nullptr, size, file, image, needWidth, needHeight, watcher);
}
