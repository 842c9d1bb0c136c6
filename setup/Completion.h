#pragma once

// The last page of the setup wizard: Finish installs.

#include "setup/WizardPage.h"

class CCompletion : public CWizardPage {
    Q_OBJECT
public:
    explicit CCompletion(CWizardSheet* sheet);

    void OnSetActive() override;
    bool OnWizardFinish() override;
    bool HasHelp() const override { return true; }
    void OnHelp() override;
};
