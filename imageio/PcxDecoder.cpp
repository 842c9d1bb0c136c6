#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"
#include "objects/ByteReader.h"

#include <vector>

namespace {

bool Fail(CPictureImage& image, const char* text)
{
    image.m_szLastError = text;
    return false;
}

}  // namespace

bool DecodePcx(const BYTE* data, std::size_t size, CPictureImage& image)
{
    CByteReader in(data, size);
    BYTE header[128];
    if (!in.Read(header, sizeof header)) return Fail(image, "Can't read PCX image");
    if (header[0] != 10) return Fail(image, "Error: Not a PCX file");
    if (header[2] != 1) return Fail(image, "PCX file has unknown encoding scheme");

    auto word = [&](int at) { return static_cast<long>(header[at] | (header[at + 1] << 8)); };
    const int bits = header[3];
    const long width = word(8) - word(4) + 1;
    const long height = word(10) - word(6) + 1;
    const int planes = header[65];
    const long bytesPerLine = word(66);

    // Which picture the bits and planes make.
    long bpp;
    if (bits == 1) {
        if (planes > 4) return Fail(image, "Can't handle image with more than 4 planes");
        if (planes < 1) return Fail(image, "Can't handle bits per pixel image with planes.");
        bpp = planes == 1 ? 1 : 4;
    } else if (bits == 2 || bits == 4 || bits == 8) {
        if (planes == 1) bpp = bits;
        else if (bits == 8 && (planes == 3 || planes == 4)) bpp = 24;
        else if (planes == 3 || planes == 4) return Fail(image, "Can't handle packed pixels with more than 1 plane.");
        else return Fail(image, "Can't handle bits per pixel image with planes.");
    } else {
        return Fail(image, "Can't handle bits per pixel image with planes.");
    }
    if (!CPictureImage::SizeAllowed(width, height)) return Fail(image, "corrupted PCX");
    // Each plane's line must hold the whole width.
    if (bytesPerLine * 8 < width * bits) return Fail(image, "corrupted PCX");

    // Two bytes of run-length data give at most 63 bytes of picture.
    const unsigned long long lineBytes = static_cast<unsigned long long>(planes) * bytesPerLine;
    const unsigned long long total = lineBytes * height;
    if (total > (in.Remaining() / 2 + 1) * 63) return Fail(image, "corrupted PCX");

    std::vector<BYTE> decoded(static_cast<std::size_t>(total));
    std::size_t filled = 0;
    while (filled < decoded.size()) {
        if (!in.Has(1)) return Fail(image, "corrupted PCX");
        BYTE b = in.U8();
        std::size_t run = 1;
        if (b > 191) {
            run = b & 0x3F;
            if (!in.Has(1)) return Fail(image, "corrupted PCX");
            b = in.U8();
        }
        if (run > decoded.size() - filled) return Fail(image, "repeat count spans end of image");
        std::fill_n(decoded.begin() + static_cast<std::ptrdiff_t>(filled), run, b);
        filled += run;
    }

    // The 256-colour palette follows the data behind its signature byte;
    // most files put it in the last 769 bytes.
    const bool bigPalette = bits == 8 && planes == 1;
    const BYTE* bigTable = nullptr;
    if (bigPalette) {
        if (in.Has(769) && in.Current()[0] == 12) bigTable = in.Current() + 1;
        else if (size >= 769 + 128 && data[size - 769] == 12) bigTable = data + size - 768;
        else return Fail(image, "bad color map signature");
    }

    if (!image.Create(width, height, bpp, IMAGE_FORMAT_PCX)) return Fail(image, "corrupted PCX");
    if (bigTable) {
        for (int i = 0; i < 256; ++i)
            image.SetPaletteColor(static_cast<BYTE>(i), bigTable[i * 3], bigTable[i * 3 + 1], bigTable[i * 3 + 2]);
    } else if (bpp == 1) {
        image.SetPaletteColor(0, 0, 0, 0);
        image.SetPaletteColor(1, 255, 255, 255);
    } else if (bpp <= 8) {
        for (int i = 0; i < 16; ++i)
            image.SetPaletteColor(static_cast<BYTE>(i), header[16 + i * 3], header[17 + i * 3], header[18 + i * 3]);
    }
    if (bpp == 24 && planes == 4) image.AlphaCreate();

    for (long line = 0; line < height; ++line) {
        const BYTE* src = decoded.data() + line * lineBytes;
        const long y = height - 1 - line;  // lines go from the top down
        if (bpp == 24) {
            BYTE* dst = image.GetBits(y);
            for (long x = 0; x < width; ++x) {
                dst[x * 3 + 2] = src[x];
                dst[x * 3 + 1] = src[bytesPerLine + x];
                dst[x * 3 + 0] = src[2 * bytesPerLine + x];
                if (planes == 4) image.AlphaSet(x, y, src[3 * bytesPerLine + x]);
            }
        } else if (planes == 1) {
            // Packed pixels, most significant first.
            for (long x = 0; x < width; ++x) {
                const long bit = x * bits;
                const int shift = 8 - bits - static_cast<int>(bit & 7);
                image.SetPixelIndex(x, y, static_cast<BYTE>((src[bit >> 3] >> shift) & ((1 << bits) - 1)));
            }
        } else {
            // One bit per plane: plane i gives bit i of the colour index.
            for (long x = 0; x < width; ++x) {
                BYTE index = 0;
                for (int p = 0; p < planes; ++p)
                    index |= static_cast<BYTE>(((src[p * bytesPerLine + (x >> 3)] >> (7 - (x & 7))) & 1) << p);
                image.SetPixelIndex(x, y, index);
            }
        }
    }
    return true;
}
