#include <gtest/gtest.h>

#include <QtGui/QImage>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

struct Result {
    int status = -1;
    std::string out;  // standard output and standard error together
};

Result Mondrel(const std::string& args)
{
    Result r;
    std::string command = std::string(MONDREL_BINARY_DIR) + "/mondrel " + args + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string Shell(const std::string& command)
{
    std::string out;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    ::pclose(pipe);
    return out;
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("mondrel-cli-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(m_dir / name); }

    std::filesystem::path m_dir;
};

}  // namespace

TEST_F(CommandLine, HelpListsTheOptions)
{
    Result r = Mondrel("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--new", "--photo", "--months", "--first-month", "--year", "--layout", "--background",
                               "--direction", "--from-color", "--to-color", "--background-image", "--placement",
                               "--stretch", "--frame", "--holidays", "--holiday-names", "--save", "--export", "--resolution", "--make-sample-photo"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST_F(CommandLine, BadArgumentsAreRefusedWithAMessage)
{
    const char* cases[] = {
        "--new --layout 8",         "--new --months x",        "--new --months -1",
        "--new --first-month 13",   "--new --from-color GG0000", "--new --to-color 12345",
        "--new --background wavy",  "--new --direction up",    "--new --placement left",
        "--new --resolution 5",     "--new --frobnicate",      "--new --photo",
        "--export a.jpg",           "--export a.jpg b.mdr c.mdr", "--months 3 --export a.jpg b.mdr",
        "--save x.mdr",
    };
    for (const char* args : cases) {
        Result r = Mondrel(args);
        EXPECT_NE(r.status, 0) << args;
        EXPECT_NE(r.out.find("mondrel: "), std::string::npos) << args << ": " << r.out;
    }
}

TEST_F(CommandLine, RefusedExtensionsWriteNothing)
{
    for (const char* name : {"page.jpeg", "page.png", "page"}) {
        Result r = Mondrel("--new --export " + Path(name));
        EXPECT_NE(r.status, 0) << name;
        EXPECT_NE(r.out.find("ERROR: File extension must be - bmp or jpg."), std::string::npos) << r.out;
        EXPECT_FALSE(Exists(name));
    }
    // The extension is compared in lower case.
    Result r = Mondrel("--new --months 0 --export " + Path("PAGE.JPG"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Exists("PAGE.JPG"));
}

TEST_F(CommandLine, MissingAndUndecodableFiles)
{
    Result r = Mondrel("--new --photo " + Path("none.jpg") + " --export " + Path("a.jpg"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("cannot read"), std::string::npos) << r.out;
    EXPECT_FALSE(Exists("a.jpg"));

    // A photo that exists but is not a picture: reported, the page is made.
    Shell("echo not a picture > " + Path("broken.jpg"));
    r = Mondrel("--new --months 2 --photo " + Path("broken.jpg") + " --export " + Path("b.bmp"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("cannot be decoded"), std::string::npos) << r.out;
    EXPECT_TRUE(Exists("b.bmp"));

    r = Mondrel("--new --background-image " + Path("broken.jpg") + " --export " + Path("c.bmp"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("background picture"), std::string::npos) << r.out;

    r = Mondrel("--export " + Path("d.jpg") + " " + Path("none.mdr"));
    EXPECT_NE(r.status, 0);
    r = Mondrel("--export " + Path("d.jpg") + " " + Path("broken.jpg"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("Cannot open"), std::string::npos) << r.out;
    EXPECT_FALSE(Exists("d.jpg"));

    r = Mondrel("--new --save " + Path("no/such/folder/x.mdr"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("Cannot save"), std::string::npos) << r.out;
}

TEST_F(CommandLine, SolidPageExportedAsBitmapAtTwoResolutions)
{
    Result r = Mondrel("--new --months 0 --background solid --from-color 336699 --save " + Path("p.mdr") +
                       " --export " + Path("p.bmp"));
    ASSERT_EQ(r.status, 0) << r.out;
    QImage page(QString::fromStdString(Path("p.bmp")));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), QSize(850, 1100));
    EXPECT_EQ(page.pixel(0, 0), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(page.pixel(849, 1099), qRgb(0x33, 0x66, 0x99));

    r = Mondrel("--export " + Path("p300.bmp") + " --resolution 300 " + Path("p.mdr"));
    ASSERT_EQ(r.status, 0) << r.out;
    QImage big(QString::fromStdString(Path("p300.bmp")));
    EXPECT_EQ(big.size(), QSize(2550, 3300));
    EXPECT_EQ(big.pixel(2000, 3000), qRgb(0x33, 0x66, 0x99));
}

TEST_F(CommandLine, DefaultGradientRunsFromWhiteToLightBlue)
{
    Result r = Mondrel("--new --months 0 --export " + Path("g.bmp"));
    ASSERT_EQ(r.status, 0) << r.out;
    QImage page(QString::fromStdString(Path("g.bmp")));
    ASSERT_EQ(page.size(), QSize(850, 1100));
    // Vertical: from white at the left (the strip next to the one-unit
    // remainder is 849/850 of the way) to 77ECFF at the right.
    EXPECT_EQ(page.pixel(0, 500), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(page.pixel(1, 500), qRgb(0xFE, 0xFE, 0xFF));
    EXPECT_EQ(page.pixel(849, 500), qRgb(0x77, 0xEC, 0xFF));
}

TEST_F(CommandLine, TheDemoCalendarEndToEnd)
{
    Result r = Mondrel("--make-sample-photo " + Path("photo.jpg"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(Shell("identify -format '%m %w %h' " + Path("photo.jpg")).find("JPEG 1600 1067"), std::string::npos);

    r = Mondrel("--new --photo " + Path("photo.jpg") + " --months 12 --first-month 1 --year 2027 --frame 15" +
                " --save " + Path("cal.mdr") + " --export " + Path("cal.jpg"));
    ASSERT_EQ(r.status, 0) << r.out;
    // Other programs read what we wrote.
    EXPECT_NE(Shell("djpeg -pnm " + Path("cal.jpg") + " | head -c 16").find("850 1100"), std::string::npos);
    std::string listing = Shell("gsf list " + Path("cal.mdr"));
    EXPECT_NE(listing.find("Contents"), std::string::npos) << listing;
    EXPECT_NE(listing.find("SummaryInformation"), std::string::npos) << listing;
    std::string meta = Shell("/usr/bin/python3 -c \"import olefile,sys; m=olefile.OleFileIO(sys.argv[1]).get_metadata(); "
                             "print(m.creating_application.decode(), m.revision_number.decode(), m.num_pages)\" " +
                             Path("cal.mdr"));
    EXPECT_NE(meta.find("Mondrel 1 1"), std::string::npos) << meta;

    // The saved document exports to the same picture.
    r = Mondrel("--export " + Path("again.bmp") + " " + Path("cal.mdr"));
    ASSERT_EQ(r.status, 0) << r.out;
    r = Mondrel("--new --photo " + Path("photo.jpg") + " --months 12 --first-month 1 --year 2027 --frame 15" +
                " --export " + Path("direct.bmp"));
    ASSERT_EQ(r.status, 0) << r.out;
    QImage again(QString::fromStdString(Path("again.bmp")));
    QImage direct(QString::fromStdString(Path("direct.bmp")));
    ASSERT_FALSE(again.isNull());
    EXPECT_TRUE(again == direct);
}

TEST_F(CommandLine, ASavedCameraPhotoPageExportsAsTheNewPageDoes)
{
    // A camera-sized photo: a saved document's export opens it before the
    // toolkit starts, decodes it at a reduced scale, reduces it on two
    // threads and draws it in bands; the page must not change for that.
    Shell("convert -size 4000x3000 gradient:'#f0d020-#102080' -fill '#c02020' -draw 'circle 2000,1500 2600,1700' "
          "-quality 90 " + Path("camera.jpg"));
    ASSERT_TRUE(Exists("camera.jpg"));
    for (const std::string dpi : {"100", "300"}) {
        Result r = Mondrel("--new --photo " + Path("camera.jpg") + " --months 12 --first-month 1 --year 2027" +
                           " --save " + Path("cam.mdr") + " --resolution " + dpi + " --export " + Path("new.bmp"));
        ASSERT_EQ(r.status, 0) << r.out;
        r = Mondrel("--export " + Path("saved.bmp") + " --resolution " + dpi + " " + Path("cam.mdr"));
        ASSERT_EQ(r.status, 0) << r.out;
        QImage made(QString::fromStdString(Path("new.bmp")));
        QImage saved(QString::fromStdString(Path("saved.bmp")));
        ASSERT_FALSE(made.isNull()) << dpi;
        EXPECT_EQ(saved.size(), made.size()) << dpi;
        EXPECT_TRUE(saved == made) << dpi;
    }
    // The photo gone since: the saved page is still made, without it.
    std::filesystem::remove(Path("camera.jpg"));
    Result r = Mondrel("--export " + Path("gone.jpg") + " " + Path("cam.mdr"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Exists("gone.jpg"));
}

TEST_F(CommandLine, HolidayFilesAreKeptBesideAnUnchangedContentsStream)
{
    const std::string data = std::string(MONDREL_TEST_DATA) + "/holidays/";
    const std::string common = "--new --months 12 --first-month 1 --year 2027 --save ";
    Result r = Mondrel(common + Path("plain.mdr"));
    ASSERT_EQ(r.status, 0) << r.out;
    r = Mondrel(common + Path("marked.mdr") + " --holidays " + data + "family.ics --holidays " + data +
                "town.ics --holiday-names --export " + Path("marked.jpg"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Exists("marked.jpg"));

    // Another program's reader sees the stream and the same archive bytes.
    const std::string script =
        "import olefile, sys\n"
        "a = olefile.OleFileIO(sys.argv[1]); b = olefile.OleFileIO(sys.argv[2])\n"
        "print('same' if a.openstream('Contents').read() == b.openstream('Contents').read() else 'differ')\n"
        "print('plain has' if a.exists('Holidays') else 'plain lacks')\n"
        "print('marked has' if b.exists('Holidays') else 'marked lacks')\n";
    {
        std::FILE* f = std::fopen(Path("streams.py").c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(script.c_str(), f);
        std::fclose(f);
    }
    const std::string out = Shell("/usr/bin/python3 " + Path("streams.py") + " " + Path("plain.mdr") + " " +
                                  Path("marked.mdr"));
    EXPECT_NE(out.find("same"), std::string::npos) << out;
    EXPECT_NE(out.find("plain lacks"), std::string::npos) << out;
    EXPECT_NE(out.find("marked has"), std::string::npos) << out;

    // A file that is no calendar stops the command before anything is saved.
    Shell("echo not a calendar > " + Path("notes.ics"));
    r = Mondrel(common + Path("bad.mdr") + " --holidays " + Path("notes.ics"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("not an iCalendar file"), std::string::npos) << r.out;
    EXPECT_FALSE(Exists("bad.mdr"));
    r = Mondrel(common + Path("bad.mdr") + " --holidays " + Path("missing.ics"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("cannot read"), std::string::npos) << r.out;
    r = Mondrel("--new --holidays");
    EXPECT_EQ(r.status, 2);

    // Damaged holiday data still exports the page, with a warning.
    Shell("/usr/bin/python3 -c \"import sys; p=sys.argv[1]; b=open(p,'rb').read(); "
          "open(p,'wb').write(b.replace(b'MHOL', b'XHOL', 1))\" " + Path("marked.mdr"));
    r = Mondrel("--export " + Path("damaged.jpg") + " " + Path("marked.mdr"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("warning: The holiday data of the document is damaged."), std::string::npos) << r.out;
    EXPECT_TRUE(Exists("damaged.jpg"));
}

// Files named relative to the folder the command ran in are kept with their
// whole paths, so the document shows them when opened from anywhere.
TEST_F(CommandLine, RelativePathsAreKeptWhole)
{
    const std::string mondrel = std::string(MONDREL_BINARY_DIR) + "/mondrel";
    ASSERT_EQ(Mondrel("--make-sample-photo " + Path("photo.jpg")).status, 0);
    Shell("cp " + std::string(MONDREL_TEST_DATA) + "/holidays/family.ics " + Path("family.ics"));
    Shell("cd " + m_dir.string() + " && " + mondrel +
          " --new --photo photo.jpg --holidays family.ics --months 1 --first-month 3 --year 2027 --save cal.mdr" +
          " --export direct.bmp");
    ASSERT_TRUE(Exists("cal.mdr"));
    const Result r = Result{0, Shell("cd / && " + mondrel + " --export " + Path("again.bmp") + " " + Path("cal.mdr"))};
    ASSERT_TRUE(Exists("again.bmp")) << r.out;
    EXPECT_TRUE(QImage(QString::fromStdString(Path("again.bmp"))) == QImage(QString::fromStdString(Path("direct.bmp"))));
    EXPECT_NE(Shell("grep -c -a '" + Path("family.ics") + "' " + Path("cal.mdr")), "0\n");
}
