#include "imageio/PictureImage.h"

#include "imageio/ImageCodecs.h"
#include "objects/Environment.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

constexpr std::size_t kHeaderSize = sizeof(BITMAPINFOHEADER);

// Files larger than this are refused before they are read: no picture the
// size caps allow comes near it.
constexpr long long kMaxFileSize = 2LL << 30;

long long g_allocationLimit = 0;

long PelsPerMeter(long dpi)
{
    return static_cast<long>(std::floor(dpi * 39.37007874015748 + 0.5));
}

}  // namespace

CPictureImage::CPictureImage(int format)
{
    m_nFormat = format;
    m_head.biSize = kHeaderSize;
}

CPictureImage::CPictureImage(const std::string& path, int format) : CPictureImage(format)
{
    Load(path, format);
}

CPictureImage::CPictureImage(const CPictureImage& other) = default;
CPictureImage& CPictureImage::operator=(const CPictureImage& other) = default;
CPictureImage::CPictureImage(CPictureImage&& other) noexcept = default;
CPictureImage& CPictureImage::operator=(CPictureImage&& other) noexcept = default;
CPictureImage::~CPictureImage() = default;

void CPictureImage::Destroy()
{
    m_dib.clear();
    m_dib.shrink_to_fit();
    m_alpha.clear();
    m_selectionMask.clear();
    m_head = BITMAPINFOHEADER{};
    m_head.biSize = kHeaderSize;
    m_nEffWidth = 0;
    m_selection.SetRectEmpty();
}

bool CPictureImage::SizeAllowed(long long width, long long height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

void CPictureImage::SetAllocationLimit(long long bytes)
{
    g_allocationLimit = bytes > 0 ? bytes : 0;
}

long long CPictureImage::AllocationLimit()
{
    return g_allocationLimit;
}

BYTE* CPictureImage::Create(long width, long height, long bitsPerPixel, int format)
{
    if (!SizeAllowed(width, height)) return nullptr;
    long bpp;
    if (bitsPerPixel <= 1) bpp = 1;
    else if (bitsPerPixel <= 4) bpp = 4;
    else if (bitsPerPixel <= 8) bpp = 8;
    else bpp = 24;

    const long long rowSize = DibRowSize(width, static_cast<int>(bpp));
    const DWORD colours = bpp == 1 ? 2 : bpp == 4 ? 16 : bpp == 8 ? 256 : 0;
    const long long total = static_cast<long long>(kHeaderSize) + colours * 4LL + rowSize * height;
    if (g_allocationLimit && total > g_allocationLimit) return nullptr;

    CPixelBlock block;
    try {
        block.resize(static_cast<std::size_t>(total));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }

    BITMAPINFOHEADER head{};
    head.biSize = kHeaderSize;
    head.biWidth = static_cast<LONG>(width);
    head.biHeight = static_cast<LONG>(height);
    head.biPlanes = 1;
    head.biBitCount = static_cast<WORD>(bpp);
    head.biCompression = BI_RGB;
    head.biSizeImage = static_cast<DWORD>(rowSize * height);
    head.biXPelsPerMeter = static_cast<LONG>(PelsPerMeter(m_nXDpi));
    head.biYPelsPerMeter = static_cast<LONG>(PelsPerMeter(m_nYDpi));
    head.biClrUsed = colours;
    head.biClrImportant = 0;

    m_dib.swap(block);
    m_head = head;
    m_nEffWidth = static_cast<long>(rowSize);
    m_nFormat = format;
    m_alpha.clear();
    m_selectionMask.clear();
    m_selection = CRect(0, 0, static_cast<int>(width), static_cast<int>(height));
    SyncHeader();
    return m_dib.data();
}

void CPictureImage::SyncHeader()
{
    if (m_dib.size() >= kHeaderSize) std::memcpy(m_dib.data(), &m_head, kHeaderSize);
}

BYTE* CPictureImage::GetBits(long row)
{
    if (m_dib.empty() || row < 0 || row >= m_head.biHeight) return nullptr;
    return m_dib.data() + kHeaderSize + GetPaletteSize() + static_cast<std::size_t>(row) * m_nEffWidth;
}

const BYTE* CPictureImage::GetBits(long row) const
{
    return const_cast<CPictureImage*>(this)->GetBits(row);
}

// --- Loading -----------------------------------------------------------------

namespace {
// Documents name their pictures by path, so a path may point at anything. A
// pipe or a device would block or never end; only regular files are read.
std::FILE* OpenRegularFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
    return std::fopen(path.c_str(), "rb");
}
}

