#include "family/data/src/file_names.h"

#include "family/data/src/slots.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/drives.h"

#include <string>

namespace dorrick {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> FullName(const char* windowsPath) {
    try {
        const fs::path resolved = sys::ResolvePath(windowsPath);
        if (resolved.empty()) {
            return std::nullopt;
        }
        return fs::absolute(resolved).lexically_normal();
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    } catch (const fs::filesystem_error&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<fs::path> DatabaseFileName(const char* fileName) {
    if (fileName == nullptr) {
        return std::nullopt;
    }
    auto name = FullName(fileName);
    if (!name || name->native().size() > kLongestFileName) {
        return std::nullopt;
    }
    return name;
}

std::optional<fs::path> BackupFileName() {
    return FullName("a:\\backup.hxd");
}

fs::path OldCopyName(const fs::path& database) {
    fs::path name = database;
    name.replace_extension("hx$");
    return name;
}

} // namespace dorrick
