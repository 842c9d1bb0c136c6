#pragma once

// The drawing surface over QPainter. It draws into a QImage (exports,
// off-screen buffers, tests), onto any paint device through a painter the
// caller already has (a widget, a printer, a PDF writer), or, as a memory
// surface made by CreateCompatibleDC, straight into the pixels of the
// CBitmap selected into it.

#include "objects/DC.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <map>
#include <memory>
#include <optional>

class CQtDC : public CDC {
public:
    // Draws into image with the given resolution in dots per inch. The
    // image must outlive the surface; formats QPainter cannot draw on are
    // converted to 32-bit RGB first.
    explicit CQtDC(QImage& image, int dpiX = 96, int dpiY = 0);
    // Draws with a painter that is already active on its device. The
    // painter's current transform becomes the device space.
    CQtDC(QPainter& painter, int dpiX, int dpiY, bool printing);
    ~CQtDC() override;

    int GetDeviceCaps(int index) const override;
    bool IsPrinting() const override { return m_bPrinting; }
    std::unique_ptr<CDC> CreateCompatibleDC() override;

    // The face fontconfig gives for a requested one (an uninstalled face
    // comes out as an installed substitute, never as nothing).
    static QString ResolveFace(const std::string& face);

    // Pictures drawn smaller than their pixels are scaled once and kept in
    // the cache (a view's surface); without one they are scaled every time.
    void SetPictureCache(class CScaledPictureCache* cache) { m_pPictureCache = cache; }

    // Drawing lands only inside limit (device pixels), whatever the clip:
    // a page drawn in two parts. Without a limit (nullptr) the clip alone
    // counts.
    void LimitDrawing(const QRect* limit);

protected:
    void DevPolyline(const std::vector<CPoint>& pts, const DevPen& pen) override;
    void DevPolygon(const std::vector<CPoint>& pts, const DevPen* pen, const DevBrush* brush) override;
    void DevRectangle(const CRect& r, const DevPen* pen, const DevBrush* brush) override;
    void DevRoundRect(const CRect& r, CSize corner, const DevPen* pen, const DevBrush* brush) override;
    void DevEllipse(const CRect& r, const DevPen* pen, const DevBrush* brush) override;
    void DevFillRect(const CRect& r, COLORREF color) override;
    void DevText(CPoint anchor, UINT align, const std::string& text, const DevFont& font, COLORREF color,
                 const COLORREF* opaqueBack, const CRect* clip) override;
    CSize DevTextExtent(const std::string& text, const DevFont& font) const override;
    void DevTextMetrics(const DevFont& font, TEXTMETRIC* tm) const override;
    void DevDrawImage(const CRect& dest, int srcW, int srcH, const CRect& srcRect, const std::uint32_t* argbTopDown,
                      bool hasAlpha, DWORD rop) override;
    bool DevReadPixels(const CRect& r, std::vector<std::uint32_t>* argbTopDown) const override;
    void DevPatBlt(const CRect& r, DWORD rop, const DevBrush* brush) override;
    void DevSetPixel(int x, int y, COLORREF color) override;
    COLORREF DevGetPixel(int x, int y) const override;
    void DevSetClip(const CRect* deviceClip) override;
    void DevBitmapSelected(CBitmap* bitmap) override;
    void DevPolyFillMode(int mode) override;

private:
    CQtDC(int dpiX, int dpiY);  // a memory surface
    void Begin(QPaintDevice* device);
    void End();
    bool CanRasterOp() const;
    QBrush MakeBrush(const DevBrush& brush) const;
    void FillPath(const QPainterPath& path, const DevBrush& brush);
    void StrokeThin(const std::vector<CPoint>& pts, bool closed, const DevPen& pen);
    void StrokeOutline(const QPainterPath& centre, const QPainterPath& outer, const QPainterPath& inner,
                       const DevPen& pen, bool thinWithQt);
    const QFont& FontFor(const DevFont& font) const;

    QPainter* m_pPainter = nullptr;        // the painter in use
    std::unique_ptr<QPainter> m_ownPainter;  // when the surface made it
    QImage* m_pImage = nullptr;            // the image drawn into, if any
    QImage m_bitmapImage;                  // wraps the selected bitmap's pixels
    CBitmap* m_pBitmap = nullptr;          // the bitmap of a memory surface
    bool m_bMemory = false;
    bool m_bPrinting = false;
    int m_nDpiX = 96;
    int m_nDpiY = 96;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nPhysicalWidth = 0;
    int m_nPhysicalHeight = 0;
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    int m_nFillMode = ALTERNATE;
    QTransform m_base;                     // the painter's transform when we got it
    mutable std::map<std::string, QFont> m_fonts;
    class CScaledPictureCache* m_pPictureCache = nullptr;
    std::optional<QRect> m_limit;
};
