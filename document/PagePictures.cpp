#include "document/PagePictures.h"

#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DC.h"
#include "objects/DrawRect.h"
#include "objects/PictureOnSurface.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A surface that only maps: it measures where pictures would go.
class CMappingDC : public CDC {
public:
    int GetDeviceCaps(int) const override { return 0; }
    std::unique_ptr<CDC> CreateCompatibleDC() override { return std::make_unique<CMappingDC>(); }

protected:
    void DevPolyline(const std::vector<CPoint>&, const DevPen&) override {}
    void DevPolygon(const std::vector<CPoint>&, const DevPen*, const DevBrush*) override {}
    void DevRectangle(const CRect&, const DevPen*, const DevBrush*) override {}
    void DevRoundRect(const CRect&, CSize, const DevPen*, const DevBrush*) override {}
    void DevEllipse(const CRect&, const DevPen*, const DevBrush*) override {}
    void DevFillRect(const CRect&, COLORREF) override {}
    void DevText(CPoint, UINT, const std::string&, const DevFont&, COLORREF, const COLORREF*, const CRect*) override {}
    CSize DevTextExtent(const std::string&, const DevFont&) const override { return CSize(0, 0); }
    void DevTextMetrics(const DevFont&, TEXTMETRIC*) const override {}
    void DevDrawImage(const CRect&, int, int, const CRect&, const std::uint32_t*, bool, DWORD) override {}
    bool DevReadPixels(const CRect&, std::vector<std::uint32_t>*) const override { return false; }
    void DevPatBlt(const CRect&, DWORD, const DevBrush*) override {}
    void DevSetPixel(int, int, COLORREF) override {}
    COLORREF DevGetPixel(int, int) const override { return 0; }
    void DevSetClip(const CRect*) override {}
};

bool Fetch(CPictureHolder* holder, CSize need)
{
    if (!holder || !holder->IsValid() || need.cx <= 0 || need.cy <= 0 || holder->Covers(need.cx, need.cy))
        return false;
    holder->Request(need.cx, need.cy);
    return true;
}

// The size the background picture is drawn at, when it is stretched or
// centred (tiles are drawn from the whole picture).
CSize BackImageNeed(CDC* dc, CDrawDoc& doc, const CPictureHolder& back)
{
    const CSize page = doc.m_sizePage;
    CRect area = doc.PageRect();
    if (!doc.m_bBackImageStretch && (page.cx < back.GetWidth() || page.cy < back.GetHeight())) {
        // Fitted to the page as the painter does; any other centred
        // picture is drawn at its own size and needs all of it.
        area = CRect(-page.cx / 2, -page.cy / 2, page.cx / 2, page.cy / 2);
    } else if (!doc.m_bBackImageStretch) {
        area = CRect(0, 0, back.GetWidth(), back.GetHeight());
    }
    return DeviceSizeOf(dc, area);
}

// A photo the page draws from its picture (opaque, and not shown as its 3D
// rendering), or null.
CDrawRect* DrawnPhoto(CDrawObj* obj)
{
    auto* rect = dynamic_cast<CDrawRect*>(obj);
    if (!rect || rect->m_nKind != CDrawRect::kindImage || !rect->m_pImage || !rect->m_bOpaque) return nullptr;
    return rect->m_bShow3D && rect->m_b3DBitmapValid ? nullptr : rect;
}

}  // namespace

int PrefetchPagePictures(CDC* dc, CDrawDoc& doc)
{
    int started = 0;
    CPictureHolder* back = doc.BackImage();
    if (doc.m_bDrawBackImage && back && back->IsValid() && doc.m_nBackImagePlacement != CDrawDoc::placeTiled)
        started += Fetch(back, BackImageNeed(dc, doc, *back));
    // A view that takes pictures as they come fetches only the photos in the
    // part it paints: zoomed in on a page of camera photos, the others
    // would fill the memory budget and push out the ones in view.
    const bool inView = static_cast<bool>(dc->PictureReady());
    for (CDrawObj* obj : *doc.GetObjects()) {
        CDrawRect* rect = DrawnPhoto(obj);
        if (rect && (!inView || MeetsClip(dc, rect->m_position)))
            started += Fetch(rect->m_pImage.get(), DeviceSizeOf(dc, rect->m_position));
    }
    return started;
}

