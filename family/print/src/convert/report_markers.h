// The six position markers a template can set ("$#mark0" to "$#mark5"), kept in the profile
// file where the caller reads them back after the conversion. A conversion gathers them in
// memory and writes them once at its end, every marker it did not set as -1.
#pragma once

#include <array>
#include <cstdint>

namespace pressel {

inline constexpr int kMarkerCount = 6;

struct MarkPosition {
    std::int32_t x = -1;
    std::int32_t y = -1;
    std::int32_t page = -1;
};

using MarkPositions = std::array<MarkPosition, kMarkerCount>;

// Writes every marker's x, y and page into section "HuxPrint" of "Hux.INI" as the keys
// "Mark<n>X", "Mark<n>Y" and "Mark<n>Page", with one replacement of the file. False when the
// profile could not be written.
bool WriteMarkPositions(const MarkPositions& marks);

} // namespace pressel
