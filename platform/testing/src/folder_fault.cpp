#include "platform/testing/folder_fault.h"

#include <cstdlib>

namespace testkit {

std::string FolderFaultSetting(FolderFault fault, const std::filesystem::path& folder) {
    return std::string(fault == FolderFault::ReadOnly ? "read-only:" : "full:") +
           std::filesystem::absolute(folder).string();
}

std::vector<std::pair<std::string, std::string>>
FolderFaultEnvironment(FolderFault fault, const std::filesystem::path& folder) {
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    return {
        {"LD_PRELOAD", TALLOWMERE_FOLDER_FAULT_PRELOAD},
        {"TALLOWMERE_TEST_FOLDER_FAULT", FolderFaultSetting(fault, folder)},
        // The address sanitizer's runtime wants to be first; the preloaded calls come before it.
        {"ASAN_OPTIONS", std::string(sanitizer != nullptr ? sanitizer : "") +
                             (sanitizer != nullptr && *sanitizer != '\0' ? ":" : "") +
                             "verify_asan_link_order=0"},
    };
}

} // namespace testkit
