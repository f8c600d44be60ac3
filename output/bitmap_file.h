// Loading a BMP file into a bitmap for the screen, as the Canvas, Preview and Graph classes load
// their image files.
#pragma once

#include "platform/win32/windef.h"

#include <string>

namespace output {

// Reads the whole file `name` and makes a screen-compatible bitmap of it, which goes to `bitmap`
// and belongs to the caller. The file must start with "BM", and every header size, offset and the
// pixel array must lie within the file. Answers false, with `bitmap` null, when the file cannot be
// opened or read or is not such a file: the caller reports its class's file error either way, so
// a malformed file is never read past its end.
bool LoadBitmapFile(const std::string& name, HBITMAP& bitmap);

} // namespace output
