// Whole-file operations with the original runtime's rules. Failures are runtime::RuntimeError
// with the runtime's numbers: 53 file not found, 58 file already exists, 70 permission denied,
// 75 path/file access error, 76 path not found, 61 disk full, 57 device I/O error.
//
// Files are read only when they are regular files: a folder, FIFO, device or socket is refused
// at once (75), without waiting for anything to be written to it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace sys {

// True when the path names a file whose length is at least 1. A missing file, an empty one, a
// folder and any error all give false.
bool FileExists(const std::filesystem::path& path) noexcept;

// The length of a file in bytes.
std::uintmax_t FileLength(const std::filesystem::path& path);

// Copies a file over `to`, replacing what is there. The copy is written beside `to` first and
// renamed into place, so `to` is never left half-written.
void FileCopy(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes a file. A folder is refused (75).
void RemoveFile(const std::filesystem::path& path);

// Renames or moves a file within one file system; an existing `to` is refused (58) and left
// as it is.
void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Creates the last level of a folder path. True when the folder exists afterwards; never throws.
bool EnsureFolder(const std::filesystem::path& path) noexcept;

// The first line of a text file: the bytes before the first CR or LF (a CR LF pair ends the
// line as one). An empty file has no line to read (62, input past end of file).
std::string ReadFirstLine(const std::filesystem::path& path);

// The whole content of a file.
std::string ReadWholeFile(const std::filesystem::path& path);

// Deletes every file of `folder` whose name matches `pattern` (see file_pattern.h); folders and
// files that cannot be deleted are left. Answers how many were deleted.
int RemoveMatchingFiles(const std::filesystem::path& folder, std::string_view pattern) noexcept;

} // namespace sys
