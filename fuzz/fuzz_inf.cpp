// Reads an installation script from arbitrary bytes and works out its
// section "ProductInstall" for a destination, as tallowin does before it
// writes anything. A bad script must give an error, never a crash, and any
// operation it yields must stay inside the setup folder and the destination.

#include "setup/InfFile.h"
#include "setup/InstallScript.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CInfFile inf;
    if (!inf.Parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.inf")) {
        if (inf.Error().empty()) std::abort();
        return 0;
    }
    CInstallScript script;
    std::string error;
    if (!script.Build(inf, "ProductInstall", "/opt/mondrel", &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    std::string normalised;
    for (const CCopyOperation& op : script.Copies()) {
        if (!CInstallScript::IsSafeRelativePath(op.m_strSource, &normalised) ||
            !CInstallScript::IsSafeRelativePath(op.m_strTarget, &normalised))
            std::abort();
    }
    for (const CIniOperation& op : script.Inis())
        if (!CInstallScript::IsSafeRelativePath(op.m_strFile, &normalised)) std::abort();
    return 0;
}
