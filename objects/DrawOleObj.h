#pragma once

// A drawing object that shows an embedded item (a CDrawItem) in its
// rectangle, which follows the item's natural size.

#include "objects/DrawObj.h"

class CDrawItem;

class CDrawOleObj : public CDrawObj {
public:
    CDrawOleObj();  // for loading: no item
    explicit CDrawOleObj(const CRect& position);
    ~CDrawOleObj() override;

    const char* GetClassName() const override { return "CDrawOleObj"; }
    void Serialize(CArchive& ar) override;
    void Draw(CDC* dc) override;
    void MoveTo(const CRect& position, CDrawView* view = nullptr) override;
    void Open(CDrawView* view) override;
    CDrawObj* Clone(CDrawDoc* doc = nullptr) override;
    void Remove() override;
    void EditItemProperties();

    // Owned; null before an item is attached.
    CDrawItem* m_pItem = nullptr;
    // The item's natural size in 0.01 mm as last seen; (0, 0) until known.
    CSize m_sizeExtent;

    // Whether views outline embedded objects (the view's "show objects").
    static bool c_bShowObjects;
};
