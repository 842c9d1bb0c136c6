// Pages with photos exported from pictures decoded at the size the page
// needs, against the same pages drawn from the whole decoded photo.

#include "document/DrawDoc.h"
#include "document/PagePictures.h"
#include "imageio/PictureHolder.h"
#include "imageio/WorkerPool.h"
#include "objects/DrawRect.h"
#include "objects/PictureOnSurface.h"
#include "platform/PageExport.h"
#include "platform/QtDC.h"
#include "support/PoolGate.h"

#include <gtest/gtest.h>

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

std::string Scratch(const std::string& name)
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::path(MONDREL_BINARY_DIR) / "test-pictures" / ("export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return (dir / name).string();
}

// A smooth photo with a few sharp edges, made by ImageMagick.
std::string Photo(const std::string& name, const std::string& size)
{
    const std::string path = Scratch(name);
    const std::string cmd = "/usr/bin/convert -size " + size + " gradient:'#f0d020-#102080' \\( -size " + size +
                            " radial-gradient:white-'#303030' \\) -compose multiply -composite -fill '#c02020' "
                            "-draw 'rectangle 300,300 900,700' -quality 92 '" + path + "' 2>/dev/null";
    return std::system(cmd.c_str()) == 0 ? path : std::string();
}

double Psnr(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const double d[3] = {double(qRed(p[x]) - qRed(q[x])), double(qGreen(p[x]) - qGreen(q[x])),
                                 double(qBlue(p[x]) - qBlue(q[x]))};
            sum += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        }
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// The calendars and texts need the toolkit's fonts.
void StartToolkit()
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_render";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// A page with one photo in a rectangle stored as generated objects are:
// left > right and top < bottom.
CDrawRect* AddPhoto(CDrawDoc& doc, const std::string& path)
{
    doc.m_nBackStyle = CDrawDoc::styleSolid;
    doc.m_crBackFrom = RGB(250, 250, 250);
    auto* rect = new CDrawRect(CRect(300, -250, -300, 350), CDrawRect::kindImage);
    rect->SetImageFile(path, "jpg");
    doc.Add(rect);
    return rect;
}

}  // namespace

TEST(ScaledExport, MatchesThePageDrawnFromTheWholePhoto)
{
    const std::string path = Photo("page-photo.jpg", "2400x1800");
    ASSERT_FALSE(path.empty());
    CDrawDoc doc;
    CDrawRect* rect = AddPhoto(doc, path);
    ASSERT_TRUE(rect->m_pImage && rect->m_pImage->IsValid());
    EXPECT_EQ(rect->m_position, CRect(300, -100, -300, 350));  // fitted to 4:3

    const QImage scaled = RenderPagePicture(doc, 100);
    EXPECT_EQ(rect->m_pImage->DecodeCount(), 1);
    EXPECT_EQ(rect->m_pImage->LastDecodeSize(), CSize(600, 450));  // a quarter of the photo each way

    rect->m_pImage = std::make_unique<CPictureHolder>(CPictureImage(path, IMAGE_FORMAT_JPG));
    const QImage reference = RenderPagePicture(doc, 100);
    EXPECT_GE(Psnr(scaled, reference), 40.0);
}

TEST(ScaledExport, APrintResolutionAfterTheScreenDecodesAgain)
{
    const std::string path = Photo("print-photo.jpg", "2400x1800");
    ASSERT_FALSE(path.empty());
    CDrawDoc doc;
    CDrawRect* rect = AddPhoto(doc, path);
    RenderPagePicture(doc, 100);
    EXPECT_EQ(rect->m_pImage->DecodeCount(), 1);
    const QImage at300 = RenderPagePicture(doc, 300);
    EXPECT_EQ(rect->m_pImage->DecodeCount(), 2);
    EXPECT_EQ(rect->m_pImage->LastDecodeSize(), CSize(1800, 1350));
    // Once more at 100 dpi: the larger copy serves, no decode.
    RenderPagePicture(doc, 100);
    EXPECT_EQ(rect->m_pImage->DecodeCount(), 2);

    // The stored corner order does not change the size asked for.
    CQtDC dc(const_cast<QImage&>(at300), 300, 300);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, -100);
    dc.SetViewportExt(300, 300);
    const CRect& p = rect->m_position;
    EXPECT_EQ(DeviceSizeOf(&dc, p), CSize(1800, 1350));
    EXPECT_EQ(DeviceSizeOf(&dc, CRect(p.right, p.bottom, p.left, p.top)), CSize(1800, 1350));
}

