// Camera JPEGs reduced while they decode: the same pixels as the whole
// decoded picture reduced afterwards, for every kind of JPEG and odd sizes,
// through the decoder and through the picture holders, and with the worker
// pool too busy to help.

#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"
#include "imageio/PictureHolder.h"
#include "imageio/PictureReduce.h"
#include "imageio/WorkerPool.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>

namespace {

// A photo large enough that, decoded at seven eighths of its size or more,
// the pool helps with its reduction: gradients, a few edges and a fine
// grain so that neighbouring rows differ. The grain is made once.
std::string LargePhoto(const std::string& name, const std::string& options)
{
    static const std::string source = [] {
        const std::string p = PicturePath("banded-source.ppm");
        EXPECT_TRUE(Convert("-size 1601x1069 gradient:'#f0d020-#102080' -seed 5 -attenuate 0.4 +noise Gaussian "
                            "-fill '#c02020' -draw 'circle 900,700 1300,1000' -fill '#20a040' -draw 'rectangle "
                            "1200,100 1201,1000' " + Quote(p)));
        return p;
    }();
    const std::string path = PicturePath(name);
    if (!fs::exists(path)) {
        EXPECT_TRUE(Convert(Quote(source) + " " + options + " " + Quote(path)));
    }
    return path;
}

// The bitmaps of both pictures, byte for byte.
::testing::AssertionResult SameBitmap(const CPictureImage& a, const CPictureImage& b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() || a.GetBpp() != b.GetBpp())
        return ::testing::AssertionFailure() << a.GetWidth() << " x " << a.GetHeight() << " x " << a.GetBpp()
                                             << " against " << b.GetWidth() << " x " << b.GetHeight() << " x "
                                             << b.GetBpp();
    for (long y = 0; y < a.GetHeight(); ++y)
        if (std::memcmp(a.GetBits(y), b.GetBits(y), static_cast<std::size_t>(a.GetWidth() * a.GetBpp() / 8)) != 0)
            return ::testing::AssertionFailure() << "bitmap row " << y << " differs";
    return ::testing::AssertionSuccess();
}

// The picture as it was made before: decoded at the scale, then reduced.
CPictureImage DecodedThenReduced(const std::vector<BYTE>& bytes, long w, long h)
{
    CPictureImage decoded(IMAGE_FORMAT_JPG), reduced;
    EXPECT_TRUE(DecodeJpegScaled(bytes.data(), bytes.size(), decoded, w, h));
    if (decoded.GetWidth() == w && decoded.GetHeight() == h) return decoded;
    EXPECT_TRUE(ReducePicture(decoded, w, h, reduced));
    return reduced;
}

const struct {
    const char* name;
    const char* options;
} kKinds[] = {
    {"baseline", "-quality 90"},
    {"progressive", "-quality 90 -interlace Plane"},
    {"grey", "-colorspace Gray -quality 90"},
    {"cmyk", "-colorspace CMYK -quality 95"},
    {"exif rotated", "-quality 90 -orient RightTop"},
};

}  // namespace

TEST(ReduceWhileDecoding, SamePixelsAsReducingTheWholeDecodedPicture)
{
    // 1403 x 937 comes from the whole picture and 1399 x 931 and 1333 x 17
    // from seven eighths, large enough to be reduced in bands by the pool;
    // 799 x 535 from the half scale, whose height is already right.
    const long sizes[][2] = {{1403, 937}, {1399, 931}, {799, 535}, {1333, 17}};
    for (const auto& kind : kKinds) {
        const std::string path = LargePhoto(std::string("banded-") + kind.name + ".jpg", kind.options);
        const std::vector<BYTE> bytes = ReadFileBytes(path);
        for (const auto& size : sizes) {
            const std::string what = std::string(kind.name) + " at " + std::to_string(size[0]) + " x " +
                                     std::to_string(size[1]);
            CPictureImage decoded(IMAGE_FORMAT_JPG), banded;
            CReduceWhileDecoding reducer(size[0], size[1]);
            ASSERT_TRUE(DecodeJpegScaled(bytes.data(), bytes.size(), decoded, size[0], size[1], &reducer)) << what;
            ASSERT_TRUE(reducer.Finish(decoded, banded)) << what;
            EXPECT_TRUE(SameBitmap(banded, DecodedThenReduced(bytes, size[0], size[1]))) << what;
            EXPECT_EQ(banded.GetBpp(), std::string(kind.name) == "grey" ? 8 : 24) << what;
            EXPECT_EQ(banded.GetType(), IMAGE_FORMAT_JPG) << what;
        }
    }
    // A file cut short decodes with what it has, in bands as whole.
    std::vector<BYTE> cut = ReadFileBytes(PicturePath("banded-baseline.jpg"));
    cut.resize(cut.size() * 2 / 3);
    CPictureImage decoded(IMAGE_FORMAT_JPG), banded;
    CReduceWhileDecoding reducer(1399, 931);
    ASSERT_TRUE(DecodeJpegScaled(cut.data(), cut.size(), decoded, 1399, 931, &reducer));
    ASSERT_TRUE(reducer.Finish(decoded, banded));
    EXPECT_TRUE(SameBitmap(banded, DecodedThenReduced(cut, 1399, 931)));
}

