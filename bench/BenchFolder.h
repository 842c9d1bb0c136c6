#pragma once
// A scratch folder of one benchmark run, made at its first use and named by
// the program and its process, so runs side by side do not share files.

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
