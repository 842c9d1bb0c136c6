#include "objects/GdiDib.h"

#include <bit>
#include <cstdlib>
#include <cstring>

namespace {

// Larger pictures are refused; the sizes are far beyond any photo.
constexpr long long kMaxDibSide = 1 << 16;
constexpr long long kMaxDibPixels = 1LL << 28;

void MaskShape(DWORD mask, int* shift, int* width)
{
    if (mask == 0) { *shift = 0; *width = 0; return; }
    *shift = std::countr_zero(mask);
    *width = std::countr_one(mask >> *shift);
}

std::uint32_t Expand(DWORD value, int width)
{
    if (width <= 0) return 0;
    if (width >= 8) return (value >> (width - 8)) & 0xFF;
    const DWORD max = (1u << width) - 1;
    return (value * 255 + max / 2) / max;
}

int Luma(std::uint32_t argb)
{
    return static_cast<int>((((argb >> 16) & 0xFF) * 299 + ((argb >> 8) & 0xFF) * 587 + (argb & 0xFF) * 114) / 1000);
}

// The nearest entry of a palette by squared distance.
int Nearest(const std::vector<RGBQUAD>& pal, std::uint32_t argb)
{
    const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    int best = 0;
    long best2 = -1;
    for (std::size_t i = 0; i < pal.size(); ++i) {
        const long dr = r - pal[i].rgbRed, dg = g - pal[i].rgbGreen, db = b - pal[i].rgbBlue;
        const long d2 = dr * dr + dg * dg + db * db;
        if (best2 < 0 || d2 < best2) { best2 = d2; best = static_cast<int>(i); }
        if (d2 == 0) break;
    }
    return best;
}

}  // namespace

bool CDibRows::Init(const BITMAPINFO* info, const void* bits, bool straightAlpha, int bandRows)
{
    if (!info || !bits) return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0) return false;
    const long long width = h.biWidth;
    long long height = std::llabs(static_cast<long long>(h.biHeight));
    if (bandRows > 0) height = std::min<long long>(height, bandRows);
    if (width > kMaxDibSide || height > kMaxDibSide || width * height > kMaxDibPixels) return false;
    const int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32))) return false;

    m_pBits = static_cast<const BYTE*>(bits);
    m_nWidth = static_cast<int>(width);
    m_nHeight = static_cast<int>(height);
    m_nBitCount = bpp;
    m_bTopDown = h.biHeight < 0;
    m_bAlpha = straightAlpha && bpp == 32;
    m_nRowBytes = DibRowSize(width, bpp);
    m_palette.clear();
    if (bpp <= 8) {
        const long long full = 1LL << bpp;
        const long long used = h.biClrUsed == 0 ? full : std::min<long long>(h.biClrUsed, full);
        const RGBQUAD* table = DibColors(info);
        // Indices past the table show black.
        m_palette.assign(static_cast<std::size_t>(full), 0xFF000000u);
        for (long long i = 0; i < used; ++i)
            m_palette[i] = 0xFF000000u | (table[i].rgbRed << 16) | (table[i].rgbGreen << 8) | table[i].rgbBlue;
    } else if (h.biCompression == BI_BITFIELDS) {
        // The three masks follow a plain header and sit at the same place
        // inside the longer headers.
        const BYTE* m = reinterpret_cast<const BYTE*>(info) + sizeof(BITMAPINFOHEADER);
        for (int i = 0; i < 3; ++i)
            m_masks[i] = m[4 * i] | (m[4 * i + 1] << 8) | (m[4 * i + 2] << 16) | (DWORD(m[4 * i + 3]) << 24);
    } else if (bpp == 16) {
        m_masks[0] = 0x7C00; m_masks[1] = 0x03E0; m_masks[2] = 0x001F;
    } else {
        m_masks[0] = 0xFF0000; m_masks[1] = 0xFF00; m_masks[2] = 0xFF;
    }
    for (int i = 0; i < 3; ++i) MaskShape(m_masks[i], &m_shifts[i], &m_widths[i]);
    return true;
}

