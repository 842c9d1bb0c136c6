#include "document/Archive.h"
#include "document/CompoundFile.h"
#include "document/DocSummary.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/ByteReader.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class CRecordingObserver : public CDocObserver {
public:
    void OnUpdate(CDocObserver*, int hint, CDrawObj* object) override { m_hints.emplace_back(hint, object); }
    void OnPageSizeChanged(CSize size) override { m_sizes.push_back(size); }
    std::vector<std::pair<int, CDrawObj*>> m_hints;
    std::vector<CSize> m_sizes;
};

class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / ("mondrel-doc-" + name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_path);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::vector<BYTE> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

std::vector<BYTE> Contents(CDrawDoc& doc)
{
    CStorage root;
    EXPECT_TRUE(doc.SaveToStorage(&root));
    const std::vector<BYTE>* bytes = root.OpenStream(CDrawDoc::kContentsStream);
    return bytes ? *bytes : std::vector<BYTE>();
}

std::string PngFile(const TempFolder& folder, const std::string& name, const std::string& source)
{
    std::string path = folder.File(name);
    EXPECT_EQ(std::system(("convert " + source + " '" + path + "'").c_str()), 0);
    return path;
}

// A document holding every kind of object with values away from the
// defaults.
void FillWithEveryKind(CDrawDoc& doc, const TempFolder& folder)
{
    doc.m_crBackFrom = RGB(1, 2, 3);
    doc.m_crBackTo = RGB(4, 5, 6);
    doc.m_nBackStyle = 1;
    doc.m_nGradientDirection = 0;
    doc.m_bDrawBackImage = 1;
    doc.m_nBackImagePlacement = 1;
    doc.m_bBackImageStretch = 1;
    doc.m_strBackImagePath = PngFile(folder, "back.png", "-size 40x30 xc:'#00ff00'");
    doc.m_strBackImageType = "png";
    for (int kind = 0; kind <= 7; ++kind) {
        auto* r = new CDrawRect(CRect(10 * kind, -20, 10 * kind + 100, 70 + kind), kind);
        r->m_bDrawBorder = 0;
        r->m_logpen = LOGPEN{PS_DASH, {3, 3}, RGB(9, 8, 7)};
        r->m_bFill = 0;
        r->m_logbrush = LOGBRUSH{BS_HATCHED, RGB(7, 8, 9), HS_CROSS};
        r->m_nBorderThickness = 4;
        r->m_nBorderLineType = 2;
        r->m_strText = "Text of kind " + std::to_string(kind) + std::string(300, 'x');
        r->m_roundness = CPoint(21, 22);
        r->m_bOpaque = 0;
        r->m_crTransparent = RGB(250, 0, 250);
        r->m_nGridLineType = 3;
        r->m_nGridThickness = 6;
        r->m_crGrid = RGB(11, 12, 13);
        r->m_bGrid = 0;
        r->m_b3DBorder = 0;
        r->m_nLayout = 2;
        r->m_nFirstDayOfWeek = 2;
        r->m_strHeader = "Header";
        r->m_nHeaderPercent = 20;
        r->m_bSpecialWeekday[3] = 1;
        r->m_strSpecialDates = ", 1/1, 25/12";
        r->SetCalendarMonth(kind + 1, 2030);
        r->SetHeaderFont("Tahoma", 30, 1, 1, 0, RGB(1, 1, 1));
        r->SetSpecialFont("Tahoma", 12, 0, 0, 1, RGB(2, 2, 2));
        if (kind == CDrawRect::kindImage) r->SetImageFile(PngFile(folder, "photo.png", "-size 60x40 xc:red"), "png");
        doc.Add(r);
    }
    auto* poly = new CDrawPoly(CRect(0, 0, 1, 1));
    for (CPoint p : {CPoint(0, 0), CPoint(100, 10), CPoint(50, 90)}) poly->AppendPoint(p);
    doc.Add(poly);
    auto* line = new CDrawPolyL(CRect(0, 0, 1, 1));
    for (CPoint p : {CPoint(-10, 0), CPoint(-100, -10)}) line->AppendPoint(p);
    line->m_logpen.lopnColor = RGB(200, 0, 0);
    doc.Add(line);
    auto* ole = new CDrawOleObj(CRect(-200, 200, -100, 100));
    ole->m_pItem = new CDrawItem(&doc, ole);
    std::vector<BYTE> png = ReadFile(PngFile(folder, "item.png", "-size 8x6 xc:blue"));
    ole->m_pItem->SetData(png, IMAGE_FORMAT_PNG);
    ole->m_pItem->SetExtent(CSize(2000, 1500));
    ole->m_sizeExtent = CSize(2000, 1500);
    doc.Add(ole);
}

}  // namespace

