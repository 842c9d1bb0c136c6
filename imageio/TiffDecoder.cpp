#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"
#include "objects/FormatModule.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <tiffio.h>

namespace {

// Single allocations inside the library above this are refused: no picture
// within our size caps needs a bigger strip or tile.
constexpr tmsize_t kMaxTiffAlloc = tmsize_t(1) << 30;

// The file bytes as libtiff sees them: a read-only stream over memory.
struct TiffSource {
    const BYTE* data = nullptr;
    toff_t size = 0;
    toff_t pos = 0;
    std::string firstError;
};

tmsize_t TiffRead(thandle_t handle, void* buf, tmsize_t count)
{
    auto* src = static_cast<TiffSource*>(handle);
    if (count <= 0 || src->pos >= src->size) return 0;
    const toff_t n = std::min<toff_t>(static_cast<toff_t>(count), src->size - src->pos);
    std::memcpy(buf, src->data + src->pos, n);
    src->pos += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t TiffWrite(thandle_t, void*, tmsize_t)
{
    return 0;
}

toff_t TiffSeek(thandle_t handle, toff_t offset, int whence)
{
    auto* src = static_cast<TiffSource*>(handle);
    toff_t base = 0;
    if (whence == SEEK_CUR) base = src->pos;
    else if (whence == SEEK_END) base = src->size;
    // Offsets beyond the end are allowed; reads there simply return nothing.
    if (offset > ~toff_t(0) - base) return static_cast<toff_t>(-1);
    src->pos = base + offset;
    return src->pos;
}

int TiffClose(thandle_t)
{
    return 0;
}

toff_t TiffSize(thandle_t handle)
{
    return static_cast<TiffSource*>(handle)->size;
}

int TiffMap(thandle_t, void**, toff_t*)
{
    return 0;
}

void TiffUnmap(thandle_t, void*, toff_t) {}

// The library's messages are kept (the first error) instead of printed.
int TiffErrorHandler(TIFF*, void* user, const char*, const char* fmt, va_list ap)
{
    auto* src = static_cast<TiffSource*>(user);
    if (src && src->firstError.empty()) {
        char text[256];
        std::vsnprintf(text, sizeof text, fmt, ap);
        src->firstError = text;
    }
    return 1;
}

int TiffWarningHandler(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

struct TiffCloser {
    TIFF* tif;
    ~TiffCloser()
    {
        if (tif) TIFFClose(tif);
    }
};

BYTE* CreateImage(CPictureImage& image, uint32_t width, uint32_t height, int bpp)
{
    try {
        return image.Create(static_cast<long>(width), static_cast<long>(height), bpp, IMAGE_FORMAT_TIF);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// The most one stored byte can expand to for the common compressions, or 0
// when there is no useful bound (fax and JPEG codings).
uint64_t MaxExpansion(uint16_t compression)
{
    switch (compression) {
    case COMPRESSION_NONE: return 1;
    case COMPRESSION_PACKBITS: return 64;     // two bytes repeat one 128 times
    case COMPRESSION_LZW: return 4096;        // a code of 9 bits or more names at most 4096 bytes
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE: return 1100;    // deflate expands at most about 1032 times
    default: return 0;
    }
}

// True when the stored strips or tiles could hold the decoded picture. A
// small file claiming a huge picture is refused before anything is
// allocated for it.
bool DataCanHoldPicture(TIFF* tif, uint32_t height, std::size_t fileSize)
{
    uint16_t compression = COMPRESSION_NONE, planar = PLANARCONFIG_CONTIG, samples = 1;
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    const uint64_t ratio = MaxExpansion(compression);
    if (ratio == 0) return true;
    uint64_t raw = 0;
    if (TIFFIsTiled(tif)) {
        raw = TIFFTileSize64(tif) * TIFFNumberOfTiles(tif);
    } else {
        raw = TIFFScanlineSize64(tif) * height;
        if (planar == PLANARCONFIG_SEPARATE) raw *= samples;
    }
    uint64_t stored = 0;
    const uint32_t strips = TIFFNumberOfStrips(tif);
    for (uint32_t i = 0; i < strips && stored < fileSize; ++i) stored += TIFFGetStrileByteCount(tif, i);
    stored = std::min<uint64_t>(stored, fileSize);
    return raw <= stored * ratio + 4096;
}

// Colour pictures and everything the plain layouts cannot hold go through
// the library's own RGBA conversion, a band of rows at a time.
bool ReadThroughRgba(TIFF* tif, CPictureImage& image, uint32_t width, uint32_t height)
{
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif, message)) {
        image.SetLastError("Corrupted TIFF file!");
        return false;
    }
    if (!CreateImage(image, width, height, 24)) {
        image.SetLastError("No space for raster buffer");
        return false;
    }
    uint32_t unit = 0;
    if (TIFFIsTiled(tif)) TIFFGetField(tif, TIFFTAG_TILELENGTH, &unit);
    else TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &unit);
    unit = std::clamp<uint32_t>(unit, 1, height);
    // Whole strips or tiles at a time, at least 64 rows when strips are thin.
    const uint32_t band = std::min<uint32_t>(height, unit * ((64 + unit - 1) / unit));

    std::vector<uint32_t> raster;
    try {
        raster.resize(static_cast<std::size_t>(width) * band);
    } catch (const std::bad_alloc&) {
        image.SetLastError("No space for raster buffer");
        return false;
    }
    TIFFRGBAImage img;
    if (!TIFFRGBAImageBegin(&img, tif, 1, message)) {
        image.SetLastError("Corrupted TIFF file!");
        return false;
    }
    img.req_orientation = ORIENTATION_TOPLEFT;
    bool ok = true;
    const long eff = image.GetEffWidth();
    for (uint32_t row = 0; row < height && ok; row += band) {
        const uint32_t rows = std::min(band, height - row);
        img.row_offset = static_cast<int>(row);
        img.col_offset = 0;
        if (!TIFFRGBAImageGet(&img, raster.data(), width, rows)) {
            ok = false;
            break;
        }
        for (uint32_t r = 0; r < rows; ++r) {
            BYTE* dest = image.GetBits() + static_cast<std::size_t>(height - 1 - (row + r)) * eff;
            const uint32_t* src = raster.data() + static_cast<std::size_t>(r) * width;
            for (uint32_t x = 0; x < width; ++x) {
                const uint32_t v = src[x];
                dest[3 * x] = static_cast<BYTE>(TIFFGetB(v));
                dest[3 * x + 1] = static_cast<BYTE>(TIFFGetG(v));
                dest[3 * x + 2] = static_cast<BYTE>(TIFFGetR(v));
            }
        }
    }
    TIFFRGBAImageEnd(&img);
    if (!ok) image.SetLastError("Corrupted TIFF file!");
    return ok;
}

bool SetIndexedPalette(TIFF* tif, CPictureImage& image, uint16_t photometric, uint16_t bitsPerSample)
{
    const int colours = static_cast<int>(image.GetNumColors());
    if (colours <= 0 || !image.GetPalette()) {
        image.SetLastError("Unable to allocate TIFF palette");
        return false;
    }
    if (photometric == PHOTOMETRIC_PALETTE) {
        uint16_t* red = nullptr;
        uint16_t* green = nullptr;
        uint16_t* blue = nullptr;
        if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue) || !red || !green || !blue) {
            image.SetLastError("Corrupted TIFF file!");
            return false;
        }
        // The map holds 2^bits entries; the picture's table may be larger.
        const int entries = std::min(colours, 1 << bitsPerSample);
        bool wide = false;
        for (int i = 0; i < entries; ++i) wide = wide || red[i] > 255 || green[i] > 255 || blue[i] > 255;
        // Old writers stored 8-bit values; the rest use the full 16 bits.
        auto scale = [wide](uint16_t v) { return static_cast<BYTE>(wide ? (v * 255u + 32767u) / 65535u : v); };
        for (int i = 0; i < entries; ++i)
            image.SetPaletteColor(static_cast<BYTE>(i), scale(red[i]), scale(green[i]), scale(blue[i]), 0);
        return true;
    }
    const bool minIsWhite = photometric == PHOTOMETRIC_MINISWHITE;
    if (colours == 2) {
        image.SetPaletteColor(minIsWhite ? 0 : 1, 255, 255, 255, 0);
        image.SetPaletteColor(minIsWhite ? 1 : 0, 0, 0, 0, 0);
        return true;
    }
    const int step = 255 / (colours - 1);
    for (int i = 0; i < colours; ++i) {
        BYTE v = static_cast<BYTE>(i * step);
        if (minIsWhite) v ^= 255;
        image.SetPaletteColor(static_cast<BYTE>(i), v, v, v, 0);
    }
    return true;
}

