#include "platform/win32/testing/pixels.h"

#include <cstdio>
#include <string>

namespace win32::testing {

namespace {

// A 32-bit top-down header, with room for the colour masks or table the layer may write after it.
struct TopDownHeader {
    TopDownHeader(int width, int height) {
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
    }
    BITMAPINFO info{};
    RGBQUAD table[256]{};
};

std::size_t PixelCount(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

} // namespace

Pixels PixelsOf(HBITMAP bitmap) {
    Pixels pixels;
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) {
        return pixels;
    }
    pixels.width = info.bmWidth;
    pixels.height = info.bmHeight;
    TopDownHeader header(info.bmWidth, info.bmHeight);
    std::vector<std::uint32_t> bgrx(PixelCount(info.bmWidth, info.bmHeight));
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bgrx.data(),
                               &header.info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rows, info.bmHeight) << "rows of the bitmap read back";
    pixels.colours.reserve(bgrx.size());
    for (const std::uint32_t value : bgrx) {
        pixels.colours.push_back(RGB(static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 8),
                                     static_cast<BYTE>(value)));
    }
    return pixels;
}

Pixels PixelsOf(const WindowImage& image) {
    Pixels pixels{image.width, image.height, {}};
    pixels.colours.reserve(image.pixels.size());
    for (const std::uint32_t value : image.pixels) {
        pixels.colours.push_back(RGB(static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 8),
                                     static_cast<BYTE>(value)));
    }
    return pixels;
}

Pixels PixelsOfRows(const std::vector<std::vector<COLORREF>>& rows) {
    Pixels pixels;
    pixels.width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    pixels.height = static_cast<int>(rows.size());
    for (const std::vector<COLORREF>& row : rows) {
        pixels.colours.insert(pixels.colours.end(), row.begin(), row.end());
    }
    return pixels;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    const HDC memory = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return colour;
}

std::uint32_t ShownPixel(HWND window, POINT point) {
    const HWND top = GetAncestor(window, GA_ROOT);
    RECT frame{};
    GetWindowRect(top, &frame);
    ClientToScreen(window, &point);
    UpdateWindow(top);
    const WindowImage image = CaptureWindow(top);
    const int x = point.x - frame.left;
    const int y = point.y - frame.top;
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        ADD_FAILURE() << "point (" << x << ", " << y << ") outside the window";
        return 0xFFFFFFFF;
    }
    return image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                        static_cast<std::size_t>(x)];
}

::testing::AssertionResult SamePixels(const Pixels& expected, const Pixels& actual) {
    const auto whole = [](const Pixels& pixels) {
        return pixels.colours.size() == PixelCount(pixels.width, pixels.height);
    };
    if (expected.width != actual.width || expected.height != actual.height || !whole(expected) ||
        !whole(actual)) {
        return ::testing::AssertionFailure()
               << actual.width << " x " << actual.height << " (" << actual.colours.size()
               << " pixels), expected " << expected.width << " x " << expected.height << " ("
               << expected.colours.size() << " pixels)";
    }
    std::size_t differing = 0;
    std::string first;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            if (actual.At(x, y) != expected.At(x, y) && differing++ == 0) {
                char where[80];
                std::snprintf(where, sizeof where, "(%d, %d): %06X, expected %06X", x, y,
                              actual.At(x, y), expected.At(x, y));
                first = where;
            }
        }
    }
    if (differing != 0) {
        return ::testing::AssertionFailure()
               << differing << " pixels differ, the first at " << first;
    }
    return ::testing::AssertionSuccess();
}

HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

HBITMAP BitmapOf(const Pixels& pixels) {
    std::vector<std::uint32_t> bgrx;
    bgrx.reserve(pixels.colours.size());
    for (const COLORREF colour : pixels.colours) {
        bgrx.push_back((std::uint32_t{GetRValue(colour)} << 16) |
                       (std::uint32_t{GetGValue(colour)} << 8) | GetBValue(colour));
    }
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, pixels.width, pixels.height);
    ReleaseDC(nullptr, screen);
    TopDownHeader header(pixels.width, pixels.height);
    SetDIBits(nullptr, bitmap, 0, static_cast<UINT>(pixels.height), bgrx.data(), &header.info,
              DIB_RGB_COLORS);
    return bitmap;
}

} // namespace win32::testing
