#pragma once

// A decoded picture held as a device-independent bitmap: one contiguous
// block with the 40-byte information header, the colour table and the pixel
// rows (bottom-up, each padded to four bytes), so the block can be handed to
// the drawing surface as it is. Pictures of eight formats are decoded into
// it; see ImageCodecs.h for the decoders.

#include "imageio/PixelBlock.h"
#include "objects/Types.h"

#include <cstdio>
#include <string>
#include <vector>

class CDC;

enum ImageFormat {
    IMAGE_FORMAT_BMP = 0,
    IMAGE_FORMAT_GIF = 1,
    IMAGE_FORMAT_JPG = 2,
    IMAGE_FORMAT_PNG = 3,
    IMAGE_FORMAT_ICO = 4,
    IMAGE_FORMAT_TIF = 5,
    IMAGE_FORMAT_TGA = 6,
    IMAGE_FORMAT_PCX = 7,
};

// The format code for a lower-case file extension without its dot, by exact
// comparison ("jpg" and "jpeg" give JPEG; anything unlisted gives BMP).
int ImageFormatFromExtension(const std::string& ext);

// Limits applied before any allocation for a picture read from a file.
constexpr long long kMaxImageSide = 32768;
constexpr long long kMaxImagePixels = 1LL << 30;

class CPictureImage {
public:
    explicit CPictureImage(int format = IMAGE_FORMAT_BMP);
    CPictureImage(const std::string& path, int format);
    CPictureImage(const CPictureImage& other);
    CPictureImage& operator=(const CPictureImage& other);
    CPictureImage(CPictureImage&& other) noexcept;
    CPictureImage& operator=(CPictureImage&& other) noexcept;
    ~CPictureImage();

    // Creation and loading.
    BYTE* Create(long width, long height, long bitsPerPixel, int format = IMAGE_FORMAT_BMP);
    bool Load(const std::string& path, int format);
    bool LoadResource(const std::string& resourceName, int format);
    bool Decode(std::FILE* file, int format);
    bool Decode(const BYTE* data, std::size_t size, int format);
    // Reads a regular file whole; error (when given) receives the reason of
    // a failure.
    static bool ReadWholeFile(const std::string& path, std::vector<BYTE>& data, std::string* error);
    // The same into a block that a large file fills without first being
    // zeroed.
    static bool ReadWholeFile(const std::string& path, CPixelBlock& data, std::string* error);
    void Destroy();
    bool IsValid() const { return !m_dib.empty(); }
    // True when a picture of this size may be created: both sides positive
    // and within kMaxImageSide, the area within kMaxImagePixels.
    static bool SizeAllowed(long long width, long long height);
    // A limit on the bytes of one pixel block, on top of the size caps, for
    // programs that must keep their memory small (the fuzz targets); 0, the
    // default, means no limit beyond the caps.
    static void SetAllocationLimit(long long bytes);
    static long long AllocationLimit();
    // Copies m_head into the first bytes of the DIB block after a decoder or
    // a setter changed it.
    void SyncHeader();

    void Copy(const CPictureImage& src, bool copyPixels = true, bool copySelection = true,
              bool copyAlpha = true);
    bool Flip();
    bool Mirror();
    bool Crop(long left, long top, long right, long bottom, CPictureImage* target = nullptr);

    // The DIB block and its parts.
    BYTE* GetDIB() { return m_dib.empty() ? nullptr : m_dib.data(); }
    const BYTE* GetDIB() const { return m_dib.empty() ? nullptr : m_dib.data(); }
    const BITMAPINFOHEADER& GetHeader() const { return m_head; }
    BYTE* GetBits(long row = 0);
    const BYTE* GetBits(long row = 0) const;
    long GetWidth() const { return m_head.biWidth; }
    long GetHeight() const { return m_head.biHeight; }
    int GetBpp() const { return m_head.biBitCount; }
    long GetEffWidth() const { return m_nEffWidth; }  // row size in bytes
    DWORD GetNumColors() const { return m_head.biClrUsed; }
    DWORD GetPaletteSize() const { return m_head.biClrUsed * 4; }
    long GetSize() const { return static_cast<long>(m_dib.size()); }

