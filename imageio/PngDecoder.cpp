#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"
#include "objects/FormatModule.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

#include <png.h>

namespace {

// Everything the reading needs that outlives a library error: the buffers
// live here, in the caller's frame, so that a jump out of the library never
// skips a destructor.
struct PngReadState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const BYTE* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;
    std::vector<BYTE> rows;           // whole decoded picture, when it cannot go straight into the bitmap
    std::vector<png_bytep> pointers;  // one per picture row, top row first
    bool tooLarge = false;
    bool noMemory = false;
};

void PngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp png, png_bytep out, png_size_t count)
{
    auto* st = static_cast<PngReadState*>(png_get_io_ptr(png));
    if (count > st->size - st->pos) png_error(png, "Read past the end of the file");
    std::memcpy(out, st->data + st->pos, count);
    st->pos += count;
}

// How the rows are laid out once the library's transformations are set.
enum class PngLayout {
    Direct,      // rows go straight into the bitmap (palette, grey, RGB)
    Widen2,      // 2-bit rows widened to 4 bits per pixel
    Alpha,       // blue, green, red, alpha: colour into the bitmap, alpha into the plane
    KeyedGrey,   // grey and alpha from a transparent grey value, composited
    KeyedColour  // blue, green, red, alpha from a transparent colour, composited
};