bool CPictureImage::Load(const std::string& path, int format)
{
    std::FILE* file = OpenRegularFile(path);
    if (!file) {
        m_szLastError = "Unable to open " + path;
        return false;
    }
    const bool ok = Decode(file, format);
    std::fclose(file);
    return ok;
}

bool CPictureImage::LoadResource(const std::string& resourceName, int format)
{
    // Resources are files shipped in the resources folder of the installation.
    const std::string path = Environment().m_strInstallDir + "resources/" + resourceName;
    std::FILE* file = OpenRegularFile(path);
    if (!file) {
        m_szLastError = "Unable to load resource!";
        return false;
    }
    const bool ok = Decode(file, format);
    std::fclose(file);
    return ok;
}

namespace {
template <class Bytes>
bool ReadStream(std::FILE* file, Bytes& data, std::string* error)
{
    // A regular file's size is known: one block of that size is read into,
    // instead of a block that doubles (and is copied) as it fills.
    struct stat st {};
    if (fstat(fileno(file), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= kMaxFileSize) {
        const std::size_t size = static_cast<std::size_t>(st.st_size);
        const std::size_t start = data.size();
        data.resize(start + size);
        const std::size_t n = std::fread(data.data() + start, 1, size, file);
        data.resize(start + n);
        if (n < size) return true;
    }
    BYTE chunk[65536];
    for (;;) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        if (n == 0) break;
        if (static_cast<long long>(data.size() + n) > kMaxFileSize) {
            if (error) *error = "File too large";
            return false;
        }
        data.insert(data.end(), chunk, chunk + n);
    }
    return true;
}

template <class Bytes>
bool ReadFile(const std::string& path, Bytes& data, std::string* error)
{
    data.clear();
    std::FILE* file = OpenRegularFile(path);
    if (!file) {
        if (error) *error = "Unable to open " + path;
        return false;
    }
    const bool ok = ReadStream(file, data, error);
    std::fclose(file);
    return ok;
}
}  // namespace

bool CPictureImage::ReadWholeFile(const std::string& path, std::vector<BYTE>& data, std::string* error)
{
    return ReadFile(path, data, error);
}

bool CPictureImage::ReadWholeFile(const std::string& path, CPixelBlock& data, std::string* error)
{
    return ReadFile(path, data, error);
}

bool CPictureImage::Decode(std::FILE* file, int format)
{
    if (!file) return false;
    std::vector<BYTE> data;
    if (!ReadStream(file, data, &m_szLastError)) return false;
    return Decode(data.data(), data.size(), format);
}

bool CPictureImage::Decode(const BYTE* data, std::size_t size, int format)
{
    const ImageDecoder decoder = DecoderForFormat(format);
    if (!decoder) {
        m_szLastError = "Unsupported operation for this format";
        return false;
    }
    // The decoder works on a fresh picture so that a failure leaves this one
    // as it was.
    CPictureImage fresh(format);
    fresh.m_nFrame = m_nFrame;
    fresh.m_nJpegQuality = m_nJpegQuality;
    fresh.m_rgbBackground = m_rgbBackground;
    const bool ok = decoder(data ? data : reinterpret_cast<const BYTE*>(""), data ? size : 0, fresh);
    if (!ok || !fresh.IsValid()) {
        m_szLastError = fresh.m_szLastError;
        m_nFrameCount = fresh.m_nFrameCount;
        return false;
    }
    fresh.SyncHeader();
    m_head = fresh.m_head;
    m_dib = std::move(fresh.m_dib);
    m_alpha = std::move(fresh.m_alpha);
    m_nEffWidth = fresh.m_nEffWidth;
    m_nFormat = format;
    m_szLastError.clear();
    m_nTransIndex = fresh.m_nTransIndex;
    m_rgbBackground = fresh.m_rgbBackground;
    m_nFrameCount = fresh.m_nFrameCount;
    m_nFrameDelay = fresh.m_nFrameDelay;
    m_nXDpi = fresh.m_nXDpi;
    m_nYDpi = fresh.m_nYDpi;
    m_alphaPalette = fresh.m_alphaPalette;
    m_selection = fresh.m_selection;
    m_selectionMask.clear();
    return true;
}