TEST(ScaledExport, TheJpegFileHoldsThePaintedPage)
{
    const std::string path = Photo("file-photo.jpg", "1200x900");
    ASSERT_FALSE(path.empty());
    CDrawDoc doc;
    AddPhoto(doc, path);
    const QImage painted = RenderPagePicture(doc, 100);
    const std::string out = Scratch("page.jpg");
    std::string error;
    ASSERT_TRUE(ExportPagePicture(doc, out, 100, &error)) << error;
    const CPictureImage file(out, IMAGE_FORMAT_JPG);
    ASSERT_TRUE(file.IsValid());
    QImage written(int(file.GetWidth()), int(file.GetHeight()), QImage::Format_RGB32);
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            const RGBQUAD c = file.GetPixelColor(x, written.height() - 1 - y);
            written.setPixel(x, y, qRgb(c.rgbRed, c.rgbGreen, c.rgbBlue));
        }
    ASSERT_EQ(written.size(), painted.size());
    EXPECT_GE(Psnr(written, painted), 40.0);
    // Red stays red: the rows reach the compressor in the right order.
    const QRgb inBox = written.pixel(425, 425);
    const QRgb painter = painted.pixel(425, 425);
    EXPECT_NEAR(qRed(inBox), qRed(painter), 6);
    EXPECT_NEAR(qBlue(inBox), qBlue(painter), 6);
    EXPECT_GT(qRed(painter), 150);
    EXPECT_LT(qBlue(painter), 100);
}

TEST(ScaledExport, APageDrawnAroundADecodingPhotoIsThePageDrawnInOnePass)
{
    // The calendar and the text need the toolkit's fonts.
    StartToolkit();
    const std::string path = Photo("around-photo.jpg", "2400x1800");
    ASSERT_FALSE(path.empty());
    CDrawDoc doc;
    // A shape under the photo, the photo, and above it a calendar, a turned
    // text and a thick ellipse, each reaching over one of its edges, on a
    // gradient.
    auto* under = new CDrawRect(CRect(-380, 420, 100, 150), CDrawRect::kindRectangle);
    doc.Add(under);
    AddPhoto(doc, path);
    doc.m_nBackStyle = CDrawDoc::styleLinear;
    doc.m_crBackFrom = RGB(250, 240, 200);
    doc.m_crBackTo = RGB(40, 90, 200);
    auto* cal = new CDrawRect(CRect(200, -300, -200, 0), CDrawRect::kindCalendar);
    cal->SetCalendarMonth(3, 2027);
    doc.Add(cal);
    auto* text = new CDrawRect(CRect(180, 200, 420, 140), CDrawRect::kindText);
    text->m_strText = "Around the photo";
    text->m_fontHeader.m_nRotation = 30;
    doc.Add(text);
    auto* ellipse = new CDrawRect(CRect(-360, 300, -220, 160), CDrawRect::kindEllipse);
    ellipse->m_bDrawBorder = 1;
    ellipse->m_nBorderThickness = 12;
    doc.Add(ellipse);

    const auto pendingArea = [&doc] {
        QImage probe(8, 8, QImage::Format_RGB32);
        CQtDC dc(probe, 100, 100);
        PreparePagePicture(&dc, doc, 100);
        std::vector<CDrawObj*> pending;
        return PendingPictureArea(&dc, doc, &pending);
    };
    // Every worker waits, so the photo is still decoding when the page is
    // drawn around it.
    CPoolGate held;
    const CRect area = pendingArea();
    ASSERT_FALSE(area.IsRectEmpty());
    // The JPEG file's bands away from the photo are compressed meanwhile.
    const std::string aroundFile = Scratch("around.jpg");
    std::string error;
    ASSERT_TRUE(ExportPagePicture(doc, aroundFile, 100, &error)) << error;
    held.Open();
    CWorkerPool::Shared().Wait();

    // Now the photo is held and the page is drawn in one pass: the same
    // pixels, so the same file.
    EXPECT_TRUE(pendingArea().IsRectEmpty());
    const std::string onceFile = Scratch("once.jpg");
    ASSERT_TRUE(ExportPagePicture(doc, onceFile, 100, &error)) << error;
    const auto bytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_GT(bytes(onceFile).size(), 1000u);
    EXPECT_TRUE(bytes(aroundFile) == bytes(onceFile));
    // The photo is there.
    const QImage once = RenderPagePicture(doc, 100);
    const QRgb middle = once.pixel(area.CenterPoint().x, area.CenterPoint().y);
    EXPECT_NE(middle, qRgb(255, 255, 255));
    EXPECT_NE(middle, once.pixel(2, 2));
}