// Grey and palette pictures of one sample with 1, 4, 8 or 16 bits, stored in
// strips: each line is copied into the picture from the top row down.
bool ReadStrips(TIFF* tif, CPictureImage& image, uint32_t width, uint32_t height, uint16_t bitsPerSample)
{
    uint32_t rowsPerStrip = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    rowsPerStrip = std::clamp<uint32_t>(rowsPerStrip, 1, height);
    const std::size_t lineSize = (static_cast<std::size_t>(bitsPerSample) * width + 7) / 8;
    const tmsize_t stripSize = TIFFStripSize(tif);
    if (stripSize <= 0 || static_cast<uint64_t>(stripSize) < lineSize) {
        image.SetLastError("Corrupted TIFF file!");
        return false;
    }
    std::vector<BYTE> strip;
    try {
        strip.resize(static_cast<std::size_t>(stripSize));
    } catch (const std::bad_alloc&) {
        image.SetLastError("Corrupted TIFF file!");
        return false;
    }
    const long eff = image.GetEffWidth();
    const std::size_t copy = std::min<std::size_t>(lineSize, static_cast<std::size_t>(eff));
    uint32_t row = 0;
    for (tstrip_t s = 0; row < height; ++s) {
        const uint32_t rows = std::min(rowsPerStrip, height - row);
        const tmsize_t need = static_cast<tmsize_t>(lineSize * rows);
        if (TIFFReadEncodedStrip(tif, s, strip.data(), need) < need) {
            image.SetLastError("Corrupted TIFF file!");
            return false;
        }
        for (uint32_t r = 0; r < rows; ++r, ++row) {
            BYTE* dest = image.GetBits() + static_cast<std::size_t>(height - 1 - row) * eff;
            const BYTE* src = strip.data() + lineSize * r;
            if (bitsPerSample == 16) {
                // The library hands 16-bit samples over in host order; keep
                // the high byte.
                for (uint32_t x = 0; x < width; ++x) {
                    uint16_t v;
                    std::memcpy(&v, src + 2 * x, 2);
                    dest[x] = static_cast<BYTE>(v >> 8);
                }
            } else {
                std::memcpy(dest, src, copy);
            }
        }
    }
    return true;
}

}  // namespace

