// The convert dialog's progress bar: twenty cells across a bitmap, lit from the left as the
// conversion goes on.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

inline constexpr int kProgressCells = 20;

// The step at which the bar is drawn for `percent`: the percent rounded to the nearest multiple
// of 5.
int ProgressStep(int percent);

// Fills the bitmap with the button face colour and lights cell i (0..19) in the highlight colour
// when 5 x i <= percent, each cell width / 20 wide less a gap of 2 x (width / 20 / 10) on its
// right, across the full height. So at 0 one cell is lit and at 100 all twenty.
void DrawProgressBar(HBITMAP bitmap, int percent);

} // namespace pressel
