// Device-dependent bitmaps made from the BITMAP resources of a module.
#pragma once

#include "platform/win32/windows.h"

namespace vistel {

// The bitmap resource `name` of `instance`, made on the screen's context; with `palette` given, a
// palette of the resource's colour table is created, realized for the conversion and stored
// there (null for a bitmap without colour table). Null on any failure, with no palette left.
HBITMAP CreateBitmapFromResource(HINSTANCE instance, const char* name, HPALETTE* palette);

// The same from a resource's bytes: the information header, the colour table (none above 8 bits
// per pixel) and the pixel rows, each checked against `size`.
HBITMAP CreateBitmapFromBytes(const BYTE* data, DWORD size, HPALETTE* palette);

} // namespace vistel
