#include "JpegPngTiffSupport.h"

#include "imageio/DibWriter.h"
#include "imageio/ImageCodecs.h"
#include "imageio/JpegWriter.h"
#include "imageio/WorkerPool.h"

#include <atomic>
#include <csignal>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include <sys/resource.h>

using namespace codectest;

namespace {

// A page-like bitmap of 24 or 32 bits: smooth colour with fine noise, so
// that every block differs from its neighbours and a band that starts on
// the wrong row or predicts from the wrong block shows in the pixels.
struct PageDib {
    BITMAPINFOHEADER head{};
    std::vector<BYTE> bits;

    PageDib(int width, int height, int bpp, bool topDown = false, bool flat = false)
    {
        head.biSize = sizeof head;
        head.biWidth = width;
        head.biHeight = topDown ? -height : height;
        head.biPlanes = 1;
        head.biBitCount = static_cast<WORD>(bpp);
        head.biXPelsPerMeter = 11811;  // 300 dpi
        head.biYPelsPerMeter = 5906;   // 150 dpi
        const std::size_t row = static_cast<std::size_t>(DibRowSize(width, bpp));
        bits.assign(row * height, 0xA5);  // padding bytes are noise
        std::uint32_t seed = 2463534242u;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                seed ^= seed << 13;
                seed ^= seed >> 17;
                seed ^= seed << 5;
                const int noise = flat ? 0 : static_cast<int>(seed % 24);
                BYTE* p = bits.data() + row * y + static_cast<std::size_t>(x) * (bpp / 8);
                p[0] = static_cast<BYTE>((x / 3 + noise) & 0xFF);
                p[1] = static_cast<BYTE>((y / 2 + noise) & 0xFF);
                p[2] = static_cast<BYTE>(((x + y) / 5 + 2 * noise) & 0xFF);
            }
    }

    CDibPixels Pixels() const
    {
        CDibPixels p;
        p.pHead = &head;
        p.pBits = bits.data();
        return p;
    }
};

// The markers of a file outside its segments: in the entropy-coded data a
// 0xFF byte is always followed by 0x00, so any other pair is a marker.
struct Markers {
    int restartInterval = -1;  // -1: no DRI segment
    std::vector<int> restarts;
};

Markers ScanMarkers(const std::vector<BYTE>& file)
{
    Markers m;
    for (std::size_t i = 0; i + 1 < file.size(); ++i) {
        if (file[i] != 0xFF) continue;
        const BYTE code = file[i + 1];
        if (code == 0xDD && i + 5 < file.size()) m.restartInterval = (file[i + 4] << 8) | file[i + 5];
        if (code >= 0xD0 && code <= 0xD7) m.restarts.push_back(code - 0xD0);
        // Skip over segments with a length, so table bytes are never read
        // as markers.
        if (code >= 0xC0 && code != 0xD8 && code != 0xD9 && !(code >= 0xD0 && code <= 0xD7) && i + 3 < file.size())
            i += 1 + ((file[i + 2] << 8) | file[i + 3]);
    }
    return m;
}

// The RGB pixels djpeg gives for a file: the library's own reading, also a
// check that the joined file is well formed.
std::vector<BYTE> DjpegPixels(const std::string& path)
{
    int status = -1;
    const std::vector<BYTE> ppm = Capture("djpeg -pnm '" + path + "'", &status);
    EXPECT_EQ(status, 0) << path;
    return ppm;
}

// The same for a picture too large to hold twice: a digest of djpeg's output.
std::string DjpegDigest(const std::string& path)
{
    const std::vector<BYTE> sum = Capture("djpeg -pnm '" + path + "' | md5sum");
    return std::string(sum.begin(), sum.end());
}

std::vector<BYTE> OurPixels(const std::string& path, long* xdpi = nullptr, long* ydpi = nullptr)
{
    const std::vector<BYTE> bytes = ReadFile(path);
    CPictureImage image;
    EXPECT_TRUE(DecodeJpeg(bytes.data(), bytes.size(), image)) << path;
    if (xdpi) *xdpi = image.GetXDPI();
    if (ydpi) *ydpi = image.GetYDPI();
    const BYTE* bits = image.GetBits();
    if (!bits) return {};
    return std::vector<BYTE>(bits, bits + static_cast<std::size_t>(image.GetEffWidth()) * image.GetHeight());
}

