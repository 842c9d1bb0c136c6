#include "properties/BackgroundSheets.h"

#include "app/DocChange.h"
#include "document/DrawDoc.h"
#include "properties/BImgDlg.h"
#include "properties/BckClrDlg.h"
#include "properties/SimpleSheet.h"

#include <memory>

CSimpleSheet* MakeBackgroundColorSheet(QWidget* parent, CDrawDoc* doc, bool* changed)
{
    auto* sheet = new CSimpleSheet(QObject::tr("Background Color"), parent);
    auto* page = new CBckClrDlg(sheet);
    page->SetValues(doc->m_nBackStyle, doc->m_nGradientDirection, doc->m_crBackFrom, doc->m_crBackTo);
    sheet->AddPage(page, QObject::tr("Properties"));
    sheet->SetApplier([doc, page, changed] {
        const bool same = page->m_nFillType == doc->m_nBackStyle && page->m_nDirection == doc->m_nGradientDirection &&
                          page->m_crFrom == doc->m_crBackFrom && page->m_crTo == doc->m_crBackTo;
        if (same) return true;
        CDocChange change{QObject::tr("Background Color"), {}, true, false};
        const int style = page->m_nFillType;
        const int direction = page->m_nDirection;
        const COLORREF from = page->m_crFrom;
        const COLORREF to = page->m_crTo;
        ChangeSinkFor(doc)->Commit(doc, change, [=] { doc->SetBackColors(style, direction, from, to); });
        if (changed) *changed = true;
        return true;
    });
    return sheet;
}

CSimpleSheet* MakeBackgroundImageSheet(QWidget* parent, CDrawDoc* doc, bool* changed)
{
    auto* sheet = new CSimpleSheet(QObject::tr("Background Image"), parent);
    auto* page = new CBImgDlg(sheet);
    page->SetValues(doc->m_bDrawBackImage != 0, doc->m_nBackImagePlacement, doc->m_bBackImageStretch != 0,
                    QString::fromStdString(doc->m_strBackImagePath), QString::fromStdString(doc->m_strBackImageType));
    sheet->AddPage(page, QObject::tr("Properties"));
    sheet->SetApplier([doc, page, changed] {
        const std::string path = page->m_strPath.toStdString();
        const std::string ext = page->m_strExt.toStdString();
        const bool same = page->m_bDraw == (doc->m_bDrawBackImage != 0) &&
                          page->m_nPlacement == doc->m_nBackImagePlacement &&
                          page->m_bStretch == (doc->m_bBackImageStretch != 0) && path == doc->m_strBackImagePath &&
                          ext == doc->m_strBackImageType;
        if (same) return true;
        CDocChange change{QObject::tr("Background Image"), {}, true, false};
        const bool draw = page->m_bDraw;
        const int placement = page->m_nPlacement;
        const bool stretch = page->m_bStretch;
        ChangeSinkFor(doc)->Commit(doc, change,
                                   [=] { doc->SetBackImage(draw, placement, stretch, path, ext); });
        if (changed) *changed = true;
        return true;
    });
    return sheet;
}

namespace {

bool Run(CSimpleSheet* made, const bool& changed)
{
    std::unique_ptr<CSimpleSheet> sheet(made);
    sheet->exec();
    return changed;
}

}  // namespace

bool EditBackgroundColor(QWidget* parent, CDrawDoc* doc)
{
    if (!doc) return false;
    bool changed = false;
    return Run(MakeBackgroundColorSheet(parent, doc, &changed), changed);
}

bool EditBackgroundImage(QWidget* parent, CDrawDoc* doc)
{
    if (!doc) return false;
    bool changed = false;
    return Run(MakeBackgroundImageSheet(parent, doc, &changed), changed);
}
