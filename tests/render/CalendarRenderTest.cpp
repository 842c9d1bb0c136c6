#include "calendar/CalendarLayout.h"
#include "calendar/IcalReader.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"
#include "platform/QtDC.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A page of 800 x 600 units of 0.01 inch drawn at 200 dots per inch, so one
// unit is two pixels; the origin is the page centre and y points up, as in
// the design view.
class CalPage {
public:
    CalPage() : m_image(1600, 1200, QImage::Format_RGB32)
    {
        // Fonts need an application object.
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_render";
            static char* argv[] = {name, nullptr};
            static QGuiApplication app(argc, argv);
        }
        m_image.fill(Qt::white);
        m_dc = std::make_unique<CQtDC>(m_image, 200, 200);
        m_dc->SetMapMode(MM_LOENGLISH);
        m_dc->SetViewportOrg(800, 600);
    }

    CDC* DC() { return m_dc.get(); }
    const QImage& Image() const { return m_image; }

    // The colour of the unit square from (x, y) to (x + 1, y + 1), read
    // at its centre so that edges between units never decide the result.
    COLORREF At(int x, int y) const
    {
        CPoint p[2] = {{x, y}, {x + 1, y + 1}};
        m_dc->LPtoDP(p, 2);
        const QRgb c = m_image.pixel((p[0].x + p[1].x) / 2, (p[0].y + p[1].y) / 2);
        return RGB(qRed(c), qGreen(c), qBlue(c));
    }

    // Pixels of the logical rectangle (either orientation) that pass a test.
    int Count(const CRect& logical, const std::function<bool(COLORREF)>& test) const
    {
        CRect r = logical;
        m_dc->LPtoDP(&r);
        r.NormalizeRect();
        int count = 0;
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, m_image.height()); ++y) {
            for (int x = std::max(r.left, 0); x < std::min(r.right, m_image.width()); ++x) {
                const QRgb c = m_image.pixel(x, y);
                count += test(RGB(qRed(c), qGreen(c), qBlue(c)));
            }
        }
        return count;
    }

    void Save(const std::string& name) const
    {
        m_image.save(QString::fromUtf8(MONDREL_BINARY_DIR) + "/" + QString::fromStdString(name));
    }

private:
    QImage m_image;
    std::unique_ptr<CQtDC> m_dc;
};