// --- Copies and geometry -----------------------------------------------------------

void CPictureImage::CopySettings(const CPictureImage& src)
{
    m_nFormat = src.m_nFormat;
    m_szLastError = src.m_szLastError;
    m_nTransIndex = src.m_nTransIndex;
    m_rgbBackground = src.m_rgbBackground;
    m_nJpegQuality = src.m_nJpegQuality;
    m_nFrame = src.m_nFrame;
    m_nFrameCount = src.m_nFrameCount;
    m_nFrameDelay = src.m_nFrameDelay;
    m_nXDpi = src.m_nXDpi;
    m_nYDpi = src.m_nYDpi;
    m_alphaMax = src.m_alphaMax;
    m_alphaPalette = src.m_alphaPalette;
    m_bEnabled = src.m_bEnabled;
    m_bDrawTransparent = src.m_bDrawTransparent;
}

void CPictureImage::Copy(const CPictureImage& src, bool copyPixels, bool copySelection, bool copyAlpha)
{
    if (this == &src) return;
    m_head = src.m_head;
    m_nEffWidth = src.m_nEffWidth;
    CopySettings(src);
    if (copyPixels || src.m_dib.empty()) {
        m_dib = src.m_dib;
    } else {
        // Header and palette alone; the pixels start out black.
        const std::size_t prefix = kHeaderSize + src.GetPaletteSize();
        m_dib.assign(src.m_dib.size(), 0);
        std::memcpy(m_dib.data(), src.m_dib.data(), std::min(prefix, src.m_dib.size()));
    }
    if (copySelection) {
        m_selection = src.m_selection;
        m_selectionMask = src.m_selectionMask;
    } else {
        m_selection = CRect(0, 0, m_head.biWidth, m_head.biHeight);
        m_selectionMask.clear();
    }
    if (copyAlpha) m_alpha = src.m_alpha;
    else m_alpha.clear();
}

bool CPictureImage::Flip()
{
    if (!IsValid()) return false;
    const long h = m_head.biHeight;
    std::vector<BYTE> row(static_cast<std::size_t>(m_nEffWidth));
    for (long y = 0; y < h / 2; ++y) {
        BYTE* a = GetBits(y);
        BYTE* b = GetBits(h - 1 - y);
        std::memcpy(row.data(), a, row.size());
        std::memcpy(a, b, row.size());
        std::memcpy(b, row.data(), row.size());
    }
    if (AlphaIsValid()) {
        const std::size_t w = static_cast<std::size_t>(m_head.biWidth);
        for (long y = 0; y < h / 2; ++y) {
            std::swap_ranges(m_alpha.begin() + y * w, m_alpha.begin() + (y + 1) * w,
                             m_alpha.begin() + (h - 1 - y) * w);
        }
    }
    return true;
}

