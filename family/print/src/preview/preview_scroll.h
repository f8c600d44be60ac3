// Scrolling a page larger than the preview's view: the range a scroll bar covers and where a
// scroll request moves it.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

struct ScrollRange {
    int minimum = 0;
    int maximum = 0;

    bool operator==(const ScrollRange&) const = default;
};

// Line requests move this many pixels.
inline constexpr int kScrollLine = 10;

// The positions from which a view of `viewExtent` pixels shows all of a page of `pageExtent`:
// 0 .. the difference, or 0 .. 0 when the page fits.
ScrollRange ScrollRangeFor(int pageExtent, int viewExtent);

// Where `code` (SB_LINEUP ... SB_BOTTOM) moves a bar at `position` in `range`: a line is
// kScrollLine, a page a quarter of the range, the thumb goes to `thumb`; other codes stay. The
// answer lies in the range.
int ScrolledPosition(int code, int thumb, int position, ScrollRange range);

} // namespace pressel
