// The bitmaps the converter made for the pictures of each print file this process converted,
// kept by the library from the conversion until _PrintDelete. Only these are ever deleted for a
// file: the handles a print file names are not trusted, for a stale or damaged file may name
// anything, the host's own bitmaps included.
#pragma once

#include "platform/win32/windows.h"

#include <string>
#include <vector>

namespace pressel {

// Keeps `bitmaps` as the pictures of the print file at `path`.
void KeepConvertedPictures(const std::string& path, std::vector<HBITMAP> bitmaps);

// Deletes the bitmaps kept for the print file at `path`; nothing when none are kept.
void DeleteConvertedPictures(const std::string& path);

} // namespace pressel
