// Writing a bitmap as a BMP file (Windows device-independent bitmap file) in the bitmap's own
// format: 1 bit with its two-colour table, 24 bits, or a DIB section's 32 bits with its colour
// masks; rows bottom-up as the platform stores them.
//
// Layout (offset, size, content):
//   0        14      file header: "BM", file size, two reserved zeros, pixel offset 58 + T
//   14       40      the info header as the platform answers it
//   54       T       colour table (4 x 2^bits bytes for 8 bits and fewer) or masks (12 bytes for
//                    16 and 32 bits); none for 24 bits
//   54 + T   4       zero bytes
//   58 + T           the pixel rows, each padded to 4 bytes
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>
#include <string_view>

namespace output {

enum class BmpWriteResult : std::int32_t {
    OK = 0,
    // Nothing was written: a null, unknown or unreadable bitmap, or a file that could not be
    // made (an earlier file of that name is left as it was).
    CannotWriteFile = 1,
};

// Writes `bitmap` to `name` + ".bmp" ("\" in `name` separates folders), replacing the file whole.
BmpWriteResult WriteBmpFile(std::string_view name, HBITMAP bitmap);

} // namespace output
