#include "platform/system/drives.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/program_identity.h"
#include "platform/system/settings_store.h"
#include "platform/system/src/environment.h"

#include <algorithm>
#include <string>

namespace sys {

namespace {

std::optional<char> DriveLetter(char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>(c - 'a' + 'A');
    }
    if (c >= 'A' && c <= 'Z') {
        return c;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> DriveFolder(char letter) {
    const std::optional<char> drive = DriveLetter(letter);
    if (!drive) {
        return std::nullopt;
    }
    const std::string name(1, *drive);
    if (auto folder = EnvironmentValue("TALLOWMERE_DRIVE_" + name)) {
        return *folder;
    }
    if (auto folder = GetSetting(ExecutableBaseName(), "Drives", name); !folder.empty()) {
        return folder;
    }
    return std::nullopt;
}

bool DriveExists(std::string_view drive) {
    return !drive.empty() && DriveFolder(drive.front()).has_value();
}

std::filesystem::path ResolvePath(std::string_view windowsPath) {
    std::string path(windowsPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.size() < 2 || path[1] != ':' || !DriveLetter(path[0])) {
        return path;
    }
    const auto folder = DriveFolder(path[0]);
    if (!folder) {
        throw runtime::RuntimeError(runtime::ErrorNumber::DeviceUnavailable,
                                    std::string(windowsPath));
    }
    std::string_view rest = std::string_view{path}.substr(2);
    rest.remove_prefix(std::min(rest.find_first_not_of('/'), rest.size()));
    // A drive is all there is above its root: a ".." may climb inside it but never out of it.
    const std::filesystem::path inside = std::filesystem::path(rest).lexically_normal();
    if (!inside.empty() && *inside.begin() == "..") {
        throw runtime::RuntimeError(runtime::ErrorNumber::BadFileNameOrNumber,
                                    std::string(windowsPath) + " leaves its drive");
    }
    return inside.empty() || inside == "." ? *folder : *folder / inside;
}

} // namespace sys
