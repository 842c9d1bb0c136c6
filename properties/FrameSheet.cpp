#include "properties/FrameSheet.h"

#include "objects/DrawRect.h"
#include "properties/FramePage.h"
#include "properties/PictureFiles.h"
#include "properties/PreviewBox.h"

CFrameSheet::CFrameSheet(QWidget* parent) : CObjectSheet(tr("Frame"), parent)
{
    m_pFrame = new CFramePropPage;
    AddPage(m_pFrame);
    m_pFrame->Preview()->SetPainter([this](CDC* dc, const CRect& box) { PaintPreview(dc, box); });
}

void CFrameSheet::Load(CDrawRect& o)
{
    MakePreviewObject(o);
    CFramePropPage& f = *m_pFrame;
    f.m_bOutline = o.m_bDrawBorder;
    f.m_nOutlineThickness = static_cast<unsigned int>(o.m_nBorderThickness < 0 ? 0 : o.m_nBorderThickness);
    f.m_nLineType = o.m_nBorderLineType;
    f.m_crOutline = o.LineColor();
    f.m_crFill = o.FillColor();
    f.m_nFrameType = o.m_nGridLineType;
    f.m_nFrameThickness = o.m_nGridThickness;
    f.m_strPath = o.m_strImagePath;
    f.m_strExt = o.m_strImageType;
    f.m_bNoFill = !o.m_bFill;
}

void CFrameSheet::ApplyValues(CDrawRect& o) const
{
    const CFramePropPage& f = *m_pFrame;
    o.m_bFill = !f.m_bNoFill;
    o.m_bDrawBorder = f.m_bOutline;
    if (f.m_bOutline) {
        o.m_logpen.lopnWidth.x = static_cast<int>(f.m_nOutlineThickness);
        o.m_logpen.lopnWidth.y = static_cast<int>(f.m_nOutlineThickness);
    }
    o.SetLineColor(f.m_crOutline);
    o.SetFillColor(f.m_crFill);
    o.m_nBorderLineType = f.m_nLineType;
    o.m_nBorderThickness = static_cast<int>(f.m_nOutlineThickness);
    o.m_nGridThickness = f.m_nFrameThickness;
    o.m_strImagePath = f.m_strPath;
    o.m_strImageType = PictureType(f.m_strExt, f.m_strPath);
    o.m_nGridLineType = f.m_nFrameType;
}

void CFrameSheet::ApplyTo(CDrawRect& o)
{
    ApplyValues(o);
    o.RebuildImage();
}

void CFrameSheet::UpdatePreviewObject(CDrawRect& preview)
{
    const std::string path = preview.m_strImagePath;
    const std::string type = preview.m_strImageType;
    ApplyValues(preview);
    // The pattern is decoded again only when another picture was chosen.
    if (preview.m_strImagePath != path || preview.m_strImageType != type) preview.RebuildImage();
}
