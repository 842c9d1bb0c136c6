// The costly paths of painting a page through the Qt surface: a photo
// stretched over the page, the per-pixel radial gradient, the dashed design
// grid and the texts of a month.

#include "platform/QtDC.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

namespace {

constexpr int kPageW = 816;   // 8.5 inches at 96 dots per inch
constexpr int kPageH = 1056;  // 11 inches

void PrepareTheApp()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "bench_surface";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
}

// A photo-sized 24-bit picture with some colour in it.
struct Photo {
    std::vector<BYTE> header = std::vector<BYTE>(sizeof(BITMAPINFOHEADER), 0);
    std::vector<BYTE> bits;
    Photo(int w, int h)
    {
        BITMAPINFOHEADER bih{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        std::memcpy(header.data(), &bih, sizeof bih);
        const long long row = DibRowSize(w, 24);
        bits.resize(static_cast<std::size_t>(row * h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                BYTE* p = &bits[static_cast<std::size_t>(row * y + 3 * x)];
                p[0] = BYTE(x);
                p[1] = BYTE(y);
                p[2] = BYTE(x ^ y);
            }
    }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(header.data()); }
};

void SetPageMapping(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(96, 96);
    dc.SetWindowExt(100, -100);
    dc.SetWindowOrg(-425, 550);
}

void BM_StretchPhotoOverPage(benchmark::State& state)
{
    PrepareTheApp();
    static const Photo photo(3000, 2000);
    QImage image(kPageW, kPageH, QImage::Format_RGB32);
    CQtDC dc(image);
    SetPageMapping(dc);
    dc.SetStretchBltMode(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        dc.StretchDIBits(-425, 550, 850, -1100, 0, 0, 3000, 2000, photo.bits.data(), photo.Info(), DIB_RGB_COLORS,
                         SRCCOPY);
    }
}
BENCHMARK(BM_StretchPhotoOverPage)->Arg(COLORONCOLOR)->Arg(HALFTONE)->Unit(benchmark::kMillisecond);

// The radial gradient sets every pixel of the page one by one.
void BM_RadialGradientBySetPixel(benchmark::State& state)
{
    PrepareTheApp();
    const bool memory = state.range(0) != 0;
    QImage image(kPageW, kPageH, QImage::Format_RGB32);
    CQtDC window(image);
    std::unique_ptr<CDC> mem;
    CBitmap buffer;
    CDC* dc = &window;
    if (memory) {
        mem = window.CreateCompatibleDC();
        buffer.CreateCompatibleBitmap(&window, kPageW, kPageH);
        mem->SelectObject(&buffer);
        dc = mem.get();
    }
    const int m = std::min(kPageW, kPageH) / 2;
    for (auto _ : state) {
        for (int j = 0; j < kPageH; ++j)
            for (int i = 0; i < kPageW; ++i) {
                const int d = static_cast<int>(std::hypot(i - kPageW / 2, j - kPageH / 2));
                const int e = std::max(0, (m - d) * 100 / m);
                dc->SetPixel(i, j, RGB(255 * e / 100, 0, 255 - 255 * e / 100));
            }
    }
    state.SetItemsProcessed(state.iterations() * kPageW * kPageH);
}
BENCHMARK(BM_RadialGradientBySetPixel)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The design grid: a dotted line every 0.1 inch across the page.
void BM_DesignGrid(benchmark::State& state)
{
    PrepareTheApp();
    QImage image(kPageW, kPageH, QImage::Format_RGB32);
    CQtDC dc(image);
    SetPageMapping(dc);
    CPen pen(PS_DOT, 1, RGB(192, 192, 192));
    dc.SelectObject(&pen);
    for (auto _ : state) {
        for (int x = -420; x < 425; x += 10) {
            dc.MoveTo(x, -550);
            dc.LineTo(x, 550);
        }
        for (int y = -550; y < 550; y += 10) {
            dc.MoveTo(-425, y);
            dc.LineTo(425, y);
        }
    }
}
BENCHMARK(BM_DesignGrid)->Unit(benchmark::kMillisecond);

// The 35 day cells of a month: fill, number, outline.
void BM_MonthTexts(benchmark::State& state)
{
    PrepareTheApp();
    QImage image(kPageW, kPageH, QImage::Format_RGB32);
    CQtDC dc(image);
    SetPageMapping(dc);
    CFont font;
    font.CreatePointFont(140, "Tahoma", &dc);
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    for (auto _ : state) {
        for (int cell = 0; cell < 35; ++cell) {
            const int x = -350 + (cell % 7) * 100, y = 300 - (cell / 7) * 80;
            CRect r(x, y, x + 100, y - 80);
            dc.FillSolidRect(r, RGB(240, 240, 255));
            dc.DrawTextA(std::to_string(cell + 1), &r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
            dc.MoveTo(x, y);
            dc.LineTo(x + 100, y);
            dc.LineTo(x + 100, y - 80);
        }
    }
}
BENCHMARK(BM_MonthTexts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
