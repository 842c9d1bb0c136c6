#include "document/CompoundFile.h"
#include "document/DocSummary.h"
#include "document/PropertySet.h"
#include "objects/ByteReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// 2021-03-04 05:06:07 UTC as a FILETIME.
constexpr std::uint64_t kSomeTime = (1614834367ULL + 11644473600ULL) * 10000000ULL;
constexpr std::uint64_t kMinute = 600000000ULL;

std::string Pipe(const std::string& command)
{
    std::string out;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    ::pclose(pipe);
    return out;
}

}  // namespace

TEST(DocSummaryValues, InitialValuesAndDisplayTexts)
{
    CDocSummary s;
    EXPECT_EQ(s.GetTitle(), "");
    EXPECT_EQ(s.GetRevisionNumber(), "0");
    EXPECT_EQ(s.GetEditTime(), "0 min");
    EXPECT_EQ(s.GetCreateDate(), "");
    EXPECT_EQ(s.GetLastPrintDate(), "");
    EXPECT_EQ(s.GetNumPages(), "0");
    EXPECT_EQ(s.GetSecurity(), "0");
    EXPECT_EQ(s.GetCodePage(), static_cast<std::int16_t>(CDocSummary::kCodePageUtf8));
    // Whole minutes, rounded down.
    s.SetEditTime(3 * kMinute - 1);
    EXPECT_EQ(s.GetEditTime(), "2 min");
    s.SetNumChars(4000000000u);
    EXPECT_EQ(s.GetNumChars(), "4000000000");
    s.SetCreated(kSomeTime);
    EXPECT_FALSE(s.GetCreateDate().empty());
}

TEST(DocSummaryValues, LifeOfNewSaveAndPrint)
{
    CDocSummary s;
    s.RecordNew(kSomeTime);
    EXPECT_EQ(s.GetCreatedValue(), kSomeTime);
    EXPECT_EQ(s.GetNumPagesValue(), 1u);
    EXPECT_EQ(s.GetAppName(), "Mondrel");
    s.RecordSave(kSomeTime + 5 * kMinute + 7);
    EXPECT_EQ(s.GetRevisionNumber(), "1");
    EXPECT_EQ(s.GetLastAuthor(), "");
    EXPECT_EQ(s.GetLastSavedValue(), kSomeTime + 5 * kMinute + 7);
    EXPECT_EQ(s.GetEditTime(), "5 min");
    s.SetAuthor("Ada");
    s.RecordSave(kSomeTime + 8 * kMinute);
    EXPECT_EQ(s.GetRevisionNumber(), "2");
    EXPECT_EQ(s.GetLastAuthor(), "Ada");
    EXPECT_EQ(s.GetEditTimeValue(), 8 * kMinute);
    s.RecordPrint(kSomeTime + 9);
    EXPECT_EQ(s.GetLastPrintedValue(), kSomeTime + 9);
    // A revision that is not a number starts again from 1.
    s.SetRevisionNumber("x");
    s.IncrementRevision();
    EXPECT_EQ(s.GetRevisionNumber(), "1");
}

TEST(DocSummaryStream, LayoutOfTheStream)
{
    CDocSummary s;
    s.SetTitle("Year");
    std::vector<BYTE> bytes = s.PropertySet().Write();
    CByteReader in(bytes);
    EXPECT_EQ(in.U16(), 0xFFFE);
    EXPECT_EQ(in.U16(), 0);
    EXPECT_EQ(in.U32() >> 16, 2u);  // platform kind
    in.Skip(16);
    EXPECT_EQ(in.U32(), 1u);  // one section
    BYTE fmtid[16];
    in.Read(fmtid, 16);
    EXPECT_EQ(0, std::memcmp(fmtid, FMTID_SummaryInformation.data(), 16));
    DWORD offset = in.U32();
    EXPECT_EQ(offset, 48u);
    in.Seek(offset);
    DWORD size = in.U32();
    EXPECT_EQ(size, bytes.size() - offset);
    EXPECT_EQ(in.U32(), 18u);
    const DWORD order[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 12, 14, 15, 16, 18, 0x80000002};
    for (DWORD id : order) {
        EXPECT_EQ(in.U32(), id);
        DWORD valueOffset = in.U32();
        EXPECT_EQ(valueOffset % 4, 0u);
        EXPECT_LT(valueOffset, size);
    }
    // The title "Year": type 30, length 5 with its null, padded to 8 bytes.
    const CProperty* title = s.PropertySet().m_sections[0].Find(CDocSummary::PID_TITLE);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->m_wType, VT_LPSTR);
}

