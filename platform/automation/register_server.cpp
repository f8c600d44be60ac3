// register-server [-u] <module>: registers an in-process server module in this user's class
// registry, or with -u removes it, as the module's own registration entry points do.
#include "platform/automation/creation.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const bool unregister = argc == 3 && std::strcmp(argv[1], "-u") == 0;
    if (argc != 2 && !unregister) {
        std::fprintf(stderr, "usage: register-server [-u] <module>\n");
        return 2;
    }
    const std::filesystem::path module = std::filesystem::absolute(argv[argc - 1]);
    const HRESULT outcome =
        unregister ? automation::UnregisterServer(module) : automation::RegisterServer(module);
    if (FAILED(outcome)) {
        std::fprintf(stderr, "register-server: %s failed for %s (0x%08X)\n",
                     unregister ? "unregistration" : "registration", module.c_str(),
                     static_cast<unsigned>(outcome));
        return 1;
    }
    return 0;
}
