#include "properties/Interior3.h"

#include "document/CalendarGenerator.h"
#include "properties/BckClrDlg.h"

#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

CInterior3::CInterior3(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    setSubTitle(tr("Mondrel New Calendar Wizard - Options"));
    m_pPage = new CBckClrDlg(this, CBckClrDlg::Captions::Wizard);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pPage);
}

QWidget* CInterior3::FirstControl() const
{
    return m_pPage->FillRadio(m_pPage->m_nFillType);
}

void CInterior3::LoadFrom(const CNewCalendarChoices& choices)
{
    m_pPage->SetValues(choices.m_nBackStyle, choices.m_nGradientDirection, choices.m_crFrom, choices.m_crTo);
}

void CInterior3::StoreTo(CNewCalendarChoices& choices) const
{
    choices.m_nBackStyle = m_pPage->m_nFillType;
    choices.m_nGradientDirection = m_pPage->m_nDirection;
    choices.m_crFrom = m_pPage->m_crFrom;
    choices.m_crTo = m_pPage->m_crTo;
}
