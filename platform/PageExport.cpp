#include "platform/PageExport.h"

#include "document/DrawDoc.h"
#include "document/PagePainter.h"
#include "document/PagePictures.h"
#include "imageio/JpegWriter.h"
#include "imageio/PixelBlock.h"
#include "platform/QtDC.h"
#include "objects/DrawObj.h"
#include "text3d/DibSection.h"

#include <QtGui/QPageSize>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string LowerExtension(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

CMessage CannotWrite(const std::string& path)
{
    return CMessage(MESSAGE_TEXT("CMessage", "Cannot write %1")).Arg(path);
}

// The file tells other programs the size the page prints at.
LONG PelsPerMeter(int dpi)
{
    return static_cast<LONG>((static_cast<long long>(dpi) * 10000 + 127) / 254);
}

// A painted page's rows as the compressor reads them (blue, green, red,
// unused, top row first), described by head: no copy of the page is made.
CDibPixels PageRows(const QImage& picture, int dpi, BITMAPINFOHEADER* head)
{
    *head = BITMAPINFOHEADER{};
    head->biSize = sizeof *head;
    head->biWidth = picture.width();
    head->biHeight = -picture.height();
    head->biPlanes = 1;
    head->biBitCount = 32;
    head->biCompression = BI_RGB;
    head->biXPelsPerMeter = PelsPerMeter(dpi);
    head->biYPelsPerMeter = PelsPerMeter(dpi);
    CDibPixels rows;
    rows.pHead = head;
    rows.pBits = picture.constBits();
    return rows;
}

}  // namespace

QSize PagePictureSize(const CDrawDoc& doc, int dpi)
{
    const CSize pixels = PagePixels(doc, dpi);
    return QSize(static_cast<int>(pixels.cx), static_cast<int>(pixels.cy));
}

QImage RenderPagePicture(CDrawDoc& doc, int dpi, const PagePaintedAround& meanwhile)
{
    const QSize size = PagePictureSize(doc, dpi);
    if (size.isEmpty() || size.width() > std::numeric_limits<int>::max() / 4) return QImage();
    // Fresh memory is slow to touch page by page: the page's block comes
    // in huge pages.
    const std::size_t bytes = static_cast<std::size_t>(size.width()) * 4 * static_cast<std::size_t>(size.height());
    // A batch export has the page's white block made while it starts.
    void* block = TakeWhitePixels(bytes);
    const bool white = block != nullptr;
    if (!white) block = AllocateLargePixels(bytes);
    if (!block) return QImage();
    QImage image(static_cast<uchar*>(block), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32,
                 [](void* p) { std::free(p); }, block);
    if (image.isNull()) {
        std::free(block);
        return image;
    }
    // The page starts white, as on the screen, so that anything the
    // background leaves out (the narrow remainder of a gradient) is white
    // rather than undefined.
    if (!white) image.fill(Qt::white);
    {
        CQtDC dc(image, dpi, dpi);
        // Mapped like the screen: 0.01 inch per unit, y up, the page's top
        // left corner at the picture's origin.
        PreparePagePicture(&dc, doc, dpi);
        // The photos decode on the worker pool while the background and the
        // calendars are drawn.
        PrefetchPagePictures(&dc, doc);
        CPagePaintOptions options;
        options.m_bWhite = false;
        options.m_bDesignGrid = false;
        std::vector<CDrawObj*> pending;
        const CRect area = PendingPictureArea(&dc, doc, &pending);
        if (area.IsRectEmpty()) {
            CPagePainter::PaintPage(&dc, &doc, options);
        } else {
            // The page but the photos still decoding is drawn while they
            // decode; then their area again, from white up with every
            // object in its order, so that each pixel there is drawn as in
            // one pass. (Keeping the first pass out of the area would
            // cost more: drawing clipped to a rectangle with a hole is
            // slow.)
            options.m_pSkip = &pending;
            CPagePainter::PaintPage(&dc, &doc, options);
            options.m_pSkip = nullptr;
            options.m_bWhite = true;
            long painted = area.top;
            // Rows [painted, to) of the area.
            const auto paintTo = [&](long to) {
                const QRect rows(area.left, static_cast<int>(painted), area.Width(), static_cast<int>(to - painted));
                dc.LimitDrawing(&rows);
                // Objects far from those rows are left out.
                CRect near(area.left, painted, area.right, to);
                near.InflateRect(2, 2);
                dc.DPtoLP(&near);
                const int saved = dc.SaveDC();
                dc.IntersectClipRect(near);
                CPagePainter::PaintPage(&dc, &doc, options);
                dc.RestoreDC(saved);
                dc.LimitDrawing(nullptr);
                painted = to;
            };
            if (meanwhile) {
                // The area is drawn down from its top as the photos' rows
                // come in, in pieces of at least an eighth of it; between
                // pieces the caller works with the rows painted for good.
                const long piece = std::max<long>(64, area.Height() / 8);
                dc.SetPartialPictures(true);
                for (;;) {
                    bool decoding = false;
                    const long ready = PendingRowsReady(&dc, pending, area, &decoding);
                    if (ready >= area.bottom) break;
                    if (ready - painted >= piece) {
                        paintTo(ready);
                    } else if (!meanwhile(image, static_cast<int>(painted), area.bottom, false)) {
                        // Nothing to do but wait for rows, while a photo
                        // is being made (as it may be since that work);
                        // the rest waits for the photos whole.
                        PendingRowsReady(&dc, pending, area, &decoding);
                        if (!decoding) break;
                        std::this_thread::sleep_for(std::chrono::microseconds(250));
                    }
                }
                dc.SetPartialPictures(false);
                meanwhile(image, static_cast<int>(painted), area.bottom, true);
            }
            paintTo(area.bottom);
        }
    }
    return image;
}