bool CPictureImage::Mirror()
{
    if (!IsValid()) return false;
    const long w = m_head.biWidth;
    const long h = m_head.biHeight;
    std::vector<BYTE> indices;
    for (long y = 0; y < h; ++y) {
        BYTE* row = GetBits(y);
        if (m_head.biBitCount == 24) {
            for (long x = 0; x < w / 2; ++x) {
                BYTE* a = row + x * 3;
                BYTE* b = row + (w - 1 - x) * 3;
                std::swap_ranges(a, a + 3, b);
            }
        } else if (m_head.biBitCount == 8) {
            std::reverse(row, row + w);
        } else {
            // Packed pixels: unpack the row, reverse it and pack it again.
            const int bits = m_head.biBitCount;
            const int perByte = 8 / bits;
            const BYTE mask = static_cast<BYTE>((1 << bits) - 1);
            indices.resize(static_cast<std::size_t>(w));
            for (long x = 0; x < w; ++x)
                indices[x] = (row[x / perByte] >> (8 - bits - (x % perByte) * bits)) & mask;
            std::fill(row, row + m_nEffWidth, 0);
            for (long x = 0; x < w; ++x)
                row[x / perByte] |= static_cast<BYTE>(indices[w - 1 - x] << (8 - bits - (x % perByte) * bits));
        }
    }
    if (AlphaIsValid()) {
        for (long y = 0; y < h; ++y) {
            std::reverse(m_alpha.begin() + y * w, m_alpha.begin() + (y + 1) * w);
        }
    }
    return true;
}

bool CPictureImage::Crop(long left, long top, long right, long bottom, CPictureImage* target)
{
    if (!IsValid()) return false;
    const long w = m_head.biWidth;
    const long h = m_head.biHeight;
    // Coordinates count from the top-left corner; they are clamped to the
    // picture and reversed bounds are swapped.
    long x0 = std::clamp(left, 0L, w);
    long x1 = std::clamp(right, 0L, w);
    long y0 = std::clamp(top, 0L, h);
    long y1 = std::clamp(bottom, 0L, h);
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    if (x0 == x1 || y0 == y1) return false;

    const long cw = x1 - x0;
    const long ch = y1 - y0;
    CPictureImage out(m_nFormat);
    out.CopySettings(*this);
    if (!out.Create(cw, ch, m_head.biBitCount, m_nFormat)) return false;
    out.SetPalette(GetPalette(), m_head.biClrUsed);
    out.m_head.biXPelsPerMeter = m_head.biXPelsPerMeter;
    out.m_head.biYPelsPerMeter = m_head.biYPelsPerMeter;
    out.SyncHeader();

    // Picture rows count from the bottom: the top of the crop is row h - y0 - 1.
    for (long y = 0; y < ch; ++y) {
        const long srcRow = h - y1 + y;
        if (m_head.biBitCount >= 8) {
            const long bytesPerPixel = m_head.biBitCount / 8;
            std::memcpy(out.GetBits(y), GetBits(srcRow) + x0 * bytesPerPixel,
                        static_cast<std::size_t>(cw * bytesPerPixel));
        } else {
            for (long x = 0; x < cw; ++x) out.SetPixelIndex(x, y, GetPixelIndex(x0 + x, srcRow));
        }
    }
    if (AlphaIsValid()) {
        out.AlphaCreate();
        for (long y = 0; y < ch; ++y) {
            std::memcpy(out.AlphaGetPointer(0, y), AlphaGetPointer(x0, h - y1 + y), static_cast<std::size_t>(cw));
        }
    }
    if (target) *target = std::move(out);
    else *this = std::move(out);
    return true;
}

// --- Palette and pixels ------------------------------------------------------------

RGBQUAD* CPictureImage::GetPalette()
{
    if (m_dib.empty() || m_head.biClrUsed == 0) return nullptr;
    return reinterpret_cast<RGBQUAD*>(m_dib.data() + kHeaderSize);
}

const RGBQUAD* CPictureImage::GetPalette() const
{
    return const_cast<CPictureImage*>(this)->GetPalette();
}

RGBQUAD CPictureImage::GetPaletteColor(BYTE index) const
{
    const RGBQUAD* pal = GetPalette();
    if (!pal || index >= m_head.biClrUsed) return RGBQUAD{0, 0, 0, 0};
    return pal[index];
}

void CPictureImage::SetPaletteColor(BYTE index, BYTE r, BYTE g, BYTE b, BYTE alpha)
{
    RGBQUAD* pal = GetPalette();
    if (!pal || index >= m_head.biClrUsed) return;
    pal[index] = RGBQUAD{b, g, r, alpha};
}

