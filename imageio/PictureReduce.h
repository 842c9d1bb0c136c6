#pragma once

// Reducing a decoded picture to a smaller size with an area filter: every
// new pixel is the average of the part of the picture it covers, partly
// covered pixels weighed by how much of them it covers. Unlike picking the
// nearest pixel this keeps fine detail from turning into noise and moiré.

#include "imageio/ImageCodecs.h"
#include "objects/Types.h"

#include <memory>
#include <mutex>

class CPictureImage;

// The palette index of pixel x of a stored row of 1, 4 or 8 bits per pixel
// (most significant bits first).
inline BYTE PixelIndexAt(const BYTE* row, long x, int bpp)
{
    if (bpp == 8) return row[x];
    if (bpp == 4) return static_cast<BYTE>((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    return static_cast<BYTE>((row[x >> 3] >> (7 - (x & 7))) & 1);
}

// Reduces source to width x height pixels (each at least 1 and at most the
// source's own side) into target. Grey pictures stay 8 bits with their grey
// palette; everything else becomes 24 bits. An alpha plane is reduced with
// the pixels. The settings (format, key colour, resolution) are copied.
// Returns false when source is empty or the size is not a reduction.
bool ReducePicture(const CPictureImage& source, long width, long height, CPictureImage& target);

// Reduces a JPEG picture while the decoder is still making it. The new rows
// whose source rows are all decoded are made in bands on the shared worker
// pool, so that when the last row is decoded little is left to do; the
// pixels are those ReducePicture gives for the whole decoded picture. Give
// it to the decoder as its watcher, then call Finish once the decode
// succeeded. Bands that no pool thread took are made by Finish itself: the
// decode may run on the pool, whose other threads may all be busy.
class CReduceWhileDecoding final : public CDecodeWatcher {
public:
    // The size to reduce to; a decoded picture smaller on either side is
    // reduced to its own side there.
    CReduceWhileDecoding(long width, long height);
    // Waits for the bands being made, so that the decoded picture may go.
    ~CReduceWhileDecoding();
    CReduceWhileDecoding(const CReduceWhileDecoding&) = delete;
    CReduceWhileDecoding& operator=(const CReduceWhileDecoding&) = delete;

    void Started(const CPictureImage& image) noexcept override;
    void RowsDecoded(long rows) noexcept override;

    // Makes the bands left, waits for the others and gives the reduced
    // picture with the settings of decoded (which must be the picture the
    // decoder made). False when nothing was reduced: the decoded picture
    // already had the size, or memory ran out.
    bool Finish(const CPictureImage& decoded, CPictureImage& target);
    // The same, giving the very picture Partial gave (null for false).
    std::shared_ptr<CPictureImage> Finish(const CPictureImage& decoded);

    // While the picture is being reduced (from any thread): the reduced
    // picture, of which the rows counted from its top are final; the other
    // rows are still being made (only pixels change, and only there). Null
    // when nothing is being reduced.
    std::shared_ptr<const CPictureImage> Partial(long* rowsFromTop) const;

private:
    struct CBands;

    void SetBands(std::shared_ptr<CBands> bands);

    long m_width;
    long m_height;
    std::shared_ptr<CBands> m_bands;
    mutable std::mutex m_bandsMutex;  // m_bands as other threads see it
    // Only the decoding thread reads these: the first band not yet known to
    // be ready, and the decoded rows it waits for.
    std::size_t m_nAnnounced = 0;
    long m_nextNeed = 0;
};
