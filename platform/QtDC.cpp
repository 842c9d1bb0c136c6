#include "platform/QtDC.h"

#include "objects/FaceName.h"
#include "platform/ScaledPictureCache.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <mutex>

namespace {

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF FromArgb(QRgb argb)
{
    return RGB(qRed(argb), qGreen(argb), qBlue(argb));
}

QRect ToQRect(const CRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The on and off lengths of the dashed pens, in pixels.
const std::vector<int>& DashPattern(UINT style)
{
    static const std::vector<int> solid;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    case PS_DASHDOTDOT: return dashDotDot;
    default: return solid;
    }
}

// Pixel runs gathered from single pixels: neighbours along a row or along a
// column merge into one rectangle.
class CRunCollector {
public:
    void Add(int x, int y)
    {
        if (!m_runs.empty()) {
            QRect& last = m_runs.back();
            if (last.height() == 1 && y == last.top() && x == last.right() + 1) { last.setRight(x); return; }
            if (last.width() == 1 && x == last.left() && y == last.bottom() + 1) { last.setBottom(y); return; }
        }
        m_runs.emplace_back(x, y, 1, 1);
    }
    const std::vector<QRect>& Runs() const { return m_runs; }

private:
    std::vector<QRect> m_runs;
};

// A path's curves as polygons through pixel centres, turned into the
// pixels that hold those centres.
std::vector<CPoint> PixelOutline(const QPainterPath& centrePath)
{
    std::vector<CPoint> pts;
    for (const QPolygonF& poly : centrePath.toSubpathPolygons()) {
        for (const QPointF& p : poly) {
            CPoint q(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
            if (pts.empty() || !(pts.back() == q)) pts.push_back(q);
        }
    }
    return pts;
}

}  // namespace

CQtDC::CQtDC(QImage& image, int dpiX, int dpiY)
{
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    m_pImage = &image;
    m_nDpiX = dpiX > 0 ? dpiX : 96;
    m_nDpiY = dpiY > 0 ? dpiY : m_nDpiX;
    m_nWidth = m_nPhysicalWidth = image.width();
    m_nHeight = m_nPhysicalHeight = image.height();
    Begin(&image);
}

CQtDC::CQtDC(QPainter& painter, int dpiX, int dpiY, bool printing)
{
    m_pPainter = &painter;
    m_pPainter->save();
    m_bPrinting = printing;
    m_nDpiX = dpiX > 0 ? dpiX : 96;
    m_nDpiY = dpiY > 0 ? dpiY : m_nDpiX;
    m_base = painter.transform();
    QPaintDevice* device = painter.device();
    if (device) {
        // The device's size in the painter's coordinates.
        const QRect area = m_base.inverted().mapRect(QRect(0, 0, device->width(), device->height()));
        m_nWidth = m_nPhysicalWidth = area.width();
        m_nHeight = m_nPhysicalHeight = area.height();
        if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device)) {
            const QPageLayout layout = paged->pageLayout();
            const QRect full = layout.fullRectPixels(m_nDpiX);
            const QRect paint = layout.paintRectPixels(m_nDpiX);
            m_nPhysicalWidth = full.width();
            m_nPhysicalHeight = full.height();
            m_nOffsetX = paint.left();
            m_nOffsetY = paint.top();
        }
        // Pixels can be read back only where painter coordinates are the
        // image's own.
        if (device->devType() == QInternal::Image && m_base.isIdentity()) m_pImage = static_cast<QImage*>(device);
    }
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    m_pPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_pPainter->setRenderHint(QPainter::TextAntialiasing, true);
}

CQtDC::CQtDC(int dpiX, int dpiY)
{
    m_bMemory = true;
    m_nDpiX = dpiX;
    m_nDpiY = dpiY;
    // A memory surface starts with a one-pixel monochrome bitmap; nothing
    // drawn before a bitmap is selected is kept.
    m_nWidth = m_nHeight = m_nPhysicalWidth = m_nPhysicalHeight = 1;
}

CQtDC::~CQtDC()
{
    if (m_ownPainter) End();
    else if (m_pPainter) m_pPainter->restore();
}

void CQtDC::Begin(QPaintDevice* device)
{
    m_ownPainter = std::make_unique<QPainter>(device);
    m_pPainter = m_ownPainter.get();
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    m_pPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_pPainter->setRenderHint(QPainter::TextAntialiasing, true);
    m_base = QTransform();
}

