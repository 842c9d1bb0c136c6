#pragma once

// One decoder per picture format, and the one table that maps a format code
// to its decoder. Each decoder reads a whole file held in memory and fills a
// fresh CPictureImage (whose m_nFrame says which frame, page or icon to
// take); on failure it returns false and leaves its text in m_szLastError.

#include "objects/Types.h"

#include <cstddef>

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

// The decoder for a format code, or null for an unknown code.
ImageDecoder DecoderForFormat(int format);
