#include "properties/PropertyPage.h"

#include "properties/IntField.h"

CPropertyPage::CPropertyPage(const QString& caption, QWidget* parent) : QWidget(parent), m_strCaption(caption) {}

bool CPropertyPage::Validate()
{
    return ValidateIntFields(this);
}

void CPropertyPage::OnControlChanged()
{
    if (m_bLoading) return;
    FromControls();
    ApplyEnabling();
    emit Changed();
}
