// Wall calendars from the command line: a page for each month with its own
// photo (cycled), a cover, a PDF of every page, a picture per page or of one
// page, and the command line as it always was without --page-per-month.

#include "support/RunProgram.h"

#include "document/DocSummary.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

using runprogram::Mondrel;

namespace {

class WallCalendar : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("mondrel-wall-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        // Three photos of different colours and shapes.
        for (const char* photo : {"A.jpg:60x40:red", "B.jpg:40x60:green", "C.png:50x50:blue"}) {
            const std::string given = photo;
            const std::string name = given.substr(0, given.find(':'));
            const std::string size = given.substr(given.find(':') + 1, given.rfind(':') - given.find(':') - 1);
            const std::string colour = given.substr(given.rfind(':') + 1);
            ASSERT_EQ(runprogram::Run("convert -size " + size + " xc:" + colour + " '" + Path(name) + "'").status, 0);
        }
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(m_dir / name); }
    std::string Photos(const std::vector<std::string>& names) const
    {
        std::string args;
        for (const std::string& name : names) args += " --photo '" + Path(name) + "'";
        return args;
    }

    std::filesystem::path m_dir;
};

std::string PhotoOf(const CDrawPage* page)
{
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == CDrawRect::kindImage)
            return std::filesystem::path(r->m_strImagePath).filename().string();
    return {};
}

std::vector<std::pair<int, int>> MonthsOf(const CDrawPage* page)
{
    std::vector<std::pair<int, int>> months;
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == CDrawRect::kindCalendar)
            months.emplace_back(r->m_nMonth, r->m_nYear);
    return months;
}

std::string TextOf(const CDrawPage* page)
{
    std::string text;
    for (CDrawObj* obj : page->m_listObjects)
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == CDrawRect::kindText) text += r->m_strText;
    return text;
}

std::string MonthName(int month)
{
    CDrawRect probe(CRect(0, 0, 1, 1), CDrawRect::kindCalendar);
    return probe.GetMonthName(month);
}

std::vector<char> Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST_F(WallCalendar, TwelveMonthsWithACoverMakeThirteenPagesAndAThirteenPagePdf)
{
    const auto r = Mondrel("--new --page-per-month --cover" + Photos({"A.jpg", "B.jpg", "C.png"}) +
                           " --months 12 --first-month 1 --year 2027 --frame 15 --save '" + Path("W.mdr") +
                           "' --export '" + Path("W.pdf") + "'");
    ASSERT_EQ(r.status, 0) << r.out;

    CDrawDoc doc;
    std::string error;
    ASSERT_TRUE(doc.OnOpenDocument(Path("W.mdr"), &error)) << error;
    ASSERT_EQ(doc.PageCount(), 13);
    // The cover: the first photo large, the year as its title, no month.
    EXPECT_EQ(PhotoOf(doc.GetPage(0)), "A.jpg");
    EXPECT_EQ(TextOf(doc.GetPage(0)), "2027");
    EXPECT_TRUE(MonthsOf(doc.GetPage(0)).empty());
    // Page k holds month k and photo k, the three photos in turn.
    const char* photos[] = {"A.jpg", "B.jpg", "C.png"};
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(MonthsOf(doc.GetPage(k)), (std::vector<std::pair<int, int>>{{k, 2027}})) << k;
        EXPECT_EQ(PhotoOf(doc.GetPage(k)), photos[(k - 1) % 3]) << k;
    }
    EXPECT_EQ(doc.Summary()->GetNumPagesValue(), 13u);

    const auto info = runprogram::Run("pdfinfo '" + Path("W.pdf") + "'");
    EXPECT_NE(info.out.find("Pages:           13"), std::string::npos) << info.out;
    for (int k = 1; k <= 12; ++k) {
        const std::string page = std::to_string(k + 1);
        const auto text = runprogram::Run("pdftotext -f " + page + " -l " + page + " '" + Path("W.pdf") + "' -");
        EXPECT_NE(text.out.find(MonthName(k) + " 2027"), std::string::npos) << "PDF page " << page << ": " << text.out;
        if (k != 1) EXPECT_EQ(text.out.find(MonthName(1) + " 2027"), std::string::npos) << page;
    }
    const auto cover = runprogram::Run("pdftotext -f 1 -l 1 '" + Path("W.pdf") + "' -");
    EXPECT_NE(cover.out.find("2027"), std::string::npos) << cover.out;
}

