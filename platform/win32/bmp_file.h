// BMP files (Windows device-independent bitmap files).
//
// Reading accepts 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB and BI_BITFIELDS, bottom-up and
// top-down, with info headers of 40 bytes and more. Every size, count and offset is checked
// against the bytes at hand before it is used; a file that does not hold what its headers claim
// is refused with a message naming the fault. The file signature is not required, as the
// libraries' loaders never checked it. The result is a bitmap compatible with the screen, as
// CreateDIBitmap on a screen context makes it.
//
// Layout of a file: 14-byte file header ("BM", file size, two reserved words, offset of the
// pixels), then the info header (its first field is its own size), colour masks or colour table,
// and the pixel rows, each padded to 4 bytes, at the pixel offset.
#pragma once

#include "platform/win32/wingdi.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace win32 {

enum class BmpFault {
    None,
    CannotOpen, // the file could not be opened or read
    Malformed,  // the bytes are not a BMP file this reader accepts
    OutOfMemory,
};

struct BmpReadResult {
    HBITMAP bitmap = nullptr; // owned by the caller
    BmpFault fault = BmpFault::None;
    std::string error; // names the fault; empty on success
};

WIN32_EXPORT BmpReadResult ReadBmp(std::span<const std::uint8_t> file);
// Reads the whole file first.
WIN32_EXPORT BmpReadResult ReadBmpFile(const std::filesystem::path& path);

// The file of `bitmap` in its own format (1 bit with a black and white table, 24 bits for
// colour bitmaps, a DIB section's own depth), bottom-up. `gapBytes` zero bytes stand between the
// colour table and the pixels (the pixel offset counts them). Empty for a bad handle.
WIN32_EXPORT std::vector<std::uint8_t> EncodeBmp(HBITMAP bitmap, std::size_t gapBytes = 0);

} // namespace win32
