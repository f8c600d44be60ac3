// The compressed-file container: a 12-byte header, then an implode stream.
//
//   offset  size  field
//   0       4     magic "KemC"
//   4       4     reserved, 0 (a reader refuses any other value)
//   8       4     CRC-32 (as in ZIP) of the uncompressed data, little-endian
//   12      ...   implode stream
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace umbrant {

inline constexpr std::size_t kContainerHeaderSize = 12;

// The header's CRC, or nothing when the 12 bytes are not a container header.
std::optional<std::uint32_t>
ReadContainerHeader(const std::array<std::uint8_t, kContainerHeaderSize>& header);

std::array<std::uint8_t, kContainerHeaderSize> ContainerHeader(std::uint32_t crc);

} // namespace umbrant
