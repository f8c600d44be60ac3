// The one place that knows where the class registry is kept: "registry.ini" in the user's
// configuration folder, or the file TALLOWMERE_REGISTRY names.
#include "platform/automation/registry.h"

#include "platform/system/folders.h"

#include <cstdlib>

namespace automation {

std::filesystem::path RegistryFile() {
    if (const char* file = std::getenv("TALLOWMERE_REGISTRY"); file != nullptr && *file != '\0') {
        return file;
    }
    return sys::ConfigFolder() / "registry.ini";
}

Registry CurrentRegistry() {
    return Registry::Load(RegistryFile()).value_or(Registry());
}

} // namespace automation