TEST(DrawDocModel, DefaultsAndTheBackColorSetting)
{
    CDrawDoc doc;
    EXPECT_EQ(doc.PageSize(), CSize(850, 1100));
    EXPECT_EQ(doc.m_nMappingMode, 8);
    EXPECT_EQ(doc.m_crBackFrom, 0xFFFFFFu);
    EXPECT_EQ(doc.m_crBackTo, 0xFFEC77u);
    EXPECT_EQ(doc.m_nBackStyle, 0);
    EXPECT_EQ(doc.m_nGradientDirection, 1);
    EXPECT_EQ(doc.m_bDrawBackImage, 0);
    EXPECT_EQ(doc.m_strBackImagePath, Environment().m_strInstallDir + "BckImage.jpg");
    EXPECT_EQ(doc.m_strBackImageType, "jpg");
    ASSERT_NE(doc.BackImage(), nullptr);
    EXPECT_EQ(doc.PageRect(), CRect(-425, -550, 425, 550));

    Environment().m_settings->WriteProfileInt("Settings", "BackColor", 0);
    CDrawDoc black;
    Environment().m_settings->WriteProfileInt("Settings", "BackColor", 0xFFFFFF);
    EXPECT_EQ(black.m_crBackFrom, 0u);
    EXPECT_EQ(black.m_crBackTo, 0xFFFFEC78u);
}

TEST(DrawDocModel, ImageFormatCodesAreCaseSensitive)
{
    const std::pair<const char*, int> table[] = {{"bmp", 0}, {"jpg", 2}, {"jpeg", 2}, {"gif", 1}, {"png", 3},
                                                 {"ico", 4}, {"tiff", 5}, {"tif", 5}, {"tga", 6}, {"pcx", 7},
                                                 {"JPG", 0}, {"webp", 0}, {"", 0}};
    for (const auto& [ext, code] : table) EXPECT_EQ(CDrawDoc::BackImageFormat(ext), code) << ext;
}

TEST(DrawDocModel, ObjectsAtAPointAndTheHintsViewsGet)
{
    CDrawDoc doc;
    CRecordingObserver views;
    doc.AddObserver(&views);
    auto* below = new CDrawRect(CRect(0, 0, 100, 100));
    auto* above = new CDrawRect(CRect(50, 50, 150, 150));
    auto* reversed = new CDrawRect(CRect(400, -100, 300, 0));  // stored left > right
    doc.Add(below);
    doc.Add(above);
    doc.Add(reversed);
    EXPECT_EQ(below->m_pDocument, &doc);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.FindObjectAt(CPoint(60, 60)), above);
    EXPECT_EQ(doc.FindObjectAt(CPoint(10, 10)), below);
    EXPECT_EQ(doc.FindObjectAt(CPoint(350, -50)), reversed);
    EXPECT_EQ(doc.FindObjectAt(CPoint(-300, -300)), nullptr);

    doc.RemoveObject(above);
    ASSERT_FALSE(views.m_hints.empty());
    EXPECT_EQ(views.m_hints.back(), std::make_pair(HINT_DELETE_SELECTION, static_cast<CDrawObj*>(above)));
    EXPECT_EQ(doc.FindObjectAt(CPoint(120, 120)), nullptr);
    delete above;

    doc.SetModifiedFlag(false);
    views.m_hints.clear();
    doc.ApplyCalendarSettingsToAll(below);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(views.m_hints.size(), 1u);
    EXPECT_EQ(views.m_hints[0].first, HINT_UPDATE_WINDOW);
    doc.RemoveObserver(&views);
}

