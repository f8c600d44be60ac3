#include "platform/system/profile_file.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"
#include "platform/system/os_error.h"
#include "platform/system/profile_text.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace sys {

namespace fs = std::filesystem;

namespace {

// The file's text; empty when it does not exist, so that writing creates it.
std::string ReadProfileForEditing(const fs::path& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0 && errno == ENOENT)
        return {};
    return ReadWholeFile(file);
}

void CreateFolderOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    if (folder.empty())
        return;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        ThrowOsError(error.value(), folder, runtime::ErrorNumber::PathNotFound);
}

} // namespace

std::string GetProfileString(const fs::path& file, std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize) {
    std::optional<std::string> value;
    try {
        value = FindProfileValue(ReadWholeFile(file), section, key);
    } catch (const runtime::RuntimeError&) {
        // A file that cannot be read holds no keys: the default answers.
    }
    if (!value) {
        const auto end = defaultText.find_last_not_of(' ');
        value = std::string(defaultText.substr(0, end == std::string_view::npos ? 0 : end + 1));
    }
    value->resize(std::min(value->size(), bufferSize == 0 ? 0 : bufferSize - 1));
    return *value;
}

void WriteProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    const std::string text = SetProfileValue(ReadProfileForEditing(file), section, key, value);
    CreateFolderOf(file);
    ReplaceFileAtomically(file, text);
}

void DeleteProfileKey(const fs::path& file, std::string_view section, std::string_view key) {
    const std::string text = ReadProfileForEditing(file);
    const std::string edited = RemoveProfileKey(text, section, key);
    if (edited != text)
        ReplaceFileAtomically(file, edited);
}

} // namespace sys
