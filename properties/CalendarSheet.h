#pragma once

// "Calendar Properties": the five pages of a month calendar.

#include "properties/ObjectSheet.h"

#include <string>

class CCalDWText;
class CCalDaysText;
class CCalGenProp;
class CCalHText;
class CCalSPText;

class CCalendarSheet : public CObjectSheet {
    Q_OBJECT
public:
    explicit CCalendarSheet(QWidget* parent = nullptr);
    void Load(CDrawRect& object) override;
    void ApplyTo(CDrawRect& object) override;
    bool PrepareApply(CDrawRect& object) override;
    CDocChange Change(CDrawRect& object) const override;

    CCalGenProp* m_pGeneral;
    CCalHText* m_pHeader;
    CCalDWText* m_pDayNames;
    CCalDaysText* m_pDays;
    CCalSPText* m_pSpecial;

protected:
    void UpdatePreviewObject(CDrawRect& preview) override;

private:
    // Everything but the copy to the other calendars, against the month,
    // year and header the sheet was loaded with.
    void ApplyValues(CDrawRect& target) const;

    int m_nLoadedMonth = 0;
    int m_nLoadedYear = 0;
    std::string m_strLoadedHeader;
};
