// Twips on a device context: the mapping under which one logical unit is one twip (1/1440 inch)
// with y growing downward, and the printer's sheet and unprintable margin measured in it.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

inline constexpr int kTwipsPerInch = 1440;
// The sheet assumed when a printer does not say: 8.5 x 11 inches.
inline constexpr POINT kDefaultPageSize{12240, 15840};

enum class StretchMode {
    kKeep,         // bitmap targets keep their stretch mode
    kColorOnColor, // printers drop the rows and columns a shrunken picture loses
};

// Baseline text alignment, transparent background, one twip per logical unit (from the
// context's own LOGPIXELSX and LOGPIXELSY) and, when asked, COLORONCOLOR stretching.
void SetupTwips(HDC dc, StretchMode stretch);

// The printer's sheet in twips (GETPHYSPAGESIZE), kDefaultPageSize when it does not answer or
// there is no printer. The context must be set up for twips.
POINT PageSizeTwips(HDC printer);

// The unprintable margin in twips (GETPRINTINGOFFSET); (0, 0) when the printer does not answer.
POINT PrintingOffsetTwips(HDC printer);

} // namespace pressel
