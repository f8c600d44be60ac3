// Reading back a PNG file the way an independent decoder sees it.
#pragma once

#include <filesystem>
#include <string>

// The image size and one pixel of a PNG file as Pillow reads them, e.g.
// "(2550, 3300) (0, 0, 0)\n"; empty when the file cannot be read.
std::string PillowPixel(const std::filesystem::path& file, int x, int y);
