// A chart described by arbitrary bytes, drawn through _DOGRAPHDRAWX as a host calls it: the fuzz
// target's entry and the replay of the inputs it once crashed on.
//
//   offset  size   field
//   0       1      bitmap width in pixels (0-255)
//   1       1      bitmap height in pixels (0-255)
//   2       1      GraphOptions flags
//   3       1      GraphOptions size (bits 0-6); bit 7 set: no options at all
//   4       2,162  the GraphRecord, packed as hosts of 32-bit pointers lay it out; a series'
//                  value pointer that is not 0 points at its 100 values below, a wallpaper
//                  handle that is not 0 is a small bitmap of the target's own
//   2,166   6,400  1,600 floats, 100 per series
//
// Bytes past the end of the input read as zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace plotwen_fuzz {

inline constexpr std::size_t kChartHeaderSize = 4;
inline constexpr std::size_t kPackedRecordSize = 2162;

// Draws the chart the bytes describe and deletes the bitmap; answers whether the drawing kept
// the export's promises: progress from 0 to 100 without going back, and a bitmap of the size
// asked for (none for a width or height of 0).
bool DrawChartBytes(std::span<const std::uint8_t> bytes);

} // namespace plotwen_fuzz
