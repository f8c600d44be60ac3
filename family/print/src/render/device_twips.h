// A device context measured in twips: one logical unit is 1/1440 inch on any device, so that
// layout on the screen, layout on a printer and drawing on either share one set of numbers.
#pragma once

#include "platform/win32/windows.h"

#include <optional>

namespace pressel {

inline constexpr int kTwipsPerInch = 1440;
// The sheet assumed when a printer does not say: 8.5 x 11 inches.
inline constexpr POINT kDefaultPageSize{12240, 15840};

// Text placed by its baseline, transparent background, MM_ANISOTROPIC, window extent
// 1440 x 1440 and viewport extent the device's pixels per inch.
void SetupTwips(HDC dc);

// SetupTwips and COLORONCOLOR stretching, with which a printer drops the rows and columns a
// shrunken picture loses.
void SetupPrinterTwips(HDC dc);

// The printer's physical page in twips (GETPHYSPAGESIZE converted with DPtoLP on a context set
// up by SetupTwips); nothing when the device does not answer the escape.
std::optional<SIZE> PhysicalPageSize(HDC dc);

// The physical page, or kDefaultPageSize when there is no printer or it does not answer.
POINT PageSizeTwips(HDC printer);

// The printer's unprintable margin in twips (GETPRINTINGOFFSET); (0, 0) when it does not answer.
POINT PrintingOffsetTwips(HDC printer);

} // namespace pressel
