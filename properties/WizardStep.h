#pragma once

// A page of the New Calendar Wizard. The wizard carries the values the
// pages hand over; a page fills its controls from them once and copies its
// controls back when the user moves on (and, for most pages, back).

#include <QtWidgets/QWizardPage>

struct CNewCalendarChoices;

class CWizardStep : public QWizardPage {
    Q_OBJECT
public:
    using QWizardPage::QWizardPage;

    virtual void LoadFrom(const CNewCalendarChoices& choices) = 0;
    // Copies the controls' values; integer fields that are out of range
    // are left out (they are refused when the user moves on).
    virtual void StoreTo(CNewCalendarChoices& choices) const = 0;
    // Whether going Back also hands the values over.
    virtual bool StoresOnBack() const { return true; }
    // The control that takes the focus when the page is shown: never a
    // push button, so that Return moves on.
    virtual QWidget* FirstControl() const { return nullptr; }

    // Checks the page's integer fields and hands the values over.
    bool validatePage() override;

protected:
    CNewCalendarChoices* Choices() const;
};
