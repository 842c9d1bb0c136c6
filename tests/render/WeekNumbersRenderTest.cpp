#include "calendar/CalendarLayout.h"
#include "calendar/WeekNumbers.h"
#include "objects/DrawRect.h"
#include "platform/QtDC.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <clocale>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kDayColor = RGB(0, 0, 255);

// A surface that also notes every text it draws, as a PDF keeps it.
class CTextNotingDC : public CQtDC {
public:
    explicit CTextNotingDC(QImage& image) : CQtDC(image, 200, 200) {}
    std::vector<std::string> m_texts;

protected:
    void DevText(CPoint anchor, UINT align, const std::string& text, const DevFont& font, COLORREF color,
                 const COLORREF* opaqueBack, const CRect* clip) override
    {
        m_texts.push_back(text);
        CQtDC::DevText(anchor, align, text, font, color, opaqueBack, clip);
    }
};

// An 800 x 600 unit page at two pixels a unit, origin in the middle and y
// up, as the design view draws.
struct CWeekPage {
    CWeekPage() : image(1600, 1200, QImage::Format_RGB32)
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_render";
            static char* argv[] = {name, nullptr};
            static QGuiApplication app(argc, argv);
        }
        image.fill(Qt::white);
        dc = std::make_unique<CTextNotingDC>(image);
        dc->SetMapMode(MM_LOENGLISH);
        dc->SetViewportOrg(800, 600);
    }

    int BluePixels(CRect logical) const
    {
        dc->LPtoDP(&logical);
        logical.NormalizeRect();
        int count = 0;
        for (int y = std::max(logical.top, 0); y < std::min(logical.bottom, image.height()); ++y) {
            for (int x = std::max(logical.left, 0); x < std::min(logical.right, image.width()); ++x) {
                const QRgb c = image.pixel(x, y);
                count += qBlue(c) > 200 && qRed(c) < 120 && qGreen(c) < 120;
            }
        }
        return count;
    }
    bool Drew(const std::string& text) const
    {
        return std::find(dc->m_texts.begin(), dc->m_texts.end(), text) != dc->m_texts.end();
    }

    QImage image;
    std::unique_ptr<CTextNotingDC> dc;
};

// January 2027 as the generator stores calendars, the days in blue.
std::unique_ptr<CDrawRect> January(int layout, int firstDay, int numbering)
{
    auto cal = std::make_unique<CDrawRect>(CRect(350, -250, -350, 250), CDrawRect::kindCalendar);
    cal->SetCalendarMonth(1, 2027);
    cal->SetFirstDayOfWeek(firstDay);
    cal->m_nLayout = layout;
    cal->m_fontDays.m_crColor = kDayColor;
    cal->m_holidays.m_nWeekNumbers = numbering;
    return cal;
}

CCalendarLayout GeometryOf(const CDrawRect& cal)
{
    CCalLayoutParams params;
    params.position = cal.m_position;
    params.layout = cal.m_nLayout;
    params.headerPercent = cal.m_nHeaderPercent;
    params.dayNamePercent = cal.m_nDayNamePercent;
    params.b3DBorder = cal.m_b3DBorder;
    params.bNoHeader = cal.m_bNoHeader;
    params.gridThickness = cal.m_nGridThickness;
    params.weekNumbers = true;
    return CCalendarLayout(params);
}

class WeekNumbersRender : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_TIME, "C"); }
};

}  // namespace

TEST_F(WeekNumbersRender, TheGridLayoutsWriteANumberBesideEveryWeek)
{
    for (int layout : {layoutVertical, layoutHorizontal}) {
        SCOPED_TRACE(layout);
        // ISO from Monday: the first row is week 53 of 2026.
        CWeekPage iso;
        auto cal = January(layout, 2, weekNumbersIso);
        cal->Draw(iso.dc.get());
        iso.image.save(QString::fromUtf8(MONDREL_BINARY_DIR) + "/calendar-week-numbers-" +
                       QString::number(layout) + ".png");
        EXPECT_TRUE(iso.Drew("53"));
        const CCalendarLayout geometry = GeometryOf(*cal);
        ASSERT_TRUE(geometry.HasWeekNumbers());
        for (int row = 1; row <= 5; ++row)
            EXPECT_GT(iso.BluePixels(geometry.WeekCell(row)), 10) << row;

        // The US rule from Sunday: the sixth week shares the first row.
        CWeekPage us;
        January(layout, 1, weekNumbersUs)->Draw(us.dc.get());
        EXPECT_TRUE(us.Drew("1/6"));
        EXPECT_FALSE(us.Drew("53"));
    }
}

TEST_F(WeekNumbersRender, TheStarAndTheTrianglesDrawNoWeekNumbers)
{
    for (int layout : {layoutStar, layoutTop, layoutMountain}) {
        SCOPED_TRACE(layout);
        CWeekPage with, without;
        January(layout, 2, weekNumbersIso)->Draw(with.dc.get());
        January(layout, 2, weekNumbersNone)->Draw(without.dc.get());
        EXPECT_FALSE(with.Drew("53"));
        EXPECT_EQ(with.dc->m_texts, without.dc->m_texts);
        EXPECT_TRUE(with.image == without.image);
    }
}