struct BandCase {
    const char* name;
    int width;
    int height;
    int bpp;
    bool topDown;
    unsigned bands;
    int expectedBands;
};

TEST(JpegBands, BandedFileDecodesToTheOnePiecePixels)
{
    const BandCase cases[] = {
        {"odd width and height", 333, 251, 24, false, 4, 4},
        {"height not a multiple of 16", 200, 250, 32, true, 3, 3},
        {"last band one row", 48, 33, 24, false, 2, 2},
        {"more bands asked than block rows", 40, 40, 32, false, 9, 3},
        {"nine bands cycle the restart markers", 64, 144, 24, true, 9, 9},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PageDib dib(c.width, c.height, c.bpp, c.topDown);
        const std::string whole = Scratch(std::string("whole-") + c.name + ".jpg");
        const std::string banded = Scratch(std::string("banded-") + c.name + ".jpg");
        std::string error;
        ASSERT_TRUE(WriteJpegFileInBands(dib.Pixels(), 100, whole, 1, &error)) << error;
        ASSERT_TRUE(WriteJpegFileInBands(dib.Pixels(), 100, banded, c.bands, &error)) << error;
        EXPECT_TRUE(error.empty());

        const Markers plain = ScanMarkers(ReadFile(whole));
        EXPECT_EQ(plain.restartInterval, -1);
        EXPECT_TRUE(plain.restarts.empty());
        const Markers m = ScanMarkers(ReadFile(banded));
        const int mcusAcross = (c.width + 15) / 16;
        const int mcuRows = (c.height + 15) / 16;
        EXPECT_EQ(m.restartInterval, mcusAcross * ((mcuRows + c.expectedBands - 1) / c.expectedBands));
        ASSERT_EQ(static_cast<int>(m.restarts.size()), c.expectedBands - 1);
        for (std::size_t i = 0; i < m.restarts.size(); ++i) EXPECT_EQ(m.restarts[i], static_cast<int>(i % 8));

        const std::vector<BYTE> ppm = DjpegPixels(banded);
        EXPECT_FALSE(ppm.empty());
        EXPECT_TRUE(ppm == DjpegPixels(whole));
        long xdpi = 0, ydpi = 0;
        const std::vector<BYTE> ours = OurPixels(banded, &xdpi, &ydpi);
        EXPECT_EQ(ours.size(), static_cast<std::size_t>(DibRowSize(c.width, 24)) * c.height);
        EXPECT_TRUE(ours == OurPixels(whole));
        EXPECT_EQ(xdpi, 300);
        EXPECT_EQ(ydpi, 150);
    }
}

// A page is cut into bands from half a million pixels, on a machine with
// more than one core; a smaller one is written as before.
TEST(JpegBands, OnlyLargePicturesAreBanded)
{
    const PageDib large(851, 1100, 32, true);
    const PageDib small(700, 700, 24);
    const std::string largePath = Scratch("large.jpg"), largeWhole = Scratch("large-whole.jpg");
    const std::string smallPath = Scratch("small.jpg");
    std::string error;
    ASSERT_TRUE(WriteJpegFile(large.Pixels(), 100, largePath, &error)) << error;
    ASSERT_TRUE(WriteJpegFileInBands(large.Pixels(), 100, largeWhole, 1, &error)) << error;
    ASSERT_TRUE(WriteJpegFile(small.Pixels(), 100, smallPath, &error)) << error;

    const bool cores = std::thread::hardware_concurrency() > 1;
    EXPECT_EQ(ScanMarkers(ReadFile(largePath)).restarts.empty(), !cores);
    EXPECT_TRUE(OurPixels(largePath) == OurPixels(largeWhole));
    EXPECT_TRUE(DjpegPixels(largePath) == DjpegPixels(largeWhole));
    EXPECT_EQ(ScanMarkers(ReadFile(smallPath)).restartInterval, -1);
}

