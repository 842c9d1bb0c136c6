#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs a command; its status and what it wrote to both outputs.
std::pair<int, std::string> Shell(const std::string& command)
{
    std::string out;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return {-1, out};
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::pair<int, std::string> Mondrel(const std::string& args)
{
    return Shell("LC_ALL=C " + std::string(MONDREL_BINARY_DIR) + "/mondrel " + args);
}

class HolidayRegionCommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("mondrel-regions-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir;
};

}  // namespace

TEST_F(HolidayRegionCommandLine, TheRegionsAreListedAndUnknownOnesRefused)
{
    auto [status, out] = Mondrel("--list-holiday-regions");
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("DE-BY\tGermany (Bavaria)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("GB-SCT\tUnited Kingdom (Scotland)\n"), std::string::npos);
    EXPECT_NE(out.find("NZ\tNew Zealand\n"), std::string::npos);

    std::tie(status, out) = Mondrel("--new --holiday-region XX --save " + Path("x.mdr"));
    EXPECT_EQ(status, 2);
    EXPECT_NE(out.find("--list-holiday-regions"), std::string::npos) << out;
    std::tie(status, out) = Mondrel("--new --week-numbers iso8601");
    EXPECT_EQ(status, 2);
    EXPECT_NE(out.find("iso or us"), std::string::npos) << out;
    // Both belong to making a calendar.
    std::tie(status, out) = Mondrel("--week-numbers us --export " + Path("x.pdf") + " " + Path("x.mdr"));
    EXPECT_EQ(status, 2);
    EXPECT_FALSE(std::filesystem::exists(Path("x.mdr")));

    std::tie(status, out) = Mondrel("--help");
    EXPECT_NE(out.find("--holiday-region CODE"), std::string::npos);
    EXPECT_NE(out.find("--week-numbers iso|us"), std::string::npos);
}

// The regions and week numbers asked for are kept in the document, which
// draws them when exported later; the PDF holds the numbers as text.
TEST_F(HolidayRegionCommandLine, RegionsAndWeekNumbersAreKeptAndExportedAsText)
{
    auto [status, out] = Mondrel("--new --months 1 --first-month 1 --year 2027 --holiday-region DE-BY "
                                 "--holiday-region AT --week-numbers iso --save " + Path("jan.mdr"));
    ASSERT_EQ(status, 0) << out;
    std::ifstream saved(Path("jan.mdr"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("region:DE-BY"), std::string::npos);
    EXPECT_NE(bytes.find("region:AT"), std::string::npos);
    EXPECT_NE(bytes.find("Heilige Drei K\xC3\xB6nige"), std::string::npos);

    std::tie(status, out) = Mondrel("--export " + Path("jan.pdf") + " " + Path("jan.mdr"));
    ASSERT_EQ(status, 0) << out;
    const auto [textStatus, text] = Shell("pdftotext " + Path("jan.pdf") + " -");
    ASSERT_EQ(textStatus, 0) << text;
    // The first week of January 2027 is still week 53 of 2026.
    EXPECT_NE(text.find("53"), std::string::npos) << text;

    // Without the options there is no region and no week number.
    std::tie(status, out) =
        Mondrel("--new --months 1 --first-month 1 --year 2027 --export " + Path("plain.pdf"));
    ASSERT_EQ(status, 0) << out;
    const auto [plainStatus, plain] = Shell("pdftotext " + Path("plain.pdf") + " -");
    EXPECT_EQ(plain.find("53"), std::string::npos) << plain;
}
