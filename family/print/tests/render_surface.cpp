#include "family/print/tests/render_surface.h"

#include "family/print/src/render/device_twips.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/font_provider.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace pressel_test {
namespace {

int ScreenPixels(int twips, int index) {
    const HDC screen = GetDC(nullptr);
    const int pixels = twips * GetDeviceCaps(screen, index) / pressel::kTwipsPerInch;
    ReleaseDC(nullptr, screen);
    return pixels;
}

void WriteBmp(HBITMAP bitmap, const std::filesystem::path& path) {
    const std::vector<std::uint8_t> file = win32::EncodeBmp(bitmap);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP description{};
    GetObject(bitmap, sizeof description, &description);
    return SIZE{description.bmWidth, description.bmHeight};
}

} // namespace

std::vector<COLORREF> PixelsOf(HBITMAP bitmap) {
    const SIZE size = SizeOf(bitmap);
    // Room for the colour masks or table the layer may write after the header.
    struct {
        BITMAPINFO header;
        RGBQUAD table[256];
    } described{};
    BITMAPINFO& info = described.header;
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bgrx(static_cast<std::size_t>(size.cx) *
                                    static_cast<std::size_t>(size.cy));
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), bgrx.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    for (const std::uint32_t value : bgrx) {
        pixels.push_back(RGB(static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 8),
                             static_cast<BYTE>(value)));
    }
    return pixels;
}

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

OwnedBitmap::~OwnedBitmap() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void ExpectMatchesStoredImage(HBITMAP bitmap, const std::string& name) {
    WriteBmp(bitmap, testkit::SandboxFolderOfRunningTest() / (name + ".bmp"));
    const std::string stored = std::string(TALLOWMERE_PRESSEL_TEST_DATA) + "/" + name + ".bmp";
    if (const char* regenerate = std::getenv("TALLOWMERE_REGENERATE"); regenerate && *regenerate) {
        WriteBmp(bitmap, stored);
        GTEST_SKIP() << "regenerated " << stored;
    }
    const win32::BmpReadResult read = win32::ReadBmpFile(stored);
    ASSERT_NE(read.bitmap, nullptr)
        << stored << ": " << read.error << "; run with TALLOWMERE_REGENERATE=1";
    const OwnedBitmap expected(read.bitmap);
    const std::vector<COLORREF> actual = PixelsOf(bitmap);
    const std::vector<COLORREF> wanted = PixelsOf(expected.Get());
    ASSERT_EQ(SizeOf(bitmap).cx, SizeOf(expected.Get()).cx);
    ASSERT_EQ(SizeOf(bitmap).cy, SizeOf(expected.Get()).cy);
    const int width = SizeOf(bitmap).cx;
    int differences = 0;
    std::string first;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] != wanted[i] && differences++ == 0) {
            char where[80];
            std::snprintf(where, sizeof where, "(%d, %d): %06X, stored %06X",
                          static_cast<int>(i % static_cast<std::size_t>(width)),
                          static_cast<int>(i / static_cast<std::size_t>(width)), actual[i],
                          wanted[i]);
            first = where;
        }
    }
    EXPECT_EQ(differences, 0) << name << " differs from " << stored << " first at " << first;
}

} // namespace pressel_test
