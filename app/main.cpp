#include "app/BatchCommand.h"
#include "app/ProgramLibrary.h"
#include "document/DrawDoc.h"
#include "objects/Environment.h"
#include "objects/InstallFolder.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// This file links no toolkit: the loader maps only the core's libraries
// before main() runs, and a batch export's document is opened and its photos
// start decoding on the worker threads while the toolkit's libraries load.

namespace {

// Without a login session there is no runtime folder; give the toolkit a
// private one so that a run prints only what it has to say.
void EnsureRuntimeFolder()
{
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set && *set) return;
    const std::string dir = "/tmp/runtime-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    EnsureRuntimeFolder();
#ifdef MONDREL_SOURCE_DATA_DIR
    UseSourceTreeData(MONDREL_SOURCE_DATA_DIR);
#endif
    std::unique_ptr<CDrawDoc> opened;
    // Batch runs need no display, nor does the message about an option the
    // window does not know: the toolkit draws off screen unless told
    // otherwise.
    const bool batch = CBatchCommand::IsBatch(args);
    const bool option = CBatchCommand::FirstOption(args) != args.end();
    if (batch || option) {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        if (!platform || !*platform) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (batch) {
        // A saved document to export is opened with the data files found
        // beside the program; the settings, read with the toolkit, may name
        // another folder, and the document is then opened again.
        Environment().m_strInstallDir = FindInstallDir("", RunningProgramDir(), SourceTreeData());
        opened = CBatchCommand::OpenForExport(args);
    }
    std::string tried;
    void* library = LoadProgramLibrary(batch || option ? kBatchLibrary : kWindowLibrary, &tried);
    const auto run = library ? reinterpret_cast<ProgramEntry>(dlsym(library, kProgramLibraryEntry)) : nullptr;
    if (!run) {
        std::fprintf(stderr, "mondrel: the program's library cannot be loaded: %s\n",
                     library ? kProgramLibraryEntry : tried.c_str());
        return 1;
    }
    return run(argc, argv, opened.get());
}
