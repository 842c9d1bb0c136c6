// Pictures decoded at the size they are needed: the choice of the JPEG DCT
// scale, and the pixels of reduced pictures of every format against the
// whole picture decoded and reduced.

#include "PictureImageTestUtil.h"

#include "imageio/ImageCodecs.h"
#include "imageio/PictureHolder.h"
#include "imageio/PictureReduce.h"

#include <algorithm>
#include <cmath>

namespace {

// The peak signal-to-noise ratio of two pictures of the same size, in dB.
double Psnr(const CPictureImage& a, const CPictureImage& b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight()) return 0;
    double sum = 0;
    for (long y = 0; y < a.GetHeight(); ++y)
        for (long x = 0; x < a.GetWidth(); ++x) {
            const RGBQUAD p = a.GetPixelColor(x, y), q = b.GetPixelColor(x, y);
            const double d[3] = {double(p.rgbRed) - q.rgbRed, double(p.rgbGreen) - q.rgbGreen,
                                 double(p.rgbBlue) - q.rgbBlue};
            sum += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        }
    const double mse = sum / (3.0 * a.GetWidth() * a.GetHeight());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// A smooth camera-like picture: two gradients multiplied, with a few sharp
// edges, at an odd size.
std::string PhotoLike(const std::string& name, const std::string& options)
{
    const std::string path = PicturePath(name);
    Convert("-size 643x427 gradient:'#f0d020-#102080' \\( -size 643x427 radial-gradient:white-'#303030' \\) "
            "-compose multiply -composite -fill '#c02020' -draw 'rectangle 100,100 300,220' " + options + " " +
            Quote(path));
    return path;
}

}  // namespace

TEST(JpegScale, SmallestScaleThatCoversTheNeed)
{
    // A camera photo: 1/8 gives 684 x 456.
    EXPECT_EQ(JpegScaleFor(5472, 3648, 684, 456), 1);
    EXPECT_EQ(JpegScaleFor(5472, 3648, 685, 100), 2);
    EXPECT_EQ(JpegScaleFor(5472, 3648, 100, 457), 2);
    EXPECT_EQ(JpegScaleFor(5472, 3648, 2736, 1824), 4);
    EXPECT_EQ(JpegScaleFor(5472, 3648, 2737, 1824), 5);
    EXPECT_EQ(JpegScaleFor(5472, 3648, 9000, 9000), 8);
    // Rectangles stored right to left or bottom to top give negative sides.
    EXPECT_EQ(JpegScaleFor(5472, 3648, -685, 100), 2);
    EXPECT_EQ(JpegScaleFor(5472, 3648, 684, -456), 1);
    // Odd sizes round up at every scale: 4001 / 8 gives 501 pixels.
    EXPECT_EQ(JpegScaleFor(4001, 2999, 501, 375), 1);
    EXPECT_EQ(JpegScaleFor(4001, 2999, 502, 375), 2);
    EXPECT_EQ(JpegScaleFor(4001, 2999, 501, 376), 2);
    // Against the definition, for many odd sizes and needs.
    for (long long w : {1LL, 7LL, 9LL, 17LL, 643LL, 4001LL})
        for (long long need = 1; need <= w + 2; need += std::max(1LL, w / 37)) {
            const int num = JpegScaleFor(w, w, need, need);
            if (need <= w) EXPECT_GE(JpegScaledSide(w, num), need) << w << " " << need;
            if (num > 1) EXPECT_LT(JpegScaledSide(w, num - 1), need) << w << " " << need;
        }
}

TEST(JpegScale, DecodesAtTheChosenScale)
{
    const std::string path = PhotoLike("odd.jpg", "-quality 92");
    const std::vector<BYTE> bytes = ReadFileBytes(path);
    for (long need : {1L, 80L, 81L, 200L, 400L, 642L, 643L}) {
        CPictureImage img(IMAGE_FORMAT_JPG);
        const long needHeight = std::max(1L, need * 427 / 643);
        ASSERT_TRUE(DecodeJpegScaled(bytes.data(), bytes.size(), img, need, needHeight)) << need;
        const int num = JpegScaleFor(643, 427, need, needHeight);
        EXPECT_EQ(img.GetWidth(), JpegScaledSide(643, num)) << need;
        EXPECT_EQ(img.GetHeight(), JpegScaledSide(427, num)) << need;
        EXPECT_GE(img.GetWidth(), need);
    }
    long w = 0, h = 0, xd = 0, yd = 0;
    ASSERT_TRUE(ReadJpegInfo(bytes.data(), bytes.size(), &w, &h, &xd, &yd));
    EXPECT_EQ(w, 643);
    EXPECT_EQ(h, 427);
}

