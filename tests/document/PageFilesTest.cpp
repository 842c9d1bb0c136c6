// Documents of several pages in their files: page 1 in "Contents" exactly as
// a one-page document always had it, every further page in a stream of its
// own, and files with pages missing or damaged opening with what is whole.

#include "calendar/HolidayList.h"
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
