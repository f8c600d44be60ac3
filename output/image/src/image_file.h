// The one way the image writers put a file on disk: the caller's name made a path with the
// writer's extension, and the whole content written at once through the atomic replacement, so
// that a failed write leaves any earlier file of that name as it was. The module's pictures are
// working files of its callers (the graph bitmap a report reads back at once, page images for a
// preview), so they are replaced as scratch files: whole, but not flushed to disk.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace output {

// False when the file could not be written (an empty name included); nothing is left behind.
bool WriteImageFile(std::string_view name, std::string_view extension,
                    std::span<const std::uint8_t> contents);

} // namespace output
