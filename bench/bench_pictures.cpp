// Photos at the size the page needs: decoding a camera JPEG at each DCT
// scale against the whole picture, the area filter, and drawing and
// exporting a page of twelve photos (decodes on the worker pool) against
// the same page drawn on one thread.
//
// With "--make-page OUT.mdr PHOTO..." it only writes a document whose page
// holds the photos in a grid of three columns over a light background, for
// scripts/bench-export. With "--whole-photo-export OUT.jpg DPI DOC.mdr" it
// exports the page as the program did before photos were decoded at the
// size of the page: every photo decoded whole and stretched into its box by
// picking the nearest pixel; the script compares the new pages with these.

#include "document/DrawDoc.h"
#include "document/PagePictures.h"
#include "imageio/JpegWriter.h"
#include "imageio/ImageCodecs.h"
#include "imageio/PictureHolder.h"
#include "imageio/PictureReduce.h"
#include "objects/DrawRect.h"
#include "platform/PageExport.h"
#include "platform/QtDC.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QtGui/QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::filesystem::path WorkDir() { return BenchFolder("bench-pictures"); }

// A 20-megapixel camera-sized photo: smooth shapes with a little grain.
const std::string& Photo()
{
    static const std::string path = [] {
        const std::string p = (WorkDir() / "photo20mp.jpg").string();
        const std::string cmd = "convert -size 684x456 -seed 11 plasma:fractal -blur 0x1 -filter Triangle "
                                "-resize 5472x3648! \\( -size 128x128 xc:gray50 -attenuate 0.25 +noise Gaussian "
                                "-write mpr:grain +delete \\) \\( -size 5472x3648 tile:mpr:grain \\) "
                                "-compose overlay -composite ppm:- | cjpeg -quality 92 > '" + p + "'";
        if (std::system(cmd.c_str()) != 0) std::abort();
        return p;
    }();
    return path;
}

const std::vector<BYTE>& PhotoBytes()
{
    static const std::vector<BYTE> bytes = [] {
        std::ifstream in(Photo(), std::ios::binary);
        return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

// The photos of a page in a grid of three columns and four rows, stored as
// generated objects are (left > right, top < bottom).
void AddPhotoGrid(CDrawDoc& doc, const std::vector<std::string>& photos)
{
    doc.m_nBackStyle = CDrawDoc::styleSolid;
    doc.m_crBackFrom = RGB(245, 245, 240);
    const CSize page = doc.PageSize();
    const int cellW = page.cx / 3, cellH = page.cy / 4;
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const int col = static_cast<int>(i % 3), row = static_cast<int>(i / 3) % 4;
        const int left = -page.cx / 2 + col * cellW + 10;
        const int top = page.cy / 2 - row * cellH - 10;
        auto* rect = new CDrawRect(CRect(left + cellW - 20, top - cellH + 20, left, top), CDrawRect::kindImage);
        rect->SetImageFile(photos[i], "jpg");
        doc.Add(rect);
    }
}

void BM_JpegScaledDecode20MP(benchmark::State& state)
{
    const int num = static_cast<int>(state.range(0));
    const std::vector<BYTE>& bytes = PhotoBytes();
    const long w = static_cast<long>(JpegScaledSide(5472, num)), h = static_cast<long>(JpegScaledSide(3648, num));
    for (auto _ : state) {
        CPictureImage image;
        if (!DecodeJpegScaled(bytes.data(), bytes.size(), image, num == 8 ? 0 : w, num == 8 ? 0 : h))
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.GetBits());
    }
    state.SetLabel(std::to_string(w) + " x " + std::to_string(h));
}
BENCHMARK(BM_JpegScaledDecode20MP)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

