#include "family/ui/tests/ui_fixture.h"

#include "family/ui/src/library_state.h"
#include "family/ui/vistel.h"

namespace vistel_test {

void LibraryFixture::SetUp() {
    DllEntryPoint(vistel::OwnInstance(), vistel::kProcessAttach, nullptr);
    ASSERT_TRUE(vistel::Library().ready);
}

void LibraryFixture::TearDown() {
    win32::SetMessageWait(nullptr);
    DllEntryPoint(vistel::OwnInstance(), vistel::kProcessDetach, nullptr);
}

namespace {

std::uint32_t AsRgb(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

} // namespace

std::uint32_t ShownPixel(HWND window, POINT point) {
    const HWND top = GetAncestor(window, GA_ROOT);
    RECT topRect{};
    GetWindowRect(top, &topRect);
    ClientToScreen(window, &point);
    UpdateWindow(top);
    const win32::WindowImage image = win32::CaptureWindow(top);
    const int x = point.x - topRect.left;
    const int y = point.y - topRect.top;
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        ADD_FAILURE() << "point outside the window";
        return 0xFFFFFFFF;
    }
    return image.pixels[static_cast<std::size_t>(y * image.width + x)];
}

std::uint32_t BitmapPixel(HBITMAP bitmap, int x, int y) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return AsRgb(colour);
}

} // namespace vistel_test