TEST(DocSummaryStream, RoundTripAndHostileStreams)
{
    CDocSummary s;
    s.SetTitle("Family calendar");
    s.SetSubject("Photos");
    s.SetAuthor("Zoë");
    s.SetKeywords("2027, family");
    s.SetComments("comments");
    s.SetTemplate("t");
    s.RecordNew(kSomeTime);
    s.RecordSave(kSomeTime + 61 * kMinute);
    s.SetSecurity(4);
    CStorage root;
    ASSERT_TRUE(s.WriteTo(&root));
    CDocSummary back;
    ASSERT_TRUE(back.ReadFrom(&root));
    EXPECT_EQ(back.PropertySet().Write(), s.PropertySet().Write());
    EXPECT_EQ(back.GetAuthor(), "Zoë");
    EXPECT_EQ(back.GetEditTime(), "61 min");

    // Missing stream: initial values stay.
    CStorage empty;
    CDocSummary none;
    EXPECT_FALSE(none.ReadFrom(&empty));
    EXPECT_EQ(none.GetRevisionNumber(), "0");

    // Every truncation and a few corruptions are refused or read safely.
    std::vector<BYTE> good = s.PropertySet().Write();
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        CPropertySet set;
        EXPECT_FALSE(set.Read(std::vector<BYTE>(good.begin(), good.begin() + static_cast<long>(cut)))) << cut;
    }
    std::vector<BYTE> bad = good;
    bad[0] = 0xFF;  // big-endian byte order mark
    bad[1] = 0xFE;
    CPropertySet set;
    EXPECT_FALSE(set.Read(bad));
    bad = good;
    bad[48 + 4] = 0xFF;  // property count far beyond the section
    EXPECT_FALSE(set.Read(bad));
    bad = good;
    bad[48 + 8 + 8 + 4 + 2] = 0x10;  // the title's value offset outside the section
    EXPECT_FALSE(set.Read(bad));
}

TEST(DocSummaryStream, PythonOlefileReadsTheMetadata)
{
    auto dir = std::filesystem::temp_directory_path() / ("mondrel-summary-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "s.mdr").string();
    CDocSummary s;
    s.SetTitle("My title");
    s.SetSubject("My subject");
    s.SetAuthor("Me");
    s.SetKeywords("k1 k2");
    s.SetComments("Some comments");
    s.RecordNew(kSomeTime);
    s.RecordSave(kSomeTime + 2 * kMinute);
    CStorage root;
    root.CreateStream("Contents", {0, 0, 0, 0});
    ASSERT_TRUE(s.WriteTo(&root));
    ASSERT_TRUE(CCompoundFile::Save(root, path, nullptr));
    std::string out = Pipe(
        "/usr/bin/python3 -c \"import olefile,sys\n"
        "o=olefile.OleFileIO(sys.argv[1]); m=o.get_metadata()\n"
        "for k in ('title','subject','author','keywords','comments','revision_number','creating_application','last_saved_by'):\n"
        "  print(k+'='+m.__dict__[k].decode())\n"
        "print('create_time='+m.create_time.isoformat())\n"
        "print('last_saved_time='+m.last_saved_time.isoformat())\n"
        "print('total_edit_time='+str(m.total_edit_time))\n"
        "print('num_pages='+str(m.num_pages))\n"
        "\" '" + path + "' 2>&1");
    EXPECT_NE(out.find("title=My title\n"), std::string::npos) << out;
    EXPECT_NE(out.find("subject=My subject\n"), std::string::npos) << out;
    EXPECT_NE(out.find("author=Me\n"), std::string::npos) << out;
    EXPECT_NE(out.find("keywords=k1 k2\n"), std::string::npos) << out;
    EXPECT_NE(out.find("comments=Some comments\n"), std::string::npos) << out;
    EXPECT_NE(out.find("revision_number=1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("creating_application=Mondrel\n"), std::string::npos) << out;
    EXPECT_NE(out.find("last_saved_by=Me\n"), std::string::npos) << out;
    EXPECT_NE(out.find("create_time=2021-03-04T05:06:07\n"), std::string::npos) << out;
    EXPECT_NE(out.find("last_saved_time=2021-03-04T05:08:07\n"), std::string::npos) << out;
    EXPECT_NE(out.find("total_edit_time=120\n"), std::string::npos) << out;
    EXPECT_NE(out.find("num_pages=1\n"), std::string::npos) << out;
    std::filesystem::remove_all(dir);
}
