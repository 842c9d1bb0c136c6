#pragma once

// Step 7 of the New Calendar Wizard: a summary of the photo and the months
// before Finish makes the page, an optional iCalendar file whose
// holidays and birthdays every calendar marks, and the region whose
// public holidays they mark.

#include "objects/Message.h"
#include "properties/WizardStep.h"

#include <string>

class CHolidayList;
class QComboBox;
class QLabel;
class QPushButton;

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
    // Why the number of months differs from the one asked for; empty when
    // it does not.
    QString MonthsNoteText() const;
    QString FirstMonthText() const;
    QString YearText() const;
    // The pages a page for each month makes; empty for all months on one
    // page.
    QString PagesText() const;

    // Takes a holiday file after reading it; a file that cannot be read is
    // reported and the choice stays as it was. An empty path clears it.
    bool SetHolidayFile(const std::string& path);
    const std::string& HolidayFile() const { return m_strHolidayFile; }
    // The region's code, "" for none.
    std::string HolidayRegion() const;
    QComboBox* m_pRegion;
    QPushButton* m_pChooseHolidays;
    QPushButton* m_pClearHolidays;

private:
    void ChooseHolidayFile();
    void ShowHolidayFile(const std::string& file);

    std::string m_strHolidayFile;
    QLabel* m_pHolidays;
    QLabel* m_pImage;
    QLabel* m_pMonths;
    QLabel* m_pMonthsNote;
    QLabel* m_pFirstMonth;
    QLabel* m_pYear;
    QLabel* m_pPages;
    class QFormLayout* m_pForm;
};

// Reads the holiday files of the choices for the years of the design they
// make, with a progress window for large files.
bool ReadWizardHolidays(QWidget* parent, const CNewCalendarChoices& choices, CHolidayList* list, CMessage* error);
