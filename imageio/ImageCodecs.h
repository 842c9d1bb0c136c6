#pragma once

// One decoder per picture format, and the one table that maps a format code
// to its decoder. Each decoder reads a whole file held in memory and fills a
// fresh CPictureImage (whose m_nFrame says which frame, page or icon to
// take); on failure it returns false and leaves its text in m_szLastError.

#include "objects/Types.h"

#include <cstddef>
#include <cstdio>

class CPictureImage;

using ImageDecoder = bool (*)(const BYTE* data, std::size_t size, CPictureImage& image);

bool DecodeBmp(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodeGif(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodeJpeg(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodePng(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodeIco(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodeTiff(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodeTga(const BYTE* data, std::size_t size, CPictureImage& image);
bool DecodePcx(const BYTE* data, std::size_t size, CPictureImage& image);

// JPEG pictures can be decoded at n/8 of their size (n from 1 to 8) by the
// inverse DCT itself. A side of length at scale n/8 is rounded up.
constexpr int kJpegScaleDenom = 8;
constexpr long long JpegScaledSide(long long side, int num)
{
    return (side * num + kJpegScaleDenom - 1) / kJpegScaleDenom;
}
// The smallest n whose picture still has at least needWidth x needHeight
// pixels (signs are ignored, so a rectangle may give its sides in either
// order); 8 when even the whole picture is smaller.
int JpegScaleFor(long long width, long long height, long long needWidth, long long needHeight);
// Follows a JPEG decode as it goes, on the decoding thread: Started once the
// picture is made (its size and palette set, no pixel decoded yet), then
// RowsDecoded whenever more rows are finished, counted from the top of the
// picture as the file stores it (the last row of the bitmap). Neither may
// throw: they are called between the decoder's library calls.
class CDecodeWatcher {
public:
    virtual void Started(const CPictureImage& image) noexcept = 0;
    virtual void RowsDecoded(long rows) noexcept = 0;

protected:
    ~CDecodeWatcher() = default;
};
// Decodes at the smallest scale that covers the need; a need of 0 decodes
// the whole picture.
bool DecodeJpegScaled(const BYTE* data, std::size_t size, CPictureImage& image, long needWidth, long needHeight,
                      CDecodeWatcher* watcher = nullptr);
// The same, reading the compressed data from an open file as the decoder
// needs it rather than from a copy of the whole file; size is the file's.
bool DecodeJpegFileScaled(std::FILE* file, std::size_t size, CPictureImage& image, long needWidth, long needHeight,
                          CDecodeWatcher* watcher = nullptr);
// Reads only the header: the stored size of the picture and its resolution
// in dots per inch (0 when the file gives none).
bool ReadJpegInfo(const BYTE* data, std::size_t size, long* width, long* height, long* xdpi, long* ydpi);

// The decoder for a format code, or null for an unknown code.
ImageDecoder DecoderForFormat(int format);