    // Palette.
    RGBQUAD* GetPalette();
    const RGBQUAD* GetPalette() const;
    RGBQUAD GetPaletteColor(BYTE index) const;
    void SetPaletteColor(BYTE index, BYTE r, BYTE g, BYTE b, BYTE alpha = 0);
    void SetPalette(DWORD count, const BYTE* red, const BYTE* green, const BYTE* blue);
    void SetPalette(const RGBQUAD* entries, DWORD count);
    void SetGrayPalette();
    // The colour of one pixel (x from the left, y from the bottom row).
    RGBQUAD GetPixelColor(long x, long y) const;
    BYTE GetPixelIndex(long x, long y) const;
    void SetPixelIndex(long x, long y, BYTE index);
    void SetPixelColor(long x, long y, RGBQUAD color);

    // Alpha plane: one byte per pixel, bottom-up like the pixels, 255 opaque.
    bool AlphaCreate();
    void AlphaDelete();
    bool AlphaIsValid() const { return !m_alpha.empty(); }
    void AlphaSet(long x, long y, BYTE value);
    BYTE AlphaGet(long x, long y) const;
    void AlphaStrip();
    BYTE* AlphaGetPointer(long x = 0, long y = 0);
    void AlphaSetMax(BYTE max) { m_alphaMax = max; }
    BYTE AlphaGetMax() const { return m_alphaMax; }
    // The opacity a pixel is drawn with: its alpha value (255 without a
    // plane), scaled by the alpha maximum and by the palette's alpha when the
    // palette carries one.
    BYTE EffectiveAlpha(long x, long y) const;
    void AlphaPaletteEnable(bool enable = true) { m_alphaPalette = enable ? 1 : 0; }
    bool AlphaPaletteIsEnabled() const { return m_alphaPalette != 0; }

    // Settings.
    int GetType() const { return m_nFormat; }
    const char* GetLastError() const { return m_szLastError.c_str(); }
    void SetLastError(const std::string& text) { m_szLastError = text; }
    long GetTransIndex() const { return m_nTransIndex; }
    void SetTransIndex(long index) { m_nTransIndex = index; }
    RGBQUAD GetTransColor() const;
    void SetTransColor(RGBQUAD color);  // the background colour, key of 24-bit pictures
    bool IsTransparent() const;
    BYTE GetJpegQuality() const { return static_cast<BYTE>(m_nJpegQuality); }
    void SetJpegQuality(int quality) { m_nJpegQuality = quality; }
    long GetFrame() const { return m_nFrame; }
    void SetFrame(long frame) { m_nFrame = frame; }
    long GetNumFrames() const { return m_nFrameCount; }
    void SetNumFrames(long count) { m_nFrameCount = count; }
    long GetFrameDelay() const { return m_nFrameDelay; }
    void SetFrameDelay(long delay) { m_nFrameDelay = delay; }
    long GetXDPI() const { return m_nXDpi; }
    long GetYDPI() const { return m_nYDpi; }
    void SetXDPI(long dpi);
    void SetYDPI(long dpi);
    bool IsEnabled() const { return m_bEnabled != 0; }
    void Enable(bool enable = true) { m_bEnabled = enable ? 1 : 0; }
    // The "draw transparent" option of an image object: when set, Draw keys
    // out the transparent colour.
    bool GetDrawTransparent() const { return m_bDrawTransparent; }
    void SetDrawTransparent(bool on) { m_bDrawTransparent = on; }

    // Drawing through the surface; nothing happens for an empty or disabled
    // picture.
    bool Stretch(CDC* dc, long x, long y, long cx, long cy) const;
    bool Draw(CDC* dc, long x, long y, long cx = -1, long cy = -1) const;
    bool DrawTransparent(CDC* dc, long x, long y, long cx, long cy, COLORREF key) const;
    bool DrawFlippedTransparent(CDC* dc, long x, long y, long cx, long cy, COLORREF key) const;
    bool Tile(CDC* dc, const CRect& rect) const;

private:
    void CopySettings(const CPictureImage& src);

public:
    // Public because the decoders fill them in directly.
    BITMAPINFOHEADER m_head{};
    CPixelBlock m_dib;  // header, palette, rows
    long m_nEffWidth = 0;
    int m_nFormat = IMAGE_FORMAT_BMP;
    std::string m_szLastError;
    long m_nTransIndex = -1;
    RGBQUAD m_rgbBackground{255, 255, 255, 0};
    int m_nJpegQuality = 75;
    long m_nFrame = 0;
    long m_nFrameCount = 0;
    long m_nFrameDelay = 0;
    long m_nXDpi = 72;
    long m_nYDpi = 72;
    CRect m_selection;
    std::vector<BYTE> m_selectionMask;
    std::vector<BYTE> m_alpha;
    BYTE m_alphaMax = 255;
    BYTE m_alphaPalette = 0;
    BYTE m_bEnabled = 1;
    bool m_bDrawTransparent = false;
};
