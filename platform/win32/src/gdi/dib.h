// Device-independent bitmaps: the header-described pixel layout shared by the bitmap calls
// (CreateDIBitmap, SetDIBits, GetDIBits, StretchDIBits) and the BMP file reader.
//
// Decoding reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed (BI_RGB) or with colour
// masks (BI_BITFIELDS, 16 and 32 bits); encoding writes 1, 24 and 32 bits. Run-length
// compression is not read.
#pragma once

#include "platform/win32/src/gdi/surface.h"
#include "platform/win32/wingdi.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

// The largest picture a header may describe: 32767 pixels a side, 2^28 pixels in all.
constexpr int kMaxDibSide = 32767;
constexpr long long kMaxDibPixels = 1LL << 28;

struct DibLayout {
    int width = 0;
    int height = 0; // always positive
    bool topDown = false;
    int bitCount = 0;
    DWORD compression = BI_RGB;
    std::array<DWORD, 3> masks{}; // red, green, blue, for 16 and 32 bits
    std::vector<COLORREF> colors; // colour table, for 8 bits and fewer
    std::size_t stride = 0;
    std::size_t imageSize = 0;
    std::size_t headerSize = 0; // header, masks and colour table as stored
};

// Reads the header at `info` and what follows it (masks, colour table), never more than
// `available` bytes. On failure the error names the problem.
std::optional<DibLayout> ParseDibHeader(const std::uint8_t* info, std::size_t available,
                                        std::string& error);

// Stored rows first..first+count-1 (stored row 0 is the bottom row of a bottom-up picture) from
// `bits` into `destination`, which has the layout's size.
void DecodeDibRows(const DibLayout& layout, const std::uint8_t* bits, int first, int count,
                   Surface& destination);

// The reverse, for 1, 24 and 32 bits; answers false for other depths.
bool EncodeDibRows(const Surface& source, const DibLayout& layout, int first, int count,
                   std::uint8_t* bits);

// The layout GetDIBits answers for a bitmap of this size and depth.
DibLayout LayoutFor(int width, int height, int bitCount, bool topDown);

enum class DibTable { Omit, Write };

// Writes the 40-byte header and, when asked, the masks (32 bits) or the colour table (1 bit)
// after it; the caller's buffer must hold them.
void WriteDibHeader(const DibLayout& layout, BITMAPINFO* info, DibTable table);

} // namespace win32
