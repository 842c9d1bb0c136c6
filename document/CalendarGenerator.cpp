#include "document/CalendarGenerator.h"

#include "calendar/IcalReader.h"
#include "calendar/PublicHolidays.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <filesystem>
#include <functional>

namespace {

constexpr COLORREF kHeaderColor = 0x646400;
constexpr COLORREF kDaysColor = 0xFF0000;
constexpr COLORREF kSpecialColor = 0x0000FF;
const char* const kFace = "Tahoma";

struct CFonts {
    int header;
    int others;
    BOOL specialBold;
};

// Adds calendars one after another, stepping the month and year.
class CMonthRun {
public:
    CMonthRun(CDrawDoc& doc, int firstMonthIndex, int year) : m_doc(doc), m_month(firstMonthIndex + 1), m_year(year) {}

    void Add(const CRect& rect, const CFonts* fonts = nullptr)
    {
        auto* cal = new CDrawRect(rect, CDrawRect::kindCalendar);
        cal->SetCalendarMonth(m_month, m_year);
        if (fonts) {
            cal->SetHeaderFont(kFace, fonts->header, 1, 0, 0, kHeaderColor);
            cal->SetDayNameFont(kFace, fonts->others, 0, 0, 0, kDaysColor);
            cal->SetDaysFont(kFace, fonts->others, 0, 0, 0, kDaysColor);
            cal->SetSpecialFont(kFace, fonts->others, fonts->specialBold, 0, 0, kSpecialColor);
        }
        m_doc.Add(cal);
        if (++m_month > 12) {
            m_month = 1;
            ++m_year;
        }
    }

private:
    CDrawDoc& m_doc;
    int m_month;
    int m_year;
};

// The grid of layouts 0 and 1: filled row by row, three or four columns.
void Grid(CMonthRun& run, int n, int lastColumn, const std::function<CRect(int k, int r)>& cell)
{
    int k = 0;
    int r = 0;
    for (int i = 0; i < n; ++i) {
        run.Add(cell(k, r));
        if (++k > lastColumn) {
            k = 0;
            ++r;
        }
    }
}

// Layout 4's cells, also the top and bottom rows of layout 5.
CRect Layout4Cell(int c, int r, bool frame, int f)
{
    if (r == 0) {
        return frame ? CRect(f + 170 * c - 192, 356 - f - 144 * r, f + 170 * c - 357, 486 - f - 144 * r)
                     : CRect(170 * c - 172, 356 - 144 * r, 170 * c - 337, 486 - 144 * r);
    }
    return frame ? CRect(f + 170 * c - 192, -f - 144 * r - 307, f + 170 * c - 357, -f - 144 * r - 177)
                 : CRect(170 * c - 172, -144 * r - 343, 170 * c - 337, -144 * r - 213);
}

// A column on the left (layouts 2, 5 and 7).
CRect LeftCell(int c, int r, int base, bool frame, int f)
{
    return frame ? CRect(f + 188 * c - 177, base - f - 144 * r, f + 188 * c - 352, base + 130 - f - 144 * r)
                 : CRect(188 * c - 177, base - 144 * r, 188 * c - 352, base + 130 - 144 * r);
}

// A column on the right (layouts 3, 5 and 6).
CRect RightCell(int c, int r, int base, bool frame, int f)
{
    return frame ? CRect(188 * c - f - 202, base - f - 144 * r, 188 * c - f - 377, base + 130 - f - 144 * r)
                 : CRect(188 * c - 197, base - 144 * r, 188 * c - 372, base + 130 - 144 * r);
}

// The bottom row of layouts 2 and 3.
CRect BottomRowCell(int c, int r, bool frame, int f)
{
    return frame ? CRect(f + 188 * c - 107, 306 - f - 144 * r, f + 188 * c - 282, 436 - f - 144 * r)
                 : CRect(188 * c - 107, 266 - 144 * r, 188 * c - 282, 396 - 144 * r);
}

// The top row of layouts 6 and 7.
CRect TopRowCell(int c, int r, bool frame, int f)
{
    return frame ? CRect(f + 188 * c - 107, 356 - f - 144 * r, f + 188 * c - 282, 486 - f - 144 * r)
                 : CRect(188 * c - 107, 356 - 144 * r, 188 * c - 282, 486 - 144 * r);
}

}  // namespace

CNewCalendarChoices::CNewCalendarChoices()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local)) {
        m_nFirstMonth = local.tm_mon;
        m_nYear = local.tm_year + 1900;
    }
    const std::string& dir = Environment().m_strInstallDir;
    m_strBackImagePath = dir + "BckImage.jpg";
    m_strPatternPath = dir + "BckImage.jpg";
}

