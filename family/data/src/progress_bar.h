// The progress bar of the dialogs: twenty cells across a bitmap, lit from the left.
#pragma once

#include "platform/win32/windows.h"

namespace dorrick {

inline constexpr int kProgressCells = 20;

// Paints the bar for `percent` (0 to 100) over the whole bitmap: light grey, and cell i lit in the
// highlight colour when 5 x i <= percent, so that the first cell is lit from 0 percent and all
// twenty from 95. Cells start a twentieth of the width apart from x = 0 and leave two tenths of
// that step grey before the next.
void DrawProgressBar(HBITMAP bitmap, int percent);

} // namespace dorrick
