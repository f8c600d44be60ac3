// The names of the files the library works on: a database named by a host (a Windows path with
// a drive letter, or a path of this system), the backup on drive A:, and the old copy that
// compaction keeps.
#pragma once

#include <filesystem>
#include <optional>

namespace dorrick {

// The database's full path name; nothing when the name is empty, names a drive that does not
// exist, or is longer than 260 characters.
std::optional<std::filesystem::path> DatabaseFileName(const char* fileName);

// "a:\backup.hxd" on the mapped drive; nothing when drive A: does not exist.
std::optional<std::filesystem::path> BackupFileName();

// The database's name with the extension of its last component replaced by "hx$" (or "hx$"
// added when it has none).
std::filesystem::path OldCopyName(const std::filesystem::path& database);

} // namespace dorrick
