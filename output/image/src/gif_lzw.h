// The LZW compression of a GIF image's palette indexes, and the data sub-blocks that carry it.
//
// Codes: clear = 2^minimum code size, end = clear + 1, the first free code clear + 2, starting
// width minimum + 1 bits. A clear code comes first. The longest known string is extended by one
// index; when the extension is unknown it becomes the next free code, the known string's code is
// written and the string restarts at the index. When the next free code then passes 2^width the
// width grows by one; past 12 bits the table starts afresh behind a clear code written with 12
// bits. At the end the last string's code and the end code follow. Codes are packed least
// significant bit first.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace output {

inline constexpr int kMaxLzwCodeWidth = 12;

// The minimum code size byte for a table of 2^bits colours: bits, but 2 for 1 bit, as GIF
// allows no smaller.
int MinimumCodeSize(int bits);

// The packed codes of `indices` (every index below 2^minimumCodeSize).
std::vector<std::uint8_t> CompressLzw(std::span<const std::uint8_t> indices, int minimumCodeSize);

// Appends `data` as sub-blocks of at most 255 bytes, each after its length, and the empty block
// that ends them.
void AppendSubBlocks(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> data);

} // namespace output
