#include "objects/DrawItem.h"

#include "imageio/PictureImage.h"
#include "objects/DC.h"
#include "objects/DrawOleObj.h"

namespace {

constexpr long kFallbackDpi = 96;

int ClampToInt(long long v)
{
    if (v > 0x7FFFFFFF) return 0x7FFFFFFF;
    if (v < -0x7FFFFFFFLL - 1) return -0x7FFFFFFF - 1;
    return static_cast<int>(v);
}

}

CDrawItem::CDrawItem() = default;

CDrawItem::CDrawItem(CDrawDoc* doc, CDrawOleObj* owner) : m_pOwnerObject(owner), m_pDocument(doc) {}

CDrawItem::~CDrawItem() = default;

void CDrawItem::Serialize(CArchive& ar)
{
    // Our own record: item number, format, natural size, then the picture
    // bytes, or a zero length when the document keeps them in the item's
    // storage.
    if (ar.IsStoring()) {
        ar.WriteDWord(m_dwItemNumber);
        ar.WriteLong(m_nFormat);
        ar.WriteSize(m_sizeNatural);
        if (ar.m_bItemDataInStorage) {
            ar.WriteDWord(0);
        } else {
            ar.WriteDWord(static_cast<DWORD>(m_data.size()));
            ar.Write(m_data.data(), m_data.size());
        }
    } else {
        m_pDocument = ar.m_pDocument;
        m_dwItemNumber = ar.ReadDWord();
        const int format = ar.ReadLong();
        m_sizeNatural = ar.ReadSize();
        const DWORD length = ar.ReadDWord();
        ar.Require(length);
        std::vector<BYTE> bytes(length);
        ar.Read(bytes.data(), length);
        m_nFormat = format;
        if (!bytes.empty())
            SetData(std::move(bytes), format);
    }
}

bool CDrawItem::SetData(std::vector<BYTE> bytes, int format)
{
    m_data = std::move(bytes);
    m_nFormat = format;
    m_pPicture.reset();
    if (m_data.empty()) return false;
    auto picture = std::make_unique<CPictureImage>(format);
    if (!picture->Decode(m_data.data(), m_data.size(), format) || !picture->IsValid()) return false;
    m_pPicture = std::move(picture);
    return true;
}

bool CDrawItem::GetExtent(CSize* extent) const
{
    if (m_sizeNatural.cx > 0 && m_sizeNatural.cy > 0) {
        *extent = m_sizeNatural;
        return true;
    }
    if (!m_pPicture) return false;
    const long xDpi = m_pPicture->GetXDPI() > 0 ? m_pPicture->GetXDPI() : kFallbackDpi;
    const long yDpi = m_pPicture->GetYDPI() > 0 ? m_pPicture->GetYDPI() : kFallbackDpi;
    const long long w = m_pPicture->GetWidth();
    const long long h = m_pPicture->GetHeight() < 0 ? -static_cast<long long>(m_pPicture->GetHeight())
                                                    : m_pPicture->GetHeight();
    if (w <= 0 || h <= 0) return false;
    *extent = CSize(ClampToInt(MulDiv64(w, 2540, xDpi)), ClampToInt(MulDiv64(h, 2540, yDpi)));
    return true;
}

void CDrawItem::Draw(CDC* dc, const CRect& rect) const
{
    if (!m_pPicture) return;
    // Pick the corner that lands at the device's top left, whatever the
    // mapping, so the picture reads upright and unmirrored.
    const CRect r = rect.Normalized();
    CPoint corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    dc->LPtoDP(corners, 2);
    const bool flipX = corners[0].x > corners[1].x;
    const bool flipY = corners[0].y > corners[1].y;
    const long x = flipX ? r.right : r.left;
    const long y = flipY ? r.bottom : r.top;
    const long cx = flipX ? r.left - r.right : r.right - r.left;
    const long cy = flipY ? r.top - r.bottom : r.bottom - r.top;
    m_pPicture->Stretch(dc, x, y, cx, cy);
}

void CDrawItem::CopyFrom(const CDrawItem& other)
{
    SetData(other.m_data, other.m_nFormat);
    m_sizeNatural = other.m_sizeNatural;
}

void CDrawItem::OnChange()
{
    UpdateExtent();
    if (m_pOwnerObject) m_pOwnerObject->Invalidate();
}

bool CDrawItem::UpdateExtent()
{
    CDrawOleObj* owner = m_pOwnerObject;
    CSize extent;
    if (!owner || !GetExtent(&extent) || extent == owner->m_sizeExtent) return false;

    owner->Invalidate();
    CRect& r = owner->m_position;
    const CSize old = owner->m_sizeExtent;
    if (old.cx == 0 || old.cy == 0) {
        // First display (or a stored size that cannot be scaled from): the
        // natural size in hundredths of an inch, hanging down from the
        // top-left corner of a page whose y axis points up.
        r.right = ClampToInt(r.left + MulDiv64(extent.cx, 10, 254));
        r.bottom = ClampToInt(r.top - MulDiv64(extent.cy, 10, 254));
    } else {
        const long long width = static_cast<long long>(r.right) - r.left;
        const long long height = static_cast<long long>(r.bottom) - r.top;
        r.right = ClampToInt(r.left + width * extent.cx / old.cx);
        r.bottom = ClampToInt(r.top + height * extent.cy / old.cy);
    }
    owner->m_sizeExtent = extent;
    owner->Invalidate();
    return true;
}

void CDrawItem::TakePictureFrom(CDrawItem& other)
{
    m_data = std::move(other.m_data);
    other.m_data.clear();
    m_nFormat = other.m_nFormat;
    m_pPicture = std::move(other.m_pPicture);
}
