#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"
#include "objects/ByteReader.h"

#include <bit>
#include <cstring>

namespace {

// One colour channel of a 16- or 32-bit pixel, described by its mask.
struct CChannel {
    DWORD mask = 0;
    int shift = 0;
    int bits = 0;

    explicit CChannel(DWORD m = 0) : mask(m)
    {
        if (mask) {
            shift = std::countr_zero(mask);
            bits = std::popcount(mask);
        }
    }
    // The channel scaled to eight bits; narrow channels repeat their high
    // bits in the low ones, so that full intensity stays full (31 → 255).
    BYTE Extract(DWORD pixel) const
    {
        if (!mask) return 0;
        DWORD v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<BYTE>(v >> (bits - 8));
        DWORD out = 0;
        for (int filled = 0; filled < 8; filled += bits) {
            const int sh = 8 - filled - bits;
            out |= sh >= 0 ? (v << sh) : (v >> -sh);
        }
        return static_cast<BYTE>(out & 0xFF);
    }
};

bool Fail(CPictureImage& image, const char* text)
{
    image.m_szLastError = text;
    return false;
}

// Run-length data of 8 or 4 bits per pixel, rows from the bottom. Pixels
// that fall outside the picture are dropped; the stream ends at its end
// marker, at the top of the picture or at the end of the file.
void DecodeRle(CByteReader& in, CPictureImage& image, int bits)
{
    const long width = image.GetWidth();
    const long height = image.GetHeight();
    long x = 0;
    long y = 0;
    auto put = [&](BYTE index) {
        if (x < width && y < height) image.SetPixelIndex(x, y, index);
        ++x;
    };
    while (y < height && in.Has(2)) {
        const BYTE count = in.U8();
        const BYTE value = in.U8();
        if (count) {
            for (int i = 0; i < count && x < width; ++i) {
                if (bits == 8) put(value);
                else put(static_cast<BYTE>((i & 1) ? value & 0x0F : value >> 4));
            }
            continue;
        }
        switch (value) {
        case 0:  // end of row
            x = 0;
            ++y;
            break;
        case 1:  // end of picture
            return;
        case 2:  // move right and up
            x += in.U8();
            y += in.U8();
            if (in.Failed()) return;
            break;
        default: {
            // An absolute run of value pixels, padded to a 16-bit boundary.
            const int n = value;
            const int bytes = bits == 8 ? n : (n + 1) / 2;
            if (!in.Has(static_cast<std::size_t>(bytes))) return;
            const BYTE* p = in.Current();
            for (int i = 0; i < n; ++i) {
                if (bits == 8) put(p[i]);
                else put(static_cast<BYTE>((i & 1) ? p[i / 2] & 0x0F : p[i / 2] >> 4));
            }
            in.Skip(static_cast<std::size_t>(bytes));
            if (bytes & 1) in.Skip(std::min<std::size_t>(1, in.Remaining()));
            break;
        }
        }
    }
}

}  // namespace

