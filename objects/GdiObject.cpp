// Pens, brushes, fonts and bitmaps: plain descriptions that a surface reads
// when it draws.

#include "objects/DC.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Bitmaps larger than this are refused rather than allocated; an export of a
// letter page at 600 dots per inch still fits.
constexpr long long kMaxBitmapPixels = 1LL << 26;
constexpr int kMaxBitmapSide = 1 << 15;

bool ValidPenStyle(UINT style)
{
    return style <= PS_INSIDEFRAME;
}

}  // namespace

bool CPen::CreatePen(UINT style, int width, COLORREF color)
{
    if (!ValidPenStyle(style)) return false;
    m_logpen.lopnStyle = style;
    m_logpen.lopnWidth = CPoint(std::abs(width), 0);
    m_logpen.lopnColor = color & 0x00FFFFFF;
    m_bCreated = true;
    return true;
}

bool CPen::CreatePenIndirect(const LOGPEN* lp)
{
    if (!lp) return false;
    return CreatePen(lp->lopnStyle, lp->lopnWidth.x, lp->lopnColor);
}

bool CBrush::CreateSolidBrush(COLORREF color)
{
    m_logbrush = LOGBRUSH{BS_SOLID, color & 0x00FFFFFF, 0};
    m_pPattern = nullptr;
    m_bCreated = true;
    return true;
}

bool CBrush::CreateHatchBrush(int hatch, COLORREF color)
{
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return false;
    m_logbrush = LOGBRUSH{BS_HATCHED, color & 0x00FFFFFF, hatch};
    m_pPattern = nullptr;
    m_bCreated = true;
    return true;
}

bool CBrush::CreateBrushIndirect(const LOGBRUSH* lb)
{
    if (!lb) return false;
    switch (lb->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(lb->lbColor);
    case BS_NULL:
        m_logbrush = LOGBRUSH{BS_NULL, 0, 0};
        m_pPattern = nullptr;
        m_bCreated = true;
        return true;
    case BS_HATCHED:
        return CreateHatchBrush(lb->lbHatch, lb->lbColor);
    default:
        return false;
    }
}

bool CBrush::CreatePatternBrush(const CBitmap* pattern)
{
    if (!pattern || pattern->Width() <= 0 || pattern->Height() <= 0) return false;
    m_logbrush = LOGBRUSH{BS_PATTERN, 0, 0};
    m_pPattern = pattern;
    m_bCreated = true;
    return true;
}

bool CFont::CreateFontIndirect(const LOGFONT* lf)
{
    if (!lf) return false;
    m_logfont = *lf;
    // Face names are limited as on the platform this format comes from;
    // cut at a character boundary so the name stays valid UTF-8.
    if (m_logfont.lfFaceName.size() > 31) {
        std::size_t cut = 31;
        while (cut > 0 && (static_cast<unsigned char>(m_logfont.lfFaceName[cut]) & 0xC0) == 0x80) --cut;
        m_logfont.lfFaceName.resize(cut);
    }
    m_bCreated = true;
    return true;
}

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const std::string& face)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.lfFaceName = face;
    return CreateFontIndirect(&lf);
}

bool CFont::CreatePointFont(int pointSize10, const std::string& face, CDC* dc)
{
    LOGFONT lf;
    lf.lfFaceName = face;
    if (dc) {
        // The size in device pixels for the surface's resolution, then
        // taken back into the surface's logical units.
        long long pixels = (static_cast<long long>(dc->GetDeviceCaps(LOGPIXELSY)) * pointSize10 + 360) / 720;
        CPoint pts[2] = {CPoint(0, static_cast<int>(pixels)), CPoint(0, 0)};
        dc->DPtoLP(pts, 2);
        lf.lfHeight = -std::abs(pts[0].y - pts[1].y);
    } else {
        lf.lfHeight = -static_cast<LONG>((96LL * pointSize10 + 360) / 720);
    }
    return CreateFontIndirect(&lf);
}

bool CFont::GetLogFont(LOGFONT* lf) const
{
    if (!lf || !m_bCreated) return false;
    *lf = m_logfont;
    return true;
}

bool CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return false;
    if (static_cast<long long>(width) * height > kMaxBitmapPixels) return false;
    const UINT bpp = bitsPerPixel * (planes == 0 ? 1 : planes);
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    std::vector<std::uint32_t> pixels;
    try {
        pixels.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (bits) {
        // Device-dependent rows are padded to 16 bits. Without a colour
        // table only the monochrome, 24- and 32-bit layouts have a meaning;
        // other depths are read as grey levels.
        const long long rowBytes = ((static_cast<long long>(width) * bpp + 15) / 16) * 2;
        const BYTE* src = static_cast<const BYTE*>(bits);
        for (int y = 0; y < height; ++y) {
            const BYTE* row = src + rowBytes * y;
            std::uint32_t* out = &pixels[static_cast<std::size_t>(y) * width];
            for (int x = 0; x < width; ++x) {
                std::uint32_t v = 0;
                switch (bpp) {
                case 1:
                    v = (row[x >> 3] & (0x80 >> (x & 7))) ? 0xFFFFFF : 0;
                    break;
                case 4: {
                    int n = (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
                    v = static_cast<std::uint32_t>(n * 17) * 0x010101u;
                    break;
                }
                case 8:
                    v = row[x] * 0x010101u;
                    break;
                case 16: {
                    unsigned w = row[2 * x] | (row[2 * x + 1] << 8);
                    v = (((w >> 10) & 31) * 255 / 31) << 16 | (((w >> 5) & 31) * 255 / 31) << 8 | ((w & 31) * 255 / 31);
                    break;
                }
                case 24:
                    v = row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
                    break;
                default:
                    v = row[4 * x] | (row[4 * x + 1] << 8) | (row[4 * x + 2] << 16);
                    break;
                }
                out[x] = 0xFF000000u | v;
            }
        }
    }
    m_pixels = std::move(pixels);
    m_nWidth = width;
    m_nHeight = height;
    m_nBitsPixel = bpp == 1 ? 1 : 32;
    m_bCreated = true;
    return true;
}

bool CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    // A surface without a colour bitmap of its own is monochrome, as is a
    // memory surface whose selected bitmap is.
    UINT bpp = 32;
    if (dc && dc->GetCurrentBitmap() && dc->GetCurrentBitmap()->BitsPixel() == 1) bpp = 1;
    return CreateBitmap(width, height, 1, bpp, nullptr);
}