TEST_F(WallCalendar, OnePhotoIsEveryPagesPhotoAndMonthsRunIntoTheNextYear)
{
    const auto r = Mondrel("--new --page-per-month" + Photos({"B.jpg"}) +
                           " --months 4 --first-month 11 --year 2027 --layout 1 --save '" + Path("W.mdr") + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    CDrawDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Path("W.mdr"), nullptr));
    ASSERT_EQ(doc.PageCount(), 4);
    const std::pair<int, int> months[] = {{11, 2027}, {12, 2027}, {1, 2028}, {2, 2028}};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(PhotoOf(doc.GetPage(p)), "B.jpg") << p;
        EXPECT_EQ(MonthsOf(doc.GetPage(p)), (std::vector<std::pair<int, int>>{months[p]})) << p;
    }
}

TEST_F(WallCalendar, PicturesOfEveryPageAreNumberedAndOnePageIsItself)
{
    ASSERT_EQ(Mondrel("--new --page-per-month --cover" + Photos({"A.jpg", "C.png"}) +
                      " --months 3 --first-month 5 --year 2027 --save '" + Path("W.mdr") + "'")
                  .status,
              0);
    auto r = Mondrel("--export '" + Path("X.jpg") + "' --resolution 20 '" + Path("W.mdr") + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* name : {"X-01.jpg", "X-02.jpg", "X-03.jpg", "X-04.jpg"}) EXPECT_TRUE(Exists(name)) << name;
    EXPECT_FALSE(Exists("X.jpg"));
    EXPECT_FALSE(Exists("X-05.jpg"));

    r = Mondrel("--export '" + Path("Y.jpg") + "' --page 3 --resolution 20 '" + Path("W.mdr") + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Exists("Y.jpg"));
    EXPECT_FALSE(Exists("Y-03.jpg"));
    EXPECT_EQ(Bytes(Path("Y.jpg")), Bytes(Path("X-03.jpg")));
    EXPECT_NE(Bytes(Path("X-02.jpg")), Bytes(Path("X-03.jpg")));

    // One page of a PDF; a page the document does not have is refused.
    r = Mondrel("--export '" + Path("P.pdf") + "' --page 2 '" + Path("W.mdr") + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(runprogram::Run("pdfinfo '" + Path("P.pdf") + "'").out.find("Pages:           1\n"), std::string::npos);
    r = Mondrel("--export '" + Path("Z.jpg") + "' --page 5 '" + Path("W.mdr") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("no page 5"), std::string::npos) << r.out;
    EXPECT_FALSE(Exists("Z.jpg"));
}

TEST_F(WallCalendar, WithoutPagePerMonthEverythingIsOnePageAsBefore)
{
    // Two photos without a page per month: the last is the photo, as it
    // always was, and one page is made.
    auto r = Mondrel("--new" + Photos({"A.jpg", "B.jpg"}) + " --months 12 --first-month 1 --year 2027 --save '" +
                     Path("one.mdr") + "' --export '" + Path("one.jpg") + "' --resolution 20");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Exists("one.jpg"));
    EXPECT_FALSE(Exists("one-01.jpg"));
    CDrawDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Path("one.mdr"), nullptr));
    EXPECT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(PhotoOf(&doc), "B.jpg");
    EXPECT_EQ(MonthsOf(&doc).size(), 12u);

    const char* refused[] = {
        "--new --cover",
        "--new --page-per-month --layout 3",
        "--new --page 2",
        "--new --page 0 --export x.jpg",
    };
    for (const char* args : refused) {
        r = Mondrel(args);
        EXPECT_EQ(r.status, 2) << args << ": " << r.out;
    }
}
