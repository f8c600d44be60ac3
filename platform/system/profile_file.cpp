#include "platform/system/profile_file.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"
#include "platform/system/profile_text.h"
#include "platform/system/src/file_lock.h"
#include "platform/system/src/os_error.h"
#include "platform/system/src/trim.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace sys {

namespace fs = std::filesystem;

namespace {

// The longest file name the file systems we run on allow.
constexpr std::size_t kLongestFileName = 255;
constexpr std::string_view kLockPrefix = ".";
constexpr std::string_view kLockSuffix = ".lock";

// FNV-1a, 64 bits: the same in every process, which is all a lock file's name needs.
std::uint64_t NameHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

// The lock file beside a profile, ".Hux.INI.lock" beside "Hux.INI". A profile name too long to
// take the additions is cut, and told apart from other cut names by a hash of the whole name.
fs::path LockFileOf(const fs::path& profile) {
    std::string name = profile.filename().string();
    if (name.size() + kLockPrefix.size() + kLockSuffix.size() > kLongestFileName) {
        constexpr std::size_t kKept = 200;
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx",
                      static_cast<unsigned long long>(NameHash(name)));
        name = name.substr(0, kKept) + "-" + hash;
    }
    return profile.parent_path() / (std::string(kLockPrefix) + name + std::string(kLockSuffix));
}

bool Exists(const fs::path& file) {
    struct stat status {};
    return !(stat(file.c_str(), &status) != 0 && errno == ENOENT);
}

// The file's text; empty when it does not exist, so that writing creates it.
std::string ReadProfileForEditing(const fs::path& file) {
    return Exists(file) ? ReadWholeFile(file) : std::string();
}

void CreateFolderOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        ThrowOsError(error.value(), folder, runtime::ErrorNumber::PathNotFound);
    }
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
        value = std::string(TrimEnd(defaultText, kProfileBlanks));
    }
    value->resize(std::min(value->size(), bufferSize == 0 ? 0 : bufferSize - 1));
    return *value;
}

void WriteProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    const ProfileEntry entry{std::string(key), std::string(value)};
    WriteProfileStrings(file, section, std::span(&entry, 1));
}

void WriteProfileStrings(const fs::path& file, std::string_view section,
                         std::span<const ProfileEntry> entries) {
    for (const ProfileEntry& entry : entries) {
        CheckProfileWritable(section, entry.key, entry.value);
    }
    CreateFolderOf(file);
    const FileLock lock(LockFileOf(file));
    std::string text = ReadProfileForEditing(file);
    for (const ProfileEntry& entry : entries) {
        text = SetProfileValue(text, section, entry.key, entry.value);
    }
    ReplaceFileAtomically(file, text);
}

namespace {

// Replaces the file's text by `edit` of it under the profile's lock; a missing file stays
// missing and an unchanged text is not written again.
template <typename Edit>
void EditExistingProfile(const fs::path& file, Edit edit) {
    if (!Exists(file)) {
        return;
    }
    const FileLock lock(LockFileOf(file));
    const std::string text = ReadProfileForEditing(file);
    const std::string edited = edit(text);
    if (edited != text) {
        ReplaceFileAtomically(file, edited);
    }
}

// The file's text, empty when it cannot be read.
std::string ReadProfileOrNothing(const fs::path& file) {
    try {
        return ReadWholeFile(file);
    } catch (const runtime::RuntimeError&) {
        return {};
    }
}

} // namespace

void DeleteProfileKey(const fs::path& file, std::string_view section, std::string_view key) {
    EditExistingProfile(
        file, [&](std::string_view text) { return RemoveProfileKey(text, section, key); });
}

void DeleteProfileSection(const fs::path& file, std::string_view section) {
    EditExistingProfile(file,
                        [&](std::string_view text) { return RemoveProfileSection(text, section); });
}

std::vector<std::string> ReadProfileSections(const fs::path& file) {
    return ListProfileSections(ReadProfileOrNothing(file));
}

std::vector<std::string> ReadProfileKeys(const fs::path& file, std::string_view section) {
    return ListProfileKeys(ReadProfileOrNothing(file), section);
}

} // namespace sys
