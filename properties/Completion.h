#pragma once

// Step 7 of the New Calendar Wizard: a summary of the photo and the months
// before Finish makes the page.

#include "properties/WizardStep.h"

class QLabel;

class CCompletion : public CWizardStep {
    Q_OBJECT
public:
    explicit CCompletion(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    bool StoresOnBack() const override { return false; }
    void initializePage() override;

    // Fills the summary from the values (the month's name only for 0-11).
    void ShowSummary(const CNewCalendarChoices& choices);
    QString ImageText() const;
    QString MonthsText() const;
    QString FirstMonthText() const;
    QString YearText() const;

private:
    QLabel* m_pImage;
    QLabel* m_pMonths;
    QLabel* m_pFirstMonth;
    QLabel* m_pYear;
};