bool WritePagePictureJpeg(const QImage& picture, int dpi, const std::string& path, std::string* error)
{
    if (picture.bytesPerLine() != picture.width() * 4) {
        *error = "Invalid bitmap bit count";
        return false;
    }
    BITMAPINFOHEADER head;
    return WriteJpegFile(PageRows(picture, dpi, &head), 100, path, error);
}

bool ImageToDib(const QImage& source, CDibSection* dib)
{
    QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                       ? source
                       : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    if (width <= 0 || height <= 0 || !dib->Create(width, height)) return false;
    const int bytesPerPixel = dib->BitsPerPixel() / 8;
    if (bytesPerPixel < 3) return false;
    const long long stride = DibRowSize(width, dib->BitsPerPixel());
    for (int y = 0; y < height; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        BYTE* dst = dib->GetBits() + static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(stride);
        for (int x = 0; x < width; ++x) {
            BYTE* p = dst + static_cast<std::size_t>(x) * bytesPerPixel;
            p[0] = static_cast<BYTE>(qBlue(src[x]));
            p[1] = static_cast<BYTE>(qGreen(src[x]));
            p[2] = static_cast<BYTE>(qRed(src[x]));
            if (bytesPerPixel == 4) p[3] = 0;
        }
    }
    return true;
}

bool ExportPagePicture(CDrawDoc& doc, const std::string& path, int dpi, CMessageOut error,
                       const std::function<void(int)>& progress)
{
    const std::string ext = LowerExtension(path);
    if (ext != "bmp" && ext != "jpg") {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "ERROR: File extension must be - bmp or jpg.")));
        return false;
    }
    // A JPEG file's bands away from the photos still decoding are
    // compressed while they decode.
    const bool jpeg = ext == "jpg";
    BITMAPINFOHEADER head{};
    // The page outlives its early writer, whose pool threads read it.
    QImage image;
    std::optional<CJpegPageWriter> early;
    const auto compressMeanwhile = [&](const QImage& picture, int top, int bottom, bool spare) {
        if (!early) {
            if (picture.bytesPerLine() != picture.width() * 4) return false;
            early.emplace(PageRows(picture, dpi, &head), 100);
        }
        if (!spare) return early->CompressBandOutside(top, bottom);
        // The photos are in: the bands still left outside the rows yet to
        // paint go to the other cores while this thread paints those.
        early->CompressOutsideMeanwhile(top, bottom);
        return false;
    };
    image = RenderPagePicture(doc, dpi, jpeg ? PagePaintedAround(compressMeanwhile) : PagePaintedAround());
    if (progress) progress(1);
    const auto outOfMemory = [&] {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "Out of memory for a page picture of %1 x %2 pixels"))
                      .Arg(PagePictureSize(doc, dpi).width())
                      .Arg(PagePictureSize(doc, dpi).height()));
        return false;
    };
    if (image.isNull()) return outOfMemory();
    const LONG pelsPerMeter = PelsPerMeter(dpi);
    // Written beside the target and renamed, so that the picture appears
    // complete or not at all.
    std::string tmp = path + ".part-" + std::to_string(::getpid()) + "." + ext;
    bool ok = false;
    if (ext == "bmp") {
        CDibSection dib(true);
        if (!ImageToDib(image, &dib)) return outOfMemory();
        dib.m_head.biXPelsPerMeter = pelsPerMeter;
        dib.m_head.biYPelsPerMeter = pelsPerMeter;
        if (progress) progress(2);
        ok = dib.WriteBitmapFile(tmp);
        if (!ok) error.Set(CannotWrite(path));
    } else {
        if (progress) progress(2);
        std::string why;
        if (image.bytesPerLine() != image.width() * 4) {
            ok = false;
        } else if (early) {
            // The same rows: the page was painted in the picture the
            // early bands were taken from.
            ok = early->Write(tmp, &why);
        } else {
            ok = WritePagePictureJpeg(image, dpi, tmp, &why);
        }
        // The compressor's own words, where it failed; its refusal of the
        // temporary file is one to write the target.
        if (!ok)
            error.Set(why.empty() || why.rfind("Cannot open ", 0) == 0 ? CannotWrite(path) : CMessage::Verbatim(why));
    }
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        error.Set(CannotWrite(path));
    }
    if (!ok) std::remove(tmp.c_str());
    if (ok && progress) progress(3);
    return ok;
}

