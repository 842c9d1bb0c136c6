#include "document/CalendarGenerator.h"

#include "calendar/IcalReader.h"
#include "calendar/PublicHolidays.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "imageio/PictureImage.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>

namespace {

constexpr COLORREF kHeaderColor = 0x646400;
constexpr COLORREF kDaysColor = 0xFF0000;
constexpr COLORREF kSpecialColor = 0x0000FF;
const char* const kFace = "Tahoma";
// How far calendars that had to be moved in stand from the frame's band,
// from the edge of a page without a frame and below the photo of layout 0.
constexpr int kFrameGap = 10;
constexpr int kPageMargin = 45;
constexpr int kPhotoGap = 10;

struct CFonts {
    int header;
    int others;
    BOOL specialBold;
};

// A calendar to be made: its rectangle and, for the single and double
// calendars of layouts 0 and 1, the type the layout gives it.
struct CCell {
    CRect rect;
    bool hasFonts = false;
    CFonts fonts{};
};

// Collects the cells of a layout in the order their months follow.
class CCellRun {
public:
    void Add(const CRect& rect, const CFonts* fonts = nullptr)
    {
        CCell cell{rect};
        if (fonts) {
            cell.hasFonts = true;
            cell.fonts = *fonts;
        }
        m_cells.push_back(cell);
    }
    std::vector<CCell> m_cells;
};

// Makes the calendars of the cells, stepping the month and year; the type
// is scaled with the cells when they had to be made smaller.
void AddCalendars(CDrawDoc& doc, const std::vector<CCell>& cells, int firstMonthIndex, int year, double typeScale)
{
    int month = firstMonthIndex + 1;
    auto scaled = [typeScale](int size) {
        return typeScale >= 1.0 ? size : std::max(1, static_cast<int>(std::lround(size * typeScale)));
    };
    for (const CCell& cell : cells) {
        auto* cal = new CDrawRect(cell.rect, CDrawRect::kindCalendar);
        cal->SetCalendarMonth(month, year);
        if (cell.hasFonts) {
            cal->SetHeaderFont(kFace, scaled(cell.fonts.header), 1, 0, 0, kHeaderColor);
            cal->SetDayNameFont(kFace, scaled(cell.fonts.others), 0, 0, 0, kDaysColor);
            cal->SetDaysFont(kFace, scaled(cell.fonts.others), 0, 0, 0, kDaysColor);
            cal->SetSpecialFont(kFace, scaled(cell.fonts.others), cell.fonts.specialBold, 0, 0, kSpecialColor);
        } else if (typeScale < 1.0) {
            for (CCalFont* font : {&cal->m_fontHeader, &cal->m_fontDayNames, &cal->m_fontDays, &cal->m_fontSpecial}) {
                font->m_nPointSize = scaled(font->m_nPointSize);
                font->m_pFont.reset();
            }
        }
        doc.Add(cal);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

// The grid of layouts 0 and 1: filled row by row, three or four columns.
void Grid(CCellRun& run, int n, int lastColumn, const std::function<CRect(int k, int r)>& cell)
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

// The calendars of a layout by the layout's own arithmetic, for the frame
// offset f (no frame and 0 for the plain arrangement) and the photo's lower
// edge T.
std::vector<CCell> Arrange(int layout, int n, bool frame, int f, int T)
{
    CCellRun run;
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

    return run.m_cells;
}

// A rectangle as it stands on the page, whatever the order of its stored
// corners: x0 <= x1, y0 <= y1.
struct CBox {
    int x0, y0, x1, y1;
};

CBox Visual(const CRect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

// Stored the way the generator stores its objects: left > right, top < bottom.
CRect Stored(const CBox& b)
{
    return CRect(b.x1, b.y0, b.x0, b.y1);
}

bool Overlap(const CBox& a, const CBox& b)
{
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

bool Inside(const CBox& a, const CBox& bound)
{
    return a.x0 >= bound.x0 && a.y0 >= bound.y0 && a.x1 <= bound.x1 && a.y1 <= bound.y1;
}

// Where calendars may stand (hard) and, when they have to be moved in,
// how far they go (soft, a little inside hard).
struct CRoom {
    CBox hard;
    CBox soft;
};

// One axis of a linear map that brings [lo, hi] inside a room, moving only
// the ends that stand out of it.
class CAxisMap {
public:
    CAxisMap(int lo, int hi, int hardLo, int hardHi, int softLo, int softHi)
        : m_lo(lo), m_hi(hi), m_toLo(lo < hardLo ? softLo : lo), m_toHi(hi > hardHi ? softHi : hi)
    {
        if (m_toHi < m_toLo) m_toHi = m_toLo;
    }
    int operator()(int v) const
    {
        if (m_hi == m_lo) return m_toLo + (v - m_lo);
        return m_toLo + static_cast<int>(static_cast<long long>(v - m_lo) * (m_toHi - m_toLo) / (m_hi - m_lo));
    }
    double Scale() const { return m_hi == m_lo ? 1.0 : static_cast<double>(m_toHi - m_toLo) / (m_hi - m_lo); }

private:
    int m_lo, m_hi, m_toLo, m_toHi;
};

// The calendars of a design with the area kept for the photo in layouts 2
// to 7, and how much their type shrinks.
struct CPlan {
    std::vector<CCell> cells;
    CRect photo;
    double typeScale = 1.0;
};

// Every calendar inside the room, apart from the others and, where the
// layout keeps an area for the photo, off that area.
bool Fits(const CPlan& plan, const CRoom& room, bool photoArea)
{
    const CBox photo = Visual(plan.photo);
    if (photoArea && (photo.x1 <= photo.x0 || photo.y1 <= photo.y0)) return false;
    for (std::size_t i = 0; i < plan.cells.size(); ++i) {
        const CBox box = Visual(plan.cells[i].rect);
        if (!Inside(box, room.hard)) return false;
        if (photoArea && Overlap(box, photo)) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (Overlap(box, Visual(plan.cells[j].rect))) return false;
    }
    return true;
}

// The plan drawn together into the room: rows and columns keep their order
// and only get smaller, so calendars apart stay apart; the photo's area
// moves with them.
CPlan Squeezed(CPlan plan, const CRoom& room)
{
    if (plan.cells.empty()) return plan;
    CBox all = Visual(plan.cells.front().rect);
    for (const CCell& cell : plan.cells) {
        const CBox b = Visual(cell.rect);
        all = {std::min(all.x0, b.x0), std::min(all.y0, b.y0), std::max(all.x1, b.x1), std::max(all.y1, b.y1)};
    }
    const CAxisMap mx(all.x0, all.x1, room.hard.x0, room.hard.x1, room.soft.x0, room.soft.x1);
    const CAxisMap my(all.y0, all.y1, room.hard.y0, room.hard.y1, room.soft.y0, room.soft.y1);
    auto map = [&](const CRect& r) { return CRect(mx(r.left), my(r.top), mx(r.right), my(r.bottom)); };
    for (CCell& cell : plan.cells) cell.rect = map(cell.rect);
    CBox photo = Visual(map(plan.photo));
    photo = {std::max(photo.x0, room.hard.x0), std::max(photo.y0, room.hard.y0), std::min(photo.x1, room.hard.x1),
             std::min(photo.y1, room.hard.y1)};
    plan.photo = Stored(photo);
    plan.typeScale = std::min(mx.Scale(), my.Scale());
    return plan;
}

// A photo whose aspect ratio made it grow out of its area is fitted inside
// the area instead, keeping the area's upper left corner.
void KeepPhotoInside(CDrawRect& photo, const CRect& area)
{
    const CBox box = Visual(area);
    if (Inside(Visual(photo.m_position), box)) return;
    if (!photo.m_pImage || !photo.m_pImage->IsValid()) return;
    const long long iw = photo.m_pImage->GetWidth();
    const long long ih = std::llabs(static_cast<long long>(photo.m_pImage->GetHeight()));
    const long long bw = box.x1 - box.x0;
    const long long bh = box.y1 - box.y0;
    if (iw <= 0 || ih <= 0 || bw <= 0 || bh <= 0) return;
    long long w = bw;
    long long h = bw * ih / iw;
    if (h > bh) {
        h = bh;
        w = bh * iw / ih;
    }
    photo.m_position = CRect(box.x0 + static_cast<int>(w), box.y1 - static_cast<int>(h), box.x0, box.y1);
}

// The room of the calendars: inside the frame's band, or on the page.
CRoom RoomFor(bool frame, int f, CSize page)
{
    CRoom room;
    if (frame) {
        const CBox outer = Visual(CCalendarGenerator::kFrameRect);
        room.hard = {outer.x0 + f, outer.y0 + f, outer.x1 - f, outer.y1 - f};
        room.soft = {room.hard.x0 + kFrameGap, room.hard.y0 + kFrameGap, room.hard.x1 - kFrameGap,
                     room.hard.y1 - kFrameGap};
    } else {
        room.hard = {-page.cx / 2, -page.cy / 2, page.cx / 2, page.cy / 2};
        room.soft = {room.hard.x0 + kPageMargin, room.hard.y0 + kPageMargin, room.hard.x1 - kPageMargin,
                     room.hard.y1 - kPageMargin};
    }
    return room;
}

// The layout's own arithmetic where it fits; else its rows and columns
// drawn together into the room, and the type shrinking with them; should
// the arithmetic with a broad frame band be out of shape, the plain
// arrangement drawn into the band instead.
CPlan PlanFor(int layout, int n, bool frame, int f, int T, const CRoom& room)
{
    const bool photoArea = layout >= 2;
    const CPlan exact{Arrange(layout, n, frame, f, T), photoArea ? CCalendarGenerator::ImageRect(layout, f) : CRect()};
    if (Fits(exact, room, photoArea)) return exact;
    CPlan plan = Squeezed(exact, room);
    if (Fits(plan, room, photoArea)) return plan;
    return Squeezed(CPlan{Arrange(layout, n, false, 0, T), photoArea ? CCalendarGenerator::ImageRect(layout, 0) : CRect()},
                    room);
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

int CCalendarGenerator::MonthCount(int layout, int months)
{
    switch (layout) {
    case 0:
    case 1: return std::max(months, 0);
    case 5: return 16;
    case 2:
    case 3:
    case 4:
    case 6:
    case 7: return 8;
    default: return 0;
    }
}

CRect CCalendarGenerator::PhotoArea(const CNewCalendarChoices& ch, CSize page)
{
    const bool frame = ch.m_bFrame != 0;
    const int f = frame ? ch.m_nFrameThickness : 0;
    if (ch.m_nLayout < 2) return ImageRect(ch.m_nLayout, f);
    return PlanFor(ch.m_nLayout, ch.m_nMonths, frame, f, 0, RoomFor(frame, f, page)).photo;
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

    // The photo of layouts 0 and 1, fitted to its aspect ratio; layout 0
    // centres it again and sets the months below it.
    const bool hasPhoto = !ch.m_strPhotoPath.empty();
    int T = 0;
    if (hasPhoto && layout <= 1) {
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

    // The calendars stand inside the frame's band, or on the page, and
    // apart; layouts 2-7 keep them off the photo's area, layout 0 below the
    // photo. Where the layout's arithmetic does not fit, its rows and
    // columns are drawn together into the room and the type shrinks with
    // them.
    CRoom room = RoomFor(frame, f, doc.PageSize());
    if (layout == 0 && hasPhoto) {
        room.hard.y1 = std::min(room.hard.y1, T);
        room.soft.y1 = std::min(room.soft.y1, T - kPhotoGap);
    }
    const CPlan plan = PlanFor(layout, ch.m_nMonths, frame, f, T, room);

    // The photo of layouts 2-7 in the area the calendars leave it.
    if (hasPhoto && layout >= 2) {
        auto* photo = new CDrawRect(plan.photo, CDrawRect::kindImage);
        photo->SetImageFile(ch.m_strPhotoPath, ch.m_strPhotoType);
        KeepPhotoInside(*photo, plan.photo);
        doc.Add(photo);
    }

    AddCalendars(doc, plan.cells, ch.m_nFirstMonth, ch.m_nYear, plan.typeScale);

    doc.SetModifiedFlag();
    doc.UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
    return true;
}

std::string CCalendarGenerator::CoverTitle(const CNewCalendarChoices& ch)
{
    const int lastYear = ch.m_nYear + (std::max(ch.m_nFirstMonth, 0) + std::max(ch.m_nMonths, 1) - 1) / 12;
    return lastYear == ch.m_nYear ? std::to_string(ch.m_nYear)
                                  : std::to_string(ch.m_nYear) + "-" + std::to_string(lastYear);
}

namespace {

// The cover: the page's background and frame as every page has them, the
// photo as large as the page leaves above the title, and the title under
// it, the two together in the middle of the page.
void MakeCover(CDrawDoc& doc, const CNewCalendarChoices& ch, const CPhotoFile* photo)
{
    CNewCalendarChoices plain = ch;
    plain.m_nMonths = 0;
    plain.m_nLayout = 1;
    plain.m_strPhotoPath.clear();
    CCalendarGenerator::Generate(doc, plain);
    const int f = ch.m_bFrame ? ch.m_nFrameThickness : 0;
    constexpr int kTitleHeight = 140;
    constexpr int kTitleGap = 20;
    // The room inside the frame's band (or the page's margin), top and
    // bottom as y grows upwards.
    const int top = 490 - f;
    const int bottom = f - 480;
    CDrawRect* picture = nullptr;
    int photoHeight = 0;
    if (photo && !photo->m_strPath.empty()) {
        const CRect area(350 - f, bottom + kTitleHeight + kTitleGap, f - 350, top);
        picture = new CDrawRect(area, CDrawRect::kindImage);
        picture->SetImageFile(photo->m_strPath, photo->m_strType);
        KeepPhotoInside(*picture, area);
        photoHeight = std::abs(picture->m_position.bottom - picture->m_position.top);
    }
    const int down = std::max(0, (top - bottom - photoHeight - kTitleGap - kTitleHeight) / 2);
    int titleTop = top - down;
    if (picture) {
        CRect r = picture->m_position;
        const int w = r.right - r.left;
        r.left = -w / 2;
        r.right = w / 2;
        r.top -= down;
        r.bottom -= down;
        picture->m_position = r;
        doc.Add(picture);
        titleTop = std::min(r.top, r.bottom) - kTitleGap;
    }
    auto* title = new CDrawRect(CRect(350 - f, titleTop - kTitleHeight, f - 350, titleTop), CDrawRect::kindText);
    title->m_strText = CCalendarGenerator::CoverTitle(ch);
    title->SetHeaderFont(kFace, 72, 1, 0, 0, kHeaderColor);
    doc.Add(title);
}

}  // namespace

bool CCalendarGenerator::GenerateWall(CDrawDoc& doc, const CNewCalendarChoices& ch)
{
    if (!SuitsOneMonth(ch.m_nLayout)) return false;
    std::vector<CPhotoFile> photos = ch.m_photos;
    if (photos.empty() && !ch.m_strPhotoPath.empty()) photos.push_back({ch.m_strPhotoPath, ch.m_strPhotoType});
    const int months = std::clamp(ch.m_nMonths, 0, CDrawDoc::kMaxPages - 1);
    const int pages = std::max(1, months + (ch.m_bCover ? 1 : 0));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) doc.InsertPage(doc.PageCount(), std::make_unique<CDrawPage>());
        doc.SetCurrentPage(page);
        if (ch.m_bCover && page == 0) {
            MakeCover(doc, ch, photos.empty() ? nullptr : &photos.front());
            continue;
        }
        const int month = page - (ch.m_bCover ? 1 : 0);
        CNewCalendarChoices one = ch;
        one.m_nMonths = months > 0 ? 1 : 0;
        one.m_nFirstMonth = (std::max(ch.m_nFirstMonth, 0) + month) % 12;
        one.m_nYear = ch.m_nYear + (std::max(ch.m_nFirstMonth, 0) + month) / 12;
        one.m_strPhotoPath.clear();
        if (!photos.empty()) {
            const CPhotoFile& photo = photos[static_cast<std::size_t>(month) % photos.size()];
            one.m_strPhotoPath = photo.m_strPath;
            one.m_strPhotoType = photo.m_strType;
        }
        Generate(doc, one);
    }
    doc.SetCurrentPage(0);
    return true;
}

void CCalendarGenerator::HolidayYears(const CNewCalendarChoices& choices, int* fromYear, int* toYear)
{
    const int lastYear = choices.m_nYear + (std::max(choices.m_nFirstMonth, 0) + std::max(choices.m_nMonths, 1) - 1) / 12;
    *fromYear = choices.m_nYear - CHolidayList::kYearsBefore;
    *toYear = lastYear + CHolidayList::kYearsAfter;
}

bool CCalendarGenerator::ReadHolidayFiles(const std::vector<std::string>& files, bool showNames, int fromYear,
                                          int toYear, CHolidayList* list, CMessageOut error, CIcalProgress* progress)
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
    for (CDrawObj* obj : doc.AllObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (rect && rect->m_nKind == CDrawRect::kindCalendar) rect->m_holidays = list;
    }
}

bool CCalendarGenerator::ApplyHolidayFiles(CDrawDoc& doc, const std::vector<std::string>& files, bool showNames,
                                           CMessageOut error)
{
    int fromYear = INT_MAX, toYear = INT_MIN;
    for (CDrawObj* obj : doc.AllObjects()) {
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
