// Drawing charts for the tests and reading their pixels back, with text from the fixed-metrics
// font source so that no rendering depends on the installed fonts.
#pragma once

#include "family/graph/plotwen.h"

#include "platform/win32/font_provider.h"
#include "platform/win32/testing/pixels.h"
#include "platform/win32/windows.h"

#include <array>
#include <string>
#include <vector>

// The screen's context, as a host passes it for reference.
class ScreenDc {
public:
    ScreenDc();
    ~ScreenDc();
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A bitmap the test owns.
class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP bitmap = nullptr) : bitmap_(bitmap) {}
    ~OwnedBitmap();
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    HBITMAP get() const { return bitmap_; }
    HBITMAP* out() { return &bitmap_; }

private:
    HBITMAP bitmap_;
};

using win32::testing::Pixels;
using win32::testing::PixelsOf;

// Draws `record` on a bitmap compatible with the screen; text uses fixed metrics.
HBITMAP DrawRecord(const GraphRecord& record, int width, int height, std::uint8_t options,
                   GraphProgress progress = nullptr);

// A chart of every kind of element: three series (the second stacked on the first) over
// categories 2 to 6, value marks with "#" labels and one at -1.0, a legend, a title in a font of
// the record and a frame, on a gradient.
GraphRecord SampleRecord(std::int16_t graphType);

// Compares the bitmap with tests/data/<name>.bmp (platform/win32/testing/stored_image.h).
void ExpectMatchesStoredImage(HBITMAP bitmap, const std::string& name);

// Sets a fixed character field, NUL-terminated.
template <std::size_t kWidth>
void SetField(char (&field)[kWidth], const std::string& text) {
    const std::size_t length = std::min(text.size(), kWidth - 1);
    text.copy(field, length);
    field[length] = '\0';
}