// A restart interval counts at most 65535 blocks: on a very wide picture
// the bands are made shorter rather than the count overflowing.
TEST(JpegBands, WidePictureKeepsTheRestartIntervalInRange)
{
    const PageDib wide(32768, 1024, 24, false, true);
    const std::string whole = Scratch("wide-whole.jpg"), banded = Scratch("wide-banded.jpg");
    std::string error;
    ASSERT_TRUE(WriteJpegFileInBands(wide.Pixels(), 90, whole, 1, &error)) << error;
    ASSERT_TRUE(WriteJpegFileInBands(wide.Pixels(), 90, banded, 2, &error)) << error;
    const Markers m = ScanMarkers(ReadFile(banded));
    EXPECT_EQ(m.restartInterval, 2048 * 31);
    EXPECT_EQ(m.restarts.size(), 2u);
    EXPECT_EQ(DjpegDigest(banded), DjpegDigest(whole));
}

// Exports may run on the pool's own threads; with every thread writing a
// banded page, none may wait for help that cannot come.
TEST(JpegBands, WritersOnEveryPoolThreadFinish)
{
    CWorkerPool& pool = CWorkerPool::Shared();
    const unsigned writers = pool.Size() + 1;
    const PageDib dib(400, 700, 24);
    const std::string reference = Scratch("pool-reference.jpg");
    std::string error;
    ASSERT_TRUE(WriteJpegFileInBands(dib.Pixels(), 95, reference, 1, &error)) << error;

    std::mutex mutex;
    std::condition_variable done;
    unsigned finished = 0;
    std::atomic<unsigned> failures{0};
    for (unsigned i = 0; i < writers; ++i)
        pool.Submit([&, i] {
            std::string why;
            if (!WriteJpegFileInBands(dib.Pixels(), 95, Scratch("pool-" + std::to_string(i) + ".jpg"), 6, &why))
                ++failures;
            std::lock_guard<std::mutex> lock(mutex);
            ++finished;
            done.notify_all();
        });
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(done.wait_for(lock, std::chrono::seconds(30), [&] { return finished == writers; }));
    EXPECT_EQ(failures.load(), 0u);
    const std::vector<BYTE> expected = OurPixels(reference);
    for (unsigned i = 0; i < writers; ++i)
        EXPECT_TRUE(OurPixels(Scratch("pool-" + std::to_string(i) + ".jpg")) == expected) << i;
}

// Holds files to a few kilobytes while it lives, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }

private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = nullptr;
};

TEST(JpegBands, FileErrorsAreThoseOfOnePiece)
{
    const PageDib dib(256, 256, 24);
    std::string error;
    EXPECT_FALSE(WriteJpegFileInBands(dib.Pixels(), 90, "/nonexistent-folder/page.jpg", 4, &error));
    EXPECT_EQ(error, "Cannot open /nonexistent-folder/page.jpg");
    EXPECT_FALSE(WriteJpegFileInBands(dib.Pixels(), 101, Scratch("q101-banded.jpg"), 4, &error));
    EXPECT_EQ(error, "Invalid input data");

    // A file that cannot be written whole fails with the library's words
    // either way, and the picture it was to replace stays.
    const std::string whole = Scratch("full-whole.jpg"), banded = Scratch("full-banded.jpg");
    WriteFile(whole, {'o', 'l', 'd'});
    WriteFile(banded, {'o', 'l', 'd'});
    std::string wholeError, bandedError;
    {
        const FileSizeLimit limit(16384);
        EXPECT_FALSE(WriteJpegFileInBands(dib.Pixels(), 100, whole, 1, &wholeError));
        EXPECT_FALSE(WriteJpegFileInBands(dib.Pixels(), 100, banded, 4, &bandedError));
    }
    EXPECT_FALSE(wholeError.empty());
    EXPECT_EQ(bandedError, wholeError);
    EXPECT_EQ(ReadFile(banded), (std::vector<BYTE>{'o', 'l', 'd'}));
    EXPECT_TRUE(WriteJpegFileInBands(dib.Pixels(), 100, banded, 4, &error)) << error;
}

}  // namespace

