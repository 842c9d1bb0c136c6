#include "document/PagePictures.h"

#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DC.h"
#include "objects/DrawRect.h"
#include "objects/PictureOnSurface.h"

namespace {

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
