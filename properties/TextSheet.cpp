#include "properties/TextSheet.h"

#include "app/Exchange3D.h"
#include "objects/DrawRect.h"
#include "properties/CalPText.h"
#include "properties/PreviewBox.h"
#include "properties/TextPageFields.h"

#include <cstdlib>

namespace {
CTextPageFields TextFields(CDrawRect& o)
{
    return {o.m_fontHeader, o.m_crHeaderBack,       o.m_crHeaderLine,        o.m_bHeaderLine,
            o.m_nHeaderLineType, o.m_nHeaderLineThickness, o.m_bHeaderTransparent, o.m_nHeaderAlign};
}
}  // namespace

CTextSheet::CTextSheet(QWidget* parent) : CObjectSheet(tr("Properties"), parent)
{
    m_pText = new CCalPText;
    AddPage(m_pText);
    m_pText->Preview()->SetPainter([this](CDC* dc, const CRect& box) { PaintPreview(dc, box); });
}

void CTextSheet::Load(CDrawRect& o)
{
    MakePreviewObject(o);
    const CRect& p = o.m_position;
    m_sizeAtStart = CSize(std::abs(p.right - p.left), std::abs(p.bottom - p.top));
    CCalPText& t = *m_pText;
    LoadTextPage(t, TextFields(o));
    t.m_strText = o.m_strText;
    t.m_nRotation = o.m_fontHeader.m_nRotation;
    // Only the three flat alignments are drawn.
    if (t.m_nAlign < 0 || t.m_nAlign > 2) t.m_nAlign = 0;
    t.m_bShow3D = o.m_bShow3D;
    t.m_bWireframe = o.m_bWireframe;
    t.m_sceneParams = o.m_sceneParams;
}

void CTextSheet::ApplyValues(CDrawRect& o) const
{
    const CCalPText& t = *m_pText;
    o.m_bFill = !t.m_bTransparent;
    o.m_nHeaderLineThickness = static_cast<int>(t.m_nThickness);
    // The base pen is on whenever the border has a thickness.
    o.m_bDrawBorder = static_cast<BOOL>(t.m_nThickness);
    if (o.m_bDrawBorder) {
        o.m_logpen.lopnWidth.x = static_cast<int>(t.m_nThickness);
        o.m_logpen.lopnWidth.y = static_cast<int>(t.m_nThickness);
    }
    o.m_strText = t.m_strText;
    o.SetHeaderFont(t.m_strFace, t.m_nPointSize, t.m_bBold, t.m_bItalic, t.m_bUnderline, t.m_crText);
    o.m_fontHeader.m_nRotation = t.m_nRotation;
    StoreTextPage(t, TextFields(o));
    o.m_bShow3D = t.m_bShow3D;
    o.m_bWireframe = t.m_bWireframe;
    o.m_sceneParams = t.m_sceneParams;
    o.m_bFontsReady = 0;
}

void CTextSheet::ApplyTo(CDrawRect& o)
{
    ApplyValues(o);
    o.m_b3DBitmapValid = 0;
    if (o.m_bShow3D) Run3DTextExchange(o, m_sizeAtStart, this);
}

void CTextSheet::UpdatePreviewObject(CDrawRect& preview)
{
    ApplyValues(preview);
}
