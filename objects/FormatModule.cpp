#include "objects/FormatModule.h"

#include "objects/InstallFolder.h"

#include <dlfcn.h>
#include <link.h>

#include <atomic>
#include <mutex>

// Linked in, the readers define the table; in the program, which leaves them
// out, the reference stays null and the module is loaded instead.
#pragma weak MondrelFormatTable

namespace {

struct CLoadedTable {
    const CFormatTable* m_pTable = nullptr;
    CMessage m_failure;
};

CMessage LoadFailure(const std::string& reason)
{
    return CMessage(MESSAGE_TEXT("CMessage", "The module for PNG, TIFF and iCalendar files cannot be loaded: %1"))
        .Arg(reason);
}

CLoadedTable LoadTable()
{
    CLoadedTable loaded;
    if (&MondrelFormatTable) {
        loaded.m_pTable = MondrelFormatTable();
        return loaded;
    }
    std::string tried;
    void* module = LoadProgramLibrary(kFormatModule, &tried);
    if (!module) {
        loaded.m_failure = LoadFailure(tried);
        return loaded;
    }
    const auto entry = reinterpret_cast<const CFormatTable* (*)()>(dlsym(module, kFormatTableEntry));
    const CFormatTable* table = entry ? entry() : nullptr;
    if (table && table->m_nVersion == kFormatTableVersion && table->m_nSize == sizeof(CFormatTable)) {
        loaded.m_pTable = table;
        return loaded;
    }
    // A module of another build has other functions behind the same names;
    // it is left alone rather than called.
    std::string path = kFormatModule;
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name) path = map->l_name;
    loaded.m_failure = LoadFailure(path + ": it belongs to another build of the program");
    dlclose(module);
    return loaded;
}

// Loaded once, by whichever thread asks first: photos decode on worker
// threads, and the others wait for that one.
std::once_flag g_once;
CLoadedTable g_loaded;
std::atomic<bool> g_asked{false};

}  // namespace

const CFormatTable* FormatTable(CMessage* why)
{
    std::call_once(g_once, [] {
        g_loaded = LoadTable();
        g_asked.store(true, std::memory_order_release);
    });
    if (!g_loaded.m_pTable && why) *why = g_loaded.m_failure;
    return g_loaded.m_pTable;
}

bool FormatModuleFailed(CMessage* why)
{
    if (!g_asked.load(std::memory_order_acquire) || g_loaded.m_pTable) return false;
    *why = g_loaded.m_failure;
    return true;
}
