// The one place that knows where the class registry is kept.
#include "platform/automation/registry.h"

#include <cstdlib>

namespace automation {

std::filesystem::path RegistryFile() {
    if (const char* file = std::getenv("TALLOWMERE_REGISTRY"); file != nullptr && *file != '\0') {
        return file;
    }
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        folder = std::filesystem::path(home) / ".config";
    } else {
        folder = std::filesystem::temp_directory_path();
    }
    return folder / "tallowmere" / "registry.ini";
}

} // namespace automation
