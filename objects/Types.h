#pragma once

// Plain value types shared by every layer of the program: colours, points,
// sizes, rectangles and the on-disk bitmap records. Nothing here depends on
// a toolkit, so the core can be built and tested without one.

#include <algorithm>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using BOOL = std::int32_t;

// 0x00BBGGRR, as stored in documents.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

// a * b / c rounded to the nearest integer, halves away from zero; c must
// not be 0. The operands are small enough here that a * b fits 64 bits.
constexpr long long MulDiv64(long long a, long long b, long long c)
{
    const long long p = a * b;
    const bool negative = (p < 0) != (c < 0);
    const long long ap = p < 0 ? -p : p;
    const long long ac = c < 0 ? -c : c;
    const long long q = (ap + ac / 2) / ac;
    return negative ? -q : q;
}

// The classic 32-bit form: -1 when c is 0 or the result does not fit.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const long long q = MulDiv64(a, b, c);
    if (q > 0x7FFFFFFF || q < -0x7FFFFFFFLL - 1) return -1;
    return static_cast<int>(q);
}

struct CPoint {
    int x = 0;
    int y = 0;
    constexpr CPoint() = default;
    constexpr CPoint(int ax, int ay) : x(ax), y(ay) {}
    constexpr bool operator==(const CPoint&) const = default;
    constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
    constexpr CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
    void Offset(int dx, int dy) { x += dx; y += dy; }
};

struct CSize {
    int cx = 0;
    int cy = 0;
    constexpr CSize() = default;
    constexpr CSize(int w, int h) : cx(w), cy(h) {}
    constexpr bool operator==(const CSize&) const = default;
};

// A rectangle keeps its corners as given; Width() and Height() may be
// negative. Operations that need a proper rectangle work on a normalised copy.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint tl, CPoint br) : left(tl.x), top(tl.y), right(br.x), bottom(br.y) {}
    constexpr bool operator==(const CRect&) const = default;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Right and bottom edges are outside, as for every filled shape.
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    void NormalizeRect()
    {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    CRect Normalized() const { CRect r = *this; r.NormalizeRect(); return r; }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }

    // Intersection of two (normalised) rectangles; an empty result is set to
    // all zeros and reported as false.
    bool IntersectRect(const CRect& a, const CRect& b)
    {
        left = std::max(a.left, b.left);
        top = std::max(a.top, b.top);
        right = std::min(a.right, b.right);
        bottom = std::min(a.bottom, b.bottom);
        if (IsRectEmpty()) { SetRectEmpty(); return false; }
        return true;
    }
    bool UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty()) { *this = b; }
        else if (b.IsRectEmpty()) { *this = a; }
        else {
            left = std::min(a.left, b.left);
            top = std::min(a.top, b.top);
            right = std::max(a.right, b.right);
            bottom = std::max(a.bottom, b.bottom);
        }
        return !IsRectEmpty();
    }
};

// On-disk bitmap records, little-endian, laid out exactly as in files.
#pragma pack(push, 1)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};
static_assert(sizeof(RGBQUAD) == 4);

// A header followed in memory by its colour table. The table really has
// biClrUsed entries; use DibColors() rather than indexing bmiColors.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

inline const RGBQUAD* DibColors(const BITMAPINFO* info)
{
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(info) + info->bmiHeader.biSize);
}

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_RLE8 = 1;
constexpr DWORD BI_RLE4 = 2;
constexpr DWORD BI_BITFIELDS = 3;

// Bytes in one stored row of a bitmap: rows are padded to four bytes.
constexpr long long DibRowSize(long long width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}
