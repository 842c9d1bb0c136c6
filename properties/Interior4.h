#pragma once

// Step 4 of the New Calendar Wizard: a picture behind the page, with the
// controls of the background image page.

#include "properties/WizardStep.h"

class CBImgDlg;

class CInterior4 : public CWizardStep {
    Q_OBJECT
public:
    explicit CInterior4(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    QWidget* FirstControl() const override;

    CBImgDlg* ImagePage() const { return m_pPage; }

private:
    CBImgDlg* m_pPage;
};