// Every kind of camera JPEG, decoded for a third of its size, against the
// whole picture decoded and reduced with the same filter.
TEST(JpegScale, ReducedPicturesOfEveryKindOfJpeg)
{
    struct Variant {
        const char* name;
        const char* options;
    };
    const Variant variants[] = {
        {"baseline", "-quality 90"},
        {"progressive", "-quality 90 -interlace Plane"},
        {"grey", "-colorspace Gray -quality 90"},
        {"cmyk", "-colorspace CMYK -quality 95"},
        // The orientation tag is recorded as a camera turned on its side
        // writes it; the picture is taken as stored, as it always was.
        {"exif rotated", "-quality 90 -orient RightTop"},
        {"4:4:4", "-quality 90 -sampling-factor 1x1"},
    };
    for (const Variant& v : variants) {
        const std::string path = PhotoLike(std::string("kind-") + v.name + ".jpg", v.options);
        CPictureImage whole(path, IMAGE_FORMAT_JPG);
        ASSERT_TRUE(whole.IsValid()) << v.name;
        CPictureHolder holder(path, IMAGE_FORMAT_JPG);
        ASSERT_TRUE(holder.IsValid()) << v.name;
        EXPECT_EQ(holder.GetWidth(), 643) << v.name;
        EXPECT_EQ(holder.GetHeight(), 427) << v.name;
        const auto small = holder.Picture(214, 142);
        ASSERT_TRUE(small) << v.name;
        EXPECT_EQ(small->GetWidth(), 214) << v.name;
        EXPECT_EQ(small->GetHeight(), 142) << v.name;
        EXPECT_LT(holder.LastDecodeSize().cx, 643) << v.name << ": decoded whole";
        CPictureImage reference;
        ASSERT_TRUE(ReducePicture(whole, 214, 142, reference));
        EXPECT_GE(Psnr(*small, reference), 40.0) << v.name;
        if (std::string(v.name) == "grey") {
            EXPECT_EQ(small->GetBpp(), 8);
        }
    }
}

// The other formats are decoded whole and reduced: a picture of four solid
// quarters keeps the colours of its quarters.
TEST(ReducedPictures, EveryOtherFormat)
{
    const std::string quarters = PicturePath("quarters.png");
    ASSERT_TRUE(Convert("-size 32x24 xc:'#ff0000' xc:'#00c000' +append \\( -size 32x24 xc:'#0000ff' xc:'#ffffff' "
                        "+append \\) -append " + Quote(quarters)));
    struct Format {
        const char* ext;
        int code;
        const char* options;
    };
    const Format formats[] = {
        {"bmp", IMAGE_FORMAT_BMP, "-type TrueColor"}, {"gif", IMAGE_FORMAT_GIF, ""},
        {"png", IMAGE_FORMAT_PNG, ""},                {"ico", IMAGE_FORMAT_ICO, ""},
        // ImageMagick writes a TGA's rows top first under a bottom-left
        // origin; flipped first, the file holds the picture the right way up.
        {"tif", IMAGE_FORMAT_TIF, "-compress None"},  {"tga", IMAGE_FORMAT_TGA, "-flip"},
        {"pcx", IMAGE_FORMAT_PCX, ""},                {"bmp", IMAGE_FORMAT_BMP, "-type Palette"},
    };
    int n = 0;
    for (const Format& f : formats) {
        const std::string path = PicturePath("quarters-" + std::to_string(n++) + "." + f.ext);
        ASSERT_TRUE(Convert(Quote(quarters) + " " + f.options + " " + Quote(path))) << f.ext;
        CPictureHolder holder(path, f.code);
        ASSERT_TRUE(holder.IsValid()) << f.ext << " " << holder.GetLastError();
        EXPECT_EQ(holder.GetWidth(), 64);
        EXPECT_EQ(holder.GetHeight(), 48);
        const auto small = holder.Picture(-15, 12);  // either corner order
        ASSERT_TRUE(small) << f.ext;
        ASSERT_EQ(small->GetWidth(), 15) << f.ext;
        ASSERT_EQ(small->GetHeight(), 12) << f.ext;
        // Rows are stored bottom-up: row 11 is the top of the picture.
        const struct {
            long x, y;
            BYTE r, g, b;
        } probes[] = {{2, 9, 255, 0, 0}, {12, 9, 0, 192, 0}, {2, 2, 0, 0, 255}, {12, 2, 255, 255, 255}};
        for (const auto& p : probes) {
            const RGBQUAD c = small->GetPixelColor(p.x, p.y);
            EXPECT_EQ(c.rgbRed, p.r) << f.ext << " at " << p.x << "," << p.y;
            EXPECT_EQ(c.rgbGreen, p.g) << f.ext << " at " << p.x << "," << p.y;
            EXPECT_EQ(c.rgbBlue, p.b) << f.ext << " at " << p.x << "," << p.y;
        }
        // On the border between quarters the colours are blended, not picked.
        const RGBQUAD edge = small->GetPixelColor(7, 9);
        EXPECT_GT(edge.rgbRed, 60) << f.ext;
        EXPECT_LT(edge.rgbRed, 200) << f.ext;
        EXPECT_GT(edge.rgbGreen, 40) << f.ext;
        EXPECT_LT(edge.rgbGreen, 150) << f.ext;
    }
}

TEST(ReducedPictures, AreaFilterAveragesWhatItCovers)
{
    // Alternating black and white columns become an even grey, where
    // picking pixels would give all black or all white.
    CPictureImage stripes;
    ASSERT_TRUE(stripes.Create(9, 4, 24));
    for (long y = 0; y < 4; ++y)
        for (long x = 0; x < 9; ++x) {
            const BYTE v = x % 2 ? 255 : 0;
            stripes.SetPixelColor(x, y, RGBQUAD{v, v, v, 0});
        }
    CPictureImage out;
    ASSERT_TRUE(ReducePicture(stripes, 3, 2, out));
    for (long x = 0; x < 3; ++x) {
        const int v = out.GetPixelColor(x, 0).rgbRed;
        // Each new pixel covers three columns: two of one colour, one of the other.
        EXPECT_TRUE(v == 85 || v == 170) << v;
    }
    EXPECT_FALSE(ReducePicture(stripes, 10, 2, out));  // not a reduction
    EXPECT_FALSE(ReducePicture(stripes, 0, 2, out));
}
