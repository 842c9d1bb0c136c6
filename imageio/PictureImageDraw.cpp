// Drawing a picture through the surface. Kept apart from PictureImage.cpp so
// that programs which only decode pictures (the fuzz targets, the decoder
// tests) need no drawing surface.
//
// Pictures with a transparent key colour or an alpha plane are drawn as one
// 32-bit image with straight alpha rather than by raster-operation masks:
// the same picture then reaches the screen, exported pages, printers and
// PDF files, where raster operations would be dropped.

#include "imageio/PictureImage.h"
#include "imageio/PictureReduce.h"
#include "objects/DC.h"

#include <cstring>
#include <vector>

namespace {

// A 32-bit bottom-up DIB block: header, then blue, green, red, alpha rows.
struct CBgraImage {
    std::vector<BYTE> block;
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(block.data()); }
    const BYTE* Bits() const { return block.data() + sizeof(BITMAPINFOHEADER); }
};

// Converts the picture to 32 bits. Pixels of the key colour (when given)
// get alpha 0, the others the picture's own alpha. With flip, the rows come
// out upside down.
CBgraImage MakeBgra(const CPictureImage& img, const COLORREF* key, bool flip)
{
    CBgraImage out;
    const long w = img.GetWidth();
    const long h = img.GetHeight();
    BITMAPINFOHEADER head{};
    head.biSize = sizeof(BITMAPINFOHEADER);
    head.biWidth = w;
    head.biHeight = h;
    head.biPlanes = 1;
    head.biBitCount = 32;
    head.biCompression = BI_RGB;
    head.biSizeImage = static_cast<DWORD>(w * h * 4);
    out.block.resize(sizeof head + static_cast<std::size_t>(w) * h * 4);
    std::memcpy(out.block.data(), &head, sizeof head);

    const bool plainAlpha = img.AlphaIsValid() || img.AlphaPaletteIsEnabled() || img.AlphaGetMax() != 255;
    const BYTE keyR = key ? static_cast<BYTE>(GetRValue(*key)) : 0;
    const BYTE keyG = key ? static_cast<BYTE>(GetGValue(*key)) : 0;
    const BYTE keyB = key ? static_cast<BYTE>(GetBValue(*key)) : 0;
    const RGBQUAD* pal = img.GetPalette();
    const int bpp = img.GetBpp();
    BYTE* dst = out.block.data() + sizeof head;
    for (long y = 0; y < h; ++y) {
        const long srcRow = flip ? h - 1 - y : y;
        const BYTE* src = img.GetBits(srcRow);
        BYTE* d = dst + static_cast<std::size_t>(y) * w * 4;
        for (long x = 0; x < w; ++x, d += 4) {
            if (bpp == 24) {
                d[0] = src[x * 3];
                d[1] = src[x * 3 + 1];
                d[2] = src[x * 3 + 2];
            } else {
                const BYTE index = PixelIndexAt(src, x, bpp);
                const RGBQUAD c = pal && index < img.GetNumColors() ? pal[index] : RGBQUAD{0, 0, 0, 0};
                d[0] = c.rgbBlue;
                d[1] = c.rgbGreen;
                d[2] = c.rgbRed;
            }
            if (key && d[0] == keyB && d[1] == keyG && d[2] == keyR) d[3] = 0;
            else d[3] = plainAlpha ? img.EffectiveAlpha(x, srcRow) : 255;
        }
    }
    return out;
}

bool DrawBgra(CDC* dc, const CPictureImage& img, long x, long y, long cx, long cy, const COLORREF* key, bool flip)
{
    const CBgraImage bgra = MakeBgra(img, key, flip);
    const int w = static_cast<int>(img.GetWidth());
    const int h = static_cast<int>(img.GetHeight());
    return dc->StretchDIBitsAlpha(static_cast<int>(x), static_cast<int>(y), static_cast<int>(cx),
                                  static_cast<int>(cy), 0, 0, w, h, bgra.Bits(), bgra.Info()) != 0;
}

}  // namespace

bool CPictureImage::Stretch(CDC* dc, long x, long y, long cx, long cy) const
{
    if (!dc || !IsValid() || !IsEnabled()) return false;
    if (AlphaIsValid() || m_alphaPalette || m_alphaMax != 255) return DrawBgra(dc, *this, x, y, cx, cy, nullptr, false);
    const int oldMode = dc->SetStretchBltMode(COLORONCOLOR);
    const int lines = dc->StretchDIBits(static_cast<int>(x), static_cast<int>(y), static_cast<int>(cx),
                                        static_cast<int>(cy), 0, 0, static_cast<int>(GetWidth()),
                                        static_cast<int>(GetHeight()), GetBits(),
                                        reinterpret_cast<const BITMAPINFO*>(GetDIB()), DIB_RGB_COLORS, SRCCOPY);
    dc->SetStretchBltMode(oldMode);
    return lines != 0;
}

bool CPictureImage::Draw(CDC* dc, long x, long y, long cx, long cy) const
{
    if (!dc || !IsValid() || !IsEnabled()) return false;
    if (cx < 0) cx = GetWidth();
    if (cy < 0) cy = GetHeight();
    if (m_bDrawTransparent) {
        const RGBQUAD key = GetTransColor();
        return DrawTransparent(dc, x, y, cx, cy, RGB(key.rgbRed, key.rgbGreen, key.rgbBlue));
    }
    return Stretch(dc, x, y, cx, cy);
}

bool CPictureImage::DrawTransparent(CDC* dc, long x, long y, long cx, long cy, COLORREF key) const
{
    if (!dc || !IsValid() || !IsEnabled()) return false;
    return DrawBgra(dc, *this, x, y, cx, cy, &key, false);
}

bool CPictureImage::DrawFlippedTransparent(CDC* dc, long x, long y, long cx, long cy, COLORREF key) const
{
    if (!dc || !IsValid() || !IsEnabled()) return false;
    return DrawBgra(dc, *this, x, y, cx, cy, &key, true);
}

bool CPictureImage::Tile(CDC* dc, const CRect& rect) const
{
    if (!dc || !IsValid() || !IsEnabled()) return false;
    const CRect area = rect.Normalized();
    const long w = GetWidth();
    const long h = GetHeight();
    if (area.IsRectEmpty()) return false;
    // The last row and column of tiles are cut at the rectangle's edge, and
    // only tiles that can be seen are drawn: a tiny picture over a large
    // page would otherwise mean millions of calls.
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(area);
    CRect clip;
    dc->GetClipBox(&clip);
    CRect visible;
    if (visible.IntersectRect(area, clip.Normalized())) {
        const long firstX = area.left + (visible.left - area.left) / w * w;
        const long firstY = area.top + (visible.top - area.top) / h * h;
        for (long ty = firstY; ty < visible.bottom; ty += h)
            for (long tx = firstX; tx < visible.right; tx += w) Draw(dc, tx, ty, w, h);
    }
    dc->RestoreDC(saved);
    return true;
}
