#pragma once

// The embedded item of a CDrawOleObj. Without an embedding service on this
// platform an item is a static picture pasted from another program or
// inserted from a file: the encoded picture bytes and their format code,
// decoded once for drawing. The bytes stay available so that the document
// can keep them in the item's own storage of the compound file.

#include "document/Archive.h"
#include "objects/Types.h"

#include <memory>
#include <vector>

class CDC;
class CDrawDoc;
class CDrawOleObj;
class CPictureImage;

class CDrawItem : public CObject {
public:
    CDrawItem();
    CDrawItem(CDrawDoc* doc, CDrawOleObj* owner);
    ~CDrawItem() override;
    CDrawItem(const CDrawItem&) = delete;
    CDrawItem& operator=(const CDrawItem&) = delete;

    const char* GetClassName() const override { return "CDrawItem"; }
    void Serialize(CArchive& ar) override;

    // Takes the encoded picture and decodes it; false when it does not
    // decode (the bytes are kept all the same, so nothing is lost on save).
    bool SetData(std::vector<BYTE> bytes, int format);
    const std::vector<BYTE>& Data() const { return m_data; }
    int Format() const { return m_nFormat; }
    bool IsBlank() const { return m_data.empty(); }
    const CPictureImage* Picture() const { return m_pPicture.get(); }

    // The natural size in 0.01 mm: set explicitly, or else the picture's
    // pixels at its own resolution. False when there is no picture.
    bool GetExtent(CSize* extent) const;
    void SetExtent(const CSize& extent) { m_sizeNatural = extent; }

    // Draws the picture upright into a rectangle in either corner order.
    void Draw(CDC* dc, const CRect& rect) const;
    // The copy a clone gets: the same bytes, format and natural size.
    void CopyFrom(const CDrawItem& other);
    // Takes over the other item's bytes and decoded picture (the other is
    // left blank); the designer's undo history restores an item's record
    // without decoding its picture again.
    void TakePictureFrom(CDrawItem& other);

    // The content changed: the owner's rectangle follows the natural size
    // and the owner is repainted.
    void OnChange();
    // Fits the owner's rectangle to the natural size: the first time it
    // hangs down from the top-left corner at its natural size, afterwards
    // it keeps its scale. False when nothing changed.
    bool UpdateExtent();

    CDrawOleObj* m_pOwnerObject = nullptr;
    CDrawDoc* m_pDocument = nullptr;
    // Names the item's storage in the document's compound file.
    DWORD m_dwItemNumber = 0;

private:
    std::vector<BYTE> m_data;
    int m_nFormat = 0;
    std::unique_ptr<CPictureImage> m_pPicture;
    CSize m_sizeNatural;
};
