// Writing a bitmap as a baseline TIFF 6.0 file, little-endian, uncompressed, one strip:
//   a black-and-white bitmap (1 bit, table black/white or white/black) as a bilevel image,
//     BlackIsZero or WhiteIsZero to match its table, rows of (width + 7) / 8 bytes;
//   every other bitmap as RGB, 8 bits a sample, rows of 3 x width bytes.
//
// Layout (offset, size, content):
//   0        8       "II", 42, offset of the directory (8)
//   8        162     the directory: 13 entries in ascending tag order, next directory 0
//   170      6       BitsPerSample 8, 8, 8 (RGB only)
//   ...      8 + 8   XResolution, YResolution (pixels per inch over 1)
//   ...              the rows, top row first, without padding
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>
#include <string_view>

namespace output {

enum class TiffWriteResult : std::int32_t {
    OK = 0,
    // Nothing was written: a null, unknown or unreadable bitmap, a resolution below 1, or a file
    // that could not be made (an earlier file of that name is left as it was).
    CannotWriteFile = 1,
};

// The resolution recorded when the caller names none: the screen's.
inline constexpr std::int32_t kDefaultTiffPixelsPerInch = 96;

// Writes `bitmap` to `name` + ".tif" ("\" in `name` separates folders), replacing the file
// whole, with `pixelsPerInch` as its resolution.
TiffWriteResult WriteTiffFile(std::string_view name, HBITMAP bitmap,
                              std::int32_t pixelsPerInch = kDefaultTiffPixelsPerInch);

} // namespace output
