#include "family/ui/tests/ui_fixture.h"

#include "family/ui/src/library_state.h"
#include "family/ui/vistel.h"

#include "platform/win32/library_entry.h"
#include "platform/win32/window_host.h"

namespace vistel_test {

void LibraryFixture::SetUp() {
    DllEntryPoint(win32::ThisModule(), DLL_PROCESS_ATTACH, nullptr);
    ASSERT_TRUE(vistel::Library().ready);
}

void LibraryFixture::TearDown() {
    win32::SetMessageWait(nullptr);
    DllEntryPoint(win32::ThisModule(), DLL_PROCESS_DETACH, nullptr);
}

namespace {

std::uint32_t AsRgb(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

} // namespace

std::uint32_t BitmapPixel(HBITMAP bitmap, int x, int y) {
    return AsRgb(win32::testing::PixelOf(bitmap, x, y));
}

} // namespace vistel_test
