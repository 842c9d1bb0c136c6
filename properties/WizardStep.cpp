#include "properties/WizardStep.h"

#include "properties/IntField.h"
#include "properties/NewCalendarWizard.h"

bool CWizardStep::validatePage()
{
    if (!ValidateIntFields(this)) return false;
    if (CNewCalendarChoices* choices = Choices()) StoreTo(*choices);
    return true;
}

CNewCalendarChoices* CWizardStep::Choices() const
{
    auto* sheet = qobject_cast<CNewCalendarWizard*>(wizard());
    return sheet ? &sheet->m_choices : nullptr;
}