bool DecodeBmp(const BYTE* data, std::size_t size, CPictureImage& image)
{
    CByteReader in(data, size);

    // A file starts with "BM" and a 14-byte file header; without it the data
    // is a bare information header (as on the clipboard), pixels right after
    // the colour table.
    std::size_t dataOffset = 0;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        if (!in.Has(14)) return Fail(image, "Not a BMP");
        in.Skip(10);
        dataOffset = in.U32();
    }

    const std::size_t infoStart = in.Tell();
    const DWORD headerSize = in.U32();
    if (in.Failed()) return Fail(image, "Error reading BMP info");

    long long width = 0;
    long long height = 0;
    int planes = 0;
    int bpp = 0;
    DWORD compression = BI_RGB;
    DWORD colours = 0;
    long ppmX = 0;
    long ppmY = 0;
    const bool core = headerSize == 12;
    if (core) {
        // The older core header: 16-bit sizes and 3-byte colour entries.
        width = in.U16();
        height = in.I16();
        planes = in.U16();
        bpp = in.U16();
    } else {
        if (headerSize < 40 || headerSize > 4096 || !in.Has(headerSize - 4))
            return Fail(image, "Error reading BMP info");
        width = in.I32();
        height = in.I32();
        planes = in.U16();
        bpp = in.U16();
        compression = in.U32();
        in.U32();  // image size: recomputed from the dimensions
        ppmX = in.I32();
        ppmY = in.I32();
        colours = in.U32();
        in.U32();
    }
    if (in.Failed()) return Fail(image, "Error reading BMP info");
    (void)planes;

    // A negative height stores the rows from the top down.
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Fail(image, "Error reading BMP info");
    if (width <= 0 || height <= 0) return Fail(image, "Error reading BMP info");
    if (!CPictureImage::SizeAllowed(width, height)) return Fail(image, "Can't allocate memory");

    // Deeper pictures may still carry a colour table (a hint for displays of
    // few colours); it is skipped.
    std::size_t skippedColours = 0;
    if (bpp <= 8) {
        if (colours == 0 || colours > (1u << bpp)) colours = 1u << bpp;
    } else {
        skippedColours = std::min<DWORD>(colours, 256);
        colours = 0;
    }

    // Colour masks of 16- and 32-bit pixels: inside the longer headers, or
    // right after a 40-byte header; the defaults are 5-5-5 and 8-8-8.
    DWORD masks[4] = {0, 0, 0, 0};
    std::size_t tableStart = infoStart + headerSize;
    if (bpp == 16) {
        masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
    } else if (bpp == 32) {
        masks[0] = 0x00FF0000; masks[1] = 0x0000FF00; masks[2] = 0x000000FF;
    }
    if (!core && headerSize >= 56) {
        // The alpha mask of the longer headers is honoured whatever the
        // compression, as other programs do.
        in.Seek(infoStart + 52);
        masks[3] = in.U32();
    }
    if (compression == BI_BITFIELDS && (bpp == 16 || bpp == 32)) {
        in.Seek(headerSize >= 52 ? infoStart + 40 : tableStart);
        masks[0] = in.U32();
        masks[1] = in.U32();
        masks[2] = in.U32();
        if (headerSize < 52) tableStart += 12;
        if (in.Failed()) return Fail(image, "Error reading BMP info");
    }

    if (bpp <= 8) {
        if (compression == BI_RLE8 && bpp != 8) return Fail(image, "compression type not supported");
        if (compression == BI_RLE4 && bpp != 4) return Fail(image, "compression type not supported");
        if (compression != BI_RGB && compression != BI_RLE8 && compression != BI_RLE4)
            return Fail(image, "compression type not supported");
    } else if (bpp == 24) {
        if (compression != BI_RGB) return Fail(image, "unknown compression");
    } else if (compression != BI_RGB && compression != BI_BITFIELDS) {
        return Fail(image, "unknown compression");
    }

    // The palette follows the header's real size, whatever that size is.
    const std::size_t entrySize = core ? 3 : 4;
    in.Seek(tableStart);
    if (!in.Has(colours * entrySize)) return Fail(image, "Error reading BMP info");

    const long long rowSize = DibRowSize(width, bpp);
    const bool compressed = compression == BI_RLE8 || compression == BI_RLE4;
    const std::size_t pixelStart = dataOffset ? dataOffset : tableStart + (colours + skippedColours) * entrySize;
    if (pixelStart > size) return Fail(image, "Error reading BMP info");
    const std::size_t available = size - pixelStart;
    // Uncompressed rows must all be in the file before anything is made.
    if (!compressed && static_cast<unsigned long long>(rowSize * height) > available)
        return Fail(image, "Error reading BMP info");

    const long createBpp = bpp > 8 ? 24 : bpp;
    if (!image.Create(static_cast<long>(width), static_cast<long>(height), createBpp, IMAGE_FORMAT_BMP))
        return Fail(image, "Can't allocate memory");
    if (ppmX > 0) image.SetXDPI(static_cast<long>(ppmX * 0.0254 + 0.5));
    if (ppmY > 0) image.SetYDPI(static_cast<long>(ppmY * 0.0254 + 0.5));

    RGBQUAD* pal = image.GetPalette();
    for (DWORD i = 0; i < colours; ++i) {
        const BYTE b = in.U8();
        const BYTE g = in.U8();
        const BYTE r = in.U8();
        if (!core) in.U8();
        pal[i] = RGBQUAD{b, g, r, 0};
    }

    in.Seek(pixelStart);
    const long h = static_cast<long>(height);
    const long w = static_cast<long>(width);
    auto dibRow = [&](long fileRow) { return topDown ? h - 1 - fileRow : fileRow; };

    if (compressed) {
        DecodeRle(in, image, compression == BI_RLE8 ? 8 : 4);
        if (topDown) image.Flip();
        return true;
    }

    if (bpp <= 8 || bpp == 24) {
        for (long row = 0; row < h; ++row) {
            std::memcpy(image.GetBits(dibRow(row)), in.Current(), static_cast<std::size_t>(rowSize));
            in.Skip(static_cast<std::size_t>(rowSize));
        }
        return true;
    }

    // 16 and 32 bits: every pixel goes through its masks.
    const CChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    const bool hasAlpha = masks[3] != 0;
    bool anyAlpha = false;
    if (hasAlpha) image.AlphaCreate();
    for (long row = 0; row < h; ++row) {
        const BYTE* src = in.Current();
        BYTE* dst = image.GetBits(dibRow(row));
        for (long x = 0; x < w; ++x) {
            DWORD pixel;
            if (bpp == 16) pixel = static_cast<DWORD>(src[x * 2] | (src[x * 2 + 1] << 8));
            else std::memcpy(&pixel, src + x * 4, 4);
            dst[x * 3 + 0] = blue.Extract(pixel);
            dst[x * 3 + 1] = green.Extract(pixel);
            dst[x * 3 + 2] = red.Extract(pixel);
            if (hasAlpha) {
                const BYTE a = alpha.Extract(pixel);
                anyAlpha = anyAlpha || a != 0;
                image.AlphaSet(x, dibRow(row), a);
            }
        }
        in.Skip(static_cast<std::size_t>(rowSize));
    }
    // Many programs write an alpha mask over a channel they leave at zero: a
    // plane that is transparent everywhere means the picture has no alpha.
    if (hasAlpha && !anyAlpha) image.AlphaDelete();
    return true;
}
