// What the desktop's screen shows (testkit::Desktop): a screenshot kept as a PNG file for a
// person to look at, and the pixels of a part of it for the test to count.
#pragma once

#include "platform/testing/accessible_windows.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace testkit {

// The pixels of a rectangle of the screen, 8-bit red, green and blue, rows from the top.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::string rgb; // 3 bytes a pixel

    // 0xRRGGBB of the pixel at x, y of the rectangle.
    std::uint32_t At(int x, int y) const;
};

// Writes what the whole screen shows now into a PNG file (ImageMagick's import).
bool CaptureScreen(const std::filesystem::path& png);

// The pixels of `area` (screen coordinates) of a screenshot that CaptureScreen wrote; empty
// (width 0) when the tool fails or the area does not lie on it.
ScreenPixels ReadPixels(const std::filesystem::path& png, const ScreenRect& area);

} // namespace testkit
