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

// A 5-bit channel scaled to eight bits, full intensity staying full.
BYTE Scale5(unsigned v)
{
    return static_cast<BYTE>((v * 255 + 15) / 31);
}

}  // namespace

bool DecodeTga(const BYTE* data, std::size_t size, CPictureImage& image)
{
    CByteReader in(data, size);
    const BYTE idLength = in.U8();
    const BYTE mapType = in.U8();
    const BYTE type = in.U8();
    const WORD mapFirst = in.U16();
    const WORD mapLength = in.U16();
    const BYTE mapDepth = in.U8();
    in.Skip(4);  // origin on the screen
    const long width = in.U16();
    const long height = in.U16();
    const int depth = in.U8();
    const BYTE descriptor = in.U8();
    if (in.Failed()) return Fail(image, "Not a TGA");
    in.Skip(idLength);

    if (type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11)
        return Fail(image, "Unknown TGA image type");
    const bool mapped = type == 1 || type == 9;
    const bool grey = type == 3 || type == 11;
    const bool rle = type >= 9;
    const bool depthOk = (mapped || grey) ? depth == 8 : (depth == 15 || depth == 16 || depth == 24 || depth == 32);
    if (!depthOk || !CPictureImage::SizeAllowed(width, height)) return Fail(image, "TGA Create failed");

    // The colour map, when there is one, comes before the pixels.
    const int mapEntryBytes = (mapDepth + 7) / 8;
    std::vector<RGBQUAD> map;
    if (mapType) {
        if (mapEntryBytes < 2 || mapEntryBytes > 4) return Fail(image, "corrupted TGA");
        if (!in.Has(static_cast<std::size_t>(mapLength) * mapEntryBytes)) return Fail(image, "corrupted TGA");
        for (long i = 0; i < mapLength; ++i) {
            RGBQUAD c{0, 0, 0, 0};
            if (mapEntryBytes == 2) {
                const WORD v = in.U16();
                c = RGBQUAD{Scale5(v & 0x1F), Scale5((v >> 5) & 0x1F), Scale5((v >> 10) & 0x1F), 0};
            } else {
                c.rgbBlue = in.U8();
                c.rgbGreen = in.U8();
                c.rgbRed = in.U8();
                if (mapEntryBytes == 4) in.U8();
            }
            map.push_back(c);
        }
    }

    const int pixelBytes = (depth + 7) / 8;
    const unsigned long long pixels = static_cast<unsigned long long>(width) * height;
    // Raw pixels must all be there; a run-length packet of at least one
    // header byte and one pixel gives at most 128 pixels.
    if (!rle && pixels * pixelBytes > in.Remaining()) return Fail(image, "corrupted TGA");
    if (rle && pixels > (in.Remaining() / (1 + pixelBytes) + 1) * 128) return Fail(image, "corrupted TGA");

    // The descriptor's low bits count the alpha bits of each pixel; only then
    // do the 16- and 32-bit pixels carry alpha.
    const bool alpha = (depth == 16 || depth == 32) && (descriptor & 0x0F) != 0;
    if (!image.Create(width, height, depth > 8 ? 24 : 8, IMAGE_FORMAT_TGA)) return Fail(image, "TGA Create failed");
    if (alpha) image.AlphaCreate();
    if (grey) image.SetGrayPalette();
    if (mapped) {
        for (std::size_t i = 0; i < map.size(); ++i) {
            const std::size_t index = mapFirst + i;
            if (index < 256) image.GetPalette()[index] = map[i];
        }
    }

    const bool topDown = (descriptor & 0x20) != 0;
    long x = 0;
    long row = 0;
    auto put = [&](const BYTE* p) {
        const long y = topDown ? height - 1 - row : row;
        BYTE* dst = image.GetBits(y);
        switch (depth) {
        case 8: dst[x] = p[0]; break;
        case 15:
        case 16: {
            const unsigned v = p[0] | (p[1] << 8);
            dst[x * 3 + 0] = Scale5(v & 0x1F);
            dst[x * 3 + 1] = Scale5((v >> 5) & 0x1F);
            dst[x * 3 + 2] = Scale5((v >> 10) & 0x1F);
            // The attribute bit, the most significant one, marks an opaque pixel.
            if (alpha) image.AlphaSet(x, y, (v & 0x8000) ? 255 : 0);
            break;
        }
        default:
            dst[x * 3 + 0] = p[0];
            dst[x * 3 + 1] = p[1];
            dst[x * 3 + 2] = p[2];
            if (alpha) image.AlphaSet(x, y, p[3]);
            break;
        }
        if (++x == width) {
            x = 0;
            ++row;
        }
    };

    BYTE pixel[4] = {0, 0, 0, 0};
    while (row < height) {
        if (!rle) {
            if (!in.Read(pixel, pixelBytes)) return Fail(image, "corrupted TGA");
            put(pixel);
            continue;
        }
        // Packets may run on from one row into the next.
        const BYTE header = in.U8();
        const int n = (header & 0x7F) + 1;
        if (header & 0x80) {
            if (!in.Read(pixel, pixelBytes)) return Fail(image, "corrupted TGA");
            for (int i = 0; i < n && row < height; ++i) put(pixel);
        } else {
            for (int i = 0; i < n && row < height; ++i) {
                if (!in.Read(pixel, pixelBytes)) return Fail(image, "corrupted TGA");
                put(pixel);
            }
        }
        if (in.Failed()) return Fail(image, "corrupted TGA");
    }

    if (descriptor & 0x10) image.Mirror();
    return true;
}
