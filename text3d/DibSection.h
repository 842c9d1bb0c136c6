#pragma once

// The holder of a rendered picture shared by the designer and the 3D text
// engine: a device-independent bitmap of 24 or 32 bits per pixel, rows
// bottom-up, a 32-bit pixel being blue, green, red, unused.

#include "objects/Types.h"

#include <cstdio>
#include <string>
#include <vector>

class CDC;
class CByteReader;
class CByteWriter;

class CDibSection {
public:
    explicit CDibSection(bool b24Bits = false) : m_b24Bits(b24Bits ? 1 : 0) {}

    bool Create(int width, int height);
    void Destroy();
    bool IsValid() const { return !m_bits.empty() || (m_head.biWidth > 0 && m_head.biHeight > 0); }

    // Bitmap files (the reply of the 3D engine, and page export).
    bool ReadBitmapFile(std::FILE* file);
    bool ReadBitmapFile(CByteReader& in);
    bool WriteBitmapFile(std::FILE* file) const;
    bool WriteBitmapFile(const std::string& path) const;

    // The archive form: a 14-byte file header, the 40-byte information header
    // and the pixels. Read returns false (and leaves the section empty) when
    // the bytes are short or the sizes do not fit what remains.
    void WriteRecord(CByteWriter& out) const;
    bool ReadRecord(CByteReader& in);

    void Flip();
    void Mirror();
    // Copies a rectangle of the surface (logical units) into the pixels,
    // stretched to the section's size.
    void Capture(CDC* dc, const CRect& source);
    // Draws the picture stretched into rect, white pixels left out.
    void DrawTransparent(CDC* dc, const CRect& rect) const;

    int Width() const { return m_head.biWidth; }
    int Height() const { return m_head.biHeight; }
    int BitsPerPixel() const { return m_head.biBitCount; }
    BYTE* GetBits() { return m_bits.data(); }
    const BYTE* GetBits() const { return m_bits.data(); }
    const BITMAPINFOHEADER& GetHeader() const { return m_head; }

    // Writes the picture as a JPEG file. quality 0-100; on failure the error
    // text says why ("Invalid input data", "Cannot open " + path, ...).
    bool WriteJpeg(int quality, const std::string& path, std::string* error) const;
    bool SaveAsJpeg(const std::string& path) const;

    BOOL m_b24Bits = 0;
    BITMAPINFOHEADER m_head{};
    std::vector<BYTE> m_bits;
};
