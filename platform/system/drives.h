// Drive letters. A letter stands for a folder named either by the environment variable
// TALLOWMERE_DRIVE_<letter> (which wins) or by the settings store under the program's name,
// section "Drives", key "<letter>" (settings_store.h):
//
//   [Tallowmere\Drives]
//   A=/media/floppy
//
// A letter that neither names does not exist as a drive. Letters match in either case.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace sys {

// The folder `letter` stands for; nothing for an unmapped letter or a character that is not
// a letter.
std::optional<std::filesystem::path> DriveFolder(char letter);

// Whether the first character of `drive` ("A", "a:", "A:\") is a mapped letter.
bool DriveExists(std::string_view drive);

// A Windows path as a path of this system: backslashes become "/", and a drive prefix
// ("A:\RMDData.zip", "a:RMDData.zip") is replaced by the drive's folder. A path without a
// drive is otherwise left as it is, relative paths staying relative. A drive that does not
// exist is error 68, device unavailable; a ".." that would climb above the drive's root
// ("A:\..\x", "A:\sub\..\..\x") is error 52, bad file name.
std::filesystem::path ResolvePath(std::string_view windowsPath);

} // namespace sys