std::string NumberedPagePath(const std::string& path, int index, int pageCount)
{
    if (pageCount <= 1) return path;
    const std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
    char number[16];
    std::snprintf(number, sizeof number, pageCount >= 100 ? "-%03d" : "-%02d", index + 1);
    return path.substr(0, dot) + number + path.substr(dot);
}

bool ExportPagePictures(CDrawDoc& doc, const std::string& path, int dpi, CMessageOut error, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, doc.PageCount() - 1);
    for (int index = first; index <= last; ++index) {
        CDrawDoc::CPageShown shown(doc, index);
        const std::string target = first == last ? path : NumberedPagePath(path, index, doc.PageCount());
        if (!ExportPagePicture(doc, target, dpi, error)) return false;
    }
    return true;
}

void PreparePrintSurface(CDC* dc, CSize page, int width, int height)
{
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(page.cx, -page.cy);
    dc->SetViewportExt(width, height);
    dc->SetWindowOrg(-page.cx / 2, page.cy / 2);
    dc->SetViewportOrg(0, 0);
}

void PaintPageForPrint(CDC* dc, CDrawDoc& doc, int width, int height)
{
    PreparePrintSurface(dc, doc.PageSize(), width, height);
    CPagePaintOptions options;
    options.m_bWhite = true;
    options.m_bDesignGrid = false;
    CPagePainter::PaintPage(dc, &doc, options);
}

bool ExportPagePdf(CDrawDoc& doc, const std::string& path, CMessageOut error, int first, int last)
{
    const CSize page = doc.PageSize();
    if (page.cx <= 0 || page.cy <= 0) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "The page has no size")));
        return false;
    }
    const std::string tmp = path + ".part-" + std::to_string(::getpid()) + ".pdf";
    bool ok = false;
    {
        QPdfWriter writer(QString::fromStdString(tmp));
        writer.setCreator(QStringLiteral("Mondrel"));
        writer.setTitle(QStringLiteral("Calendar"));
        writer.setPageSize(QPageSize(QSizeF(page.cx / 100.0, page.cy / 100.0), QPageSize::Inch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        // Fine enough for gradients and lines; pictures keep their own pixels.
        writer.setResolution(300);
        if (last < 0 || last >= doc.PageCount()) last = doc.PageCount() - 1;
        first = std::clamp(first, 0, last);
        QPainter painter;
        if (painter.begin(&writer)) {
            ok = true;
            for (int index = first; index <= last && ok; ++index) {
                if (index > first) ok = writer.newPage();
                CDrawDoc::CPageShown shown(doc, index);
                CQtDC dc(painter, 300, 300, true);
                for (CDrawObj* obj : *doc.GetObjects()) obj->m_bPreview = 0;
                PaintPageForPrint(&dc, doc, writer.width(), writer.height());
            }
            ok = painter.end() && ok;
        }
    }
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) {
        std::remove(tmp.c_str());
        error.Set(CannotWrite(path));
    }
    return ok;
}
