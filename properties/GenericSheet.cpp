#include "properties/GenericSheet.h"

#include "objects/DrawRect.h"
#include "properties/GenericPage.h"
#include "properties/PreviewBox.h"

CGenericSheet::CGenericSheet(QWidget* parent) : CObjectSheet(tr("Generic Drawing Object"), parent)
{
    m_pPage = new CGenericPropPage;
    AddPage(m_pPage);
}

void CGenericSheet::Load(CDrawRect& object)
{
    if (!PreviewObject()) {
        MakePreviewObject(object);
        m_pPage->Preview()->SetPainter([this](CDC* dc, const CRect& box) { PaintPreview(dc, box); });
    }
    m_pPage->m_values = CObjectProperties::FromObject(object);
}

void CGenericSheet::ApplyTo(CDrawRect& object)
{
    m_pPage->m_values.ApplyTo(object);
}

void CGenericSheet::UpdatePreviewObject(CDrawRect& preview)
{
    m_pPage->m_values.ApplyTo(preview);
}

bool CGenericSheet::EditValues(CObjectProperties& values, QWidget* parent)
{
    CGenericSheet sheet(parent);
    sheet.SetApplyVisible(false);
    sheet.m_pPage->Preview()->hide();
    sheet.m_pPage->m_values = values;
    if (!sheet.Run()) return false;
    values = sheet.m_pPage->m_values;
    return true;
}