CRect CCalendarGenerator::ImageRect(int layout, int f)
{
    switch (layout) {
    case 0: return CRect(350 - f, f + 28, f - 350, 490 - f);
    case 1: return CRect(350 - f, f - 470, f - 350, 490 - f);
    case 2: return CRect(350 - f, f - 306, f - 162, 480 - f);
    case 3: return CRect(162 - f, f - 306, f - 350, 480 - f);
    case 4: return CRect(350 - f, f - 346, f - 350, 346 - f);
    case 5: return CRect(162 - f, f - 346, f - 162, 346 - f);
    case 6: return CRect(162 - f, f - 470, f - 350, 346 - f);
    case 7: return CRect(350 - f, f - 470, f - 162, 346 - f);
    default: return CRect();
    }
}

bool CCalendarGenerator::Generate(CDrawDoc& doc, const CNewCalendarChoices& ch)
{
    const int layout = ch.m_nLayout;
    if (layout < 0 || layout > 7) return false;

    // The page background.
    doc.m_nBackStyle = ch.m_nBackStyle;
    doc.m_nGradientDirection = ch.m_nGradientDirection;
    doc.m_crBackFrom = ch.m_crFrom;
    doc.m_crBackTo = ch.m_crTo;
    doc.m_strBackImagePath = ch.m_strBackImagePath;
    doc.m_strBackImageType = ch.m_strBackImageType;
    doc.m_bDrawBackImage = ch.m_bDrawBackImage;
    doc.m_nBackImagePlacement = ch.m_nBackImagePlacement;
    doc.m_bBackImageStretch = ch.m_bBackImageStretch;
    doc.RebuildBackImage();

    // The frame; its band thickness is the offset of everything inside.
    const bool frame = ch.m_bFrame != 0;
    int f = 0;
    if (frame) {
        f = ch.m_nFrameThickness;
        auto* obj = new CDrawRect(kFrameRect, CDrawRect::kindFrame);
        obj->SetFrameStyle(ch.m_bNoFill, ch.m_nOutlineThickness, ch.m_bDrawOutline, ch.m_nOutlineLineType, ch.m_nSpare,
                           ch.m_crOutline, ch.m_crFill, ch.m_nFrameThickness, ch.m_nFillType, ch.m_strPatternPath,
                           ch.m_strPatternType);
        doc.Add(obj);
    }

    // The photo, fitted to its aspect ratio; layout 0 centres it again.
    int T = 0;
    if (!ch.m_strPhotoPath.empty()) {
        auto* photo = new CDrawRect(ImageRect(layout, f), CDrawRect::kindImage);
        photo->SetImageFile(ch.m_strPhotoPath, ch.m_strPhotoType);
        doc.Add(photo);
        CRect r = photo->m_position;
        if (layout == 0) {
            int w = r.right - r.left;
            r.left = -w / 2;
            r.right = w / 2;
            photo->m_position = r;
        }
        T = r.top;
    }

    CMonthRun run(doc, ch.m_nFirstMonth, ch.m_nYear);
    const int n = ch.m_nMonths;
    switch (layout) {
    case 0:
        if (n == 1) {
            CFonts fonts{36, 28, 0};
            run.Add(CRect(350 - f, f - 480, f - 350, T + f), &fonts);
        } else if (n == 2) {
            CFonts first{26, 16, 0};
            CFonts second{28, 16, 0};
            run.Add(CRect(-f, f - 480, f - 350, T + f), &first);
            run.Add(CRect(350 - f, f - 480, f, T + f), &second);
        } else if (n >= 3) {
            Grid(run, n, n > 14 ? 3 : 2, [&](int k, int r) {
                return frame ? CRect(f + 188 * k - 117, T - f - 144 * r - 140, f + 188 * k - 292, T - f - 144 * r - 10)
                             : CRect(188 * k - 102, T - 144 * r - 140, 188 * k - 277, T - 144 * r - 10);
            });
        }
        break;
    case 1:
        if (n == 1) {
            CFonts fonts{36, 28, 0};
            run.Add(CRect(350 - f, f - 480, f - 350, f), &fonts);
        } else if (n == 2) {
            CFonts first{26, 16, 1};
            CFonts second{28, 16, 1};
            run.Add(CRect(350 - f, -f, f - 350, 490 - f), &first);
            run.Add(CRect(350 - f, f - 470, f - 350, -f), &second);
        } else if (n >= 3) {
            Grid(run, n, n > 24 ? 3 : 2, [&](int k, int r) {
                return frame ? CRect(f + 188 * k - 117, 316 - f - 144 * r, f + 188 * k - 292, 446 - f - 144 * r)
                             : CRect(188 * k - 107, 316 - 144 * r, 188 * k - 282, 446 - 144 * r);
            });
        }
        break;
    case 2:
        // Five down the left, then three along the bottom.
        for (int i = 0, r = 0, c = 0; i < 8; ++i) {
            run.Add(r < 5 ? LeftCell(c, r, 316, frame, f) : BottomRowCell(c, r, frame, f));
            if (r < 5) {
                ++r;
                c = 0;
            } else {
                ++c;
            }
        }
        break;
    case 3:
        // Five down the right, then three along the bottom.
        for (int i = 0, r = 0, c = 3; i < 8; ++i) {
            run.Add(r < 5 ? RightCell(c, r, 316, frame, f) : BottomRowCell(c, r, frame, f));
            if (r < 5) {
                ++r;
                c = r < 5 ? 3 : 0;
            } else {
                ++c;
            }
        }
        break;
    case 4:
        // Four on top, four at the bottom.
        for (int i = 0, r = 0, c = 0; i < 8; ++i) {
            run.Add(Layout4Cell(c, r, frame, f));
            if (c < 3) {
                ++c;
            } else {
                c = 0;
                ++r;
            }
        }
        break;
    case 5:
        // Four runs of four: top, right, left, bottom. The right run stays in
        // the right column from its first calendar on, so that it does not
        // cover the first calendar of the left run.
        for (int c = 0; c < 4; ++c) run.Add(Layout4Cell(c, 0, frame, f));
        for (int r = 0; r < 4; ++r) run.Add(RightCell(3, r, 146, frame, f));
        for (int r = 0; r < 4; ++r) run.Add(LeftCell(0, r, 146, frame, f));
        for (int c = 0; c < 4; ++c) run.Add(Layout4Cell(c, 1, frame, f));
        break;
    case 6:
    case 7: {
        // Three on top, then five down the right (6) or the left (7).
        const int column = layout == 6 ? 3 : 0;
        for (int i = 0, r = 0, c = 0; i < 8; ++i) {
            if (r == 0)
                run.Add(TopRowCell(c, r, frame, f));
            else
                run.Add(layout == 6 ? RightCell(c, r, 316, frame, f) : LeftCell(c, r, 316, frame, f));
            if (r == 0) {
                if (++c > 2) {
                    r = 1;
                    c = column;
                }
            } else {
                ++r;
                c = column;
            }
        }
        break;
    }
    }

    doc.SetModifiedFlag();
    doc.UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
    return true;
}

