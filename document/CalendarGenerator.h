#pragma once

// Builds a complete first design in an empty document from the answers of
// the New Calendar Wizard: the page background, an optional frame, the photo
// and the month calendars in one of eight layouts.

#include "objects/Message.h"
#include "objects/Types.h"

#include <string>
#include <vector>

class CDrawDoc;
class CHolidayList;
struct CIcalProgress;

// A photo as the wizard and the command line name it.
struct CPhotoFile {
    std::string m_strPath;
    std::string m_strType;  // lower case, without the dot
};

struct CNewCalendarChoices {
    // The wizard's defaults: one month from the current month and year, no
    // photo, a vertical linear gradient from white to light blue, no
    // background picture, no frame, layout 0.
    CNewCalendarChoices();

    std::string m_strPhotoPath;
    std::string m_strPhotoType;  // lower case, without the dot
    int m_nMonths = 1;
    int m_nFirstMonth = 0;  // 0 = January
    int m_nYear = 2000;

    int m_nBackStyle = 0;
    int m_nGradientDirection = 1;
    COLORREF m_crFrom = 0xFFFFFF;
    COLORREF m_crTo = 0xFFEC77;

    BOOL m_bDrawBackImage = 0;
    int m_nBackImagePlacement = 1;
    BOOL m_bBackImageStretch = 0;
    std::string m_strBackImagePath;
    std::string m_strBackImageType = "jpg";

    // The frame values in the order the wizard hands them over.
    BOOL m_bNoFill = 0;
    int m_nOutlineThickness = 1;
    BOOL m_bFrame = 0;
    BOOL m_bDrawOutline = 1;
    int m_nOutlineLineType = 0;
    int m_nSpare = 0;
    COLORREF m_crOutline = 0x000000;
    COLORREF m_crFill = 0x784628;
    int m_nFrameThickness = 15;
    int m_nFillType = 1;  // 1 solid, 0 the pattern picture
    std::string m_strPatternPath;
    std::string m_strPatternType = "jpg";

    int m_nLayout = 0;

    // A wall calendar: a page for each month, each with its own photo from
    // m_photos (in order, cycled when there are fewer photos than months;
    // the photo of m_strPhotoPath when there are none), and a cover first
    // when asked for.
    bool m_bPagePerMonth = false;
    bool m_bCover = false;
    std::vector<CPhotoFile> m_photos;

    // iCalendar files whose events every calendar marks as special days
    // (and public-holiday regions, as "region:DE-BY"), and whether their
    // names are drawn in the cells.
    std::vector<std::string> m_holidayFiles;
    bool m_bHolidayNames = false;
};

class CCalendarGenerator {
public:
    // The frame's rectangle, stored as (left, top, right, bottom).
    static constexpr CRect kFrameRect{379, -492, -377, 506};

    // Fills the document; false (and nothing added) for a layout outside
    // 0-7. The caller has made the document empty. A wall calendar
    // (m_bPagePerMonth) is made by GenerateWall.
    static bool Generate(CDrawDoc& doc, const CNewCalendarChoices& choices);
    // The arrangements that suit a page of one month: the photo above the
    // month (0) and the month over the photo (1).
    static bool SuitsOneMonth(int layout) { return layout == 0 || layout == 1; }
    // A wall calendar in an empty document: the cover (when asked for) with
    // the first photo large and the year as its title, then a page for each
    // month, page k with photo k and the calendar of month k in the chosen
    // layout. False (and nothing made) for a layout that does not suit one
    // month. The first page is current afterwards.
    static bool GenerateWall(CDrawDoc& doc, const CNewCalendarChoices& choices);
    // The title of a wall calendar's cover: the year, or the first and last
    // year when the months run into another.
    static std::string CoverTitle(const CNewCalendarChoices& choices);
    // Gives every calendar of the document, on every page, the iCalendar
    // files (made absolute, so "Reload" finds them from anywhere) and the
    // events read from them for the years its calendars show. All or nothing: when a
    // file cannot be read, no calendar changes and error says why.
    static bool ApplyHolidayFiles(CDrawDoc& doc, const std::vector<std::string>& files, bool showNames,
                                  CMessageOut error);
    // The years of holidays a design of the choices reads: those of its
    // calendars with the years the calendars read around them.
    static void HolidayYears(const CNewCalendarChoices& choices, int* fromYear, int* toYear);
    // Reads the files (made absolute) for the years into list; false with
    // the reason when one cannot be read or the days are too many to keep.
    static bool ReadHolidayFiles(const std::vector<std::string>& files, bool showNames, int fromYear, int toYear,
                                 CHolidayList* list, CMessageOut error, CIcalProgress* progress = nullptr);
    // Gives every calendar of the document, on every page, the list.
    static void ApplyHolidayList(CDrawDoc& doc, const CHolidayList& list);
    // How many calendars a layout makes for the number of months asked for:
    // layouts 0 and 1 make that many, the others their own fixed set.
    static int MonthCount(int layout, int months);
    // The photo's rectangle for a layout and frame offset.
    static CRect ImageRect(int layout, int f);
    // Where Generate puts the photo, before it is fitted to the photo's
    // shape: the layout's image rectangle, or for layouts 2-7 the area the
    // calendars leave when they had to be drawn together.
    static CRect PhotoArea(const CNewCalendarChoices& choices, CSize page);
};