TEST(DrawDocModel, PageSizeFromThePrinter)
{
    CDrawDoc::SetPrinterQuery([](CSize* mm) {
        *mm = CSize(203, 271);  // a letter page's printable area
        return true;
    });
    CDrawDoc doc;
    EXPECT_EQ(doc.PageSize(), CSize(799, 1067));
    CRecordingObserver views;
    doc.AddObserver(&views);
    CDrawDoc::SetPrinterQuery([](CSize*) { return false; });
    doc.UpdatePageSize();
    EXPECT_EQ(doc.PageSize(), CSize(850, 1100));
    ASSERT_EQ(views.m_sizes.size(), 1u);
    EXPECT_EQ(views.m_sizes[0], CSize(850, 1100));
    doc.UpdatePageSize();
    EXPECT_EQ(views.m_sizes.size(), 1u);  // unchanged: nobody is told
    CDrawDoc::SetPrinterQuery(nullptr);
    doc.RemoveObserver(&views);
}

TEST(DrawDocFile, BytesOfAnEmptyDocument)
{
    CDrawDoc doc;
    std::vector<BYTE> bytes = Contents(doc);
    CByteWriter expected;
    for (DWORD v : {0xFFFFFFu, 0xFFEC77u, 0u, 1u, 0u, 0u, 0u}) expected.U32(v);
    std::string path = Environment().m_strInstallDir + "BckImage.jpg";
    expected.U8(static_cast<BYTE>(path.size()));
    expected.Bytes(path);
    expected.U8(3);
    expected.Bytes("jpg");
    expected.U16(0);  // no objects
    expected.U32(0);  // no client items
    EXPECT_EQ(bytes, expected.Buffer());
}

TEST(DrawDocFile, ClassTagsOfTheFirstAndSecondRectangle)
{
    CDrawDoc doc;
    doc.m_strBackImagePath = "p";
    doc.m_strBackImageType = "t";
    doc.m_crBackFrom = 0x11223344;
    doc.m_nBackStyle = 2;
    doc.m_bBackImageStretch = 1;
    doc.Add(new CDrawRect(CRect(1, 2, 3, 4)));
    doc.Add(new CDrawRect(CRect(5, 6, 7, 8)));
    std::vector<BYTE> bytes = Contents(doc);
    CByteReader in(bytes);
    EXPECT_EQ(in.U32(), 0x11223344u);
    in.U32();
    EXPECT_EQ(in.U32(), 2u);  // style
    in.U32();
    in.U32();
    in.U32();
    EXPECT_EQ(in.U32(), 1u);  // stretch
    EXPECT_EQ(in.U8(), 1);
    EXPECT_EQ(in.Bytes(1), "p");
    EXPECT_EQ(in.U8(), 1);
    EXPECT_EQ(in.Bytes(1), "t");
    EXPECT_EQ(in.U16(), 2);  // two objects
    EXPECT_EQ(in.U16(), 0xFFFF);
    EXPECT_EQ(in.U16(), 0x0000);
    EXPECT_EQ(in.U16(), 0x0009);
    EXPECT_EQ(in.Bytes(9), "CDrawRect");
    EXPECT_EQ(in.I32(), 1);  // the first rectangle's left
    // The second object follows the first one's record: find its tag.
    std::size_t tag = std::string::npos;
    for (std::size_t i = in.Tell(); i + 6 <= bytes.size(); ++i) {
        if (bytes[i] == 0x01 && bytes[i + 1] == 0x80 && bytes[i + 2] == 5 && bytes[i + 3] == 0 && bytes[i + 4] == 0 &&
            bytes[i + 5] == 0) {
            tag = i;
            break;
        }
    }
    EXPECT_NE(tag, std::string::npos);
    EXPECT_EQ(bytes[bytes.size() - 4], 0);  // no client items
}

