// Speed of the document's main jobs, measured side by side in one run:
// making and exporting the default page with a 12-megapixel photo (100 and
// 300 dpi) against djpeg of the photo plus cjpeg of the finished page;
// painting a radial-gradient page against a solid one; opening and saving
// documents of 200 and 2000 objects.

#include "document/CalendarGenerator.h"
#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "platform/PageExport.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QtGui/QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path WorkDir() { return BenchFolder("bench"); }

// A 4000 x 3000 photo-like picture (smooth shapes with grain), made once.
std::string Photo()
{
    static std::string path = [] {
        std::string p = (WorkDir() / "photo12mp.jpg").string();
        std::string cmd = "convert -size 1000x750 -seed 7 plasma:fractal -resize 4000x3000! "
                          "-attenuate 0.4 +noise Gaussian -quality 92 '" + p + "'";
        if (std::system(cmd.c_str()) != 0) std::abort();
        return p;
    }();
    return path;
}

CNewCalendarChoices DefaultChoices()
{
    CNewCalendarChoices ch;
    ch.m_strPhotoPath = Photo();
    ch.m_strPhotoType = "jpg";
    ch.m_nMonths = 12;
    ch.m_nFirstMonth = 0;
    ch.m_nYear = 2027;
    return ch;
}

void BM_GenerateAndExport(benchmark::State& state)
{
    const int dpi = static_cast<int>(state.range(0));
    CNewCalendarChoices ch = DefaultChoices();
    std::string out = (WorkDir() / ("page" + std::to_string(dpi) + ".jpg")).string();
    for (auto _ : state) {
        CDrawDoc doc;
        doc.OnNewDocument();
        CCalendarGenerator::Generate(doc, ch);
        std::string error;
        if (!ExportPagePicture(doc, out, dpi, &error)) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_GenerateAndExport)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference: decoding the photo and encoding the finished page with
// libjpeg's own command line tools.
void BM_DjpegPhotoPlusCjpegPage(benchmark::State& state)
{
    std::string photo = Photo();
    std::string page = (WorkDir() / "page100.jpg").string();
    std::string ppm = (WorkDir() / "page.ppm").string();
    {
        CDrawDoc doc;
        doc.OnNewDocument();
        CCalendarGenerator::Generate(doc, DefaultChoices());
        std::string error;
        ExportPagePicture(doc, page, 100, &error);
        std::system(("djpeg -pnm '" + page + "' > '" + ppm + "'").c_str());
    }
    std::string cmd = "djpeg -pnm '" + photo + "' > /dev/null && cjpeg -quality 100 '" + ppm + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("djpeg or cjpeg failed");
    }
}
BENCHMARK(BM_DjpegPhotoPlusCjpegPage)->Unit(benchmark::kMillisecond)->UseRealTime();

// The background alone, and the default page (photo and twelve months) on
// that background.
void BM_PaintPage(benchmark::State& state)
{
    CDrawDoc doc;
    const bool design = state.range(1) != 0;
    if (design) CCalendarGenerator::Generate(doc, DefaultChoices());
    doc.m_nBackStyle = static_cast<int>(state.range(0));
    doc.m_crBackFrom = RGB(255, 255, 255);
    doc.m_crBackTo = RGB(40, 90, 200);
    for (auto _ : state) {
        QImage image = RenderPagePicture(doc, 100);
        benchmark::DoNotOptimize(image.constBits());
    }
    std::string style = doc.m_nBackStyle == 0 ? "linear" : doc.m_nBackStyle == 1 ? "radial" : "solid";
    state.SetLabel(style + (design ? " page with photo and 12 months" : " background only"));
}
BENCHMARK(BM_PaintPage)
    ->ArgsProduct({{CDrawDoc::styleSolid, CDrawDoc::styleLinear, CDrawDoc::styleRadial}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void FillDocument(CDrawDoc& doc, int count)
{
    for (int i = 0; i < count; ++i) {
        int x = (i * 37) % 700 - 350;
        int y = (i * 53) % 900 - 450;
        auto* obj = new CDrawRect(CRect(x, y, x + 120, y + 90), i % 4 == 0 ? CDrawRect::kindCalendar : i % 4);
        obj->m_strText = "Object " + std::to_string(i);
        doc.Add(obj);
    }
}

void BM_SaveDocument(benchmark::State& state)
{
    CDrawDoc doc;
    doc.OnNewDocument();
    FillDocument(doc, static_cast<int>(state.range(0)));
    std::string path = (WorkDir() / ("save" + std::to_string(state.range(0)) + ".mdr")).string();
    for (auto _ : state) {
        std::string error;
        if (!doc.OnSaveDocument(path, &error)) state.SkipWithError(error.c_str());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SaveDocument)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_OpenDocument(benchmark::State& state)
{
    std::string path = (WorkDir() / ("open" + std::to_string(state.range(0)) + ".mdr")).string();
    {
        CDrawDoc doc;
        doc.OnNewDocument();
        FillDocument(doc, static_cast<int>(state.range(0)));
        doc.OnSaveDocument(path, nullptr);
    }
    for (auto _ : state) {
        CDrawDoc doc;
        std::string error;
        if (!doc.OnOpenDocument(path, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(doc.GetObjects()->size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OpenDocument)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatform();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return RunBenchmarks(argc, argv, WorkDir());
}
