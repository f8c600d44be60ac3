// A PNG encoder for printed pages: 8-bit RGB, no interlace, rows deflated with zlib.
#pragma once

#include "platform/win32/src/gdi/surface.h"

#include <cstdint>
#include <vector>

namespace win32 {

// The whole PNG file of `surface`, with its resolution in dots per inch recorded.
std::vector<std::uint8_t> EncodePng(const Surface& surface, int dpiX, int dpiY);

} // namespace win32
