// Writing bitmaps as one GIF87a file: each image with a local colour table of its own most
// frequent colours (at most 256, most frequent first), LZW-compressed.
//
// An image of more than 256 colours keeps its 256 most frequent ones (equal counts in the order
// the colours first occur, rows from the top); every other colour is drawn with the kept colour
// nearest to it in red, green and blue (squared distance; the lower index on ties).
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace output {

enum class GifWriteResult : std::int32_t {
    OK = 0,
    // Nothing was written: no bitmap, a null, unknown or unreadable one, positions that do not
    // match the bitmaps, a picture larger than GIF's 65535 pixels a side, or a file that could
    // not be made (an earlier file of that name is left as it was).
    CannotWriteFile = 10,
};

// A position of GifWriter::Write: X in the low 16 bits, Y in the high 16 bits.
constexpr std::uint32_t GifPosition(std::uint16_t x, std::uint16_t y) {
    return std::uint32_t{x} | (std::uint32_t{y} << 16);
}

class GifWriter {
public:
    // Writes one image at (0, 0) to `name` + ".gif" ("\" in `name` separates folders).
    GifWriteResult Write(std::string_view name, HBITMAP bitmap);

    // Writes the images in order. `positions` is empty (every image at (0, 0)) or holds one
    // position per bitmap. The logical screen is as large as the images reach, and at least
    // `minimumWidth` x `minimumHeight`.
    GifWriteResult Write(std::string_view name, std::span<const HBITMAP> bitmaps,
                         std::span<const std::uint32_t> positions, std::uint16_t minimumWidth,
                         std::uint16_t minimumHeight);
};

} // namespace output
