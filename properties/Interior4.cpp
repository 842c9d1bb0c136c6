#include "properties/Interior4.h"

#include "document/CalendarGenerator.h"
#include "properties/BImgDlg.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QVBoxLayout>

CInterior4::CInterior4(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    setSubTitle(tr("Mondrel New Calendar Wizard - Options"));
    m_pPage = new CBImgDlg(this, CBImgDlg::Captions::Wizard);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pPage);
}

QWidget* CInterior4::FirstControl() const
{
    return m_pPage->DrawCheck();
}

void CInterior4::LoadFrom(const CNewCalendarChoices& choices)
{
    m_pPage->SetValues(choices.m_bDrawBackImage != 0, choices.m_nBackImagePlacement, choices.m_bBackImageStretch != 0,
                       QString::fromStdString(choices.m_strBackImagePath),
                       QString::fromStdString(choices.m_strBackImageType));
}

void CInterior4::StoreTo(CNewCalendarChoices& choices) const
{
    choices.m_bDrawBackImage = m_pPage->m_bDraw ? 1 : 0;
    choices.m_nBackImagePlacement = m_pPage->m_nPlacement;
    choices.m_bBackImageStretch = m_pPage->m_bStretch ? 1 : 0;
    choices.m_strBackImagePath = m_pPage->m_strPath.toStdString();
    choices.m_strBackImageType = m_pPage->m_strExt.toStdString();
}
