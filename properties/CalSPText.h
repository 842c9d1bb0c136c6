#pragma once

// "Special Days (Holidays)": the cells of special days, which weekdays are
// special, and the other special dates of the month.

#include "properties/CalTextPage.h"

class QLineEdit;

class CCalSPText : public CCalTextPage {
    Q_OBJECT
public:
    explicit CCalSPText(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;
    // Refuses other dates that are not whole numbers 1-31.
    bool Validate() override;

    // The stored form of typed dates: ", 1, 15, 25," (a blank before and a
    // comma after every number, which is what the day matching looks for);
    // an empty text gives ", ". False when a part is not a day 1-31.
    static bool NormalizeDates(const std::string& typed, std::string* stored);
    // The stored form as a person types it ("1, 15, 25"); a text that is
    // not in the stored form is shown as it is.
    static std::string DisplayDates(const std::string& stored);
    // The text to store on OK: a text left as it was loaded is kept exactly,
    // anything typed is normalised.
    bool StoredDates(std::string* stored) const;
    // Loads the stored text into the page.
    void LoadDates(const std::string& stored);

    // Saturdays, Sundays, Mondays ... Fridays.
    BOOL m_bWeekday[7] = {1, 1, 0, 0, 0, 0, 0};

    QCheckBox* m_pWeekday[7];
    QLineEdit* m_pDates;

private:
    std::string m_strLoaded;
    std::string m_strLoadedShown;
};
