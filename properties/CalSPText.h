#pragma once

// "Special Days (Holidays)": the cells of special days, which weekdays are
// special, the other special dates of the month, and the iCalendar files
// and public-holiday regions whose days are special days too.

#include "calendar/HolidayList.h"
#include "properties/CalTextPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;

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

    // The holiday files. Each reads the file at once for the years around
    // m_nYear; a file that cannot be read is reported and nothing changes.
    // False when the file was not taken.
    bool AddHolidayFile(const std::string& path);
    // The public holidays of a region ("DE-BY"), made for the same years;
    // a region in the list already is refused.
    bool AddHolidayRegion(const std::string& code);
    void RemoveHolidayFile(int index);
    bool ReloadHolidayFiles();
    // Reads the files again for the years around another year, as a change
    // of the calendar's year does; where that fails the page says so and
    // keeps the days it has.
    bool ReadForYear(int year, bool quietCancel = false);

    // Saturdays, Sundays, Mondays ... Fridays.
    BOOL m_bWeekday[7] = {1, 1, 0, 0, 0, 0, 0};
    CHolidayList m_holidays;
    // The calendar's year, around which the files are read.
    int m_nYear = 2000;

    QCheckBox* m_pWeekday[7];
    QLineEdit* m_pDates;
    QListWidget* m_pFiles;
    QPushButton* m_pAddFile;
    QPushButton* m_pRemoveFile;
    QPushButton* m_pReload;
    // The regions by name, each item's data its code; it starts at the
    // region of the user's country.
    QComboBox* m_pRegion;
    QPushButton* m_pAddRegion;
    QCheckBox* m_pNames;

protected:
    void ApplyEnabling() override;

private:
    void ChooseHolidayFile();
    void ShowFiles();
    bool Refused(const QString& error);
    // Takes a source's days once they are made.
    // Takes the list with a source added at its end and shows it chosen.
    void TakeSources(CHolidayList grown);

    std::string m_strLoaded;
    std::string m_strLoadedShown;
};
