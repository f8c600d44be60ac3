// Pictures from bitmap files, for picture pages and the pictures of a report.
#pragma once

#include "platform/win32/windows.h"

#include <filesystem>

namespace pressel {

// The BMP file as a bitmap compatible with the screen, which the caller owns; null when the file
// is missing, cannot be read, is not a BMP file whose headers match its bytes, or memory runs
// out. The file is checked whole before any of it is used.
HBITMAP LoadBitmapFile(const std::filesystem::path& path);

} // namespace pressel
