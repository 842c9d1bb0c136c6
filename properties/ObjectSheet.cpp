#include "properties/ObjectSheet.h"

#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "properties/PreviewBox.h"
#include "properties/PropertyPage.h"

CObjectSheet::~CObjectSheet() = default;

CDocChange CObjectSheet::Change(CDrawRect& object) const
{
    return CDocChange{tr("Properties"), {&object}, false, false};
}

bool CObjectSheet::Edit(CDrawRect& object)
{
    Load(object);
    SetApplyHandler([this, &object] {
        if (!PrepareApply(object)) return false;
        CDrawDoc* doc = object.m_pDocument;
        ChangeSinkFor(doc)->Commit(doc, Change(object), [this, &object, doc] {
            ApplyTo(object);
            if (doc) doc->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
        });
        // The pages show what the object now holds, so a later OK starts
        // from the applied values (a header made from a new month stays).
        Load(object);
        for (int i = 0; i < PageCount(); ++i) Page(i)->ToControls();
        return true;
    });
    connect(this, &CPropertySheet::PagesChanged, this, [this] {
        for (CPreviewBox* box : findChildren<CPreviewBox*>()) box->update();
    });
    return Run();
}

void CObjectSheet::MakePreviewObject(CDrawRect& object)
{
    if (m_pPreviewObject) return;
    m_pPreviewObject.reset(static_cast<CDrawRect*>(object.Clone(nullptr)));
}

void CObjectSheet::PaintPreview(CDC* dc, const CRect& box)
{
    if (!m_pPreviewObject) return;
    UpdatePreviewObject(*m_pPreviewObject);
    DrawObjectInBox(*m_pPreviewObject, dc, box);
}
