// The library set up in the test program's own process, as the loader sets it up at load, with
// helpers to read what a window painted.
#pragma once

#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

namespace vistel_test {

class LibraryFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The colour (0x00RRGGBB) that the top-level window of `window` shows at `point` of `window`'s
// client area.
std::uint32_t ShownPixel(HWND window, POINT point);
// The colour of a bitmap's pixel.
std::uint32_t BitmapPixel(HBITMAP bitmap, int x, int y);

} // namespace vistel_test
