#pragma once

// The drawing surface. Every picture the program makes (the design view,
// printed pages, exported pictures, previews) is drawn through CDC, whose
// operations and semantics are those of a classic GDI device context:
// pens, brushes and fonts are selected and restored by the caller, the
// mapping mode turns logical units into device pixels, filled shapes leave
// out their right and bottom edges, and text is placed by the alignment
// flags. The core draws only through this class; the platform layer backs it
// with a real 2D library (CQtDC).
//
// Coordinates passed to the public drawing operations are logical units.
// The base class owns the state (selections, colours, mapping, clip, the
// SaveDC stack) and converts coordinates; a backend implements the protected
// device-level primitives in device pixels.

#include "objects/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDC;

// --- Constants -------------------------------------------------------------

// Pen styles.
constexpr UINT PS_SOLID = 0;
constexpr UINT PS_DASH = 1;
constexpr UINT PS_DOT = 2;
constexpr UINT PS_DASHDOT = 3;
constexpr UINT PS_DASHDOTDOT = 4;
constexpr UINT PS_NULL = 5;
constexpr UINT PS_INSIDEFRAME = 6;

// Brush styles and hatches.
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_HATCHED = 2;
constexpr UINT BS_PATTERN = 3;
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Text alignment.
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;

// DrawTextA formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;

// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

// Mapping modes.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

// GetDeviceCaps indices.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;

// RASTERCAPS bits.
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_DI_BITMAP = 0x0080;
constexpr int RC_STRETCHBLT = 0x0800;
constexpr int RC_STRETCHDIB = 0x2000;

// Raster operations.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Stretch modes.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

constexpr UINT DIB_RGB_COLORS = 0;

// Font weights and quality.
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE PROOF_QUALITY = 2;

// GetPixel's answer where there is no pixel to read.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Region results.
constexpr int ERROR_REGION = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// --- Object descriptions ---------------------------------------------------

// LOGPEN and LOGBRUSH keep the layout of the records stored in documents.
struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    CPoint lopnWidth{1, 1};
    COLORREF lopnColor = 0;
};
static_assert(sizeof(LOGPEN) == 16);

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    LONG lbHatch = 0;
};
static_assert(sizeof(LOGBRUSH) == 12);

struct LOGFONT {
    LONG lfHeight = 0;       // negative: character height; positive: cell height
    LONG lfWidth = 0;
    LONG lfEscapement = 0;   // tenths of a degree, counter-clockwise
    LONG lfOrientation = 0;
    LONG lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    std::string lfFaceName;  // UTF-8
};

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
};

class CBitmap;

// Graphic objects are descriptions owned by the caller, who keeps them alive
// while they are selected and deselects them before destroying them.
class CGdiObject {
public:
    enum class Type { Pen, Brush, Font, Bitmap };
    explicit CGdiObject(Type type) : m_type(type) {}
    virtual ~CGdiObject() = default;
    Type GetType() const { return m_type; }
    bool IsCreated() const { return m_bCreated; }
    void DeleteObject() { m_bCreated = false; }

protected:
    Type m_type;
    bool m_bCreated = false;
};

class CPen : public CGdiObject {
public:
    CPen() : CGdiObject(Type::Pen) {}
    CPen(UINT style, int width, COLORREF color) : CPen() { CreatePen(style, width, color); }
    bool CreatePen(UINT style, int width, COLORREF color);
    bool CreatePenIndirect(const LOGPEN* lp);
    LOGPEN m_logpen;
};

class CBrush : public CGdiObject {
public:
    CBrush() : CGdiObject(Type::Brush) {}
    explicit CBrush(COLORREF color) : CBrush() { CreateSolidBrush(color); }
    bool CreateSolidBrush(COLORREF color);
    bool CreateHatchBrush(int hatch, COLORREF color);
    bool CreateBrushIndirect(const LOGBRUSH* lb);
    bool CreatePatternBrush(const CBitmap* pattern);
    LOGBRUSH m_logbrush;
    const CBitmap* m_pPattern = nullptr;
};

class CFont : public CGdiObject {
public:
    CFont() : CGdiObject(Type::Font) {}
    bool CreateFontIndirect(const LOGFONT* lf);
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const std::string& face);
    // Point size in tenths of a point. The height is made for the given
    // surface's vertical resolution (96 dots per inch when none is given).
    bool CreatePointFont(int pointSize10, const std::string& face, CDC* dc = nullptr);
    bool GetLogFont(LOGFONT* lf) const;
    LOGFONT m_logfont;
};

// A bitmap owns its pixels: 32 bits per pixel, rows top-down, each pixel a
// 0xAARRGGBB word (blue is the first byte in memory). Monochrome bitmaps use
// the same store with black and white pixels.
class CBitmap : public CGdiObject {
public:
    CBitmap() : CGdiObject(Type::Bitmap) {}
    bool CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    bool CreateCompatibleBitmap(CDC* dc, int width, int height);
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int BitsPixel() const { return m_nBitsPixel; }
    std::uint32_t* Pixels() { return m_pixels.data(); }
    const std::uint32_t* Pixels() const { return m_pixels.data(); }

    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBitsPixel = 32;
    std::vector<std::uint32_t> m_pixels;
};

