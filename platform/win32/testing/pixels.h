// The pixels of the tests' bitmaps and windows: read back row by row, compared with a message
// that names the first pixel that differs, and bitmaps of one colour to start from.
#pragma once

#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace win32::testing {

// Colours as COLORREF values (0x00BBGGRR), rows from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;

    COLORREF At(int x, int y) const {
        return colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)];
    }
    bool operator==(const Pixels&) const = default;
};

// Every pixel of `bitmap` as GetDIBits gives it at 32 bits; nothing for a handle that is no
// bitmap.
Pixels PixelsOf(HBITMAP bitmap);
// A window capture (0x00RRGGBB) as COLORREF values.
Pixels PixelsOf(const WindowImage& image);
// Rows of colours, the top row first and every row as wide as the first, as Pixels.
Pixels PixelsOfRows(const std::vector<std::vector<COLORREF>>& rows);
// One pixel of `bitmap`, as GetPixel reads it through a memory context.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

// The colour (0x00RRGGBB, as captures hold it) that the top-level window of `window` shows at
// `point` of `window`'s client area, painted up to now. A point outside fails the running test.
std::uint32_t ShownPixel(HWND window, POINT point);

// The same size and every pixel alike; a failure names the first pixel that differs.
::testing::AssertionResult SamePixels(const Pixels& expected, const Pixels& actual);

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
};
// A bitmap the test owns.
using OwnedBitmap = std::unique_ptr<HBITMAP__, BitmapDeleter>;

// A bitmap compatible with the screen, filled with `colour`; the caller owns it.
HBITMAP SolidBitmap(int width, int height, COLORREF colour);
// A bitmap compatible with the screen holding `pixels`; the caller owns it.
HBITMAP BitmapOf(const Pixels& pixels);

} // namespace win32::testing
