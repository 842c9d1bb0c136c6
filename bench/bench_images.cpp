// Speed of the library decoders and the JPEG writer, each measured beside
// the program that serves as its yardstick on the same data: djpeg for JPEG
// decoding, cjpeg -quality 100 for JPEG writing, ImageMagick for PNG
// decoding. The pictures are made at start-up.

#include "imageio/ImageCodecs.h"
#include "imageio/JpegWriter.h"
#include "imageio/PictureImage.h"
#include "text3d/DibSection.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

struct CBenchFiles {
    std::string dir;
    std::string jpeg;                   // 6000 × 4000 photo-like picture
    std::string png;                    // the same picture as PNG
    std::vector<BYTE> jpegBytes;
    std::vector<BYTE> pngBytes;
    std::string page[3];                // the page sizes as PPM, for cjpeg
    CDibSection section[3]{CDibSection(true), CDibSection(true), CDibSection(true)};
};

// A smooth picture with fine noise, so that both compressors have the kind
// of work a photo gives them.
void PhotoPixel(int x, int y, std::uint32_t& seed, BYTE rgb[3])
{
    seed ^= seed << 13;
    seed ^= seed >> 17;
    seed ^= seed << 5;
    const int noise = static_cast<int>(seed & 15) - 8;
    const int r = (x / 24 + y / 40) % 256, g = (x * y / 9000) % 256, b = (255 - x / 24) % 256;
    rgb[0] = static_cast<BYTE>(std::clamp(r + noise, 0, 255));
    rgb[1] = static_cast<BYTE>(std::clamp(g + noise / 2, 0, 255));
    rgb[2] = static_cast<BYTE>(std::clamp(b - noise, 0, 255));
}

std::string WritePpm(const std::string& path, int width, int height)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    std::vector<BYTE> row(static_cast<std::size_t>(width) * 3);
    std::uint32_t seed = 2463534242u;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) PhotoPixel(x, y, seed, &row[3 * x]);
        out.write(reinterpret_cast<const char*>(row.data()), static_cast<std::streamsize>(row.size()));
    }
    return path;
}

void FillSection(CDibSection& dib, int width, int height)
{
    dib.Create(width, height);
    const std::size_t rowSize = static_cast<std::size_t>(DibRowSize(width, 24));
    std::uint32_t seed = 2463534242u;
    for (int y = 0; y < height; ++y) {
        BYTE* row = dib.GetBits() + rowSize * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            BYTE rgb[3];
            PhotoPixel(x, y, seed, rgb);
            row[3 * x] = rgb[2];
            row[3 * x + 1] = rgb[1];
            row[3 * x + 2] = rgb[0];
        }
    }
}

std::vector<BYTE> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

CBenchFiles& Files()
{
    static CBenchFiles files = [] {
        CBenchFiles f;
        char pattern[] = "/tmp/mondrel-bench-XXXXXX";
        f.dir = mkdtemp(pattern);
        const std::string photo = WritePpm(f.dir + "/photo.ppm", 6000, 4000);
        f.jpeg = f.dir + "/photo.jpg";
        f.png = f.dir + "/photo.png";
        if (std::system(("cjpeg -quality 90 -outfile '" + f.jpeg + "' '" + photo + "'").c_str()) != 0 ||
            std::system(("convert '" + photo + "' PNG24:'" + f.png + "'").c_str()) != 0) {
            std::fprintf(stderr, "bench_images: cjpeg and ImageMagick are needed\n");
            std::exit(1);
        }
        f.jpegBytes = ReadAll(f.jpeg);
        f.pngBytes = ReadAll(f.png);
        const int sizes[3][2] = {{850, 1100}, {2550, 3300}, {425, 550}};
        for (int i = 0; i < 3; ++i) {
            f.page[i] = WritePpm(f.dir + "/page" + std::to_string(i) + ".ppm", sizes[i][0], sizes[i][1]);
            FillSection(f.section[i], sizes[i][0], sizes[i][1]);
        }
        static std::string removeAtExit;
        removeAtExit = "rm -rf '" + f.dir + "'";
        std::atexit([] { std::system(removeAtExit.c_str()); });
        return f;
    }();
    return files;
}

double ChildCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Times an external command per iteration (its start-up included). On a
// busy machine wall time says little, so the command's own processor time
// is reported too ("cpu_ms"), to set beside the CPU column of our runs.
void RunCommand(benchmark::State& state, const std::string& command)
{
    double cpu = 0;
    for (auto _ : state) {
        const double cpuStart = ChildCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const int rc = std::system(command.c_str());
        const auto end = std::chrono::steady_clock::now();
        cpu += ChildCpuSeconds() - cpuStart;
        if (rc != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

void BM_JpegDecode24MP_Ours(benchmark::State& state)
{
    const CBenchFiles& f = Files();
    for (auto _ : state) {
        CPictureImage image;
        if (!DecodeJpeg(f.jpegBytes.data(), f.jpegBytes.size(), image)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.GetBits());
    }
}

void BM_JpegDecode24MP_Djpeg(benchmark::State& state)
{
    RunCommand(state, "djpeg -outfile /dev/null '" + Files().jpeg + "'");
}

void BM_PngDecode24MP_Ours(benchmark::State& state)
{
    const CBenchFiles& f = Files();
    for (auto _ : state) {
        CPictureImage image;
        if (!DecodePng(f.pngBytes.data(), f.pngBytes.size(), image)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.GetBits());
    }
}

void BM_PngDecode24MP_ImageMagick(benchmark::State& state)
{
    RunCommand(state, "convert '" + Files().png + "' null:");
}

void BM_JpegWritePage_Ours(benchmark::State& state)
{
    CBenchFiles& f = Files();
    const std::string out = f.dir + "/ours.jpg";
    for (auto _ : state) {
        std::string error;
        if (!f.section[state.range(0)].WriteJpeg(100, out, &error)) state.SkipWithError(error.c_str());
    }
}

void BM_JpegWritePage_Cjpeg(benchmark::State& state)
{
    const CBenchFiles& f = Files();
    RunCommand(state, "cjpeg -quality 100 -outfile '" + f.dir + "/theirs.jpg' '" + f.page[state.range(0)] + "'");
}

// The page compressed in the given number of bands on the worker pool (1:
// one piece), to set the banded writer beside the one-piece one. The file
// goes to memory where it can, so that the disk does not blur the figure.
void BM_JpegWritePage_Bands(benchmark::State& state)
{
    CBenchFiles& f = Files();
    const CDibSection& section = f.section[state.range(0)];
    CDibPixels rows;
    rows.pHead = &section.GetHeader();
    rows.pBits = section.GetBits();
    const bool shm = access("/dev/shm", W_OK) == 0;
    const std::string out = (shm ? "/dev/shm/mondrel-bench-" + std::to_string(getpid()) : f.dir + "/bands") + ".jpg";
    for (auto _ : state) {
        std::string error;
        if (!WriteJpegFileInBands(rows, 100, out, static_cast<unsigned>(state.range(1)), &error))
            state.SkipWithError(error.c_str());
    }
    std::remove(out.c_str());
}

}  // namespace

BENCHMARK(BM_JpegDecode24MP_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegDecode24MP_Djpeg)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_PngDecode24MP_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PngDecode24MP_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime();
// Argument 0 is an 850 × 1100 page, 1 a 2550 × 3300 page.
BENCHMARK(BM_JpegWritePage_Ours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
// Arguments: the page as above (2: a 425 × 550 one), then the number of
// bands. With repetitions the fastest run is reported too: on a machine
// shared with other work it comes closest to the time of an idle one.
BENCHMARK(BM_JpegWritePage_Bands)
    ->ArgsProduct({{0, 1, 2}, {1, 2, 4, 8, 16}})
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_JpegWritePage_Cjpeg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

BENCHMARK_MAIN();
