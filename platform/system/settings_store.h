// The per-user settings store: values kept under (application, section, key), as the original
// runtime keeps them in the registry. On this platform they live in one profile-format file,
// settings.ini in the user configuration folder (folders.h), one "[application\section]"
// header per pair:
//
//   [Tallowmere\ann]
//   ReportCover=True
//   Top=1
//
// Names compare without regard to letter case, and blanks at the ends of the section name (the
// application and section joined) and of the key do not count. Values come back exactly as they
// were saved: one with blanks or quotes at its ends is written between double quotes. The file is
// replaced atomically on every change; its folder is created when missing.
//
// A name the file cannot hold (a line break, "]" or "\" in the application, "]" in the section,
// "=" in the key, an empty key) and a value with a line break are error 52.
#pragma once

#include "platform/system/profile_file.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace sys {

std::filesystem::path SettingsFile();

// The saved value, or `defaultValue` when there is none (or the file cannot be read).
std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view defaultValue = {});

void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view value);

// Saves each entry's value under its key, in order, with one replacement of the file for them
// all; nothing is saved when any entry is refused or the file cannot be written.
void SaveSettings(std::string_view application, std::string_view section,
                  std::span<const ProfileEntry> entries);

// Removes the value; one that is not there is no error.
void DeleteSetting(std::string_view application, std::string_view section, std::string_view key);

} // namespace sys
