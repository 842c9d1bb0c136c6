#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"
#include "objects/ByteReader.h"

#include <cstring>

namespace {

constexpr BYTE kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

}  // namespace

bool DecodeIco(const BYTE* data, std::size_t size, CPictureImage& image)
{
    CByteReader in(data, size);
    const WORD reserved = in.U16();
    const WORD type = in.U16();
    const WORD count = in.U16();
    if (in.Failed() || reserved != 0 || type != 1) return false;
    image.m_nFrameCount = count;
    if (image.m_nFrame < 0 || image.m_nFrame >= count) return false;
    if (!in.Skip(static_cast<std::size_t>(image.m_nFrame) * 16)) return false;

    in.Skip(2);  // width and height: the icon's own header is authoritative
    const BYTE entryColours = in.U8();
    in.Skip(5);
    const DWORD dataSize = in.U32();
    const DWORD offset = in.U32();
    if (in.Failed() || offset >= size) return false;
    const std::size_t length = std::min<std::size_t>(dataSize, size - offset);

    // Icons of the newer kind hold a whole PNG file.
    if (length >= 8 && std::memcmp(data + offset, kPngSignature, 8) == 0) {
        const long frames = image.m_nFrameCount;
        image.m_nFrame = 0;
        const bool ok = DecodePng(data + offset, length, image);
        image.m_nFrameCount = frames;
        return ok;
    }

    CByteReader icon(data + offset, length);
    const DWORD headerSize = icon.U32();
    const long width = icon.I32();
    const long doubleHeight = icon.I32();
    icon.U16();
    int bpp = icon.U16();
    icon.Skip(16);
    DWORD colours = icon.U32();
    if (icon.Failed() || headerSize < 40 || headerSize > length) return false;
    // The stored height covers the colour pixels and the transparency mask.
    const long height = doubleHeight / 2;
    if (!CPictureImage::SizeAllowed(width, height)) return false;

    // Older icons leave the depth to the directory's colour count.
    if (bpp == 0) bpp = entryColours == 2 ? 1 : entryColours == 16 ? 4 : 8;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
    if (bpp <= 8) {
        if (colours == 0 || colours > (1u << bpp)) colours = 1u << bpp;
    } else {
        colours = 0;
    }

    const long long rowSize = DibRowSize(width, bpp);
    const long long maskRowSize = DibRowSize(width, 1);
    icon.Seek(headerSize);
    if (!icon.Has(colours * 4 + static_cast<unsigned long long>(rowSize * height))) return false;

    if (!image.Create(width, height, bpp > 8 ? 24 : bpp, IMAGE_FORMAT_ICO)) return false;
    image.m_nTransIndex = -1;
    RGBQUAD* pal = image.GetPalette();
    for (DWORD i = 0; i < colours; ++i) {
        icon.Read(&pal[i], 4);
        pal[i].rgbReserved = 0;
    }

    bool anyAlpha = false;
    if (bpp == 32) image.AlphaCreate();
    for (long y = 0; y < height; ++y) {
        const BYTE* src = icon.Current();
        BYTE* dst = image.GetBits(y);
        if (bpp == 32) {
            for (long x = 0; x < width; ++x) {
                std::memcpy(dst + x * 3, src + x * 4, 3);
                image.AlphaSet(x, y, src[x * 4 + 3]);
                anyAlpha = anyAlpha || src[x * 4 + 3] != 0;
            }
        } else {
            std::memcpy(dst, src, static_cast<std::size_t>(rowSize));
        }
        icon.Skip(static_cast<std::size_t>(rowSize));
    }

    // The transparency mask that follows: a set bit is a transparent pixel.
    // It gives the alpha of icons without an alpha channel of their own.
    if (!anyAlpha && icon.Has(static_cast<unsigned long long>(maskRowSize * height))) {
        image.AlphaCreate();
        bool anyTransparent = false;
        for (long y = 0; y < height; ++y) {
            const BYTE* mask = icon.Current();
            for (long x = 0; x < width; ++x) {
                const bool clear = (mask[x >> 3] >> (7 - (x & 7))) & 1;
                anyTransparent = anyTransparent || clear;
                image.AlphaSet(x, y, clear ? 0 : 255);
            }
            icon.Skip(static_cast<std::size_t>(maskRowSize));
        }
        if (!anyTransparent) image.AlphaDelete();
    } else if (!anyAlpha) {
        image.AlphaDelete();
    }
    return true;
}