// The area filter alone: a 100-dpi photo box of 3 x 2 inches from the
// eighth scale (300), and a 300-dpi box of 8.5 x 5.67 inches from the half
// scale (2550), the reduction BM_DecodeAndReduce20MP does after its decode.
void BM_AreaReduce(benchmark::State& state)
{
    const long w = static_cast<long>(state.range(0)), h = w * 2 / 3;
    CPictureImage scaled;
    DecodeJpegScaled(PhotoBytes().data(), PhotoBytes().size(), scaled, std::max(684L, w), std::max(456L, h));
    for (auto _ : state) {
        CPictureImage out;
        ReducePicture(scaled, w, h, out);
        benchmark::DoNotOptimize(out.GetBits());
    }
}
BENCHMARK(BM_AreaReduce)->Arg(300)->Arg(2550)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 20-megapixel photo for a box 850 (100 dpi) or 2550 (300 dpi) pixels
// wide: decoded at the DCT scale that covers it and reduced to exactly that
// size, the reduction after the decode (0) or while it decodes (1).
void BM_DecodeAndReduce20MP(benchmark::State& state)
{
    const long w = static_cast<long>(state.range(0)), h = w * 2 / 3;
    const bool whileDecoding = state.range(1) != 0;
    const std::vector<BYTE>& bytes = PhotoBytes();
    for (auto _ : state) {
        CPictureImage decoded, out;
        bool ok;
        if (whileDecoding) {
            CReduceWhileDecoding reducer(w, h);
            ok = DecodeJpegScaled(bytes.data(), bytes.size(), decoded, w, h, &reducer) &&
                 reducer.Finish(decoded, out);
        } else {
            ok = DecodeJpegScaled(bytes.data(), bytes.size(), decoded, w, h) && ReducePicture(decoded, w, h, out);
        }
        if (!ok || out.GetWidth() != w) state.SkipWithError("decode or reduce failed");
        benchmark::DoNotOptimize(out.GetBits());
    }
}
BENCHMARK(BM_DecodeAndReduce20MP)
    ->Args({850, 0})
    ->Args({850, 1})
    ->Args({2550, 0})
    ->Args({2550, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Twelve photos on a page, each time a fresh document (so every photo is
// decoded), drawn (argument 0) or exported as JPEG (argument 1) at 100 dpi.
void BM_TwelvePhotoPage(benchmark::State& state)
{
    const std::vector<std::string> photos(12, Photo());
    const std::string out = (WorkDir() / "twelve.jpg").string();
    for (auto _ : state) {
        CDrawDoc doc;
        AddPhotoGrid(doc, photos);
        if (state.range(0) == 0) {
            QImage image = RenderPagePicture(doc, 100);
            benchmark::DoNotOptimize(image.constBits());
        } else {
            std::string error;
            if (!ExportPagePicture(doc, out, 100, &error)) state.SkipWithError(error.c_str());
        }
    }
    state.SetLabel(state.range(0) == 0 ? "draw" : "export");
}
BENCHMARK(BM_TwelvePhotoPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The page drawn again with every photo already held: drawing alone.
void BM_TwelvePhotoRepaint(benchmark::State& state)
{
    CDrawDoc doc;
    AddPhotoGrid(doc, std::vector<std::string>(12, Photo()));
    RenderPagePicture(doc, 100);
    for (auto _ : state) {
        QImage image = RenderPagePicture(doc, 100);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TwelvePhotoRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

int MakePage(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_pictures --make-page OUT.mdr PHOTO...\n");
        return 2;
    }
    CDrawDoc doc;
    doc.OnNewDocument();
    // Whole paths: the designer opens documents from its own folder.
    std::vector<std::string> photos;
    for (int i = 3; i < argc; ++i) photos.push_back(std::filesystem::absolute(argv[i]).string());
    AddPhotoGrid(doc, photos);
    std::string error;
    if (!doc.OnSaveDocument(argv[2], &error)) {
        std::fprintf(stderr, "bench_pictures: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int WholePhotoExport(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_pictures --whole-photo-export OUT.jpg DPI DOC.mdr\n");
        return 2;
    }
    const int dpi = std::atoi(argv[3]);
    CDrawDoc doc;
    std::string error;
    if (dpi <= 0 || !doc.OnOpenDocument(argv[4], &error)) {
        std::fprintf(stderr, "bench_pictures: cannot open %s %s\n", argv[4], error.c_str());
        return 1;
    }
    // The page without its photos (their objects draw nothing), then each
    // photo decoded whole and stretched as before into its box.
    std::vector<CDrawRect*> photos;
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (rect && rect->m_nKind == CDrawRect::kindImage && rect->m_bOpaque && rect->m_pImage &&
            rect->m_pImage->IsValid()) {
            rect->m_pImage = std::make_unique<CPictureHolder>(CPictureImage());
            photos.push_back(rect);
        }
    }
    QImage page = RenderPagePicture(doc, dpi);
    {
        CQtDC dc(page, dpi, dpi);
        PreparePagePicture(&dc, doc, dpi);
        for (CDrawRect* rect : photos) {
            const CPictureImage whole(rect->m_strImagePath, ImageFormatFromExtension(rect->m_strImageType));
            const CRect& p = rect->m_position;
            whole.Stretch(&dc, p.right, p.bottom, -p.Width(), -p.Height());
        }
    }
    if (!WritePagePictureJpeg(page, dpi, argv[2], &error)) {
        std::fprintf(stderr, "bench_pictures: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--make-page") return MakePage(argc, argv);
    if (argc >= 2 && std::string(argv[1]) == "--whole-photo-export") {
        UseOffscreenPlatform();
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        return WholePhotoExport(argc, argv);
    }
    UseOffscreenPlatform();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return RunBenchmarks(argc, argv, WorkDir());
}
