// The picture holder: decoding again for a larger need, the memory budget,
// files that change or disappear, several threads at once.

#include "PictureImageTestUtil.h"

#include "imageio/PictureHolder.h"
#include "imageio/WorkerPool.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

std::string Photo(const std::string& name, const std::string& size = "800x600")
{
    const std::string path = PicturePath(name);
    Convert("-size " + size + " gradient:'#e0c040-#2040a0' -quality 90 " + Quote(path));
    return path;
}

// Restores the budget a test changed.
struct CBudgetScope {
    std::size_t saved = CPictureHolder::Budget();
    explicit CBudgetScope(std::size_t bytes) { CPictureHolder::SetBudget(bytes); }
    ~CBudgetScope() { CPictureHolder::SetBudget(saved); }
};

}  // namespace

TEST(PictureHolder, ALargerNeedDecodesAgainASmallerOneDoesNot)
{
    CPictureHolder holder(Photo("again.jpg"), IMAGE_FORMAT_JPG);
    ASSERT_TRUE(holder.IsValid());
    EXPECT_EQ(holder.DecodeCount(), 0);  // the header gives the size

    // A 100-dpi page: an eighth of the photo is decoded.
    auto small = holder.Picture(100, 75);
    ASSERT_TRUE(small);
    EXPECT_EQ(holder.DecodeCount(), 1);
    EXPECT_EQ(holder.LastDecodeSize(), CSize(100, 75));

    // The same page at 300 dpi needs three times as many pixels each way.
    auto large = holder.Picture(300, 225);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->GetWidth(), 300);
    EXPECT_EQ(holder.DecodeCount(), 2);
    EXPECT_GE(holder.LastDecodeSize().cx, 300);
    EXPECT_LT(holder.LastDecodeSize().cx, 800);

    // Back at 100 dpi, or anything the larger copy covers: no decode.
    EXPECT_EQ(holder.Picture(100, 75), small);
    auto between = holder.Picture(-150, -113);
    ASSERT_TRUE(between);
    EXPECT_EQ(between->GetWidth(), 150);
    EXPECT_EQ(holder.DecodeCount(), 2);

    // More than the photo has: the whole photo.
    auto whole = holder.Picture(5000, 5000);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->GetWidth(), 800);
    EXPECT_EQ(whole->GetHeight(), 600);
    EXPECT_EQ(holder.Full(), whole);
}

TEST(PictureHolder, HeldCopiesAndRequestsOffTheCallingThread)
{
    CPictureHolder holder(Photo("held.jpg"), IMAGE_FORMAT_JPG);
    bool sharp = true;
    EXPECT_FALSE(holder.Held(200, 150, &sharp));
    EXPECT_FALSE(sharp);
    ASSERT_TRUE(holder.Picture(100, 75));
    // Zoomed in: the small copy is shown until the sharper one is in.
    auto shown = holder.Held(400, 300, &sharp);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(sharp);
    EXPECT_EQ(shown->GetWidth(), 100);
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    holder.Request(400, 300, [&] {
        std::lock_guard<std::mutex> lock(m);
        done = true;
        cv.notify_all();
    });
    {
        std::unique_lock<std::mutex> lock(m);
        ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(20), [&] { return done; }));
    }
    shown = holder.Held(400, 300, &sharp);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(sharp);
    EXPECT_EQ(shown->GetWidth(), 400);
}

// The page strip has a small copy and the view asks for its size without
// waiting (prefetch) and then with a repaint to call: the repaint comes
// when the one decode is in, though the second ask finds it underway.
TEST(PictureHolder, ARequestUnderwayStillCallsALaterCaller)
{
    CPictureHolder holder(Photo("underway.jpg"), IMAGE_FORMAT_JPG);
    ASSERT_TRUE(holder.Picture(100, 75));
    std::mutex m;
    std::condition_variable cv;
    bool open = false;
    int calls = 0;
    // Every worker waits until both asks are in.
    for (unsigned i = 0; i < CWorkerPool::Shared().Size(); ++i)
        CWorkerPool::Shared().Submit([&] {
            std::unique_lock<std::mutex> lock(m);
            cv.wait(lock, [&] { return open; });
        });
    holder.Request(400, 300);
    holder.Request(400, 300, [&] {
        std::lock_guard<std::mutex> lock(m);
        ++calls;
        cv.notify_all();
    });
    {
        std::lock_guard<std::mutex> lock(m);
        open = true;
    }
    cv.notify_all();
    std::unique_lock<std::mutex> lock(m);
    ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(20), [&] { return calls > 0; }));
    EXPECT_EQ(calls, 1);
    bool sharp = false;
    EXPECT_TRUE(holder.Held(400, 300, &sharp));
    EXPECT_TRUE(sharp);
    EXPECT_EQ(holder.DecodeCount(), 2);
}