// Regions, used for hit testing only: a round rectangle, an ellipse or a
// polygon in logical units.
class CRgn {
public:
    bool CreateRectRgn(int l, int t, int r, int b);
    bool CreateRoundRectRgn(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight);
    bool CreateEllipticRgnIndirect(const CRect& rect);
    bool CreatePolygonRgn(const CPoint* points, int count, int fillMode);
    // True when any part of rect lies inside the region.
    bool RectInRegion(const CRect& rect) const;
    bool PtInRegion(CPoint p) const;

    enum class Shape { None, Rect, RoundRect, Ellipse, Polygon };
    Shape m_shape = Shape::None;
    CRect m_rect;
    CSize m_corner;
    std::vector<CPoint> m_points;
    int m_nFillMode = 1;
};

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// --- The surface ---------------------------------------------------------------

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Selections return what was selected before, so that the caller can
    // restore it. Stock objects are owned by the library.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    int SetBkMode(int mode);
    int GetBkMode() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const;
    // Hatch and pattern brushes are aligned to this device point.
    CPoint SetBrushOrg(int x, int y);
    CPoint GetBrushOrg() const;
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const;

    // Returns a positive level, or 0 on failure. RestoreDC(-1) restores the
    // last saved state.
    int SaveDC();
    bool RestoreDC(int savedDC);

    // The clip is a rectangle; returns the region type of the result.
    int IntersectClipRect(int l, int t, int r, int b);
    int IntersectClipRect(const CRect& rect);
    int GetClipBox(CRect* rect) const;  // in logical units

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(CPoint p) { return SetWindowOrg(p.x, p.y); }
    CPoint GetWindowOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(CSize s) { return SetWindowExt(s.cx, s.cy); }
    CSize GetWindowExt() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(CPoint p) { return SetViewportOrg(p.x, p.y); }
    CPoint GetViewportOrg() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(CSize s) { return SetViewportExt(s.cx, s.cy); }
    CSize GetViewportExt() const;
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint OffsetViewportOrg(int dx, int dy);
    void LPtoDP(CPoint* points, int count = 1) const;
    void LPtoDP(CRect* rect) const;
    void LPtoDP(CSize* size) const;
    void DPtoLP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;
    void DPtoLP(CSize* size) const;
    virtual int GetDeviceCaps(int index) const = 0;
    virtual bool IsPrinting() const { return false; }
    // Set by a surface that must not wait for pictures (the designer's
    // view): a picture not yet decoded at the size it is drawn at here is
    // drawn from a copy held while a sharper one is decoded on another
    // thread, which then calls ready (on that thread).
    void SetPictureReady(std::function<void()> ready) { m_pictureReady = std::move(ready); }
    const std::function<void()>& PictureReady() const { return m_pictureReady; }
    // Set by a surface drawn in bands as its pictures decode (a page being
    // exported): a picture still decoding is drawn from its rows made so
    // far. The caller draws only where the rows are in.
    void SetPartialPictures(bool on) { m_bPartialPictures = on; }
    bool PartialPictures() const { return m_bPartialPictures; }

    // Lines and shapes: outline with the pen, fill with the brush.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    bool LineTo(int x, int y);
    bool LineTo(CPoint p) { return LineTo(p.x, p.y); }
    bool Polyline(const CPoint* points, int count);
    bool Polygon(const CPoint* points, int count);
    bool Rectangle(int l, int t, int r, int b);
    bool Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    bool RoundRect(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight);
    bool RoundRect(const CRect& rect, CPoint ellipse)
    {
        return RoundRect(rect.left, rect.top, rect.right, rect.bottom, ellipse.x, ellipse.y);
    }
    bool Ellipse(int l, int t, int r, int b);
    bool Ellipse(const CRect& rect) { return Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FillRect(const CRect& rect, CBrush* brush);
    // A one-unit frame: top and left in the first colour, bottom and right in
    // the second.
    void Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);

    // Text. Strings are UTF-8.
    bool TextOut(int x, int y, const std::string& text);
    bool ExtTextOut(int x, int y, UINT options, const CRect* rect, const std::string& text,
                    const int* dx = nullptr);
    // Returns the height of the text in logical units.
    int DrawTextA(const std::string& text, CRect* rect, UINT format);
    bool GetTextExtentPoint32A(const std::string& text, CSize* size) const;
    CSize GetTextExtent(const std::string& text) const;
    bool GetTextMetricsA(TEXTMETRIC* metrics) const;

    // Bitmaps. Source rectangles of DIBs count rows from the bottom when
    // the height is positive, as in files.
    int StretchDIBits(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                      const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
    int SetDIBitsToDevice(int xDest, int yDest, int w, int h, int xSrc, int ySrc, UINT startScan,
                          UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage);
    // Draws a 32-bit DIB whose fourth byte is a straight (not premultiplied)
    // alpha value. This is how pictures with a transparent key colour are
    // drawn: the same result reaches a screen, a picture file, a printer and
    // a PDF, which raster operations would not.
    int StretchDIBitsAlpha(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc,
                           int hSrc, const void* bits, const BITMAPINFO* info);
    bool BitBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, DWORD rop);
    bool StretchBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop);
    bool PatBlt(int x, int y, int w, int h, DWORD rop);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    // Reads rows of a bitmap into bits in the format that info describes
    // (1, 4, 8, 16, 24 or 32 bits; bottom-up for a positive height).
    int GetDIBits(const CBitmap* bitmap, UINT startScan, UINT scanLines, void* bits, BITMAPINFO* info,
                  UINT usage) const;

    // A memory surface compatible with this one, without a bitmap until one
    // is selected into it.
    virtual std::unique_ptr<CDC> CreateCompatibleDC() = 0;