// Runs the whole read. Nothing with a destructor lives in this frame: a
// library error jumps back to the setjmp below with every buffer owned by the
// caller's state.
bool ReadPng(PngReadState& st, CPictureImage& image)
{
    if (setjmp(png_jmpbuf(st.png))) return false;

    png_set_read_fn(st.png, &st, &PngRead);
    png_set_user_limits(st.png, static_cast<png_uint_32>(kMaxImageSide), static_cast<png_uint_32>(kMaxImageSide));
    // The library allocates a chunk's declared length before reading it;
    // no chunk we use needs more than a few megabytes, and a file cannot
    // swamp memory with thousands of text chunks either.
    png_set_chunk_malloc_max(st.png, 8 << 20);
    png_set_chunk_cache_max(st.png, 1000);
    png_read_info(st.png, st.info);

    const png_uint_32 width = png_get_image_width(st.png, st.info);
    const png_uint_32 height = png_get_image_height(st.png, st.info);
    const int bitDepth = png_get_bit_depth(st.png, st.info);
    const int colourType = png_get_color_type(st.png, st.info);
    if (static_cast<long long>(width) * height > kMaxImagePixels) {
        st.tooLarge = true;
        return false;
    }
    // Deflate cannot expand data more than about 1032 times, so a file too
    // small for its declared rows is damaged: refuse it before allocating
    // the picture rather than fill gigabytes with nothing.
    const long long channels = png_get_channels(st.png, st.info);
    const long long rawBytes = ((static_cast<long long>(width) * bitDepth * channels + 7) / 8 + 1) * height;
    if (rawBytes > 1040LL * static_cast<long long>(st.size) + 4096) return false;
    const bool hasTrns = png_get_valid(st.png, st.info, PNG_INFO_tRNS) != 0;

    png_color_16p fileBackground = nullptr;
    png_get_bKGD(st.png, st.info, &fileBackground);

    png_set_strip_16(st.png);
    PngLayout layout = PngLayout::Direct;
    int bpp = 24;
    switch (colourType) {
    case PNG_COLOR_TYPE_PALETTE:
        bpp = bitDepth;
        if (bitDepth == 2) {
            layout = PngLayout::Widen2;
            bpp = 4;
        }
        break;
    case PNG_COLOR_TYPE_GRAY:
        if (hasTrns) {
            // The transparent grey value becomes an alpha channel that is
            // composited on the background below.
            png_set_expand_gray_1_2_4_to_8(st.png);
            png_set_tRNS_to_alpha(st.png);
            layout = PngLayout::KeyedGrey;
            bpp = 8;
        } else if (bitDepth == 2) {
            layout = PngLayout::Widen2;
            bpp = 4;
        } else {
            bpp = bitDepth > 8 ? 8 : bitDepth;
        }
        break;
    case PNG_COLOR_TYPE_RGB:
        png_set_bgr(st.png);
        if (hasTrns) {
            png_set_tRNS_to_alpha(st.png);
            layout = PngLayout::KeyedColour;
        }
        break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(st.png);
        png_set_bgr(st.png);
        layout = PngLayout::Alpha;
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        png_set_bgr(st.png);
        layout = PngLayout::Alpha;
        break;
    default:
        return false;
    }
    const int passes = png_set_interlace_handling(st.png);
    png_read_update_info(st.png, st.info);

    BYTE* block = nullptr;
    try {
        block = image.Create(static_cast<long>(width), static_cast<long>(height), bpp, IMAGE_FORMAT_PNG);
    } catch (const std::bad_alloc&) {
        block = nullptr;
    }
    if (!block) {
        st.noMemory = true;
        return false;
    }

    // The background: the file's own colour when it has one, else light grey.
    BYTE bgRed = 192, bgGreen = 192, bgBlue = 192;
    if (fileBackground) {
        if (colourType == PNG_COLOR_TYPE_PALETTE) {
            png_colorp palette = nullptr;
            int count = 0;
            png_get_PLTE(st.png, st.info, &palette, &count);
            if (palette && fileBackground->index < count) {
                bgRed = palette[fileBackground->index].red;
                bgGreen = palette[fileBackground->index].green;
                bgBlue = palette[fileBackground->index].blue;
            }
        } else {
            // Sample values are in the file's bit depth; scale them to 8 bits.
            const unsigned maxValue = (1u << bitDepth) - 1;
            auto scale = [maxValue](unsigned v) { return static_cast<BYTE>((std::min(v, maxValue) * 255 + maxValue / 2) / maxValue); };
            if (colourType & PNG_COLOR_MASK_COLOR) {
                bgRed = scale(fileBackground->red);
                bgGreen = scale(fileBackground->green);
                bgBlue = scale(fileBackground->blue);
            } else {
                bgRed = bgGreen = bgBlue = scale(fileBackground->gray);
            }
        }
        if (layout == PngLayout::Alpha) {
            image.m_rgbBackground.rgbRed = bgRed;
            image.m_rgbBackground.rgbGreen = bgGreen;
            image.m_rgbBackground.rgbBlue = bgBlue;
        }
    }

    // The colour table.
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int count = 0;
        png_get_PLTE(st.png, st.info, &palette, &count);
        const int entries = std::min<int>(count, 1 << bitDepth);
        for (int i = 0; i < entries; ++i)
            image.SetPaletteColor(static_cast<BYTE>(i), palette[i].red, palette[i].green, palette[i].blue, 0);
        if (hasTrns) {
            png_bytep alpha = nullptr;
            int alphaCount = 0;
            png_get_tRNS(st.png, st.info, &alpha, &alphaCount, nullptr);
            alphaCount = std::min(alphaCount, 1 << bitDepth);
            if (alphaCount == 1 && alpha[0] == 0) {
                image.SetTransIndex(0);
            } else if (alphaCount > 0) {
                RGBQUAD* pal = image.GetPalette();
                for (int i = 0; i < (1 << bitDepth); ++i) pal[i].rgbReserved = i < alphaCount ? alpha[i] : 255;
                image.AlphaPaletteEnable(true);
            }
        }
    } else if (bpp <= 8) {
        if (bitDepth == 2 && layout == PngLayout::Widen2) {
            // Four greys for two bits; the rest of the 16 entries stay black.
            for (int i = 0; i < 4; ++i) {
                const BYTE v = static_cast<BYTE>(i * 85);
                image.SetPaletteColor(static_cast<BYTE>(i), v, v, v, 0);
            }
        } else {
            image.SetGrayPalette();
        }
    }

    const long eff = image.GetEffWidth();
    const std::size_t rowBytes = png_get_rowbytes(st.png, st.info);
    st.pointers.resize(height);
    if (layout == PngLayout::Direct) {
        // The rows fit the bitmap's rows as they are: decode in place.
        for (png_uint_32 y = 0; y < height; ++y) st.pointers[y] = image.GetBits() + static_cast<std::size_t>(height - 1 - y) * eff;
        // Each interlace pass fills its pixels into the rows already there.
        for (int pass = 0; pass < passes; ++pass) png_read_rows(st.png, st.pointers.data(), nullptr, height);
        png_read_end(st.png, nullptr);
        return true;
    }

    // Other layouts decode into a buffer first: the whole picture when it
    // is interlaced, one row otherwise.
    const std::size_t bufferRows = passes > 1 ? height : 1;
    st.rows.assign(rowBytes * bufferRows, 0);
    if (layout == PngLayout::Alpha && !image.AlphaCreate()) {
        st.noMemory = true;
        return false;
    }
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_bytep row = st.rows.data() + (passes > 1 ? rowBytes * y : 0);
            png_read_row(st.png, row, nullptr);
            if (pass != passes - 1) continue;
            const long dibRow = static_cast<long>(height - 1 - y);
            BYTE* dest = image.GetBits() + static_cast<std::size_t>(dibRow) * eff;
            switch (layout) {
            case PngLayout::Widen2:
                for (png_uint_32 x = 0; x < width; ++x) {
                    const BYTE v = (row[x / 4] >> (6 - 2 * (x % 4))) & 3;
                    if (x % 2 == 0) dest[x / 2] = static_cast<BYTE>(v << 4);
                    else dest[x / 2] |= v;
                }
                break;
            case PngLayout::Alpha: {
                BYTE* alpha = image.AlphaGetPointer(0, dibRow);
                for (png_uint_32 x = 0; x < width; ++x) {
                    dest[3 * x] = row[4 * x];
                    dest[3 * x + 1] = row[4 * x + 1];
                    dest[3 * x + 2] = row[4 * x + 2];
                    alpha[x] = row[4 * x + 3];
                }
                break;
            }
            case PngLayout::KeyedGrey:
                for (png_uint_32 x = 0; x < width; ++x) dest[x] = row[2 * x + 1] ? row[2 * x] : bgGreen;
                break;
            case PngLayout::KeyedColour:
                for (png_uint_32 x = 0; x < width; ++x) {
                    const bool opaque = row[4 * x + 3] != 0;
                    dest[3 * x] = opaque ? row[4 * x] : bgBlue;
                    dest[3 * x + 1] = opaque ? row[4 * x + 1] : bgGreen;
                    dest[3 * x + 2] = opaque ? row[4 * x + 2] : bgRed;
                }
                break;
            case PngLayout::Direct:
                break;
            }
        }
    }
    png_read_end(st.png, nullptr);
    return true;
}

