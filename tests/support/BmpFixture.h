#pragma once

// Small 24-bit bottom-up BMP files built in memory for tests that need a
// picture on disk or in an embedded item.

#include "objects/ByteReader.h"
#include "objects/Types.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace testbmp {

// colour(x, y) gives the pixel with y counted from the top row. The pixel
// density is 3780 per metre (96 dots per inch) unless given.
inline std::vector<BYTE> Bmp24(int width, int height, const std::function<COLORREF(int, int)>& colour,
                               int pelsPerMetre = 3780)
{
    const int row = static_cast<int>(DibRowSize(width, 24));
    CByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(54 + row * height);
    out.U32(0);
    out.U32(54);
    out.U32(40);
    out.I32(width);
    out.I32(height);
    out.U16(1);
    out.U16(24);
    out.U32(0);
    out.U32(row * height);
    out.U32(pelsPerMetre);
    out.U32(pelsPerMetre);
    out.U32(0);
    out.U32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            out.U8(static_cast<BYTE>(GetBValue(c)));
            out.U8(static_cast<BYTE>(GetGValue(c)));
            out.U8(static_cast<BYTE>(GetRValue(c)));
        }
        for (int p = width * 3; p < row; ++p) out.U8(0);
    }
    return out.Buffer();
}

inline bool WriteFile(const std::string& path, const std::vector<BYTE>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace testbmp