TEST(DrawDocFile, EveryKindOfObjectRoundTrips)
{
    TempFolder folder("roundtrip");
    CDrawDoc doc;
    doc.OnNewDocument();
    FillWithEveryKind(doc, folder);
    doc.Summary()->SetTitle("Round trip");
    std::string path = folder.File("all.mdr");
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error;
    EXPECT_FALSE(doc.IsModified());

    CDrawDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error;
    // Saved again, the document gives the same bytes: every stored field
    // came back.
    EXPECT_EQ(Contents(back), Contents(doc));
    ASSERT_EQ(back.GetObjects()->size(), doc.GetObjects()->size());
    for (CDrawObj* obj : *back.GetObjects()) EXPECT_EQ(obj->m_pDocument, &back);
    auto it = back.GetObjects()->begin();
    auto* first = dynamic_cast<CDrawRect*>(*it);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_logpen.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(first->m_nBorderThickness, 4);
    EXPECT_EQ(first->m_nBorderLineType, 2);
    EXPECT_EQ(first->m_strText.size(), 314u);
    EXPECT_EQ(first->m_fontHeader.m_nPointSize, 30);
    EXPECT_EQ(first->m_nMonth, 1);
    EXPECT_EQ(first->m_nYear, 2030);
    std::advance(it, 8);
    auto* poly = dynamic_cast<CDrawPoly*>(*it);
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(std::string(poly->GetClassName()), "CDrawPoly");
    EXPECT_EQ(poly->m_nPointCount, 3);
    EXPECT_EQ(poly->m_pPoints[2], CPoint(50, 90));
    auto* line = dynamic_cast<CDrawPoly*>(*++it);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::string(line->GetClassName()), "CDrawPolyL");
    auto* ole = dynamic_cast<CDrawOleObj*>(*++it);
    ASSERT_NE(ole, nullptr);
    ASSERT_NE(ole->m_pItem, nullptr);
    EXPECT_EQ(ole->m_pItem->Data(), dynamic_cast<CDrawOleObj*>(doc.GetObjects()->back())->m_pItem->Data());
    ASSERT_NE(ole->m_pItem->Picture(), nullptr);
    EXPECT_EQ(ole->m_pItem->Picture()->GetWidth(), 8);
    EXPECT_EQ(ole->m_pItem->m_pOwnerObject, ole);

    // The background fields, and the picture rebuilt from the loaded path.
    EXPECT_EQ(back.m_crBackFrom, RGB(1, 2, 3));
    EXPECT_EQ(back.m_nBackStyle, 1);
    EXPECT_EQ(back.m_strBackImageType, "png");
    ASSERT_NE(back.BackImage(), nullptr);
    EXPECT_TRUE(back.BackImage()->IsValid());
    EXPECT_EQ(back.BackImage()->GetWidth(), 40);
    EXPECT_EQ(back.Summary()->GetTitle(), "Round trip");
    EXPECT_EQ(back.Summary()->GetRevisionNumber(), "1");

    // The embedded picture lives in its own storage.
    CStorage root;
    ASSERT_TRUE(CCompoundFile::Load(path, &root, &error));
    const CStorage* item = root.OpenStorage("Embedding 1");
    ASSERT_NE(item, nullptr);
    ASSERT_NE(item->OpenStream(CDrawDoc::kItemStream), nullptr);
    EXPECT_EQ(*item->OpenStream(CDrawDoc::kItemStream), ole->m_pItem->Data());
}

