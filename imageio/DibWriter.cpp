#include "imageio/DibWriter.h"

#include "imageio/PictureImage.h"
#include "imageio/SafeFile.h"
#include "objects/ByteReader.h"

#include <cstring>
#include <new>

namespace {

void SetError(std::string* error, const char* text)
{
    if (error) *error = text;
}

// The checks shared by both writers: a sane header, and rows and colour
// table really there for the depth.
bool CheckDib(const CDibPixels& dib, std::string* error)
{
    if (!dib.pHead || !dib.pBits) {
        SetError(error, "Invalid input data");
        return false;
    }
    const BITMAPINFOHEADER& h = *dib.pHead;
    const int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        SetError(error, "Invalid bitmap bit count");
        return false;
    }
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    if (h.biWidth <= 0 || height == 0 || h.biWidth > kMaxImageSide || height > kMaxImageSide ||
        (bpp <= 8 && !dib.pPalette)) {
        SetError(error, "Invalid input data");
        return false;
    }
    return true;
}

}  // namespace

CDibPixels DibPixelsOf(const CPictureImage& image)
{
    CDibPixels dib;
    if (!image.IsValid()) return dib;
    dib.pHead = &image.GetHeader();
    dib.pPalette = image.GetPalette();
    dib.nPaletteCount = image.GetNumColors();
    dib.pBits = image.GetBits();
    return dib;
}

bool ConvertDibToRgb(const CDibPixels& dib, std::vector<BYTE>& rgb, std::string* error)
{
    if (!CheckDib(dib, error)) return false;
    const BITMAPINFOHEADER& h = *dib.pHead;
    const long long width = h.biWidth;
    const bool topDown = h.biHeight < 0;
    const long long height = topDown ? -static_cast<long long>(h.biHeight) : h.biHeight;
    const int bpp = h.biBitCount;
    const long long rowSize = DibRowSize(width, bpp);
    try {
        rgb.assign(static_cast<std::size_t>(width * 3 * height), 0);
    } catch (const std::bad_alloc&) {
        SetError(error, "Invalid input data");
        return false;
    }
    // Indices past the end of the colour table come out black.
    const RGBQUAD black{0, 0, 0, 0};
    auto entry = [&](unsigned index) -> const RGBQUAD& {
        return index < dib.nPaletteCount ? dib.pPalette[index] : black;
    };
    // A 5-bit value v becomes 8v + 8, with the ends pinned to 0 and 255.
    auto expand5 = [](unsigned v) -> BYTE { return v == 0 ? 0 : v == 31 ? 255 : static_cast<BYTE>(8 * v + 8); };

    for (long long i = 0; i < height; ++i) {
        const BYTE* src = dib.pBits + (topDown ? i : height - 1 - i) * rowSize;
        BYTE* out = rgb.data() + i * width * 3;
        for (long long x = 0; x < width; ++x, out += 3) {
            switch (bpp) {
            case 1:
            case 4:
            case 8: {
                unsigned index;
                if (bpp == 1) index = (src[x / 8] >> (7 - x % 8)) & 1;
                else if (bpp == 4) index = (src[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
                else index = src[x];
                const RGBQUAD& c = entry(index);
                out[0] = c.rgbRed;
                out[1] = c.rgbGreen;
                out[2] = c.rgbBlue;
                break;
            }
            case 16: {
                const unsigned w = src[2 * x] | (src[2 * x + 1] << 8);
                out[0] = expand5((w >> 10) & 31);
                out[1] = expand5((w >> 5) & 31);
                out[2] = expand5(w & 31);
                break;
            }
            default: {
                const BYTE* p = src + x * (bpp / 8);
                out[0] = p[2];
                out[1] = p[1];
                out[2] = p[0];
                break;
            }
            }
        }
    }
    return true;
}

bool MakeBitmapFile(const CDibPixels& dib, std::vector<BYTE>& file, std::string* error)
{
    if (!CheckDib(dib, error)) return false;
    const BITMAPINFOHEADER& h = *dib.pHead;
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    const long long pixelBytes = DibRowSize(h.biWidth, h.biBitCount) * height;
    const DWORD colours = h.biBitCount <= 8 ? static_cast<DWORD>(dib.nPaletteCount) : 0;
    const long long offset = 14 + 40 + 4LL * colours;
    const long long total = offset + pixelBytes;
    if (total > 0xFFFFFFFFLL) {
        SetError(error, "Invalid input data");
        return false;
    }
    CByteWriter out;
    try {
        out.Buffer().reserve(static_cast<std::size_t>(total));
        out.U8('B');
        out.U8('M');
        out.U32(static_cast<DWORD>(total));
        out.U16(0);
        out.U16(0);
        out.U32(static_cast<DWORD>(offset));
        out.U32(40);
        out.I32(h.biWidth);
        out.I32(h.biHeight);
        out.U16(1);
        out.U16(h.biBitCount);
        out.U32(BI_RGB);
        out.U32(static_cast<DWORD>(pixelBytes));
        out.I32(h.biXPelsPerMeter);
        out.I32(h.biYPelsPerMeter);
        out.U32(colours);
        out.U32(0);
        for (DWORD i = 0; i < colours; ++i) {
            const RGBQUAD& c = dib.pPalette[i];
            out.U8(c.rgbBlue);
            out.U8(c.rgbGreen);
            out.U8(c.rgbRed);
            out.U8(0);
        }
        out.Write(dib.pBits, static_cast<std::size_t>(pixelBytes));
    } catch (const std::bad_alloc&) {
        SetError(error, "Invalid input data");
        return false;
    }
    file = std::move(out.Buffer());
    return true;
}

bool WriteBitmapFile(const CDibPixels& dib, const std::string& path, std::string* error)
{
    std::vector<BYTE> bytes;
    if (!MakeBitmapFile(dib, bytes, error)) return false;
    CSafeFile file;
    if (!file.Open(path)) {
        if (error) *error = "Cannot open " + path;
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.File()) != bytes.size() || !file.Commit()) {
        if (error) *error = "Cannot write " + path;
        return false;
    }
    if (error) error->clear();
    return true;
}

bool WritePictureBmp(const CPictureImage& image, const std::string& path, std::string* error)
{
    return WriteBitmapFile(DibPixelsOf(image), path, error);
}
