#include "family/print/tests/render_surface.h"

#include "family/print/src/render/device_twips.h"

#include "platform/win32/font_provider.h"
#include "platform/win32/testing/stored_image.h"

#include <filesystem>

namespace pressel_test {
namespace {

int ScreenPixels(int twips, int index) {
    const HDC screen = GetDC(nullptr);
    const int pixels = twips * GetDeviceCaps(screen, index) / pressel::kTwipsPerInch;
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace

RenderSurface::RenderSurface(int widthTwips, int heightTwips, Colours colours, Scale scale) {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const bool exact = scale == Scale::kOnePixelPerTwip;
    const int width = exact ? widthTwips : ScreenPixels(widthTwips, LOGPIXELSX);
    const int height = exact ? heightTwips : ScreenPixels(heightTwips, LOGPIXELSY);
    dc_ = CreateCompatibleDC(nullptr);
    if (colours == Colours::kMonochrome) {
        bitmap_ = CreateBitmap(width, height, 1, 1, nullptr);
    } else {
        const HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
    }
    oldBitmap_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    pressel::SetupTwips(dc_);
    if (exact) {
        SetViewportExtEx(dc_, pressel::kTwipsPerInch, pressel::kTwipsPerInch, nullptr);
    }
}

RenderSurface::~RenderSurface() {
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF RenderSurface::Pixel(int x, int y) const {
    // GetPixel takes logical coordinates; the mapping is undone for the moment of the call.
    const int saved = SaveDC(dc_);
    SetMapMode(dc_, MM_TEXT);
    const COLORREF colour = GetPixel(dc_, x, y);
    RestoreDC(dc_, saved);
    return colour;
}

int RenderSurface::Count(RECT area, COLORREF colour) const {
    const int saved = SaveDC(dc_);
    SetMapMode(dc_, MM_TEXT);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += GetPixel(dc_, x, y) == colour ? 1 : 0;
        }
    }
    RestoreDC(dc_, saved);
    return count;
}

void ExpectMatchesStoredImage(HBITMAP bitmap, const std::string& name) {
    win32::testing::ExpectMatchesStoredImage(
        bitmap, std::filesystem::path(TALLOWMERE_PRESSEL_TEST_DATA) / (name + ".bmp"));
}

} // namespace pressel_test