protected:
    // Device-level primitives in device pixels. Filled shapes exclude their
    // right and bottom edges. The pen and brush are given already resolved
    // (device width, style); null pointers mean "no outline" and "no fill".
    struct DevPen {
        UINT style = PS_SOLID;
        int width = 1;  // device pixels
        COLORREF color = 0;
        // The gaps of a dashed pen are painted in the background colour
        // when the background mode is opaque.
        bool opaqueGaps = false;
        COLORREF gapColor = 0;
    };
    struct DevBrush {
        UINT style = BS_SOLID;
        COLORREF color = 0;
        int hatch = 0;
        const CBitmap* pattern = nullptr;
        CPoint origin;                 // brush origin in device pixels
        bool opaqueBack = false;       // hatch gaps in the background colour
        COLORREF backColor = 0;        // also the colour of white pattern pixels
        COLORREF foreColor = 0;        // the colour of black pattern pixels
    };
    struct DevFont {
        LOGFONT lf;       // the selected font
        int pixelHeight;  // lfHeight converted to device pixels (sign kept)
    };

    // The device's drawable area in pixels.
    CRect DevBounds() const;
    // The area drawing may touch: the bounds, narrowed by the clip.
    CRect DevVisible() const;
    // The device clip rectangle, or null when nothing is clipped.
    const CRect* DevClip() const;

    virtual void DevPolyline(const std::vector<CPoint>& pts, const DevPen& pen) = 0;
    virtual void DevPolygon(const std::vector<CPoint>& pts, const DevPen* pen, const DevBrush* brush) = 0;
    virtual void DevRectangle(const CRect& r, const DevPen* pen, const DevBrush* brush) = 0;
    virtual void DevRoundRect(const CRect& r, CSize corner, const DevPen* pen, const DevBrush* brush) = 0;
    virtual void DevEllipse(const CRect& r, const DevPen* pen, const DevBrush* brush) = 0;
    virtual void DevFillRect(const CRect& r, COLORREF color) = 0;
    virtual void DevText(CPoint anchor, UINT align, const std::string& text, const DevFont& font,
                         COLORREF color, const COLORREF* opaqueBack, const CRect* clip) = 0;
    virtual CSize DevTextExtent(const std::string& text, const DevFont& font) const = 0;
    virtual void DevTextMetrics(const DevFont& font, TEXTMETRIC* tm) const = 0;
    virtual void DevDrawImage(const CRect& dest, int srcW, int srcH, const CRect& srcRect,
                              const std::uint32_t* argbTopDown, bool hasAlpha, DWORD rop) = 0;
    virtual bool DevReadPixels(const CRect& r, std::vector<std::uint32_t>* argbTopDown) const = 0;
    virtual void DevPatBlt(const CRect& r, DWORD rop, const DevBrush* brush) = 0;
    virtual void DevSetPixel(int x, int y, COLORREF color) = 0;
    virtual COLORREF DevGetPixel(int x, int y) const = 0;
    virtual void DevSetClip(const CRect* deviceClip) = 0;
    virtual void DevBitmapSelected(CBitmap* bitmap) { (void)bitmap; }
    virtual void DevPolyFillMode(int mode) { (void)mode; }

private:
    DevPen ResolvePen(bool* none) const;
    DevBrush ResolveBrush(bool* none) const;
    DevBrush ResolveSolid(COLORREF color) const;
    DevFont ResolveFont() const;
    double ScaleX() const;
    double ScaleY() const;
    CPoint ToDevice(int x, int y) const;
    CRect ToDeviceRect(int l, int t, int r, int b) const;
    void AdjustIsotropic();
    void ApplyState(const CBitmap* previousBitmap);
    // Resamples an image into the device rectangle dest (reversed edges
    // mirror it) from the source rectangle src of a top-down picture of
    // srcW x srcH pixels read row by row through fetchRow (0xAARRGGBB).
    void DrawResampled(const CRect& dest, const CRect& src, int srcW, int srcH,
                       const std::function<void(int, std::uint32_t*)>& fetchRow, bool hasAlpha, DWORD rop);
    bool BlitFrom(const CRect& dest, CDC* src, const CRect& srcDev, DWORD rop);

protected:
    struct State;
    std::unique_ptr<State> m_state;
    std::function<void()> m_pictureReady;
    bool m_bPartialPictures = false;
    std::vector<State> m_saved;
};