bool Reddish(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool Greenish(COLORREF c) { return GetGValue(c) > 100 && GetRValue(c) < 90 && GetBValue(c) < 90; }
bool Dark(COLORREF c) { return GetRValue(c) < 110 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool Blue(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 80; }
bool Yellow(COLORREF c) { return c == RGB(255, 255, 0); }

constexpr COLORREF kHeaderBack = RGB(255, 255, 0);
constexpr COLORREF kDayBack = RGB(200, 255, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

class CalRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* all = std::getenv("LC_ALL");
        m_bHadLcAll = all != nullptr;
        if (all)
            m_strLcAll = all;
        setenv("LC_ALL", "C", 1);
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override
    {
        if (m_bHadLcAll)
            setenv("LC_ALL", m_strLcAll.c_str(), 1);
        else
            unsetenv("LC_ALL");
        std::setlocale(LC_TIME, "");
    }

    // March 2020 with Monday first: the 1st is a Sunday in slot 7, and the
    // 30th and 31st come back to row 1. Stored as the generator stores
    // calendars: 700 x 500 units with left > right and top < bottom.
public:
    static std::unique_ptr<CDrawRect> MakeCalendarForHolidays(int layout) { return MakeCalendar(layout); }

protected:
    static std::unique_ptr<CDrawRect> MakeCalendar(int layout)
    {
        auto cal = std::make_unique<CDrawRect>(CRect(350, -250, -350, 250), CDrawRect::kindCalendar);
        cal->SetCalendarMonth(3, 2020);
        cal->SetFirstDayOfWeek(2);
        cal->m_nLayout = layout;
        cal->m_bHeaderTransparent = 0;
        cal->m_crHeaderBack = kHeaderBack;
        cal->m_bDayTransparent = 0;
        cal->m_crDayBack = kDayBack;
        cal->m_fontSpecial.m_crColor = RGB(255, 0, 0);
        cal->m_strSpecialDates = ", 18,";
        return cal;
    }

private:
    bool m_bHadLcAll = false;
    std::string m_strLcAll;
};

TEST_F(CalRenderTest, VerticalHeaderSpecialDaysSixthWeekAndGrid)
{
    auto cal = MakeCalendar(0);
    CalPage page;
    cal->Draw(page.DC());
    page.Save("calendar-vertical.png");

    EXPECT_EQ(cal->m_strText, "Calendar Object");
    EXPECT_EQ(cal->m_nHeaderHeight, 70);
    EXPECT_EQ(cal->m_nCellHeight, 71);
    EXPECT_EQ(cal->m_nCellWidth, -100);

    // The header band lies along the visual top, y 180 to 246.
    EXPECT_EQ(page.At(330, 240), kHeaderBack);
    EXPECT_EQ(page.At(-330, 185), kHeaderBack);
    EXPECT_GT(page.Count(CRect(-100, 185, 100, 240), Dark), 20);

    // Columns of 100 units from the visual left (x = -350): slot 1 Monday
    // ... slot 7 Sunday. Rows of 71 units down from the day names (y 110).
    const auto cell = [](int row, int slot) {
        const int x = 350 - (8 - slot) * 100;
        const int y = 110 - row * 71;
        return CRect(x + 100 - 8, y + 8, x + 8, y + 71 - 8);
    };
    for (int row = 1; row <= 5; ++row) {
        EXPECT_GT(page.Count(cell(row, 7), Reddish), 5) << "Sunday, row " << row;
        EXPECT_EQ(page.Count(cell(row, 7), Dark), 0) << "Sunday, row " << row;
    }
    EXPECT_GT(page.Count(cell(2, 6), Reddish), 5);  // Saturday the 7th
    EXPECT_GT(page.Count(cell(4, 3), Reddish), 5);  // the listed 18th
    EXPECT_EQ(page.Count(cell(2, 3), Reddish), 0);  // the 4th, an ordinary Wednesday
    EXPECT_GT(page.Count(cell(2, 3), Dark), 5);
    // The sixth week: the 30th and 31st in row 1 under Monday and Tuesday;
    // the 26th of February under Wednesday stays an empty painted cell.
    EXPECT_GT(page.Count(cell(1, 1), Dark), 5);
    EXPECT_GT(page.Count(cell(1, 2), Dark), 5);
    EXPECT_EQ(page.Count(cell(1, 3), Dark), 0);
    EXPECT_EQ(page.At(-150 + 50, 110 - 35), kDayBack);

    // The day-name row: the Sunday name in the special colour, Monday not.
    EXPECT_GT(page.Count(CRect(345, 115, 255, 175), Reddish), 5);
    EXPECT_EQ(page.Count(CRect(-255, 115, -345, 175), Reddish), 0);
    EXPECT_GT(page.Count(CRect(-255, 115, -345, 175), Dark), 5);

    // Grid lines in the grid colour (blue): the column lines and the week
    // lines cross the day area.
    EXPECT_GT(page.Count(CRect(251, -100, 249, -60), Blue), 10);
    EXPECT_GT(page.Count(CRect(-200, 111, -150, 109), Blue), 10);
    EXPECT_GT(page.Count(CRect(-200, 111 - 71, -150, 109 - 71), Blue), 10);
}

TEST_F(CalRenderTest, ThreeDimensionalBorderColours)
{
    auto cal = MakeCalendar(0);
    CalPage page;
    cal->Draw(page.DC());
    const CEnvironment& env = Environment();
    // The first frame starts at the stored corner (350, -250): its two
    // edges from there take the first colour, the other two the second.
    EXPECT_EQ(page.At(0, -250), env.m_crBtnFace);
    EXPECT_EQ(page.At(350, 0), env.m_crBtnFace);
    EXPECT_EQ(page.At(0, 249), env.m_crBtnText);
    EXPECT_EQ(page.At(-351, 0), env.m_crBtnText);
    // The second frame, one unit in.
    EXPECT_EQ(page.At(0, -249), env.m_crWindow);
    EXPECT_EQ(page.At(0, 248), env.m_crBtnShadow);
}

TEST_F(CalRenderTest, HorizontalTurnedHeaderStaysInItsStrip)
{
    auto cal = MakeCalendar(2);
    cal->m_fontHeader.m_crColor = kGreen;
    cal->m_bHeaderTransparent = 1;
    cal->m_strHeader = "MMMMM 2020";
    CalPage page;
    cal->Draw(page.DC());
    page.Save("calendar-horizontal.png");

    EXPECT_EQ(cal->m_fontHeader.m_nRotation, -90);
    EXPECT_EQ(cal->m_nHeaderHeight, -98);
    // The strip runs from x = -350 to -252 along the visual left edge.
    const CRect strip(-252, -246, -350, 246);
    const int inside = page.Count(strip, Greenish);
    EXPECT_GT(inside, 50);
    EXPECT_EQ(page.Count(CRect(-400, -300, 400, 300), Greenish), inside);
    // The text runs along the strip: taller than wide.
    int top = 300, bottom = -300;
    for (int y = -246; y <= 246; ++y)
        if (page.Count(CRect(-252, y, -350, y + 1), Greenish) > 0) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    EXPECT_GT(bottom - top, 40);

    // The Sunday row (slot 7) is the lowest; its days are special.
    // Rows are 70 units ((500 - 3) / 7) from y = 246 down.
    EXPECT_EQ(cal->m_nCellHeight, 71);
    EXPECT_GT(page.Count(CRect(-160, 246 - 7 * 71 + 5, 340, 246 - 6 * 71 - 5), Reddish), 20);
    EXPECT_EQ(page.Count(CRect(-160, 246 - 4 * 71 + 5, 340, 246 - 3 * 71 - 5), Reddish), 0);
    EXPECT_GT(page.Count(CRect(-160, 246 - 4 * 71 + 5, 340, 246 - 3 * 71 - 5), Dark), 20);
}

TEST_F(CalRenderTest, StarRingsAndOutline)
{
    auto cal = MakeCalendar(1);
    cal->m_b3DBorder = 0;
    CalPage page;
    cal->Draw(page.DC());
    page.Save("calendar-star.png");

    // The grid ellipse on the object's rectangle and on the header cell.
    EXPECT_GT(page.Count(CRect(-5, 252, 5, 244), Blue), 5);
    EXPECT_GT(page.Count(CRect(346, -5, 354, 5), Blue), 5);
    EXPECT_GT(page.Count(CRect(-5, 35, 5, 27), Blue), 5);
    // The header text in the centre.
    EXPECT_GT(page.Count(CRect(-50, -31, 50, 31), Dark), 20);
    // Sunday is slot 7, on the x axis at radius -75 (its name) and -100
    // (week 1: the 1st), both special.
    EXPECT_GT(page.Count(CRect(-100, -20, -50, 20), Reddish), 5);
    // Monday is slot 1, at (-46, 58) for its name: not special.
    EXPECT_EQ(page.Count(CRect(-70, 45, -20, 70), Reddish), 0);
    EXPECT_GT(page.Count(CRect(-70, 45, -20, 70), Dark), 3);
    // The sixth week shares ring 1: the 30th (Monday) at (-62, 78).
    EXPECT_GT(page.Count(CRect(-85, 65, -40, 92), Dark), 3);
    // No cell backgrounds in this layout.
    EXPECT_EQ(page.Count(CRect(-400, -300, 400, 300), [](COLORREF c) { return c == kDayBack; }), 0);

    auto bare = MakeCalendar(1);
    bare->m_b3DBorder = 0;
    bare->m_bGrid = 0;
    CalPage plain;
    bare->Draw(plain.DC());
    EXPECT_EQ(plain.Count(CRect(-400, -300, 400, 300), Blue), 0);
}

TEST_F(CalRenderTest, TopAndMountainTriangles)
{
    for (int layout : {3, 4}) {
        auto cal = MakeCalendar(layout);
        cal->m_b3DBorder = 0;
        cal->m_nDayNameFormat = 0;
        cal->SetFirstDayOfWeek(2);
        CalPage page;
        cal->Draw(page.DC());
        page.Save(layout == 3 ? "calendar-top.png" : "calendar-mountain.png");

        // Cells of 62 units ((500) / 8) by -87 (-700 / 8). "Top" grows from
        // the stored top (y = -250), "Mountain" from the stored bottom.
        EXPECT_EQ(cal->m_nCellHeight, 62);
        EXPECT_EQ(cal->m_nCellWidth, -87);
        const int f1 = layout == 3 ? -250 : 250;
        const int dir = layout == 3 ? 1 : -1;
        // Row 1 holds the 1st, a Sunday: special; its cell is outlined.
        const CRect first(43 - 5, f1 + dir * 20, -44 + 5, f1 + dir * 55);
        EXPECT_GT(page.Count(first, Reddish), 5) << layout;
        EXPECT_GT(page.Count(CRect(43 + 1, f1 + dir * 30, 43 - 1, f1 + dir * 32), Blue), 0) << layout;
        // Its label box (15 units at the cell's start corner) carries the
        // Sunday's own name, also in the special colour.
        EXPECT_GT(page.Count(CRect(43 - 15, f1, 43, f1 + dir * 15), Reddish), 1) << layout;
        // Row 8: a 31-day month has a header five cells wide in yellow.
        const int f8 = f1 + dir * 7 * 62;
        EXPECT_GT(page.Count(CRect(300, f8 + dir * 5, 250, f8 + dir * 57), Yellow), 100) << layout;
    }
}

TEST_F(CalRenderTest, NoHeaderAndTransparentGroups)
{
    for (int layout : {0, 2, 3, 4}) {
        auto cal = MakeCalendar(layout);
        cal->m_bNoHeader = 1;
        cal->m_bHeaderLine = 1;
        cal->m_crHeaderLine = RGB(0, 200, 0);
        CalPage page;
        cal->Draw(page.DC());
        EXPECT_EQ(page.Count(CRect(-400, -300, 400, 300), Yellow), 0) << layout;
        EXPECT_EQ(page.Count(CRect(-400, -300, 400, 300), Greenish), 0) << layout;
    }

    // Every group transparent and no borders: only texts, the grid and
    // the 3D border, so none of the background colours shows.
    auto cal = MakeCalendar(0);
    cal->m_bHeaderTransparent = 1;
    cal->m_bDayTransparent = 1;
    cal->m_crDayNameBack = RGB(1, 2, 3);
    cal->m_crSpecialBack = RGB(4, 5, 6);
    CalPage page;
    cal->Draw(page.DC());
    const auto background = [](COLORREF c) {
        return c == kHeaderBack || c == kDayBack || c == RGB(1, 2, 3) || c == RGB(4, 5, 6);
    };
    EXPECT_EQ(page.Count(CRect(-400, -300, 400, 300), background), 0);
    EXPECT_GT(page.Count(CRect(-400, -300, 400, 300), Blue), 100);
}

}  // namespace

namespace {

TEST_F(CalRenderTest, DayTextAlignmentsAndBorders)
{
    // The 4th of March 2020 (row 2, Wednesday) in a 100 x 71 cell from
    // x -150 to -50 and y -32 to 39.
    const CRect cell(-150, -32, -50, 39);
    const auto quadrant = [&](bool left, bool upper) {
        const int midX = (cell.left + cell.right) / 2, midY = (cell.top + cell.bottom) / 2;
        return CRect(left ? cell.left + 3 : midX, upper ? midY : cell.top + 3, left ? midX : cell.right - 3,
                     upper ? cell.bottom - 3 : midY);
    };
    const struct {
        int align;
        bool left;
        bool upper;
    } cases[] = {{4, true, true}, {8, false, false}, {5, false, true}, {7, true, false}};
    for (const auto& c : cases) {
        auto cal = MakeCalendar(0);
        cal->m_bGrid = 0;
        cal->m_nDayAlign = c.align;
        cal->m_bDayBorder = 1;
        cal->m_crDayBorder = kGreen;
        CalPage page;
        cal->Draw(page.DC());
        if (c.align == 4)
            page.Save("calendar-vertical-top-left.png");
        EXPECT_GT(page.Count(quadrant(c.left, c.upper), Dark), 5) << c.align;
        EXPECT_EQ(page.Count(quadrant(!c.left, c.upper), Dark), 0) << c.align;
        EXPECT_EQ(page.Count(quadrant(c.left, !c.upper), Dark), 0) << c.align;
        // The border of a day cell in the border colour, and none around
        // the empty cells of February.
        EXPECT_GT(page.Count(CRect(-140, 40, -60, 38), Greenish), 20) << c.align;
        EXPECT_EQ(page.Count(CRect(-40, 110 - 35, 40, 110 - 37), Greenish), 0) << c.align;
    }
}

TEST_F(CalRenderTest, DamagedValuesDrawWithoutHanging)
{
    // A file may carry any month, first day or thickness; the calendar
    // still draws its frame and names and shows no day of a month that
    // does not exist.
    auto cal = MakeCalendar(0);
    cal->m_nMonth = 13;
    cal->m_nFirstDayOfWeek = 0;
    CalPage page;
    cal->Draw(page.DC());
    EXPECT_EQ(page.Count(CRect(-345, -245, 345, 105), [](COLORREF c) { return c == RGB(255, 0, 0); }), 0);
    EXPECT_EQ(page.Count(CRect(-345, -245, 345, 105), Dark), 0);
    EXPECT_GT(page.Count(CRect(-345, 115, 345, 175), Dark), 10);

    // A plain border two billion frames thick: drawn in a moment (the pen
    // is as thick as the file says, so the page turns blue).
    auto thick = MakeCalendar(0);
    thick->m_b3DBorder = 0;
    thick->m_bShow3D = 1;
    thick->m_nGridThickness = 2000000000;
    CalPage blue;
    thick->Draw(blue.DC());
    EXPECT_EQ(thick->m_strText, "Calendar Object");

    for (int layout : {1, 3, 4, 9}) {
        auto other = MakeCalendar(layout);
        other->m_nMonth = 0;
        other->m_nYear = -2147483647 - 1;
        CalPage p;
        other->Draw(p.DC());
        EXPECT_EQ(other->m_strText, "Calendar Object");
    }
}

// The cell of row r (1-5) and slot k (1 Monday ... 7 Sunday) of the March
// 2020 calendar above, a few units inside its edges.
CRect MarchCell(int row, int slot)
{
    const int x = 350 - (8 - slot) * 100;
    const int y = 110 - row * 71;
    return CRect(x + 100 - 3, y + 3, x + 3, y + 71 - 3);
}

std::unique_ptr<CDrawRect> HolidayCalendar(bool names, int layout = 0)
{
    auto cal = CalRenderTest::MakeCalendarForHolidays(layout);
    for (BOOL& flag : cal->m_bSpecialWeekday) flag = 0;
    cal->m_strSpecialDates = ", ";
    cal->m_holidays.m_files.push_back(MONDREL_TEST_DATA "/holidays/family.ics");
    std::string error;
    EXPECT_TRUE(ReloadHolidayList(&cal->m_holidays, 2019, 2021, &error)) << error;
    for (const char* name : {"A very long name that cannot fit in one day cell", "Second line"})
        cal->m_holidays.Add(2020, 3, 19, name);
    cal->m_holidays.Normalize();
    cal->m_holidays.m_bShowNames = names;
    return cal;
}

TEST_F(CalRenderTest, DaysFromAnICalendarFileInTheSpecialColour)
{
    auto cal = HolidayCalendar(false);
    CalPage page;
    cal->Draw(page.DC());
    page.Save("calendar-holidays.png");
    // Anna's birthday on Saturday the 14th (row 3, slot 6) and the 19th
    // (row 4, Thursday) are special; their neighbours and the weekend are
    // not, with every weekday flag off.
    EXPECT_GT(page.Count(MarchCell(3, 6), Reddish), 5);
    EXPECT_GT(page.Count(MarchCell(4, 4), Reddish), 5);
    for (const CRect& plain : {MarchCell(3, 5), MarchCell(3, 7), MarchCell(4, 3), MarchCell(4, 5)}) {
        EXPECT_EQ(page.Count(plain, Reddish), 0);
        EXPECT_GT(page.Count(plain, Dark), 5);
    }
    // Without the names check box, nothing is written under the number.
    const CRect lower(MarchCell(4, 4).left, MarchCell(4, 4).top, MarchCell(4, 4).right, 110 - 4 * 71 + 20);
    EXPECT_EQ(page.Count(lower, Reddish), 0);
}

TEST_F(CalRenderTest, EventNamesStandUnderTheNumberInsideTheirCells)
{
    auto cal = HolidayCalendar(true);
    CalPage page;
    cal->Draw(page.DC());
    page.Save("calendar-holiday-names.png");
    const CRect cell = MarchCell(4, 4);
    // The lower part of the cell, under the number, holds the names.
    const CRect lower(cell.left, cell.top, cell.right, 110 - 4 * 71 + 24);
    EXPECT_GT(page.Count(lower, Reddish), 10);
    // The long name is clipped: the cells beside and below stay free of it.
    EXPECT_EQ(page.Count(MarchCell(4, 3), Reddish), 0);
    EXPECT_EQ(page.Count(MarchCell(4, 5), Reddish), 0);
    EXPECT_EQ(page.Count(MarchCell(5, 4), Reddish), 0);
    // The number itself is still there, in the cell's middle.
    const CRect middle(cell.left, 110 - 4 * 71 + 30, cell.right, 110 - 4 * 71 + 42);
    EXPECT_GT(page.Count(middle, Reddish), 5);
}

// In the star and the two triangles the names go under the number too, and
// every pixel they add lies in the cells of the days that have events.
TEST_F(CalRenderTest, EventNamesInTheStarAndTriangleLayoutsStayInTheirCells)
{
    for (int layout : {layoutStar, layoutTop, layoutMountain}) {
        SCOPED_TRACE(layout);
        CalPage plain, named;
        HolidayCalendar(false, layout)->Draw(plain.DC());
        auto cal = HolidayCalendar(true, layout);
        cal->Draw(named.DC());
        named.Save("calendar-holiday-names-" + std::to_string(layout) + ".png");

        CCalLayoutParams params;
        params.position = cal->m_position;
        params.layout = layout;
        params.headerPercent = cal->m_nHeaderPercent;
        params.dayNamePercent = cal->m_nDayNamePercent;
        params.gridThickness = cal->m_nGridThickness;
        params.lastDayOfMonth = 31;
        const CCalendarLayout geometry(params);
        std::vector<CRect> cells;  // the 14th and the 19th, in device pixels
        if (layout == layoutStar) {
            cells = {geometry.DayCell(3, 6), geometry.DayCell(4, 4)};
        } else {
            for (const CCalTriangleCell& c : geometry.m_triangle)
                if (c.day == 14 || c.day == 19)
                    cells.push_back(c.rect);
        }
        ASSERT_EQ(cells.size(), 2u);
        for (CRect& c : cells) {
            named.DC()->LPtoDP(&c);
            c.NormalizeRect();
            c.InflateRect(1, 1);
        }
        int changed = 0, stray = 0;
        for (int y = 0; y < plain.Image().height(); ++y) {
            for (int x = 0; x < plain.Image().width(); ++x) {
                if (plain.Image().pixel(x, y) == named.Image().pixel(x, y))
                    continue;
                ++changed;
                const bool inside = std::any_of(cells.begin(), cells.end(), [&](const CRect& c) {
                    return x >= c.left && x < c.right && y >= c.top && y < c.bottom;
                });
                stray += !inside;
            }
        }
        EXPECT_EQ(stray, 0);
        // The triangles' cells are tall enough for a line of names.
        if (layout != layoutStar)
            EXPECT_GT(changed, 20);
    }
}

TEST_F(CalRenderTest, AllSaturdaysMarksSaturdaysInGerman)
{
    if (!std::setlocale(LC_TIME, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    auto cal = MakeCalendar(0);
    cal->SetFirstDayOfWeek(2);  // German names, Montag first
    ASSERT_EQ(cal->m_strDayNames[6], "S");
    for (BOOL& flag : cal->m_bSpecialWeekday) flag = 0;
    cal->m_bSpecialWeekday[0] = 1;  // "All Saturdays"
    cal->m_bSpecialWeekday[2] = 1;  // "All Mondays"
    cal->m_strSpecialDates = ", ";
    CalPage page;
    cal->Draw(page.DC());
    page.Save("calendar-german-saturdays.png");
    for (int row = 2; row <= 5; ++row) {
        EXPECT_GT(page.Count(MarchCell(row, 6), Reddish), 5) << "Samstag, row " << row;
        EXPECT_EQ(page.Count(MarchCell(row, 7), Reddish), 0) << "Sonntag, row " << row;
        EXPECT_EQ(page.Count(MarchCell(row, 3), Reddish), 0) << "Mittwoch, row " << row;
    }
    // The day-name row: Samstag and Montag special, Mittwoch ("M") not.
    const auto nameCell = [](int slot) {
        const int x = 350 - (8 - slot) * 100;
        return CRect(x + 100 - 5, 115, x + 5, 175);
    };
    EXPECT_GT(page.Count(nameCell(6), Reddish), 3);
    EXPECT_GT(page.Count(nameCell(1), Reddish), 3);
    EXPECT_EQ(page.Count(nameCell(3), Reddish), 0);
    EXPECT_EQ(page.Count(nameCell(7), Reddish), 0);
}

}  // namespace
