#pragma once
// What the benchmark programs share: a scratch folder of one run, made at
// its first use and named by the program and its process, so runs side by
// side do not share files; and a run of the benchmarks on Qt's painter
// without a screen.

#include <benchmark/benchmark.h>

#include <QtCore/QtGlobal>

#include <filesystem>
#include <string>

#include <unistd.h>

inline std::filesystem::path BenchFolder(const std::string& program)
{
    static const std::filesystem::path dir = [&program] {
        auto d = std::filesystem::temp_directory_path() / ("mondrel-" + program + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

// Pages are painted offscreen unless the caller chose a platform.
inline void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the benchmarks the command line names, then removes the run's
// scratch folder.
inline int RunBenchmarks(int argc, char** argv, const std::filesystem::path& folder)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
