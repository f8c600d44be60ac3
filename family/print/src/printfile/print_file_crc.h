// The CRC-16 by which the host recognises a finished print file, over every byte of the file.
#pragma once

#include <cstdint>
#include <filesystem>

namespace pressel {

// The CRC-16 of the file's bytes as the job record stores it (little-endian, so its two bytes
// are the standard CRC's high byte then its low byte); 0 when the file cannot be opened.
std::uint16_t PrintFileCrc(const std::filesystem::path& path);

} // namespace pressel
