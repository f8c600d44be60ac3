// The six position markers a template can set ("$#mark0" to "$#mark5"), kept in the profile
// file where the caller reads them back after the conversion.
#pragma once

#include <cstdint>

namespace pressel {

inline constexpr int kMarkerCount = 6;

// Writes marker `marker`'s x, y and page into section "HuxPrint" of "Hux.INI".
void WriteMarkPosition(int marker, std::int32_t x, std::int32_t y, std::int32_t page);

// Every marker to -1, as at the start of each conversion.
void ResetMarkPositions();

} // namespace pressel
