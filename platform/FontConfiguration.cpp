#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

namespace {

// Waits for the loading thread when the program ends.
struct CLoader {
    std::thread thread;
    ~CLoader()
    {
        if (thread.joinable()) thread.join();
    }
};

}  // namespace

void LoadFontConfigurationAhead()
{
    static CLoader loader;
    if (loader.thread.joinable()) return;
    try {
        // The library loads its configuration once, whichever thread asks
        // first; the drawing thread then finds it ready.
        loader.thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a thread the first text loads it, as it always could.
    }
}
