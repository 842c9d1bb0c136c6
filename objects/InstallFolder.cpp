#include "objects/InstallFolder.h"

#include <dlfcn.h>
#include <filesystem>
#include <unistd.h>
#include <system_error>

namespace {

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool IsFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// A folder counts as holding the data files when any of them is there; an
// empty share folder left by an old installation must not hide the others.
bool HoldsDataFiles(const std::string& folder)
{
    return IsFile(folder + "tips.txt") || IsFile(folder + "BckImage.jpg") || IsFile(folder + "help/index.html");
}

std::string& SourceTree()
{
    static std::string folder;
    return folder;
}

}  // namespace

void UseSourceTreeData(const std::string& sourceDir)
{
    SourceTree() = sourceDir;
}

const std::string& SourceTreeData()
{
    return SourceTree();
}

std::string FindInstallDir(const std::string& destinationPath, const std::string& programDir,
                           const std::string& sourceDir)
{
    // A folder the user deleted by hand stays named in the settings; it must
    // not hide the data installed beside the program.
    if (!destinationPath.empty() && HoldsDataFiles(WithSlash(destinationPath))) return WithSlash(destinationPath);
    const std::string program = WithSlash(programDir.empty() ? std::string(".") : programDir);
    const std::string share =
        WithSlash(std::filesystem::path(program + "../share/mondrel").lexically_normal().string());
    if (HoldsDataFiles(share)) return share;
    if (!sourceDir.empty()) {
        const std::string resources = WithSlash(sourceDir) + "resources/";
        if (HoldsDataFiles(resources)) return resources;
    }
    return program;
}

std::string RunningProgramDir()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

void* LoadProgramLibrary(const char* name, std::string* tried)
{
    const std::string dir = RunningProgramDir();
    for (const std::string& path : {dir + "/" + name, dir + "/../libexec/mondrel/" + name}) {
        if (void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
        const char* why = dlerror();
        // A library that is there but cannot load says why; a missing one
        // is looked for in the next place.
        if (access(path.c_str(), F_OK) == 0) {
            *tried = why ? why : path;
            return nullptr;
        }
        if (tried->empty()) *tried = path;
    }
    return nullptr;
}
