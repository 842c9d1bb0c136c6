#pragma once

// Reducing a decoded picture to a smaller size with an area filter: every
// new pixel is the average of the part of the picture it covers, partly
// covered pixels weighed by how much of them it covers. Unlike picking the
// nearest pixel this keeps fine detail from turning into noise and moiré.

#include "objects/Types.h"

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
