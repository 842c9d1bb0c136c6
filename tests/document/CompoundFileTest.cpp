#include "document/CompoundFile.h"
#include "document/DocSummary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path TempDir(const std::string& name)
{
    auto dir = std::filesystem::temp_directory_path() / ("mondrel-cf-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::string RunCommand(const std::string& command)
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

std::vector<BYTE> Bytes(const std::string& s)
{
    return std::vector<BYTE>(s.begin(), s.end());
}

}  // namespace

TEST(CompoundFileStorage, NamesAreCheckedAndStreamsReplaced)
{
    CStorage root;
    EXPECT_TRUE(root.CreateStream("Contents", Bytes("one")));
    EXPECT_TRUE(root.CreateStream("Contents", Bytes("two")));
    ASSERT_NE(root.OpenStream("Contents"), nullptr);
    EXPECT_EQ(*root.OpenStream("Contents"), Bytes("two"));
    EXPECT_EQ(root.Streams().size(), 1u);
    EXPECT_TRUE(root.CreateStream(std::string(31, 'a'), {}));
    EXPECT_FALSE(root.CreateStream(std::string(32, 'a'), {}));
    EXPECT_FALSE(root.CreateStream("", {}));
    EXPECT_EQ(root.CreateStorage("Contents"), nullptr);  // a stream has the name
    EXPECT_NE(root.CreateStorage("Item 1"), nullptr);
    EXPECT_FALSE(root.CreateStream("Item 1", {}));
    EXPECT_TRUE(root.Remove("Item 1"));
    EXPECT_EQ(root.OpenStorage("Item 1"), nullptr);
}

TEST(CompoundFileStorage, RoundTripWithSubStoragesAndLargeStreams)
{
    CStorage root;
    std::vector<BYTE> big(70000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<BYTE>(i * 7);
    root.CreateStream("Contents", big);
    root.CreateStream("Empty", {});
    CStorage* item = root.CreateStorage("Embedding 1");
    item->CreateStream("Picture", Bytes("picture bytes"));
    item->CreateStorage("Deeper")->CreateStream("x", Bytes("y"));

    std::vector<BYTE> file;
    std::string error;
    ASSERT_TRUE(CCompoundFile::Write(root, &file, &error)) << error;
    CStorage back;
    ASSERT_TRUE(CCompoundFile::Read(file.data(), file.size(), &back, &error)) << error;
    ASSERT_NE(back.OpenStream("Contents"), nullptr);
    EXPECT_EQ(*back.OpenStream("Contents"), big);
    ASSERT_NE(back.OpenStream("Empty"), nullptr);
    EXPECT_TRUE(back.OpenStream("Empty")->empty());
    const CStorage* backItem = back.OpenStorage("Embedding 1");
    ASSERT_NE(backItem, nullptr);
    EXPECT_EQ(*backItem->OpenStream("Picture"), Bytes("picture bytes"));
    ASSERT_NE(backItem->OpenStorage("Deeper"), nullptr);
    EXPECT_EQ(*backItem->OpenStorage("Deeper")->OpenStream("x"), Bytes("y"));
}

TEST(CompoundFileStorage, RejectsGarbageAndTruncation)
{
    CStorage root;
    root.CreateStream("Contents", std::vector<BYTE>(5000, 1));
    std::vector<BYTE> file;
    ASSERT_TRUE(CCompoundFile::Write(root, &file, nullptr));
    CStorage back;
    std::string error;
    std::vector<BYTE> garbage(4096, 0x41);
    EXPECT_FALSE(CCompoundFile::Read(garbage.data(), garbage.size(), &back, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(CCompoundFile::Read(nullptr, 0, &back, &error));
    for (std::size_t cut : {std::size_t(10), std::size_t(512), file.size() / 2, file.size() - 1}) {
        std::vector<BYTE> part(file.begin(), file.begin() + static_cast<long>(cut));
        CStorage partial;
        // Either refused or read without crashing; a refused file leaves nothing behind.
        if (!CCompoundFile::Read(part.data(), part.size(), &partial, &error)) {
            EXPECT_TRUE(partial.IsEmpty());
        }
    }
}

TEST(CompoundFileSaving, ReplacesAtomicallyAndKeepsTheOldFileOnFailure)
{
    auto dir = TempDir("save");
    std::string path = (dir / "doc.mdr").string();
    CStorage first;
    first.CreateStream("Contents", Bytes("first"));
    std::string error;
    ASSERT_TRUE(CCompoundFile::Save(first, path, &error)) << error;
    CStorage second;
    second.CreateStream("Contents", Bytes("second"));
    ASSERT_TRUE(CCompoundFile::Save(second, path, &error)) << error;
    CStorage back;
    ASSERT_TRUE(CCompoundFile::Load(path, &back, &error)) << error;
    EXPECT_EQ(*back.OpenStream("Contents"), Bytes("second"));
    // No temporary file is left beside it.
    int count = 0;
    for (auto& e : std::filesystem::directory_iterator(dir)) (void)e, ++count;
    EXPECT_EQ(count, 1);

    // A folder that cannot be written: the save fails, says why and leaves
    // the old file alone.
    std::filesystem::permissions(dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    bool canStillWrite = ::access(dir.c_str(), W_OK) == 0;  // true when running as root
    if (!canStillWrite) {
        EXPECT_FALSE(CCompoundFile::Save(first, path, &error));
        EXPECT_FALSE(error.empty());
        ASSERT_TRUE(CCompoundFile::Load(path, &back, &error));
        EXPECT_EQ(*back.OpenStream("Contents"), Bytes("second"));
    }
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    EXPECT_FALSE(CCompoundFile::Save(first, (dir / "missing" / "x.mdr").string(), &error));
    EXPECT_FALSE(CCompoundFile::Load((dir / "none.mdr").string(), &back, &error));
    std::filesystem::remove_all(dir);
}

TEST(CompoundFileSaving, OtherProgramsListOurStreams)
{
    auto dir = TempDir("list");
    std::string path = (dir / "doc.mdr").string();
    CStorage root;
    root.CreateStream("Contents", std::vector<BYTE>(100, 2));
    CDocSummary summary;
    summary.WriteTo(&root);
    root.CreateStorage("Item 1")->CreateStream("Picture", Bytes("xyz"));
    ASSERT_TRUE(CCompoundFile::Save(root, path, nullptr));

    std::string listing = RunCommand("gsf list '" + path + "' 2>&1");
    EXPECT_NE(listing.find("Contents"), std::string::npos) << listing;
    EXPECT_NE(listing.find("SummaryInformation"), std::string::npos) << listing;
    EXPECT_NE(listing.find("Item 1"), std::string::npos) << listing;

    std::string py = RunCommand("/usr/bin/python3 -c \"import olefile,sys; o=olefile.OleFileIO(sys.argv[1]); "
                         "print(sorted('/'.join(e) for e in o.listdir(streams=True, storages=False)))\" '" +
                         path + "' 2>&1");
    EXPECT_NE(py.find("'Contents'"), std::string::npos) << py;
    EXPECT_NE(py.find("'\\x05SummaryInformation'"), std::string::npos) << py;
    EXPECT_NE(py.find("'Item 1/Picture'"), std::string::npos) << py;
    std::filesystem::remove_all(dir);
}
