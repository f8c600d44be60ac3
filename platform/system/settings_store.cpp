#include "platform/system/settings_store.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"
#include "platform/system/folders.h"
#include "platform/system/profile_file.h"
#include "platform/system/profile_text.h"
#include "platform/system/src/trim.h"

#include <vector>

namespace sys {

namespace {

std::string SectionName(std::string_view application, std::string_view section) {
    if (application.find('\\') != std::string_view::npos) {
        throw runtime::RuntimeError(runtime::ErrorNumber::BadFileNameOrNumber,
                                    "a settings application name cannot hold \"\\\"");
    }
    return std::string(application) + "\\" + std::string(section);
}

// Reading strips blanks and one pair of matching quotes from a value's ends; quoting a value
// that would lose something to that keeps it whole.
std::string Stored(std::string_view value) {
    const bool blankAtEnd = Trim(value, kProfileBlanks) != value;
    const bool quotedAlready = value.size() >= 2 &&
                               (value.front() == '"' || value.front() == '\'') &&
                               value.back() == value.front();
    if (blankAtEnd || quotedAlready) {
        return "\"" + std::string(value) + "\"";
    }
    return std::string(value);
}

} // namespace

std::filesystem::path SettingsFile() {
    return ConfigFolder() / "settings.ini";
}

std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view defaultValue) {
    const std::string sectionName = SectionName(application, section);
    try {
        if (auto value = FindProfileValue(ReadWholeFile(SettingsFile()), sectionName, key)) {
            return *value;
        }
    } catch (const runtime::RuntimeError&) {
        // No settings file yet, or one that cannot be read: nothing is saved.
    }
    return std::string(defaultValue);
}

void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view value) {
    const ProfileEntry entry{std::string(key), std::string(value)};
    SaveSettings(application, section, std::span(&entry, 1));
}

void SaveSettings(std::string_view application, std::string_view section,
                  std::span<const ProfileEntry> entries) {
    std::vector<ProfileEntry> stored;
    for (const ProfileEntry& entry : entries) {
        stored.push_back({entry.key, Stored(entry.value)});
    }
    WriteProfileStrings(SettingsFile(), SectionName(application, section), stored);
}

void DeleteSetting(std::string_view application, std::string_view section, std::string_view key) {
    DeleteProfileKey(SettingsFile(), SectionName(application, section), key);
}

} // namespace sys