TEST(ScaledExport, APageDrawnDownAsItsPhotosComeInIsThePageDrawnInOnePass)
{
    StartToolkit();
    const std::string path = Photo("coming-in.jpg", "4000x3000");
    const std::string small = Photo("coming-in-small.jpg", "1200x900");
    ASSERT_FALSE(path.empty());
    ASSERT_FALSE(small.empty());
    CDrawDoc doc;
    // The photo as generated; below it a strip of a small one mirrored side
    // to side, whose rows come in the same way; at the bottom, one turned
    // upside down, whose rows come in from its bottom, so the area waits
    // above it until it is in. (The small ones decode quickly, leaving the
    // pool's other thread to reduce the large one as it decodes.)
    CDrawRect* photo = AddPhoto(doc, path);
    auto* mirrored = new CDrawRect(CRect(), CDrawRect::kindImage);
    mirrored->SetImageFile(small, "jpg");
    mirrored->m_position = CRect(-300, -140, 300, -110);
    doc.Add(mirrored);
    auto* turned = new CDrawRect(CRect(), CDrawRect::kindImage);
    turned->SetImageFile(small, "jpg");
    turned->m_position = CRect(300, -150, -300, -450);
    doc.Add(turned);
    doc.m_nBackStyle = CDrawDoc::styleLinear;
    doc.m_crBackFrom = RGB(250, 240, 200);
    doc.m_crBackTo = RGB(40, 90, 200);
    auto* text = new CDrawRect(CRect(-200, 120, 200, 40), CDrawRect::kindText);
    text->m_strText = "Over the photo";
    doc.Add(text);

    // The workers wait until the page but the photos is drawn, then the
    // photos decode while the area is drawn down as their rows come in.
    CPoolGate held;
    QImage probe(8, 8, QImage::Format_RGB32);
    CQtDC probeDc(probe, 300, 300);
    PreparePagePicture(&probeDc, doc, 300);
    const CSize need = DeviceSizeOf(&probeDc, photo->m_position);
    std::vector<int> tops;
    int areaBottom = 0;
    const QImage comingIn = RenderPagePicture(doc, 300, [&](const QImage&, int top, int bottom, bool spare) {
        if (tops.empty()) {
            held.Open();
            // As an export's first bands take a while: the photo's decode
            // is under way when the painting goes on.
            long rows = 0;
            for (int wait = 0; wait < 5000 && !photo->m_pImage->Partial(need.cx, need.cy, &rows) &&
                               !photo->m_pImage->Covers(need.cx, need.cy);
                 ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (!spare) tops.push_back(top);
        areaBottom = bottom;
        return false;
    });
    CWorkerPool::Shared().Wait();
    ASSERT_FALSE(tops.empty());
    const QImage once = RenderPagePicture(doc, 300);
    ASSERT_FALSE(once.isNull());
    EXPECT_TRUE(comingIn == once);
    // Rows of the area were painted for good while the photos decoded, down
    // to no lower than the turned photo's top. (With one core, or in a
    // sanitizer build, whose unoptimised area filter falls far behind the
    // decoder, the rows come in only when the decode ends.)
#if !defined(__SANITIZE_ADDRESS__)
    const bool rowsComeIn = std::thread::hardware_concurrency() > 1;
#else
    const bool rowsComeIn = false;
#endif
    if (rowsComeIn) {
        EXPECT_GT(tops.back(), tops.front());
        EXPECT_LT(tops.back(), (550 + 150) * 3);
    }
    EXPECT_GT(areaBottom, (550 + 150) * 3);
}
