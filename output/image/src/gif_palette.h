// An image's colours made a GIF colour table and palette indexes.
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>
#include <span>
#include <vector>

namespace output {

struct IndexedImage {
    // The kept colours (0x00BBGGRR), most frequent first; at most 256.
    std::vector<COLORREF> palette;
    // 1..8: the table has 2^bits entries, the kept colours and zeros after them.
    int bits = 1;
    // One palette index for each pixel.
    std::vector<std::uint8_t> indices;
};

// Counts the colours of `pixels` (exact 24-bit colours) and keeps the 256 most frequent, equal
// counts in the order the colours first occur; a colour not kept gets the kept colour nearest to
// it (squared distance in red, green and blue; the lower index on ties).
IndexedImage IndexColours(std::span<const COLORREF> pixels);

} // namespace output