TEST(DrawDocFile, LoadingIsAllOrNothing)
{
    TempFolder folder("strict");
    CDrawDoc doc;
    FillWithEveryKind(doc, folder);
    CStorage root;
    ASSERT_TRUE(doc.SaveToStorage(&root));
    const std::vector<BYTE> good = *root.OpenStream(CDrawDoc::kContentsStream);

    CDrawDoc target;
    target.Add(new CDrawRect(CRect(0, 0, 5, 5)));
    target.m_crBackFrom = RGB(77, 77, 77);
    auto unchanged = [&] {
        return target.GetObjects()->size() == 1 && target.m_crBackFrom == RGB(77, 77, 77);
    };
    // Every truncation of the archive stream is refused.
    for (std::size_t cut = 0; cut < good.size(); cut += 7) {
        CStorage bad;
        bad.CreateStream(CDrawDoc::kContentsStream, std::vector<BYTE>(good.begin(), good.begin() + static_cast<long>(cut)));
        for (const auto& [name, sub] : root.Storages()) *bad.CreateStorage(name) = CStorage(), (void)sub;
        std::string error;
        ASSERT_FALSE(target.LoadFromStorage(bad, &error)) << cut;
        EXPECT_FALSE(error.empty());
        ASSERT_TRUE(unchanged()) << cut;
    }
    // An unknown class name, a wrong schema, a huge client item count.
    auto patched = [&](std::size_t offset, std::vector<BYTE> bytes) {
        std::vector<BYTE> copy = good;
        std::copy(bytes.begin(), bytes.end(), copy.begin() + static_cast<long>(offset));
        return copy;
    };
    std::size_t afterStrings = 28 + 1 + doc.m_strBackImagePath.size() + 1 + 3;
    std::vector<std::vector<BYTE>> hostile = {
        patched(afterStrings + 2 + 6, {'X'}),          // "XDrawRect"
        patched(afterStrings + 2 + 2, {1, 0}),         // schema 1
        patched(good.size() - 4 - 2, {0xFF, 0xFF}),   // a broken last reference
        patched(afterStrings, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),  // 2^31 objects
    };
    for (const auto& bytes : hostile) {
        CStorage bad;
        bad.CreateStream(CDrawDoc::kContentsStream, bytes);
        std::string error;
        EXPECT_FALSE(target.LoadFromStorage(bad, &error));
        EXPECT_TRUE(unchanged());
    }
    // The embedded picture's storage missing.
    CStorage noItem;
    noItem.CreateStream(CDrawDoc::kContentsStream, good);
    std::string error;
    EXPECT_FALSE(target.LoadFromStorage(noItem, &error));
    EXPECT_TRUE(unchanged());
    // No archive stream at all.
    EXPECT_FALSE(target.LoadFromStorage(CStorage(), &error));
    EXPECT_TRUE(unchanged());
}

TEST(DrawDocFile, FailedSaveKeepsTheOldFileAndTheRevision)
{
    TempFolder folder("failedsave");
    std::string path = folder.File("keep.mdr");
    CDrawDoc doc;
    doc.OnNewDocument();
    doc.Add(new CDrawRect(CRect(0, 0, 10, 10)));
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error;
    std::vector<BYTE> before = ReadFile(path);
    EXPECT_EQ(doc.Summary()->GetRevisionNumber(), "1");

    doc.Add(new CDrawRect(CRect(0, 0, 20, 20)));
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(folder.Path().c_str(), W_OK) != 0) {
        EXPECT_FALSE(doc.OnSaveDocument(path, &error));
        EXPECT_NE(error.find("Cannot save"), std::string::npos) << error;
        EXPECT_EQ(ReadFile(path), before);
        EXPECT_EQ(doc.Summary()->GetRevisionNumber(), "1");
        EXPECT_TRUE(doc.IsModified());
    }
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_FALSE(doc.OnSaveDocument(folder.File("missing/x.mdr"), &error));
    EXPECT_FALSE(doc.OnOpenDocument(folder.File("missing.mdr"), &error));
    EXPECT_NE(error.find("Cannot open"), std::string::npos);
}

TEST(DrawDocFile, SummaryLifeAndTheWorkingDirectory)
{
    TempFolder folder("summary");
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    CDrawDoc doc;
    doc.OnNewDocument();
    EXPECT_EQ(doc.Summary()->GetAppName(), "Mondrel");
    EXPECT_EQ(doc.Summary()->GetNumPagesValue(), 1u);
    EXPECT_NE(doc.Summary()->GetCreatedValue(), 0u);
    std::string path = folder.File("s.mdr");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(doc.Summary()->GetRevisionNumber(), "1");
    EXPECT_EQ(doc.Summary()->GetLastAuthor(), "");
    char after[4096];
    ASSERT_NE(::getcwd(after, sizeof after), nullptr);
    EXPECT_STREQ(cwd, after);

    // Without its summary stream a document opens with the initial values.
    CStorage root;
    ASSERT_TRUE(CCompoundFile::Load(path, &root, nullptr));
    root.Remove(CDocSummary::kStreamName);
    ASSERT_TRUE(CCompoundFile::Save(root, path, nullptr));
    CDrawDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path));
    EXPECT_EQ(back.Summary()->GetRevisionNumber(), "0");
    EXPECT_EQ(back.Summary()->GetAppName(), "");
}