void CQtDC::End()
{
    if (m_ownPainter) m_ownPainter->end();
    m_ownPainter.reset();
    m_pPainter = nullptr;
}

std::unique_ptr<CDC> CQtDC::CreateCompatibleDC()
{
    return std::unique_ptr<CDC>(new CQtDC(m_nDpiX, m_nDpiY));
}

int CQtDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZSIZE: return static_cast<int>(std::lround(m_nWidth * 25.4 / m_nDpiX));
    case VERTSIZE: return static_cast<int>(std::lround(m_nHeight * 25.4 / m_nDpiY));
    case HORZRES: return m_nWidth;
    case VERTRES: return m_nHeight;
    case BITSPIXEL: return (m_pBitmap && m_pBitmap->BitsPixel() == 1) || (m_bMemory && !m_pBitmap) ? 1 : 32;
    case PLANES: return 1;
    case RASTERCAPS: return RC_BITBLT | RC_DI_BITMAP | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX: return m_nDpiX;
    case LOGPIXELSY: return m_nDpiY;
    case PHYSICALWIDTH: return m_nPhysicalWidth;
    case PHYSICALHEIGHT: return m_nPhysicalHeight;
    case PHYSICALOFFSETX: return m_nOffsetX;
    case PHYSICALOFFSETY: return m_nOffsetY;
    default: return 0;
    }
}

