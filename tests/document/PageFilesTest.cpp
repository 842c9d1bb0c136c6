// Documents of several pages in their files: page 1 in "Contents" exactly as
// a one-page document always had it, every further page in a stream of its
// own, and files with pages missing or damaged opening with what is whole.

#include "calendar/HolidayList.h"
#include "document/Archive.h"
#include "document/CompoundFile.h"
#include "document/DocSummary.h"
#include "document/DrawDoc.h"
#include "imageio/PictureImage.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"
#include "support/BmpFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kOnePageFile = std::string(MONDREL_TEST_DATA) + "/pages/one-page.mdr";

// A page whose every value is fixed (no paths of this machine, no clock):
// a frame, a photo, a text, calendars with holidays, a polygon and an
// embedded picture.
void FillFixedPage(CDrawDoc& doc, int seed)
{
    doc.m_crBackFrom = RGB(10 + seed, 20, 30);
    doc.m_crBackTo = RGB(40, 50 + seed, 60);
    doc.m_nBackStyle = seed % 3;
    doc.m_nGradientDirection = seed % 2;
    doc.m_bDrawBackImage = seed % 2;
    doc.m_nBackImagePlacement = 1;
    doc.m_bBackImageStretch = 0;
    doc.m_strBackImagePath = "/nowhere/back-" + std::to_string(seed) + ".jpg";
    doc.m_strBackImageType = "jpg";
    doc.Add(new CDrawRect(CRect(379, -492, -377, 506), CDrawRect::kindFrame));
    auto* photo = new CDrawRect(CRect(300, 30, -300, 470), CDrawRect::kindImage);
    photo->m_strImagePath = "/nowhere/photo-" + std::to_string(seed) + ".jpg";
    photo->m_strImageType = "jpg";
    doc.Add(photo);
    auto* text = new CDrawRect(CRect(-200, 480, 200, 420), CDrawRect::kindText);
    text->m_strText = "Page " + std::to_string(seed);
    doc.Add(text);
    for (int i = 0; i < 2; ++i) {
        auto* cal = new CDrawRect(CRect(-100 + 200 * i, -400, -300 + 200 * i, -100), CDrawRect::kindCalendar);
        cal->SetCalendarMonth((seed + i) % 12 + 1, 2027);
        cal->m_holidays.m_files.push_back("/nowhere/dates.ics");
        cal->m_holidays.Add(2027, (seed + i) % 12 + 1, 3 + seed, "Day of page " + std::to_string(seed));
        cal->m_holidays.m_bShowNames = i == 0;
        doc.Add(cal);
    }
    auto* poly = new CDrawPoly(CRect(0, 0, 1, 1));
    for (CPoint p : {CPoint(0, 0), CPoint(100, 10 + seed), CPoint(50, 90)}) poly->AppendPoint(p);
    doc.Add(poly);
    auto* ole = new CDrawOleObj(CRect(-200, 200, -100, 100));
    ole->m_pItem = new CDrawItem(&doc, ole);
    ole->m_pItem->SetData(testbmp::Bmp24(4 + seed, 3, [seed](int x, int y) { return RGB(x * 40, y * 60, seed); }),
                          IMAGE_FORMAT_BMP);
    ole->m_pItem->SetExtent(CSize(2000, 1500));
    ole->m_sizeExtent = CSize(2000, 1500);
    doc.Add(ole);
}

void FixSummary(CDrawDoc& doc)
{
    doc.m_pSummary = std::make_unique<CDocSummary>();
    doc.m_pSummary->RecordNew(133000000000000000ull);
    doc.m_pSummary->SetAuthor("Wall");
    doc.m_pSummary->SetLastSaved(133000000100000000ull);
}

std::vector<BYTE> FileBytes(CDrawDoc& doc)
{
    CStorage root;
    std::string error;
    EXPECT_TRUE(doc.SaveToStorage(&root, &error)) << error;
    std::vector<BYTE> bytes;
    EXPECT_TRUE(CCompoundFile::Write(root, &bytes, &error)) << error;
    return bytes;
}

// A document of pages, page k (from 1) filled with seed k.
void FillPages(CDrawDoc& doc, int pages)
{
    FillFixedPage(doc, 1);
    for (int k = 2; k <= pages; ++k) {
        doc.InsertPage(doc.PageCount(), std::make_unique<CDrawPage>());
        ASSERT_TRUE(doc.SetCurrentPage(k - 1));
        FillFixedPage(doc, k);
    }
    doc.SetCurrentPage(0);
}

std::vector<BYTE> RecordOf(CDrawObj* obj)
{
    CArchive ar;
    ar.WriteObject(obj);
    return ar.Buffer();
}

