// A device-dependent bitmap copied into one movable memory block as a packed device-independent
// bitmap: BITMAPINFOHEADER, colour table, pixel rows. Printers take pictures in this form.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

// The block (the caller frees it with GlobalFree) or null for a bad handle, an empty bitmap,
// no memory or a failed copy. The bit count is the bitmap's planes x bits per pixel rounded up
// to 1, 4, 8 or 24; below 24 the colour table has 2^bits entries.
HGLOBAL BitmapToDib(HDC dc, HBITMAP bitmap);

// The header, colour table and bits of a locked block that BitmapToDib made.
struct PackedDibView {
    const BITMAPINFO* info = nullptr;
    const void* bits = nullptr;
};
PackedDibView ViewPackedDib(const void* block);

} // namespace pressel
