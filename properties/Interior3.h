#pragma once

// Step 3 of the New Calendar Wizard: the page background, with the
// controls of the background colour page.

#include "properties/WizardStep.h"

class CBckClrDlg;

class CInterior3 : public CWizardStep {
    Q_OBJECT
public:
    explicit CInterior3(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    QWidget* FirstControl() const override;

    CBckClrDlg* ColorPage() const { return m_pPage; }

private:
    CBckClrDlg* m_pPage;
};
