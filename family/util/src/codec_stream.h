// The callbacks through which implode and explode stream: neither holds a whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace umbrant {

// Fills up to `size` bytes of `buffer`; answers how many it delivered, 0 at the end.
using ReadBytes = std::function<std::size_t(std::uint8_t* buffer, std::size_t size)>;
// Takes all `size` bytes.
using WriteBytes = std::function<void(const std::uint8_t* data, std::size_t size)>;

// The two literal codings of the format; the number is the stream's first byte.
enum class LiteralCoding : std::uint8_t { Binary = 0, Ascii = 1 };

} // namespace umbrant
