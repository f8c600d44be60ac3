// The support libraries' progress bar, shared at source level by libraries that may not link one
// another: twenty cells across a bitmap that a dialog's disabled push button shows, lit from the
// left as the work goes on.
#pragma once

#include "platform/win32/windows.h"

namespace progress {

inline constexpr int kProgressCells = 20;
inline constexpr int kPercentPerCell = 100 / kProgressCells;

// A bitmap compatible with the dialog's device context, of the size of the control's window,
// showing the bar at 0 percent; null when it cannot be made. The caller owns it.
HBITMAP MakeProgressBitmap(HWND dialog, HWND control);

// Paints the bar for `percent` over the whole bitmap: the button face colour, and cell i (0..19)
// lit in the highlight colour when 5 x i <= percent, so that one cell is lit at 0 percent and all
// twenty from 95. Cells start a twentieth of the width apart from x = 0 and leave two tenths of
// that step unlit on their right, across the full height.
void DrawProgressBar(HBITMAP bitmap, int percent);

} // namespace progress