void CDibRows::FetchRow(int y, std::uint32_t* out) const
{
    if (y < 0 || y >= m_nHeight) {
        std::fill(out, out + m_nWidth, 0xFF000000u);
        return;
    }
    const int stored = m_bTopDown ? y : m_nHeight - 1 - y;
    const BYTE* row = m_pBits + m_nRowBytes * stored;
    const int w = m_nWidth;
    switch (m_nBitCount) {
    case 1:
        for (int x = 0; x < w; ++x) out[x] = m_palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < w; ++x) out[x] = m_palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
    case 8:
        for (int x = 0; x < w; ++x) out[x] = m_palette[row[x]];
        break;
    case 24: {
        int x = 0;
        // Blue, green and red read as one little-endian word with the next
        // pixel's first byte on top, which opaque alpha replaces; the last
        // pixel has no byte after it.
        if constexpr (std::endian::native == std::endian::little) {
            for (; x + 1 < w; ++x) {
                std::uint32_t v;
                std::memcpy(&v, row + 3 * x, sizeof v);
                out[x] = v | 0xFF000000u;
            }
        }
        for (; x < w; ++x) out[x] = 0xFF000000u | (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
        break;
    }
    default: {
        const int bytes = m_nBitCount / 8;
        for (int x = 0; x < w; ++x) {
            const BYTE* p = row + bytes * x;
            DWORD v = bytes == 2 ? DWORD(p[0] | (p[1] << 8)) : DWORD(p[0] | (p[1] << 8) | (p[2] << 16) | (DWORD(p[3]) << 24));
            if (m_nBitCount == 32 && m_masks[0] == 0xFF0000 && m_masks[1] == 0xFF00 && m_masks[2] == 0xFF) {
                out[x] = m_bAlpha ? v : (v | 0xFF000000u);
                continue;
            }
            const std::uint32_t r = Expand((v & m_masks[0]) >> m_shifts[0], m_widths[0]);
            const std::uint32_t g = Expand((v & m_masks[1]) >> m_shifts[1], m_widths[1]);
            const std::uint32_t b = Expand((v & m_masks[2]) >> m_shifts[2], m_widths[2]);
            const std::uint32_t a = m_bAlpha ? (v >> 24) : 0xFF;
            out[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
        break;
    }
    }
}

std::vector<RGBQUAD> DefaultDibPalette(int bitCount)
{
    std::vector<RGBQUAD> pal;
    auto add = [&](int r, int g, int b) { pal.push_back(RGBQUAD{BYTE(b), BYTE(g), BYTE(r), 0}); };
    if (bitCount == 1) {
        add(0, 0, 0);
        add(255, 255, 255);
    } else if (bitCount == 4) {
        // The sixteen colours of the classic display palette.
        const int vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (const auto& c : vga) add(c[0], c[1], c[2]);
    } else if (bitCount == 8) {
        // A colour cube of six levels per channel, then a ramp of greys.
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) add(r * 51, g * 51, b * 51);
        for (int i = 0; pal.size() < 256; ++i) add(i * 255 / 39, i * 255 / 39, i * 255 / 39);
    }
    return pal;
}

int WriteDibRows(const std::uint32_t* argbTopDown, int width, int height, UINT startScan, UINT scanLines,
                 void* bits, BITMAPINFO* info)
{
    if (!info || width <= 0 || height <= 0) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    const int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return 0;
    if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    if (h.biWidth == 0) h.biWidth = width;
    if (h.biHeight == 0) h.biHeight = height;
    if (h.biWidth < 0 || std::llabs(static_cast<long long>(h.biHeight)) > kMaxDibSide || h.biWidth > kMaxDibSide) return 0;
    const long long outW = h.biWidth;
    const long long outH = std::llabs(static_cast<long long>(h.biHeight));
    const bool topDown = h.biHeight < 0;
    const long long rowBytes = DibRowSize(outW, bpp);
    h.biPlanes = 1;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(rowBytes * outH);

    std::vector<RGBQUAD> pal = DefaultDibPalette(bpp);
    if (!pal.empty()) {
        h.biClrUsed = 0;
        RGBQUAD* table = reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(info) + h.biSize);
        std::copy(pal.begin(), pal.end(), table);
    }
    if (!bits) return static_cast<int>(outH);
    if (startScan >= outH) return 0;
    const long long count = std::min<long long>(scanLines, outH - startScan);
    BYTE* dst = static_cast<BYTE*>(bits);
    for (long long i = 0; i < count; ++i) {
        // Row i of the output holds the picture row startScan + i counted
        // from the bottom (or from the top for a top-down request).
        const long long fromBottom = startScan + i;
        const long long y = topDown ? fromBottom : outH - 1 - fromBottom;
        BYTE* row = dst + rowBytes * i;
        std::fill(row, row + rowBytes, BYTE(0));
        for (long long x = 0; x < outW; ++x) {
            const std::uint32_t p = (x < width && y < height) ? argbTopDown[y * width + x] : 0xFF000000u;
            switch (bpp) {
            case 1:
                if (Luma(p) >= 128) row[x >> 3] |= BYTE(0x80 >> (x & 7));
                break;
            case 4:
                row[x >> 1] |= BYTE(Nearest(pal, p) << ((x & 1) ? 0 : 4));
                break;
            case 8:
                row[x] = BYTE(Nearest(pal, p));
                break;
            case 16: {
                const unsigned v = (((p >> 19) & 31) << 10) | (((p >> 11) & 31) << 5) | ((p >> 3) & 31);
                row[2 * x] = BYTE(v);
                row[2 * x + 1] = BYTE(v >> 8);
                break;
            }
            case 24:
                row[3 * x] = BYTE(p);
                row[3 * x + 1] = BYTE(p >> 8);
                row[3 * x + 2] = BYTE(p >> 16);
                break;
            default:
                row[4 * x] = BYTE(p);
                row[4 * x + 1] = BYTE(p >> 8);
                row[4 * x + 2] = BYTE(p >> 16);
                row[4 * x + 3] = 0;
                break;
            }
        }
    }
    return static_cast<int>(count);
}
