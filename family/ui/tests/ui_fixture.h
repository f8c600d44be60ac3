// The library set up in the test program's own process, as the loader sets it up at load, with
// the pixels of what a window painted (platform/win32/testing/pixels.h).
#pragma once

#include "platform/win32/testing/pixels.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

namespace vistel_test {

class LibraryFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

using win32::testing::ShownPixel;
// The colour (0x00RRGGBB, as window captures hold it) of a bitmap's pixel.
std::uint32_t BitmapPixel(HBITMAP bitmap, int x, int y);

} // namespace vistel_test