CRect PendingPictureArea(CDC* dc, CDrawDoc& doc, std::vector<CDrawObj*>* pending)
{
    pending->clear();
    CPictureHolder* back = doc.BackImage();
    if (doc.m_bDrawBackImage && back && back->IsValid()) {
        const CSize need = doc.m_nBackImagePlacement == CDrawDoc::placeTiled
                               ? CSize(back->GetWidth(), back->GetHeight())
                               : BackImageNeed(dc, doc, *back);
        if (!back->Covers(need.cx, need.cy)) return CRect();
    }
    CRect area;
    for (CDrawObj* obj : *doc.GetObjects()) {
        // Only a photo drawn as itself: it paints its rectangle and nothing
        // else. The placeholder writes a caption that may run past it.
        CDrawRect* rect = DrawnPhoto(obj);
        if (!rect || rect->m_strImagePath == CDrawRect::DefaultImagePath()) continue;
        CPictureHolder& holder = *rect->m_pImage;
        const CSize need = DeviceSizeOf(dc, rect->m_position);
        if (!holder.IsValid() || need.cx <= 0 || need.cy <= 0 || holder.Covers(need.cx, need.cy)) continue;
        CRect device = rect->m_position;
        dc->LPtoDP(&device);
        device.NormalizeRect();
        device.InflateRect(1, 1);
        if (area.IsRectEmpty()) area = device;
        else area.UnionRect(area, device);
        pending->push_back(obj);
    }
    return area;
}

long PendingRowsReady(CDC* dc, const std::vector<CDrawObj*>& pending, const CRect& area, bool* decoding)
{
    // Rows kept in hand above a photo's rows yet to come: the clip the page
    // is drawn with is rounded out to whole page units (six pixels at 600
    // dpi) and grown by two pixels, and a photo within it is drawn.
    constexpr long kRowsInHand = 16;
    *decoding = false;
    long ready = area.bottom;
    for (CDrawObj* obj : pending) {
        auto* rect = static_cast<CDrawRect*>(obj);
        CPictureHolder& holder = *rect->m_pImage;
        const CSize need = DeviceSizeOf(dc, rect->m_position);
        if (holder.Covers(need.cx, need.cy)) continue;
        CRect device = rect->m_position;
        dc->LPtoDP(&device);
        // A photo's rectangle runs from its bottom corner to its top one (it
        // is drawn with both corners swapped): its rows then come in from
        // the top down. Mirrored side to side, its rows are the same.
        const bool upright = device.top > device.bottom;
        device.NormalizeRect();
        long rows = 0;
        const CPictureHolder::Picture_t partial = holder.Partial(need.cx, need.cy, &rows);
        long in = device.top - kRowsInHand;
        if (partial && upright && partial->GetHeight() > 0) {
            *decoding = true;
            const long height = partial->GetHeight();
            in = rows >= height ? device.bottom
                                : device.top + static_cast<long>(static_cast<long long>(rows) * device.Height() / height) -
                                      kRowsInHand;
        }
        ready = std::min(ready, std::max<long>(in, area.top));
    }
    return ready;
}

CSize PagePixels(const CDrawDoc& doc, int dpi)
{
    const CSize page = doc.PageSize();
    const auto scale = [dpi](long units) {
        return static_cast<LONG>((static_cast<long long>(units) * dpi + 50) / 100);
    };
    return CSize(scale(page.cx), scale(page.cy));
}

void PreparePagePicture(CDC* dc, const CDrawDoc& doc, int dpi)
{
    const CSize page = doc.PageSize();
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(100, -100);
    dc->SetViewportExt(dpi, dpi);
    dc->SetWindowOrg(-page.cx / 2, page.cy / 2);
}

int PrefetchPagePictures(CDrawDoc& doc, int dpi)
{
    CMappingDC dc;
    PreparePagePicture(&dc, doc, dpi);
    return PrefetchPagePictures(&dc, doc);
}
