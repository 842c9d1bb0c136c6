#pragma once

// A property sheet that edits one rectangle-based object: it loads its
// pages from the object, applies them back in the object's own order, and
// names the undo step and the objects the step rewrites. Each sheet keeps a
// private copy of the object for its previews, so the previews show the
// values drawn by the object's own drawing code.

#include "app/DocChange.h"
#include "properties/PropertySheet.h"

#include <memory>

class CDC;
class CDrawRect;
struct CRect;

class CObjectSheet : public CPropertySheet {
    Q_OBJECT
public:
    using CPropertySheet::CPropertySheet;
    ~CObjectSheet() override;

    // Fills the pages from the object (again after an Apply).
    virtual void Load(CDrawRect& object) = 0;
    // Copies the pages' values into the object as OK does.
    virtual void ApplyTo(CDrawRect& object) = 0;
    // Work that may ask the user something before OK or Apply changes the
    // object, outside the undoable step; false keeps the sheet open.
    virtual bool PrepareApply(CDrawRect&) { return true; }
    virtual CDocChange Change(CDrawRect& object) const;

    // Opens the sheet on the object; OK and Apply go through the document's
    // change sink as one undoable step each.
    bool Edit(CDrawRect& object);

protected:
    // The preview copy, made from the object on the first Load.
    CDrawRect* PreviewObject() const { return m_pPreviewObject.get(); }
    void MakePreviewObject(CDrawRect& object);
    // Paints the preview copy after the pages' values have been put into it.
    void PaintPreview(CDC* dc, const CRect& box);
    // Puts the pages' current values into the preview copy.
    virtual void UpdatePreviewObject(CDrawRect& preview) = 0;

private:
    std::unique_ptr<CDrawRect> m_pPreviewObject;
};