// The library allocates a chunk's declared length before reading its data,
// so every length up to the end chunk is checked against the bytes really
// there first.
bool ChunksFitTheFile(const BYTE* data, std::size_t size)
{
    std::size_t pos = 8;
    while (pos + 8 <= size) {
        const std::size_t length = (std::size_t(data[pos]) << 24) | (std::size_t(data[pos + 1]) << 16) |
                                   (std::size_t(data[pos + 2]) << 8) | data[pos + 3];
        if (length > size - pos - 8) return false;
        if (std::memcmp(data + pos + 4, "IEND", 4) == 0) return true;
        pos += 8 + length + 4;
    }
    return false;
}

}  // namespace

bool ReadPngPicture(const BYTE* data, std::size_t size, CPictureImage& image)
{
    PngReadState st;
    st.data = data;
    st.size = data ? size : 0;
    if (st.size < 8 || png_sig_cmp(data, 0, 8) != 0 || !ChunksFitTheFile(data, st.size)) {
        image.SetLastError("Error reading PNG file");
        return false;
    }
    st.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &PngError, &PngWarning);
    if (!st.png) {
        image.SetLastError("Failed to create PNG structure");
        return false;
    }
    st.info = png_create_info_struct(st.png);
    if (!st.info) {
        png_destroy_read_struct(&st.png, nullptr, nullptr);
        image.SetLastError("Failed to initialize PNG info structure");
        return false;
    }
    bool ok = false;
    try {
        ok = ReadPng(st, image);
    } catch (const std::bad_alloc&) {
        st.noMemory = true;
        ok = false;
    }
    png_destroy_read_struct(&st.png, &st.info, nullptr);
    if (!ok) {
        if (st.tooLarge) image.SetLastError("Image is too large");
        else if (st.noMemory) image.SetLastError("Can't allocate memory");
        else image.SetLastError("Error reading PNG file");
        return false;
    }
    image.m_nFrameCount = 1;
    return true;
}
