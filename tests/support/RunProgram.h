#pragma once

// Runs a command line as a person types it and collects what it prints:
// standard output and standard error together, and the exit status.

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace runprogram {

struct CResult {
    int status = -1;
    std::string out;
};

inline CResult Run(const std::string& command)
{
    CResult r;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// The built mondrel with the arguments.
inline CResult Mondrel(const std::string& args)
{
    return Run(std::string(MONDREL_BINARY_DIR) + "/mondrel " + args);
}

}  // namespace runprogram
