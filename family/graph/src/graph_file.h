// "GRAPH.BMP": the drawn bitmap saved in the current folder.
#pragma once

#include "platform/win32/windef.h"

namespace plotwen {

inline constexpr const char* kGraphFileName = "GRAPH.BMP";

// Layout: the 14-byte file header ("BM", file size, two reserved words 0, offset of the bits),
// the 40-byte information header of the bitmap's own format and its colour table, 4 zero bytes,
// then the bits; the offset of the bits counts the 4 bytes. The file is replaced whole or not
// at all; a failure to write it is not reported, as hosts never asked.
void SaveGraphFile(HBITMAP bitmap);

} // namespace plotwen
