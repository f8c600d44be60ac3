// A bitmap's pixels as the platform's GetDIBits answers them: the info header, the colour table
// or masks after it, and the rows, each padded to 4 bytes.
#pragma once

#include "platform/win32/wingdi.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace output {

enum class RowOrder { BottomUp, TopDown };

struct DibRows {
    BITMAPINFOHEADER header{};
    std::vector<std::uint8_t> table; // colour table or masks, as many bytes as ColourTableBytes
    std::vector<std::uint8_t> bits;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;

    const std::uint8_t* Row(int y) const {
        return bits.data() + stride * static_cast<std::size_t>(y);
    }
};

// Bytes of the colour table after the info header of a DIB of `bitCount` bits per pixel: the
// three masks for 16 and 32 bits, none for 24, four for each colour otherwise.
std::size_t ColourTableBytes(int bitCount);

// The bit count the platform reports for the bitmap's own format; nullopt for a handle that is
// null, unknown, of another kind, or whose format cannot be read.
std::optional<int> OwnBitCount(HBITMAP bitmap);

// The pixels in `bitCount` bits (1, 24 or 32) and the order asked for; nullopt when the
// platform cannot give them.
std::optional<DibRows> ReadDibRows(HBITMAP bitmap, int bitCount, RowOrder order);

} // namespace output
