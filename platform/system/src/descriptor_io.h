// Internal to platform/system: whole reads and writes on an open file descriptor. Interrupted
// calls are repeated; short transfers continue where they stopped; failures become the runtime
// error for `path`.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace sys {

// Reads up to `size` bytes at `offset` (at the file position when there is none). Answers how
// many were read: fewer than `size` only at the end of the file.
std::size_t ReadFully(int descriptor, char* buffer, std::size_t size, std::optional<off_t> offset,
                      const std::filesystem::path& path);

// Writes all of `bytes` at `offset` (at the file position when there is none). A write that
// makes no progress is the disk full error (61), never retried: it would not make progress the
// next time either.
void WriteFully(int descriptor, std::string_view bytes, std::optional<off_t> offset,
                const std::filesystem::path& path);

} // namespace sys
