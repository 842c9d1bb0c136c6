#pragma once

// Step 2 of the New Calendar Wizard: how many months, from which month and
// year.

#include "properties/WizardStep.h"

class CIntField;
class QComboBox;

class CInterior1 : public CWizardStep {
    Q_OBJECT
public:
    explicit CInterior1(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    QWidget* FirstControl() const override;

    // The range of the number of months.
    static constexpr int kMinMonths = 1;
    static constexpr int kMaxMonths = 24;

    CIntField* MonthsField() const { return m_pMonths; }
    QComboBox* FirstMonthList() const { return m_pFirstMonth; }
    CIntField* YearField() const { return m_pYear; }

private:
    CIntField* m_pMonths;
    QComboBox* m_pFirstMonth;
    CIntField* m_pYear;
};

// "January" ... "December" for 0-11, empty otherwise.
QString EnglishMonthName(int index);
