// A scroll bar's range, page and position set from and read into SCROLLINFO, as SetScrollInfo
// and GetScrollInfo do for window scroll bars and scroll bar controls alike.
#pragma once

#include "platform/win32/src/window/window.h"

namespace win32 {

// Applies the members named by fMask; the position is then kept within
// [minimum, maximum - max(page - 1, 0)] and the page within the range. Answers the position.
int ApplyScrollInfo(ScrollState& state, const SCROLLINFO& info);
// Fills the members named by fMask (the tracking position is the position).
void ReadScrollInfo(const ScrollState& state, SCROLLINFO& info);
// The largest position the thumb can reach.
int LastScrollPosition(const ScrollState& state);

} // namespace win32
