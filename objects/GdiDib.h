#pragma once

// Reading and writing the pixel rows of device-independent bitmaps for the
// drawing surface: 1, 4, 8, 16, 24 and 32 bits per pixel, with a colour
// table or bit-field masks, rows bottom-up for a positive height.

#include "objects/Types.h"

#include <cstdint>
#include <vector>

class CDibRows {
public:
    // Checks the header; bits must hold every row the header describes.
    // With straightAlpha the fourth byte of 32-bit pixels is kept as alpha,
    // otherwise pixels come out opaque. A positive bandRows says that bits
    // hold only that many rows (a band of a taller picture).
    bool Init(const BITMAPINFO* info, const void* bits, bool straightAlpha = false, int bandRows = 0);
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool IsTopDown() const { return m_bTopDown; }
    // Decodes the row that is y rows from the top of the picture into
    // Width() pixels 0xAARRGGBB.
    void FetchRow(int y, std::uint32_t* out) const;

private:
    const BYTE* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBitCount = 0;
    bool m_bTopDown = false;
    bool m_bAlpha = false;
    long long m_nRowBytes = 0;
    std::vector<std::uint32_t> m_palette;
    DWORD m_masks[3] = {0, 0, 0};
    int m_shifts[3] = {0, 0, 0};
    int m_widths[3] = {0, 0, 0};
};

// Writes scanLines rows of a top-down 0xAARRGGBB picture, starting with the
// row startScan counted from the bottom, into bits in the format that
// info's header asks for, and fills in the colour table of formats with
// one. Returns the number of rows written.
int WriteDibRows(const std::uint32_t* argbTopDown, int width, int height, UINT startScan, UINT scanLines,
                 void* bits, BITMAPINFO* info);

// The colour table of a given depth that WriteDibRows writes.
std::vector<RGBQUAD> DefaultDibPalette(int bitCount);