TEST(PictureHolder, ManyPhotosStayWithinTheBudget)
{
    const std::string path = Photo("budget.jpg", "400x300");
    const std::size_t copy = 400 * 300 * 3;
    CBudgetScope budget(4 * copy);
    std::vector<std::unique_ptr<CPictureHolder>> holders;
    for (int i = 0; i < 12; ++i) {
        holders.push_back(std::make_unique<CPictureHolder>(path, IMAGE_FORMAT_JPG));
        ASSERT_TRUE(holders.back()->Full());
        ASSERT_TRUE(holders.back()->Picture(40, 30));  // the copy used last
    }
    // Every holder keeps the copy it used last (small); the whole pictures
    // beyond the budget went.
    EXPECT_LE(CPictureHolder::TotalHeldBytes(), 4 * copy + 12 * (40 * 30 * 3 + 4096));
    for (const auto& h : holders) {
        bool sharp = false;
        EXPECT_TRUE(h->Held(40, 30, &sharp));
        EXPECT_TRUE(sharp);
    }
    // Asked again, an evicted size is decoded again.
    const int before = holders.front()->DecodeCount();
    ASSERT_TRUE(holders.front()->Full());
    EXPECT_EQ(holders.front()->DecodeCount(), before + 1);
    holders.clear();
    EXPECT_LE(CPictureHolder::TotalHeldBytes(), 4 * copy);
}

TEST(PictureHolder, AFileThatVanishesOrChangesKeepsTheHeldPicture)
{
    for (const bool vanish : {true, false}) {
        const std::string path = Photo(vanish ? "vanish.jpg" : "change.jpg");
        CPictureHolder holder(path, IMAGE_FORMAT_JPG);
        auto first = holder.Picture(80, 60);
        ASSERT_TRUE(first);
        if (vanish) {
            std::filesystem::remove(path);
        } else {
            // Another picture of another size under the same name.
            Convert("-size 300x500 xc:red " + Quote(path));
        }
        // A larger need cannot be met; what was decoded stays on show.
        auto later = holder.Picture(400, 300);
        ASSERT_TRUE(later);
        EXPECT_EQ(later, first);
        EXPECT_EQ(holder.DecodeCount(), 1);
        EXPECT_EQ(holder.GetWidth(), 800);
        bool sharp = false;
        EXPECT_TRUE(holder.Held(400, 300, &sharp));
        EXPECT_TRUE(sharp);  // nothing sharper will come
        holder.Request(400, 300);
        EXPECT_TRUE(holder.Picture(20, 15));  // reduced from the held copy
    }
}

TEST(PictureHolder, OtherSourcesAndFailures)
{
    // The bytes of an embedded picture are decoded like a file.
    CPictureHolder embedded(ReadFileBytes(Photo("embedded.jpg", "64x48")), IMAGE_FORMAT_JPG);
    ASSERT_TRUE(embedded.IsValid());
    auto half = embedded.Picture(32, 24);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->GetWidth(), 32);

    // A picture given decoded is kept whole and reduced on demand.
    CPictureImage whole;
    ASSERT_TRUE(whole.Create(10, 8, 24));
    CPictureHolder given{CPictureImage(whole)};
    EXPECT_EQ(given.GetWidth(), 10);
    EXPECT_EQ(given.Picture(5, 4)->GetWidth(), 5);
    EXPECT_EQ(given.Full()->GetWidth(), 10);

    // Missing files and unknown data are not valid and draw nothing.
    CPictureHolder missing(PicturePath("none.jpg"), IMAGE_FORMAT_JPG);
    EXPECT_FALSE(missing.IsValid());
    EXPECT_FALSE(missing.Picture(10, 10));
    const std::string text = PicturePath("text.png");
    WriteFileBytes(text, {'h', 'e', 'l', 'l', 'o'});
    CPictureHolder notPng(text, IMAGE_FORMAT_PNG);
    EXPECT_FALSE(notPng.IsValid());
    EXPECT_FALSE(notPng.GetLastError().empty());
}

TEST(PictureHolder, SeveralThreadsAtOnce)
{
    CPictureHolder holder(Photo("threads.jpg"), IMAGE_FORMAT_JPG);
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 6; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 5; ++i) {
                const long w = 50 + 60 * ((t + i) % 6);
                auto p = holder.Picture(w, w * 3 / 4);
                if (!p || p->GetWidth() != w) ++wrong;
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_LE(holder.HeldCount(), 4u);
}

TEST(PictureHolder, TheSizeIsFoundBehindLargeMarkersWithoutDecoding)
{
    // Application markers of 60 KB each between the start of the file and
    // the frame header, as a camera's preview picture lies there: the
    // header lies in the first piece read, in the second, or only in the
    // whole file.
    const std::vector<BYTE> plain = ReadFileBytes(Photo("markers.jpg", "640x480"));
    ASSERT_GT(plain.size(), 2u);
    for (int markers : {0, 2, 5}) {
        std::vector<BYTE> bytes(plain.begin(), plain.begin() + 2);
        for (int i = 0; i < markers; ++i) {
            const std::size_t length = 60000;
            bytes.insert(bytes.end(), {0xFF, 0xEF, static_cast<BYTE>(length >> 8), static_cast<BYTE>(length & 0xFF)});
            bytes.insert(bytes.end(), length - 2, static_cast<BYTE>('a' + i));
        }
        bytes.insert(bytes.end(), plain.begin() + 2, plain.end());
        const std::string path = PicturePath("markers-" + std::to_string(markers) + ".jpg");
        WriteFileBytes(path, bytes);
        CPictureHolder holder(path, IMAGE_FORMAT_JPG);
        ASSERT_TRUE(holder.IsValid()) << markers;
        EXPECT_EQ(holder.GetWidth(), 640) << markers;
        EXPECT_EQ(holder.GetHeight(), 480) << markers;
        EXPECT_EQ(holder.DecodeCount(), 0) << markers;
        EXPECT_EQ(holder.Picture(320, 240)->GetWidth(), 320) << markers;
    }
}
