#include "objects/ObjectProperties.h"

#include "objects/DrawObj.h"

namespace {
CPropertiesUI* g_pPropertiesUI = nullptr;
}

CPropertiesUI* GetPropertiesUI()
{
    return g_pPropertiesUI;
}

void SetPropertiesUI(CPropertiesUI* ui)
{
    g_pPropertiesUI = ui;
}

CObjectProperties CObjectProperties::FromObject(CDrawObj& object)
{
    CObjectProperties values;
    values.m_bTransparent = !object.m_bFill;
    values.m_nThickness = object.m_nBorderThickness;
    values.m_bDrawBorder = object.m_bDrawBorder;
    values.m_crBorder = object.LineColor();
    values.m_crFill = object.FillColor();
    values.m_nLineType = object.m_nBorderLineType;
    return values;
}

void CObjectProperties::ApplyTo(CDrawObj& object) const
{
    object.m_bFill = !m_bTransparent;
    object.m_bDrawBorder = m_bDrawBorder;
    // A border that is switched off keeps its old width, so switching it
    // back on restores what the user had.
    if (m_bDrawBorder) {
        object.m_logpen.lopnWidth.x = m_nThickness;
        object.m_logpen.lopnWidth.y = m_nThickness;
    }
    object.SetLineColor(m_crBorder);
    object.SetFillColor(m_crFill);
    object.m_nBorderLineType = m_nLineType;
    object.m_nBorderThickness = m_nThickness;
    object.Invalidate();
    object.SetModified();
}
