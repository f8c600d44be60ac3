// The one way the image writers put a file on disk: the caller's name made a path with the
// writer's extension, and the whole content written at once through the atomic replacement, so
// that a failed write leaves any earlier file of that name as it was.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace output {

// False when the file could not be written (an empty name included); nothing is left behind.
bool WriteImageFile(std::string_view name, std::string_view extension,
                    std::span<const std::uint8_t> contents);

} // namespace output
