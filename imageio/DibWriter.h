#pragma once

// Writing device-independent bitmaps: as a bitmap file, and as rows of red,
// green and blue bytes for the JPEG writer. A bitmap is described by its
// header, its colour table (1, 4 and 8 bits) and its rows, bottom-up for a
// positive height and padded to four bytes.

#include "objects/Types.h"

#include <cstddef>
#include <string>
#include <vector>

class CPictureImage;

struct CDibPixels {
    const BITMAPINFOHEADER* pHead = nullptr;
    const RGBQUAD* pPalette = nullptr;
    std::size_t nPaletteCount = 0;  // entries really present in pPalette
    const BYTE* pBits = nullptr;
};

// The pixels of a picture as it is stored in memory.
CDibPixels DibPixelsOf(const CPictureImage& image);

// Converts the whole bitmap into top-down RGB rows of width × 3 bytes.
// Fails with "Invalid input data" when there is nothing to convert and with
// "Invalid bitmap bit count" for a depth other than 1, 4, 8, 16, 24 or 32.
bool ConvertDibToRgb(const CDibPixels& dib, std::vector<BYTE>& rgb, std::string* error);

// The bytes of a bitmap file: file header, information header, colour table,
// rows.
bool MakeBitmapFile(const CDibPixels& dib, std::vector<BYTE>& file, std::string* error);

// Writes a bitmap file, replacing path only when all of it was written.
bool WriteBitmapFile(const CDibPixels& dib, const std::string& path, std::string* error);
bool WritePictureBmp(const CPictureImage& image, const std::string& path, std::string* error);
