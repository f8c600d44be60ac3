// Pages and lines drawn into memory bitmaps for the renderer's tests, with text from the
// fixed-metrics font source so that no image depends on the installed fonts.
#pragma once

#include "platform/win32/windows.h"

#include <string>

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

// Compares the bitmap with tests/data/<name>.bmp through the Win32 test kit's stored-image check
// (platform/win32/testing/stored_image.h).
void ExpectMatchesStoredImage(HBITMAP bitmap, const std::string& name);

} // namespace pressel_test