// Through the holders, as a page asks for its photos: one decode for each
// size, whether or not the scale alone gives the size.
TEST(ReduceWhileDecoding, HoldersDecodeOnceAndGiveTheSamePixels)
{
    const std::string path = LargePhoto("banded-baseline.jpg", "-quality 90");
    const std::vector<BYTE> bytes = ReadFileBytes(path);

    CPictureHolder exact(path, IMAGE_FORMAT_JPG);
    const auto half = exact.Picture(801, 535);  // exactly the half scale
    ASSERT_TRUE(half);
    EXPECT_EQ(exact.DecodeCount(), 1);
    EXPECT_EQ(exact.LastDecodeSize(), CSize(801, 535));
    EXPECT_EQ(exact.HeldCount(), 1u);
    EXPECT_TRUE(SameBitmap(*half, DecodedThenReduced(bytes, 801, 535)));

    for (const bool embedded : {false, true}) {
        const auto made = embedded ? std::make_unique<CPictureHolder>(bytes, IMAGE_FORMAT_JPG)
                                   : std::make_unique<CPictureHolder>(path, IMAGE_FORMAT_JPG);
        CPictureHolder& holder = *made;
        const auto shown = holder.Picture(-1399, 931);  // a box stored right to left
        ASSERT_TRUE(shown);
        EXPECT_EQ(holder.DecodeCount(), 1);
        EXPECT_EQ(holder.LastDecodeSize(), CSize(1401, 936));
        // Only the reduced picture is kept, not the decoded one it came from.
        EXPECT_EQ(holder.HeldCount(), 1u);
        EXPECT_EQ(holder.HeldBytes(), static_cast<std::size_t>(shown->GetSize()));
        EXPECT_TRUE(SameBitmap(*shown, DecodedThenReduced(bytes, 1399, 931))) << (embedded ? "embedded" : "file");
        EXPECT_EQ(holder.Picture(1399, 931), shown);
        EXPECT_EQ(holder.DecodeCount(), 1);
    }
}

// The decode runs on the pool while every other pool thread is busy, so
// no band is ever taken by a helper: the decode makes them all itself and
// does not wait for help that cannot come.
TEST(ReduceWhileDecoding, FinishesWhenThePoolCannotHelp)
{
    const std::string path = LargePhoto("banded-progressive.jpg", "-quality 90 -interlace Plane");
    CPictureHolder holder(path, IMAGE_FORMAT_JPG);
    CWorkerPool& pool = CWorkerPool::Shared();
    std::mutex m;
    std::condition_variable cv;
    bool open = false, done = false;
    for (unsigned i = 0; i + 1 < pool.Size(); ++i)
        pool.Submit([&] {
            std::unique_lock<std::mutex> lock(m);
            cv.wait(lock, [&] { return open; });
        });
    holder.Request(1403, 937, [&] {
        std::lock_guard<std::mutex> lock(m);
        done = true;
        cv.notify_all();
    });
    {
        std::unique_lock<std::mutex> lock(m);
        EXPECT_TRUE(cv.wait_for(lock, std::chrono::seconds(20), [&] { return done; }));
        open = true;
    }
    cv.notify_all();
    pool.Wait();  // the helpers queued behind the blocked threads find nothing left
    bool sharp = false;
    const auto shown = holder.Held(1403, 937, &sharp);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(sharp);
    EXPECT_TRUE(SameBitmap(*shown, DecodedThenReduced(ReadFileBytes(path), 1403, 937)));
}
