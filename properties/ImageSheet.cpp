#include "properties/ImageSheet.h"

#include "imageio/PictureHolder.h"
#include "objects/DrawRect.h"
#include "properties/ImagePage.h"
#include "properties/PictureFiles.h"

#include <cstdlib>

CImageSheet::CImageSheet(QWidget* parent) : CObjectSheet(tr("Properties"), parent)
{
    m_pImage = new CImagePropPage;
    AddPage(m_pImage);
}

void CImageSheet::Load(CDrawRect& o)
{
    CImagePropPage& page = *m_pImage;
    page.m_strPath = o.m_strImagePath;
    page.m_strExt = o.m_strImageType;
    page.m_crTransparent = o.m_crTransparent;
    page.m_bOpaque = o.m_bOpaque;
    page.m_bTexture = o.m_bShow3D;
    page.m_bSameSize = 0;
    page.m_bKeepAspect = 0;
}

void CImageSheet::ApplyTo(CDrawRect& o)
{
    CImagePropPage& page = *m_pImage;
    o.m_strImagePath = page.m_strPath;
    // The format lookup compares lower-case extensions; a stored "JPG" or a
    // missing type falls back to the file's own name.
    o.m_strImageType = PictureType(page.m_strExt, page.m_strPath);
    o.m_crTransparent = page.m_crTransparent;
    o.m_bOpaque = page.m_bOpaque;
    o.m_bShow3D = page.m_bTexture;
    page.ReleasePreview();
    o.RebuildImage();

    // Resizing to the picture needs a picture: one that failed to load has
    // no size to take.
    const long long iw = o.m_pImage && o.m_pImage->IsValid() ? o.m_pImage->GetWidth() : 0;
    const long long ih = o.m_pImage && o.m_pImage->IsValid() ? std::llabs(o.m_pImage->GetHeight()) : 0;
    CRect& r = o.m_position;
    if (iw > 0 && ih > 0) {
        if (page.m_bSameSize && !o.m_bShow3D) {
            // One pixel is one page unit; the right and bottom stay.
            r.left = static_cast<int>(r.right + iw);
            r.top = static_cast<int>(r.bottom - ih);
        }
        if (page.m_bKeepAspect) {
            const long long w = static_cast<long long>(r.right) - r.left;
            const long long h = static_cast<long long>(r.bottom) - r.top;
            if (ih < iw)
                r.top = static_cast<int>(r.bottom + ih * w / iw);
            else
                r.left = static_cast<int>(r.right + iw * h / ih);
        }
    }
    if (o.m_bShow3D) {
        // A texture is a 256 x 256 square anchored at the right and bottom.
        r.top = r.bottom - 256;
        r.left = r.right + 256;
        o.m_b3DBitmapValid = 0;
    }
}