bool ReadTiffPicture(const BYTE* data, std::size_t size, CPictureImage& image)
{
    TiffSource src;
    src.data = data;
    src.size = data ? size : 0;

    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) {
        image.SetLastError("Error encountered while opening TIFF file");
        return false;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxTiffAlloc);
    TIFFOpenOptionsSetErrorHandlerExtR(options, &TiffErrorHandler, &src);
    TIFFOpenOptionsSetWarningHandlerExtR(options, &TiffWarningHandler, &src);
    // "m" keeps the library from mapping the file; we have it in memory already.
    TiffCloser closer{TIFFClientOpenExt("picture", "rm", &src, &TiffRead, &TiffWrite, &TiffSeek, &TiffClose,
                                        &TiffSize, &TiffMap, &TiffUnmap, options)};
    TIFFOpenOptionsFree(options);
    TIFF* tif = closer.tif;
    if (!tif) {
        image.SetLastError("Error encountered while opening TIFF file");
        return false;
    }

    const tdir_t pages = TIFFNumberOfDirectories(tif);
    image.m_nFrameCount = pages;
    if (image.m_nFrame < 0 || image.m_nFrame >= static_cast<long>(pages) ||
        !TIFFSetDirectory(tif, static_cast<tdir_t>(image.m_nFrame))) {
        image.SetLastError("Error: page not present in TIFF file");
        return false;
    }

    uint32_t width = 0, height = 0;
    uint16_t samples = 1, bitsPerSample = 1, photometric = PHOTOMETRIC_MINISWHITE;
    uint16_t sampleFormat = SAMPLEFORMAT_UINT;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bitsPerSample);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric)) {
        // Without the tag, one sample is grey and three are colour.
        photometric = samples >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    }
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide ||
        static_cast<long long>(width) * height > kMaxImagePixels) {
        image.SetLastError("Corrupted TIFF file!");
        return false;
    }

    if (!DataCanHoldPicture(tif, height, src.size)) {
        image.SetLastError("Corrupted TIFF file!");
        return false;
    }

    // One sample of 1, 4, 8 or 16 bits in strips maps straight onto the
    // picture's rows; every other layout (colour, extra samples, 2-bit
    // samples, tiles, 1-bit palettes...) is converted by the library.
    const bool grey = photometric == PHOTOMETRIC_MINISWHITE || photometric == PHOTOMETRIC_MINISBLACK;
    const bool palette = photometric == PHOTOMETRIC_PALETTE;
    const bool plainSamples = samples == 1 && sampleFormat == SAMPLEFORMAT_UINT && !TIFFIsTiled(tif);
    const bool indexed = plainSamples && ((grey && (bitsPerSample == 1 || bitsPerSample == 4 ||
                                                    bitsPerSample == 8 || bitsPerSample == 16)) ||
                                          (palette && (bitsPerSample == 1 || bitsPerSample == 4 || bitsPerSample == 8)));

    bool ok = false;
    if (indexed) {
        const int bpp = bitsPerSample == 16 ? 8 : bitsPerSample;
        if (!CreateImage(image, width, height, bpp)) {
            image.SetLastError("Can't allocate memory");
            return false;
        }
        ok = SetIndexedPalette(tif, image, photometric, bitsPerSample) &&
             ReadStrips(tif, image, width, height, bitsPerSample);
    } else {
        ok = ReadThroughRgba(tif, image, width, height);
    }
    if (!ok) return false;

    float xres = 0, yres = 0;
    uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &xres) && TIFFGetField(tif, TIFFTAG_YRESOLUTION, &yres) &&
        xres > 0 && yres > 0 && xres < 1e6f && yres < 1e6f) {
        const float toInch = unit == RESUNIT_CENTIMETER ? 2.54f : 1.0f;
        if (unit == RESUNIT_INCH || unit == RESUNIT_CENTIMETER) {
            image.SetXDPI(static_cast<long>(xres * toInch + 0.5f));
            image.SetYDPI(static_cast<long>(yres * toInch + 0.5f));
        }
    }
    return true;
}