CStorage StorageOf(CDrawDoc& doc)
{
    CStorage root;
    std::string error;
    EXPECT_TRUE(doc.SaveToStorage(&root, &error)) << error;
    return root;
}

// The storage with one stream's bytes replaced (or the stream removed when
// bytes is null).
CStorage Edited(const CStorage& from, const std::string& name, const std::vector<BYTE>* bytes)
{
    std::vector<BYTE> file;
    std::string error;
    EXPECT_TRUE(CCompoundFile::Write(from, &file, &error)) << error;
    CStorage root;
    EXPECT_TRUE(CCompoundFile::Read(file.data(), file.size(), &root, &error)) << error;
    if (bytes) root.CreateStream(name, *bytes);
    else root.Remove(name);
    return root;
}

std::vector<BYTE> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(PageFiles, OnePageWritesTheFileItAlwaysWrote)
{
    CDrawDoc doc;
    FillFixedPage(doc, 1);
    FixSummary(doc);
    const std::vector<BYTE> bytes = FileBytes(doc);
    if (const char* out = std::getenv("MONDREL_WRITE_ONE_PAGE")) {
        std::ofstream(out, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    const std::vector<BYTE> expected = ReadFile(kOnePageFile);
    ASSERT_FALSE(expected.empty()) << kOnePageFile;
    EXPECT_TRUE(bytes == expected) << "a one-page document no longer writes the bytes it wrote before pages";
}

TEST(PageFiles, ADocumentOfOnePageOpensAsOnePage)
{
    CDrawDoc doc;
    std::string error;
    ASSERT_TRUE(doc.OnOpenDocument(kOnePageFile, &error)) << error;
    EXPECT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(doc.CurrentPage(), 0);
    EXPECT_TRUE(doc.PageProblem().empty()) << doc.PageProblem();
    EXPECT_EQ(doc.GetObjects()->size(), 7u);
    // Opened and written again, it is still the same file.
    FixSummary(doc);
    EXPECT_TRUE(FileBytes(doc) == ReadFile(kOnePageFile));
}

TEST(PageFiles, ThirteenPagesComeBackObjectForObject)
{
    CDrawDoc doc;
    FillPages(doc, 13);
    ASSERT_EQ(doc.PageCount(), 13);
    doc.SetCurrentPage(6);
    FixSummary(doc);
    const std::vector<BYTE> bytes = FileBytes(doc);

    CStorage root;
    std::string error;
    ASSERT_TRUE(CCompoundFile::Read(bytes.data(), bytes.size(), &root, &error)) << error;
    ASSERT_NE(root.OpenStream("Contents"), nullptr);
    for (int k = 2; k <= 13; ++k) {
        EXPECT_NE(root.OpenStream("Page " + std::to_string(k)), nullptr) << k;
        EXPECT_NE(root.OpenStream("Page " + std::to_string(k) + " Holidays"), nullptr) << k;
        EXPECT_NE(root.OpenStorage("Embedding " + std::to_string(k)), nullptr) << k;
    }
    EXPECT_EQ(root.OpenStream("Page 1"), nullptr);
    EXPECT_EQ(root.OpenStream("Page 14"), nullptr);

    CDrawDoc opened;
    ASSERT_TRUE(opened.LoadFromBytes(bytes.data(), bytes.size(), &error)) << error;
    EXPECT_TRUE(opened.PageProblem().empty()) << opened.PageProblem();
    EXPECT_TRUE(opened.HolidayProblem().empty()) << opened.HolidayProblem();
    ASSERT_EQ(opened.PageCount(), 13);
    EXPECT_EQ(opened.CurrentPage(), 0);
    EXPECT_EQ(opened.Summary()->GetNumPagesValue(), 13u);
    for (int p = 0; p < 13; ++p) {
        const CDrawPage* was = doc.GetPage(p);
        const CDrawPage* now = opened.GetPage(p);
        EXPECT_EQ(now->m_crBackFrom, was->m_crBackFrom) << p;
        EXPECT_EQ(now->m_nBackStyle, was->m_nBackStyle) << p;
        EXPECT_EQ(now->m_strBackImagePath, was->m_strBackImagePath) << p;
        ASSERT_EQ(now->m_listObjects.size(), was->m_listObjects.size()) << p;
        auto a = was->m_listObjects.begin();
        for (CDrawObj* obj : now->m_listObjects) {
            EXPECT_EQ(obj->m_pDocument, &opened);
            EXPECT_TRUE(RecordOf(obj) == RecordOf(*a)) << "page " << p + 1;
            if (auto* cal = dynamic_cast<CDrawRect*>(obj); cal && cal->m_nKind == CDrawRect::kindCalendar)
                EXPECT_TRUE(cal->m_holidays == static_cast<CDrawRect*>(*a)->m_holidays) << "page " << p + 1;
            if (auto* ole = dynamic_cast<CDrawOleObj*>(obj)) {
                ASSERT_NE(ole->m_pItem, nullptr);
                EXPECT_TRUE(ole->m_pItem->Data() == static_cast<CDrawOleObj*>(*a)->m_pItem->Data()) << p;
            }
            ++a;
        }
    }
}

TEST(PageFiles, PagesMissingDamagedOrOutOfOrderAreLeftOutByName)
{
    CDrawDoc doc;
    FillPages(doc, 5);
    FixSummary(doc);
    const CStorage root = StorageOf(doc);
    const std::vector<BYTE> cut(root.OpenStream("Page 3")->begin(), root.OpenStream("Page 3")->begin() + 40);
    const std::vector<BYTE> stray = *root.OpenStream("Page 2");
    struct Case {
        const char* what;
        CStorage file;
        int pages;
        std::vector<std::string> said;
    };
    std::vector<Case> cases;
    cases.push_back({"damaged", Edited(root, "Page 3", &cut), 4, {"page 3 is damaged"}});
    cases.push_back({"missing", Edited(root, "Page 4", nullptr), 4, {"page 4 is missing"}});
    // The summary counts five pages, so the last one is missed too.
    cases.push_back({"missing at the end", Edited(root, "Page 5", nullptr), 4, {"page 5 is missing"}});
    cases.push_back({"out of order", Edited(root, "Page 02", &stray), 5, {"\"Page 02\" is out of order"}});
    cases.push_back({"beyond the largest page", Edited(root, "Page 100000", &stray), 5, {"\"Page 100000\""}});
    CStorage twice = Edited(root, "Page 2", nullptr);
    twice = Edited(twice, "Page 4", &cut);
    cases.push_back({"two at once", std::move(twice), 3, {"page 2 is missing", "page 4 is damaged"}});
    for (Case& c : cases) {
        CDrawDoc opened;
        std::string error;
        ASSERT_TRUE(opened.LoadFromStorage(c.file, &error)) << c.what << ": " << error;
        EXPECT_EQ(opened.PageCount(), c.pages) << c.what;
        EXPECT_FALSE(opened.IsModified()) << c.what;
        for (const std::string& text : c.said)
            EXPECT_NE(opened.PageProblem().find(text), std::string::npos) << c.what << ": " << opened.PageProblem();
        // The pages that remain are whole and in their order.
        for (int p = 0; p < opened.PageCount(); ++p) EXPECT_EQ(opened.GetPage(p)->m_listObjects.size(), 7u) << c.what;
    }
    // A damaged first page is a damaged document.
    const std::vector<BYTE> bad(root.OpenStream("Contents")->begin(), root.OpenStream("Contents")->begin() + 40);
    CDrawDoc target;
    std::string error;
    EXPECT_FALSE(target.LoadFromStorage(Edited(root, "Contents", &bad), &error));
}

TEST(PageFiles, PageCommandsKeepObjectsAndTheCurrentPage)
{
    CDrawDoc doc;
    FillPages(doc, 4);
    std::vector<CDrawObj*> firsts;
    for (int p = 0; p < 4; ++p) firsts.push_back(doc.GetPage(p)->m_listObjects.front());
    ASSERT_TRUE(doc.SetCurrentPage(2));
    EXPECT_EQ(doc.GetObjects()->front(), firsts[2]);
    EXPECT_EQ(doc.GetPage(2), static_cast<CDrawPage*>(&doc));

    // Moving the current page earlier keeps it current.
    ASSERT_TRUE(doc.MovePage(2, 0));
    EXPECT_EQ(doc.CurrentPage(), 0);
    EXPECT_EQ(doc.GetObjects()->front(), firsts[2]);
    EXPECT_EQ(doc.GetPage(1)->m_listObjects.front(), firsts[0]);
    EXPECT_EQ(doc.GetPage(3)->m_listObjects.front(), firsts[3]);

    // Taking the current page away shows the one after it; putting it back
    // brings back its very objects.
    std::unique_ptr<CDrawPage> taken = doc.TakePage(0);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(doc.PageCount(), 3);
    EXPECT_EQ(doc.GetObjects()->front(), firsts[0]);
    doc.InsertPage(0, std::move(taken));
    EXPECT_EQ(doc.PageCount(), 4);
    EXPECT_EQ(doc.GetPage(0)->m_listObjects.front(), firsts[2]);
    EXPECT_EQ(doc.GetObjects()->front(), firsts[0]);

    // The last page left is never taken.
    CDrawDoc single;
    EXPECT_EQ(single.TakePage(0), nullptr);
    EXPECT_FALSE(single.SetCurrentPage(1));
    EXPECT_EQ(doc.AllObjects().size(), 28u);
}
