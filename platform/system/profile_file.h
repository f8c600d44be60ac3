// Profile (INI) files read and written as the Windows profile functions do, with the rules of
// profile_text.h.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// The value of `key` in `section` of the file; `defaultText`, without its trailing blanks, when
// the file, the section or the key is missing or the file cannot be read. The answer is cut to
// `bufferSize` - 1 characters, as a caller's buffer of that size with its terminating NUL would
// hold it (a buffer size of 0 gives the empty text).
std::string GetProfileString(const std::filesystem::path& file, std::string_view section,
                             std::string_view key, std::string_view defaultText,
                             std::size_t bufferSize);

// Sets `key` in `section` to `value`, creating the file, its folder, the section and the key as
// needed. The file is replaced atomically. Names and values the format cannot hold are error 52.
void WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

struct ProfileEntry {
    std::string key;
    std::string value;
};

// Sets each entry's key in `section` to its value, in order, as WriteProfileString does, with
// one replacement of the file for them all. Nothing is written when any entry is refused.
void WriteProfileStrings(const std::filesystem::path& file, std::string_view section,
                         std::span<const ProfileEntry> entries);

// Removes `key` from `section`; a missing file, section or key is left as it is.
void DeleteProfileKey(const std::filesystem::path& file, std::string_view section,
                      std::string_view key);

// Removes `section` with its keys; a missing file or section is left as it is.
void DeleteProfileSection(const std::filesystem::path& file, std::string_view section);

// The section names of the file (ListProfileSections); none when it cannot be read.
std::vector<std::string> ReadProfileSections(const std::filesystem::path& file);

// The keys of `section` in the file (ListProfileKeys); none when it cannot be read.
std::vector<std::string> ReadProfileKeys(const std::filesystem::path& file,
                                         std::string_view section);

} // namespace sys
