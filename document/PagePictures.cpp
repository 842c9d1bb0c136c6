#include "document/PagePictures.h"

#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DC.h"
#include "objects/DrawRect.h"
#include "objects/PictureOnSurface.h"

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

}  // namespace

int PrefetchPagePictures(CDC* dc, CDrawDoc& doc)
{
    int started = 0;
    // The background picture when it is stretched or centred (tiles are
    // drawn from the whole picture).
    CPictureHolder* back = doc.BackImage();
    if (doc.m_bDrawBackImage && back && back->IsValid() && doc.m_nBackImagePlacement != CDrawDoc::placeTiled) {
        const CSize page = doc.m_sizePage;
        CRect area = doc.PageRect();
        if (!doc.m_bBackImageStretch && (page.cx < back->GetWidth() || page.cy < back->GetHeight())) {
            // Fitted to the page as the painter does; any other centred
            // picture is drawn at its own size and needs all of it.
            area = CRect(-page.cx / 2, -page.cy / 2, page.cx / 2, page.cy / 2);
        } else if (!doc.m_bBackImageStretch) {
            area = CRect(0, 0, back->GetWidth(), back->GetHeight());
        }
        started += Fetch(back, DeviceSizeOf(dc, area));
    }
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (!rect || rect->m_nKind != CDrawRect::kindImage || !rect->m_pImage || !rect->m_bOpaque) continue;
        if (rect->m_bShow3D && rect->m_b3DBitmapValid) continue;
        started += Fetch(rect->m_pImage.get(), DeviceSizeOf(dc, rect->m_position));
    }
    return started;
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