void CPictureImage::SetPalette(DWORD count, const BYTE* red, const BYTE* green, const BYTE* blue)
{
    RGBQUAD* pal = GetPalette();
    if (!pal || !red || !green || !blue) return;
    const DWORD n = std::min(count, m_head.biClrUsed);
    for (DWORD i = 0; i < n; ++i) pal[i] = RGBQUAD{blue[i], green[i], red[i], 0};
}

void CPictureImage::SetPalette(const RGBQUAD* entries, DWORD count)
{
    RGBQUAD* pal = GetPalette();
    if (!pal || !entries) return;
    std::memcpy(pal, entries, std::min(count, m_head.biClrUsed) * sizeof(RGBQUAD));
}

void CPictureImage::SetGrayPalette()
{
    RGBQUAD* pal = GetPalette();
    const DWORD n = m_head.biClrUsed;
    if (!pal || n < 2) return;
    for (DWORD i = 0; i < n; ++i) {
        const BYTE v = static_cast<BYTE>(i * 255 / (n - 1));
        pal[i] = RGBQUAD{v, v, v, 0};
    }
}

BYTE CPictureImage::GetPixelIndex(long x, long y) const
{
    if (!IsValid() || x < 0 || y < 0 || x >= m_head.biWidth || y >= m_head.biHeight) return 0;
    const BYTE* row = GetBits(y);
    switch (m_head.biBitCount) {
    case 8: return row[x];
    case 4: return static_cast<BYTE>((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 1: return static_cast<BYTE>((row[x >> 3] >> (7 - (x & 7))) & 1);
    default: return 0;
    }
}

void CPictureImage::SetPixelIndex(long x, long y, BYTE index)
{
    if (!IsValid() || x < 0 || y < 0 || x >= m_head.biWidth || y >= m_head.biHeight) return;
    BYTE* row = GetBits(y);
    switch (m_head.biBitCount) {
    case 8: row[x] = index; break;
    case 4: {
        const int shift = (x & 1) ? 0 : 4;
        BYTE& b = row[x >> 1];
        b = static_cast<BYTE>((b & ~(0x0F << shift)) | ((index & 0x0F) << shift));
        break;
    }
    case 1: {
        const int shift = 7 - (x & 7);
        BYTE& b = row[x >> 3];
        b = static_cast<BYTE>((b & ~(1 << shift)) | ((index & 1) << shift));
        break;
    }
    default: break;
    }
}

RGBQUAD CPictureImage::GetPixelColor(long x, long y) const
{
    RGBQUAD c{0, 0, 0, 0};
    if (!IsValid() || x < 0 || y < 0 || x >= m_head.biWidth || y >= m_head.biHeight) return c;
    if (m_head.biBitCount == 24) {
        const BYTE* p = GetBits(y) + x * 3;
        c = RGBQUAD{p[0], p[1], p[2], 0};
    } else {
        c = GetPaletteColor(GetPixelIndex(x, y));
    }
    // The reserved byte carries the pixel's alpha when the picture has any.
    if (AlphaIsValid()) c.rgbReserved = AlphaGet(x, y);
    else if (!m_alphaPalette) c.rgbReserved = 0;
    return c;
}

void CPictureImage::SetPixelColor(long x, long y, RGBQUAD color)
{
    if (!IsValid() || x < 0 || y < 0 || x >= m_head.biWidth || y >= m_head.biHeight) return;
    if (m_head.biBitCount != 24) return;
    BYTE* p = GetBits(y) + x * 3;
    p[0] = color.rgbBlue;
    p[1] = color.rgbGreen;
    p[2] = color.rgbRed;
}

// --- Alpha ------------------------------------------------------------------------

bool CPictureImage::AlphaCreate()
{
    if (!IsValid()) return false;
    const std::size_t n = static_cast<std::size_t>(m_head.biWidth) * static_cast<std::size_t>(m_head.biHeight);
    try {
        m_alpha.assign(n, 0);
    } catch (const std::bad_alloc&) {
        m_alpha.clear();
        return false;
    }
    return true;
}

void CPictureImage::AlphaDelete()
{
    m_alpha.clear();
    m_alpha.shrink_to_fit();
}

void CPictureImage::AlphaSet(long x, long y, BYTE value)
{
    if (BYTE* p = AlphaGetPointer(x, y)) *p = value;
}

BYTE CPictureImage::AlphaGet(long x, long y) const
{
    if (const BYTE* p = const_cast<CPictureImage*>(this)->AlphaGetPointer(x, y)) return *p;
    return 0;
}

BYTE* CPictureImage::AlphaGetPointer(long x, long y)
{
    if (m_alpha.empty() || x < 0 || y < 0 || x >= m_head.biWidth || y >= m_head.biHeight) return nullptr;
    return m_alpha.data() + static_cast<std::size_t>(y) * m_head.biWidth + x;
}

BYTE CPictureImage::EffectiveAlpha(long x, long y) const
{
    unsigned a = AlphaIsValid() ? AlphaGet(x, y) : 255u;
    a = a * m_alphaMax / 255u;
    if (m_alphaPalette && m_head.biBitCount <= 8) a = a * GetPaletteColor(GetPixelIndex(x, y)).rgbReserved / 255u;
    return static_cast<BYTE>(a);
}

void CPictureImage::AlphaStrip()
{
    if (!IsValid() || (!AlphaIsValid() && !m_alphaPalette && m_alphaMax == 255)) return;
    const long w = m_head.biWidth;
    const long h = m_head.biHeight;
    CPictureImage out(m_nFormat);
    out.m_nXDpi = m_nXDpi;
    out.m_nYDpi = m_nYDpi;
    if (!out.Create(w, h, 24, m_nFormat)) return;
    const RGBQUAD bg = m_rgbBackground;
    for (long y = 0; y < h; ++y) {
        BYTE* dst = out.GetBits(y);
        for (long x = 0; x < w; ++x) {
            const RGBQUAD c = GetPixelColor(x, y);
            const unsigned a = EffectiveAlpha(x, y);
            dst[x * 3 + 0] = static_cast<BYTE>((c.rgbBlue * a + bg.rgbBlue * (255 - a)) / 255);
            dst[x * 3 + 1] = static_cast<BYTE>((c.rgbGreen * a + bg.rgbGreen * (255 - a)) / 255);
            dst[x * 3 + 2] = static_cast<BYTE>((c.rgbRed * a + bg.rgbRed * (255 - a)) / 255);
        }
    }
    m_head = out.m_head;
    m_head.biXPelsPerMeter = PelsPerMeter(m_nXDpi);
    m_head.biYPelsPerMeter = PelsPerMeter(m_nYDpi);
    m_dib = std::move(out.m_dib);
    m_nEffWidth = out.m_nEffWidth;
    m_alpha.clear();
    m_alphaPalette = 0;
    m_alphaMax = 255;
    m_nTransIndex = -1;
    SyncHeader();
}

// --- Settings -----------------------------------------------------------------------

RGBQUAD CPictureImage::GetTransColor() const
{
    if (m_head.biBitCount < 24 && m_nTransIndex >= 0 && m_nTransIndex < static_cast<long>(m_head.biClrUsed)) {
        return GetPaletteColor(static_cast<BYTE>(m_nTransIndex));
    }
    return m_rgbBackground;
}

void CPictureImage::SetTransColor(RGBQUAD color)
{
    color.rgbReserved = 0;
    m_rgbBackground = color;
}

bool CPictureImage::IsTransparent() const
{
    return m_nTransIndex >= 0 || AlphaIsValid();
}

void CPictureImage::SetXDPI(long dpi)
{
    if (dpi <= 0) dpi = 72;
    m_nXDpi = dpi;
    m_head.biXPelsPerMeter = PelsPerMeter(dpi);
    SyncHeader();
}

void CPictureImage::SetYDPI(long dpi)
{
    if (dpi <= 0) dpi = 72;
    m_nYDpi = dpi;
    m_head.biYPelsPerMeter = PelsPerMeter(dpi);
    SyncHeader();
}
