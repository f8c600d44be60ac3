// Pages and lines drawn into memory bitmaps for the renderer's tests, with text from the
// fixed-metrics font source so that no image depends on the installed fonts.
#pragma once

#include "platform/win32/windows.h"

#include <string>
#include <vector>

namespace pressel_test {

enum class Scale {
    kOnePixelPerTwip, // positions in twips are pixel positions, so tests can check them exactly
    kScreen,          // the screen's resolution, as the preview and page bitmaps draw
};

enum class Colours { kMonochrome, kColour };

// A white bitmap selected into a memory context set up for twips.
class RenderSurface {
public:
    RenderSurface(int widthTwips, int heightTwips, Colours colours, Scale scale);
    ~RenderSurface();
    RenderSurface(const RenderSurface&) = delete;
    RenderSurface& operator=(const RenderSurface&) = delete;

    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    // The colour of a pixel (device coordinates).
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle [left, right) x [top, bottom) have `colour`.
    int Count(RECT area, COLORREF colour) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
};

// A bitmap the test owns.
class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~OwnedBitmap();
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    HBITMAP Get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

// A screen-compatible bitmap filled with one colour.
HBITMAP SolidBitmap(int width, int height, COLORREF colour);

// Every pixel of the bitmap row by row from the top, as COLORREF values.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap);

// Compares the bitmap pixel for pixel with tests/data/<name>.bmp and keeps it in the test's
// sandbox as <name>.bmp for people to look at; with TALLOWMERE_REGENERATE=1 it rewrites the
// stored image instead and skips the test.
void ExpectMatchesStoredImage(HBITMAP bitmap, const std::string& name);

} // namespace pressel_test
