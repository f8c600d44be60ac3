// A device context measured in twips: one logical unit is 1/1440 inch on any device, so that
// layout on the screen, layout on a printer and drawing on either share one set of numbers.
#pragma once

#include "platform/win32/windows.h"

#include <optional>

namespace pressel {

inline constexpr int kTwipsPerInch = 1440;

// Transparent background, MM_ANISOTROPIC, window extent 1440 x 1440 and viewport extent the
// device's pixels per inch.
void SetupTwips(HDC dc);

// The printer's physical page in twips (GETPHYSPAGESIZE converted with DPtoLP on a context set
// up by SetupTwips); nothing when the device does not answer the escape.
std::optional<SIZE> PhysicalPageSize(HDC dc);

} // namespace pressel