TEST(JpegBands, BandsLargerThanTheirShareDecodeToTheOnePiecePixels)
{
    // Every byte random: at the highest quality each band's data outgrows
    // the byte a pixel its share of the common block holds.
    PageDib dib(400, 320, 32, true);
    std::uint32_t seed = 88172645u;
    for (BYTE& b : dib.bits) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        b = static_cast<BYTE>(seed >> 11);
    }
    const std::string whole = Scratch("noise-whole.jpg");
    const std::string banded = Scratch("noise-banded.jpg");
    std::string error;
    ASSERT_TRUE(WriteJpegFileInBands(dib.Pixels(), 100, whole, 1, &error)) << error;
    ASSERT_TRUE(WriteJpegFileInBands(dib.Pixels(), 100, banded, 5, &error)) << error;
    EXPECT_GT(ReadFile(banded).size(), std::size_t(400) * 320);
    EXPECT_EQ(ScanMarkers(ReadFile(banded)).restarts.size(), 4u);
    const std::vector<BYTE> ours = OurPixels(banded);
    EXPECT_FALSE(ours.empty());
    EXPECT_TRUE(ours == OurPixels(whole));
}

TEST(JpegBands, BandsTakenWhileThePageIsPaintedGiveTheFinishedPage)
{
    // A page whose rows 320 to 600 are painted last: the bands away from
    // them are compressed first, then those rows change, then the file is
    // written. It must be the file of the finished page.
    PageDib page(900, 1200, 32, true);
    const std::size_t row = static_cast<std::size_t>(DibRowSize(900, 32));
    CJpegPageWriter writer(page.Pixels(), 100);
    int early = 0;
    while (writer.CompressBandOutside(320, 600)) ++early;
    EXPECT_GE(early, 2);
    EXPECT_FALSE(writer.CompressBandOutside(320, 600));
    for (std::size_t y = 320; y < 600; ++y)
        std::fill(page.bits.begin() + static_cast<std::ptrdiff_t>(y * row),
                  page.bits.begin() + static_cast<std::ptrdiff_t>((y + 1) * row), static_cast<BYTE>(y * 7));
    const std::string painted = Scratch("painted-meanwhile.jpg");
    const std::string finished = Scratch("painted-after.jpg");
    std::string error;
    ASSERT_TRUE(writer.Write(painted, &error)) << error;
    ASSERT_TRUE(WriteJpegFile(page.Pixels(), 100, finished, &error)) << error;
    EXPECT_TRUE(ReadFile(painted) == ReadFile(finished));

    // A picture too small for bands has none to take and is still written.
    PageDib small(64, 48, 32, true);
    CJpegPageWriter one(small.Pixels(), 90);
    EXPECT_FALSE(one.CompressBandOutside(0, 0));
    ASSERT_TRUE(one.Write(Scratch("painted-small.jpg"), &error)) << error;
    EXPECT_FALSE(OurPixels(Scratch("painted-small.jpg")).empty());
}

TEST(JpegBands, BandsLeftToThePoolWhileTheAreaIsPaintedGiveTheFinishedPage)
{
    // The pool compresses the bands away from rows 500 to 900 while this
    // thread paints them; the file is that of the finished page.
    PageDib page(1200, 1600, 32, true);
    const std::size_t row = static_cast<std::size_t>(DibRowSize(1200, 32));
    std::string error;
    {
        CJpegPageWriter writer(page.Pixels(), 100);
        writer.CompressOutsideMeanwhile(500, 900);
        for (std::size_t y = 500; y < 900; ++y)
            std::fill(page.bits.begin() + static_cast<std::ptrdiff_t>(y * row),
                      page.bits.begin() + static_cast<std::ptrdiff_t>((y + 1) * row), static_cast<BYTE>(y * 3));
        ASSERT_TRUE(writer.Write(Scratch("pool-meanwhile.jpg"), &error)) << error;
    }
    ASSERT_TRUE(WriteJpegFile(page.Pixels(), 100, Scratch("pool-after.jpg"), &error)) << error;
    EXPECT_TRUE(ReadFile(Scratch("pool-meanwhile.jpg")) == ReadFile(Scratch("pool-after.jpg")));

    // A writer given up before its file (the export failed) waits for the
    // bands the pool is on before the page's rows go.
    for (int round = 0; round < 8; ++round) {
        auto rows = std::make_unique<PageDib>(1600, 1200, 32, true);
        {
            CJpegPageWriter writer(rows->Pixels(), 100);
            writer.CompressOutsideMeanwhile(0, 0);
            // Given up at different moments of the pool's work.
            std::this_thread::sleep_for(std::chrono::microseconds(250 * round));
        }
        rows.reset();
    }
    CWorkerPool::Shared().Wait();
}