QString CQtDC::ResolveFace(const std::string& face)
{
    static std::mutex lock;
    static std::map<std::string, QString> cache;
    std::lock_guard<std::mutex> guard(lock);
    auto it = cache.find(face);
    if (it != cache.end()) return it->second;

    QString family = QStringLiteral("DejaVu Sans");
    if (FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        // A face stored with its maker, "P052 [urw]", is the family P052
        // of that maker; fontconfig knows no such family name.
        std::string foundry;
        const std::string plain = FaceWithoutFoundry(face, &foundry);
        if (!plain.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(plain.c_str()));
        else FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
        if (!foundry.empty()) FcPatternAddString(pattern, FC_FOUNDRY, reinterpret_cast<const FcChar8*>(foundry.c_str()));
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        if (match) {
            FcChar8* name = nullptr;
            if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
                family = QString::fromUtf8(reinterpret_cast<const char*>(name));
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    cache.emplace(face, family);
    return family;
}

const QFont& CQtDC::FontFor(const DevFont& font) const
{
    const LOGFONT& lf = font.lf;
    const std::string key = lf.lfFaceName + '\n' + std::to_string(font.pixelHeight) + ',' +
                            std::to_string(lf.lfWeight) + ',' + std::to_string(lf.lfItalic) + ',' +
                            std::to_string(lf.lfUnderline) + ',' + std::to_string(lf.lfStrikeOut);
    auto it = m_fonts.find(key);
    if (it != m_fonts.end()) return it->second;
    // Fonts are made once per process: a view makes a surface for every
    // repaint, and measuring a new font costs more than the repaint itself.
    static std::mutex sharedLock;
    static std::map<std::string, QFont> shared;
    {
        std::lock_guard<std::mutex> guard(sharedLock);
        auto found = shared.find(key);
        if (found != shared.end()) return m_fonts.emplace(key, found->second).first->second;
    }

    QFont f(ResolveFace(lf.lfFaceName));
    // Unhinted outlines keep widths proportional to the size, so a page
    // lays out alike on the screen, in an export and on paper.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    f.setWeight(lf.lfWeight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp<int>(lf.lfWeight, 1, 1000)));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    int pixels = std::abs(font.pixelHeight);
    if (font.pixelHeight > 0) {
        // A positive height is the whole cell: ascent plus descent.
        QFont probe(f);
        probe.setPixelSize(1000);
        QFontMetricsF fm(probe);
        const double cell = fm.ascent() + fm.descent();
        if (cell > 0) pixels = static_cast<int>(std::lround(font.pixelHeight * 1000.0 / cell));
    }
    f.setPixelSize(std::max(1, pixels));
    {
        std::lock_guard<std::mutex> guard(sharedLock);
        if (shared.size() > 4096) shared.clear();
        shared.emplace(key, f);
    }
    return m_fonts.emplace(key, f).first->second;
}

bool CQtDC::CanRasterOp() const
{
    return m_pPainter && m_pPainter->paintEngine() &&
           m_pPainter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

QBrush CQtDC::MakeBrush(const DevBrush& brush) const
{
    if (brush.style == BS_HATCHED) {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        const int h = std::clamp(brush.hatch, 0, 5);
        return QBrush(ToQColor(brush.color), hatches[h]);
    }
    if (brush.style == BS_PATTERN && brush.pattern && brush.pattern->Width() > 0 && brush.pattern->Height() > 0) {
        const CBitmap* bmp = brush.pattern;
        QImage tile(bmp->Width(), bmp->Height(), QImage::Format_RGB32);
        const bool mono = bmp->BitsPixel() == 1;
        const QRgb fore = ToQColor(brush.foreColor).rgb(), back = ToQColor(brush.backColor).rgb();
        for (int y = 0; y < bmp->Height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            const std::uint32_t* src = bmp->Pixels() + static_cast<std::size_t>(y) * bmp->Width();
            for (int x = 0; x < bmp->Width(); ++x)
                line[x] = mono ? ((src[x] & 0xFFFFFF) ? back : fore) : (src[x] | 0xFF000000u);
        }
        return QBrush(tile);
    }
    return QBrush(ToQColor(brush.color));
}

void CQtDC::FillPath(const QPainterPath& path, const DevBrush& brush)
{
    if (!m_pPainter) return;
    m_pPainter->save();
    m_pPainter->setPen(Qt::NoPen);
    m_pPainter->setBrush(MakeBrush(brush));
    m_pPainter->setBrushOrigin(brush.origin.x, brush.origin.y);
    if (brush.style == BS_HATCHED && brush.opaqueBack) {
        m_pPainter->setBackgroundMode(Qt::OpaqueMode);
        m_pPainter->setBackground(ToQColor(brush.backColor));
    } else {
        m_pPainter->setBackgroundMode(Qt::TransparentMode);
    }
    m_pPainter->drawPath(path);
    m_pPainter->restore();
}

void CQtDC::StrokeThin(const std::vector<CPoint>& pts, bool closed, const DevPen& pen)
{
    if (!m_pPainter || pts.empty()) return;
    // Lines one pixel wide are stepped pixel by pixel, so that dashes are
    // counted in device pixels and the last point of an open line is left
    // out, each segment going on with the dash where the last one stopped.
    const std::vector<int>& pattern = DashPattern(pen.style);
    int patternPeriod = 0;
    for (int v : pattern) patternPeriod += v;
    CRunCollector on, off;
    int step = 0;
    auto plot = [&](int x, int y) {
        if (pattern.empty()) { on.Add(x, y); return; }
        int pos = step % patternPeriod, k = 0;
        while (pos >= pattern[k]) { pos -= pattern[k]; ++k; }
        if ((k & 1) == 0) on.Add(x, y);
        else if (pen.opaqueGaps) off.Add(x, y);
        ++step;
    };
    const CRect visible = DevVisible();
    std::vector<CPoint> path = pts;
    if (closed && !(path.front() == path.back())) path.push_back(path.front());
    if (path.size() == 1) path.push_back(path.front());
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        long long x0 = path[i].x, y0 = path[i].y;
        const long long x1 = path[i + 1].x, y1 = path[i + 1].y;
        const long long dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        long long err = dx + dy;
        // A segment wholly outside the visible area draws nothing but
        // still moves the dash pattern on; absurd coordinates are skipped.
        const long long limit = 1LL << 20;
        if (std::max({std::llabs(x0), std::llabs(y0), std::llabs(x1), std::llabs(y1)}) > limit) continue;
        if (std::max(x0, x1) < visible.left || std::min(x0, x1) >= visible.right ||
            std::max(y0, y1) < visible.top || std::min(y0, y1) >= visible.bottom) {
            if (!pattern.empty()) step = static_cast<int>((step + std::max(dx, -dy)) % patternPeriod);
            continue;
        }
        while (!(x0 == x1 && y0 == y1)) {
            plot(static_cast<int>(x0), static_cast<int>(y0));
            const long long e2 = 2 * err;
            if (e2 >= dy) { err += dy; x0 += sx; }
            if (e2 <= dx) { err += dx; y0 += sy; }
        }
    }
    // A line of no length still shows its one pixel.
    if (path.size() == 2 && path[0] == path[1]) plot(path[0].x, path[0].y);

    m_pPainter->save();
    m_pPainter->setPen(Qt::NoPen);
    if (pen.opaqueGaps && !off.Runs().empty()) {
        m_pPainter->setBrush(ToQColor(pen.gapColor));
        m_pPainter->drawRects(off.Runs().data(), static_cast<int>(off.Runs().size()));
    }
    m_pPainter->setBrush(ToQColor(pen.color));
    if (!on.Runs().empty()) m_pPainter->drawRects(on.Runs().data(), static_cast<int>(on.Runs().size()));
    m_pPainter->restore();
}

void CQtDC::StrokeOutline(const QPainterPath& centre, const QPainterPath& outer, const QPainterPath& inner,
                          const DevPen& pen, bool mitre)
{
    if (!m_pPainter) return;
    QPainterPath stroke;
    if (pen.style == PS_INSIDEFRAME) {
        // The frame stays inside the shape: the ring between the shape and
        // the shape shrunk by the pen width.
        stroke = outer;
        if (!inner.isEmpty()) {
            stroke.addPath(inner);
            stroke.setFillRule(Qt::OddEvenFill);
        }
    } else {
        QPainterPathStroker stroker;
        stroker.setWidth(pen.width);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(mitre ? Qt::MiterJoin : Qt::RoundJoin);
        stroke = stroker.createStroke(centre);
    }
    m_pPainter->save();
    m_pPainter->setPen(Qt::NoPen);
    m_pPainter->setBrush(ToQColor(pen.color));
    m_pPainter->drawPath(stroke);
    m_pPainter->restore();
}

void CQtDC::DevPolyline(const std::vector<CPoint>& pts, const DevPen& pen)
{
    if (!m_pPainter || pts.size() < 2) return;
    if (pen.width <= 1) {
        StrokeThin(pts, false, pen);
        return;
    }
    QPainterPath centre;
    centre.moveTo(pts[0].x + 0.5, pts[0].y + 0.5);
    for (std::size_t i = 1; i < pts.size(); ++i) centre.lineTo(pts[i].x + 0.5, pts[i].y + 0.5);
    DevPen solid = pen;
    solid.style = PS_SOLID;
    StrokeOutline(centre, QPainterPath(), QPainterPath(), solid, false);
}

void CQtDC::DevPolygon(const std::vector<CPoint>& pts, const DevPen* pen, const DevBrush* brush)
{
    if (!m_pPainter || pts.size() < 2) return;
    if (brush) {
        QPolygon poly;
        for (const CPoint& p : pts) poly << QPoint(p.x, p.y);
        QPainterPath path;
        path.addPolygon(poly);
        path.closeSubpath();
        path.setFillRule(m_nFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        FillPath(path, *brush);
    }
    if (!pen) return;
    if (pen->width <= 1) {
        StrokeThin(pts, true, *pen);
        return;
    }
    QPainterPath centre;
    centre.moveTo(pts[0].x + 0.5, pts[0].y + 0.5);
    for (std::size_t i = 1; i < pts.size(); ++i) centre.lineTo(pts[i].x + 0.5, pts[i].y + 0.5);
    centre.closeSubpath();
    DevPen solid = *pen;
    solid.style = PS_SOLID;
    StrokeOutline(centre, QPainterPath(), QPainterPath(), solid, false);
}

void CQtDC::DevRectangle(const CRect& r, const DevPen* pen, const DevBrush* brush)
{
    if (!m_pPainter || r.IsRectEmpty()) return;
    const int w = r.Width(), h = r.Height();
    if (brush) {
        QPainterPath area;
        area.addRect(r.left, r.top, w, h);
        FillPath(area, *brush);
    }
    if (!pen) return;
    if (pen->width <= 1) {
        StrokeThin({CPoint(r.left, r.top), CPoint(r.right - 1, r.top), CPoint(r.right - 1, r.bottom - 1),
                    CPoint(r.left, r.bottom - 1)},
                   true, *pen);
        return;
    }
    QPainterPath centre, outer, inner;
    centre.addRect(r.left + 0.5, r.top + 0.5, w - 1, h - 1);
    outer.addRect(r.left, r.top, w, h);
    if (w > 2 * pen->width && h > 2 * pen->width)
        inner.addRect(r.left + pen->width, r.top + pen->width, w - 2 * pen->width, h - 2 * pen->width);
    StrokeOutline(centre, outer, inner, *pen, true);
}

void CQtDC::DevRoundRect(const CRect& r, CSize corner, const DevPen* pen, const DevBrush* brush)
{
    if (!m_pPainter || r.IsRectEmpty()) return;
    const double w = r.Width(), h = r.Height();
    const double rx = corner.cx / 2.0, ry = corner.cy / 2.0;
    if (brush) {
        QPainterPath area;
        if (pen) area.addRoundedRect(QRectF(r.left + 0.5, r.top + 0.5, w - 1, h - 1), rx, ry);
        else area.addRoundedRect(QRectF(r.left, r.top, w, h), rx, ry);
        FillPath(area, *brush);
    }
    if (!pen) return;
    QPainterPath centre;
    centre.addRoundedRect(QRectF(r.left + 0.5, r.top + 0.5, w - 1, h - 1), rx, ry);
    if (pen->width <= 1) {
        StrokeThin(PixelOutline(centre), true, *pen);
        return;
    }
    const double pw = pen->width;
    QPainterPath outer, inner;
    outer.addRoundedRect(QRectF(r.left, r.top, w, h), rx, ry);
    if (w > 2 * pw && h > 2 * pw)
        inner.addRoundedRect(QRectF(r.left + pw, r.top + pw, w - 2 * pw, h - 2 * pw), std::max(0.0, rx - pw),
                             std::max(0.0, ry - pw));
    StrokeOutline(centre, outer, inner, *pen, false);
}

void CQtDC::DevEllipse(const CRect& r, const DevPen* pen, const DevBrush* brush)
{
    if (!m_pPainter || r.IsRectEmpty()) return;
    const double w = r.Width(), h = r.Height();
    if (brush) {
        QPainterPath area;
        if (pen) area.addEllipse(QRectF(r.left + 0.5, r.top + 0.5, w - 1, h - 1));
        else area.addEllipse(QRectF(r.left, r.top, w, h));
        FillPath(area, *brush);
    }
    if (!pen) return;
    QPainterPath centre;
    centre.addEllipse(QRectF(r.left + 0.5, r.top + 0.5, w - 1, h - 1));
    if (pen->width <= 1) {
        StrokeThin(PixelOutline(centre), true, *pen);
        return;
    }
    const double pw = pen->width;
    QPainterPath outer, inner;
    outer.addEllipse(QRectF(r.left, r.top, w, h));
    if (w > 2 * pw && h > 2 * pw) inner.addEllipse(QRectF(r.left + pw, r.top + pw, w - 2 * pw, h - 2 * pw));
    StrokeOutline(centre, outer, inner, *pen, false);
}

void CQtDC::DevFillRect(const CRect& r, COLORREF color)
{
    if (!m_pPainter || r.IsRectEmpty()) return;
    m_pPainter->fillRect(ToQRect(r), ToQColor(color));
}

void CQtDC::DevText(CPoint anchor, UINT align, const std::string& text, const DevFont& font, COLORREF color,
                    const COLORREF* opaqueBack, const CRect* clip)
{
    if (!m_pPainter) return;
    const QFont& f = FontFor(font);
    const QFontMetrics fm(f);
    const QString str = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int width = fm.horizontalAdvance(str);
    int x = 0;
    if ((align & TA_CENTER) == TA_CENTER) x = -width / 2;
    else if (align & TA_RIGHT) x = -width;
    int baseline = fm.ascent();
    if ((align & TA_BASELINE) == TA_BASELINE) baseline = 0;
    else if (align & TA_BOTTOM) baseline = -fm.descent();

    m_pPainter->save();
    if (clip) m_pPainter->setClipRect(ToQRect(*clip), Qt::IntersectClip);
    // Device space has y downwards, so the text is upright whatever the
    // mapping; the escapement turns it counter-clockwise about the anchor.
    m_pPainter->translate(anchor.x, anchor.y);
    if (font.lf.lfEscapement % 3600 != 0) m_pPainter->rotate(-font.lf.lfEscapement / 10.0);
    if (opaqueBack) m_pPainter->fillRect(QRect(x, baseline - fm.ascent(), width, fm.height()), ToQColor(*opaqueBack));
    m_pPainter->setFont(f);
    m_pPainter->setPen(ToQColor(color));
    m_pPainter->drawText(QPoint(x, baseline), str);
    m_pPainter->restore();
}

CSize CQtDC::DevTextExtent(const std::string& text, const DevFont& font) const
{
    const QFontMetrics fm(FontFor(font));
    return CSize(fm.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
                 fm.height());
}

void CQtDC::DevTextMetrics(const DevFont& font, TEXTMETRIC* tm) const
{
    const QFont& f = FontFor(font);
    const QFontMetrics fm(f);
    tm->tmHeight = fm.height();
    tm->tmAscent = fm.ascent();
    tm->tmDescent = fm.descent();
    tm->tmInternalLeading = std::max(0, fm.height() - f.pixelSize());
    tm->tmExternalLeading = std::max(0, fm.leading());
    tm->tmAveCharWidth = fm.averageCharWidth();
    tm->tmMaxCharWidth = fm.maxWidth();
    tm->tmWeight = font.lf.lfWeight <= 0 ? FW_NORMAL : font.lf.lfWeight;
}

void CQtDC::DevDrawImage(const CRect& dest, int srcW, int srcH, const CRect& srcRect,
                         const std::uint32_t* argbTopDown, bool hasAlpha, DWORD rop)
{
    if (!m_pPainter || !argbTopDown || srcW <= 0 || srcH <= 0) return;
    QImage image(reinterpret_cast<const uchar*>(argbTopDown), srcW, srcH, srcW * 4,
                 hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QPainter::CompositionMode mode = hasAlpha ? QPainter::CompositionMode_SourceOver : QPainter::CompositionMode_Source;
    bool rasterOp = true;
    switch (rop) {
    case SRCAND: mode = QPainter::RasterOp_SourceAndDestination; break;
    case SRCPAINT: mode = QPainter::RasterOp_SourceOrDestination; break;
    case SRCINVERT: mode = QPainter::RasterOp_SourceXorDestination; break;
    case NOTSRCCOPY: mode = QPainter::RasterOp_NotSource; break;
    default: rasterOp = false; break;
    }
    if (rasterOp && !CanRasterOp()) {
        // Printers and PDF have no raster operations; an inverted copy can
        // still be made by hand, the others are left out.
        if (rop != NOTSRCCOPY) return;
        image = image.copy();
        image.invertPixels();
        mode = QPainter::CompositionMode_Source;
    }
    // The pixels belong to the caller and are gone when it returns. A
    // preview records the page and paints it later, keeping the picture
    // rather than drawing it now: it must get pixels of its own.
    if (m_bPrinting && image.constBits() == reinterpret_cast<const uchar*>(argbTopDown)) image = image.copy();
    m_pPainter->save();
    m_pPainter->setCompositionMode(mode);
    const QRect target = ToQRect(dest);
    const QRect source = ToQRect(srcRect);
    if (m_pPictureCache && !rasterOp && target.width() > 0 && target.height() > 0 &&
        target.width() < source.width() && target.height() < source.height() &&
        QRect(0, 0, srcW, srcH).contains(source)) {
        m_pPainter->drawImage(target.topLeft(),
                              m_pPictureCache->Scaled(argbTopDown, srcW, srcH, source, hasAlpha, target.size()));
    } else {
        m_pPainter->drawImage(target, image, source);
    }
    m_pPainter->restore();
}

bool CQtDC::DevReadPixels(const CRect& r, std::vector<std::uint32_t>* argbTopDown) const
{
    if (!m_pImage || !argbTopDown) return false;
    CRect area;
    if (!area.IntersectRect(r, CRect(0, 0, m_pImage->width(), m_pImage->height()))) return false;
    if (!(area == r)) return false;
    argbTopDown->resize(static_cast<std::size_t>(r.Width()) * r.Height());
    const QImage::Format format = m_pImage->format();
    for (int y = 0; y < r.Height(); ++y) {
        std::uint32_t* out = argbTopDown->data() + static_cast<std::size_t>(y) * r.Width();
        const auto* line = reinterpret_cast<const QRgb*>(m_pImage->constScanLine(r.top + y));
        for (int x = 0; x < r.Width(); ++x) {
            QRgb p = line[r.left + x];
            if (format == QImage::Format_ARGB32_Premultiplied) p = qUnpremultiply(p);
            out[x] = p | 0xFF000000u;
        }
    }
    return true;
}

void CQtDC::DevPatBlt(const CRect& r, DWORD rop, const DevBrush* brush)
{
    if (!m_pPainter || r.IsRectEmpty()) return;
    const QRect rect = ToQRect(r);
    switch (rop) {
    case BLACKNESS:
        m_pPainter->fillRect(rect, Qt::black);
        return;
    case WHITENESS:
        m_pPainter->fillRect(rect, Qt::white);
        return;
    case PATCOPY:
        if (brush && brush->style == BS_SOLID && m_pPainter->compositionMode() == QPainter::CompositionMode_SourceOver) {
            // A plain colour fills the rectangle directly, far faster than
            // a path (a 300-dpi page's background is a few hundred strips).
            m_pPainter->fillRect(rect, ToQColor(brush->color));
        } else if (brush) {
            QPainterPath area;
            area.addRect(rect);
            FillPath(area, *brush);
        }
        return;
    case PATINVERT:
    case DSTINVERT:
        if (!CanRasterOp()) return;
        m_pPainter->save();
        if (rop == DSTINVERT) {
            m_pPainter->setCompositionMode(QPainter::RasterOp_NotDestination);
            m_pPainter->fillRect(rect, Qt::black);
        } else if (brush) {
            m_pPainter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            m_pPainter->setBrushOrigin(brush->origin.x, brush->origin.y);
            m_pPainter->fillRect(rect, MakeBrush(*brush));
        }
        m_pPainter->restore();
        return;
    default:
        return;
    }
}

void CQtDC::DevSetPixel(int x, int y, COLORREF color)
{
    if (m_bMemory && m_pBitmap && x >= 0 && y >= 0 && x < m_pBitmap->Width() && y < m_pBitmap->Height()) {
        // The pixels of a memory surface are ours; writing them directly
        // keeps per-pixel painting (the radial gradient) fast.
        m_pBitmap->Pixels()[static_cast<std::size_t>(y) * m_pBitmap->Width() + x] =
            0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        return;
    }
    if (!m_pPainter) return;
    m_pPainter->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

COLORREF CQtDC::DevGetPixel(int x, int y) const
{
    if (!m_pImage || !m_pImage->valid(x, y)) return CLR_INVALID;
    return FromArgb(m_pImage->pixel(x, y));
}

void CQtDC::DevSetClip(const CRect* deviceClip)
{
    if (!m_pPainter) return;
    if (m_limit) m_pPainter->setClipRect(deviceClip ? m_limit->intersected(ToQRect(*deviceClip)) : *m_limit);
    else if (deviceClip) m_pPainter->setClipRect(ToQRect(*deviceClip));
    else m_pPainter->setClipping(false);
}

void CQtDC::LimitDrawing(const QRect* limit)
{
    if (limit) m_limit = *limit;
    else m_limit.reset();
    DevSetClip(DevClip());
}

void CQtDC::DevPolyFillMode(int mode)
{
    m_nFillMode = mode;
}

void CQtDC::DevBitmapSelected(CBitmap* bitmap)
{
    if (!m_bMemory) return;
    End();
    m_pBitmap = bitmap;
    m_pImage = nullptr;
    m_bitmapImage = QImage();
    if (!bitmap || bitmap->Width() <= 0 || bitmap->Height() <= 0 ||
        bitmap->m_pixels.size() < static_cast<std::size_t>(bitmap->Width()) * bitmap->Height()) {
        m_nWidth = m_nHeight = m_nPhysicalWidth = m_nPhysicalHeight = 1;
        return;
    }
    // The image shares the bitmap's pixels: drawing lands in the bitmap.
    m_bitmapImage = QImage(reinterpret_cast<uchar*>(bitmap->Pixels()), bitmap->Width(), bitmap->Height(),
                           bitmap->Width() * 4, QImage::Format_RGB32);
    m_pImage = &m_bitmapImage;
    m_nWidth = m_nPhysicalWidth = bitmap->Width();
    m_nHeight = m_nPhysicalHeight = bitmap->Height();
    Begin(m_pImage);
    DevSetClip(DevClip());
}