void CCalendarGenerator::HolidayYears(const CNewCalendarChoices& choices, int* fromYear, int* toYear)
{
    const int lastYear = choices.m_nYear + (std::max(choices.m_nFirstMonth, 0) + std::max(choices.m_nMonths, 1) - 1) / 12;
    *fromYear = choices.m_nYear - CHolidayList::kYearsBefore;
    *toYear = lastYear + CHolidayList::kYearsAfter;
}

bool CCalendarGenerator::ReadHolidayFiles(const std::vector<std::string>& files, bool showNames, int fromYear,
                                          int toYear, CHolidayList* list, std::string* error, CIcalProgress* progress)
{
    CHolidayList read;
    read.m_bShowNames = showNames;
    for (const std::string& file : files) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
        read.m_files.push_back(ec || IsRegionSource(file) ? file : absolute.lexically_normal().string());
    }
    if (!read.WithinLimits(error) || !ReloadHolidayList(&read, fromYear, toYear, error, progress)) return false;
    *list = std::move(read);
    return true;
}

void CCalendarGenerator::ApplyHolidayList(CDrawDoc& doc, const CHolidayList& list)
{
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (rect && rect->m_nKind == CDrawRect::kindCalendar) rect->m_holidays = list;
    }
}

bool CCalendarGenerator::ApplyHolidayFiles(CDrawDoc& doc, const std::vector<std::string>& files, bool showNames,
                                           std::string* error)
{
    int fromYear = INT_MAX, toYear = INT_MIN;
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (!rect || rect->m_nKind != CDrawRect::kindCalendar) continue;
        fromYear = std::min(fromYear, rect->m_nYear - CHolidayList::kYearsBefore);
        toYear = std::max(toYear, rect->m_nYear + CHolidayList::kYearsAfter);
    }
    if (fromYear > toYear || files.empty()) return true;
    CHolidayList list;
    if (!ReadHolidayFiles(files, showNames, fromYear, toYear, &list, error)) return false;
    ApplyHolidayList(doc, list);
    return true;
}
