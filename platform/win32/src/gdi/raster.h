// Raster code of our own with GDI's pixel rules, in device pixels of one surface, clipped to a
// rectangle. No anti-aliasing: a pixel is drawn or left.
//
// Pixel (x, y) is sampled at the integer point (x, y). A thin line lights one pixel per step
// along its major axis, the one nearest the exact line (halves away from the start), and leaves
// out its end point. A wide line covers the pixels within half the width of
// the segment (round caps and joins), sampled a 1/64 pixel down and right of the pixel so that an
// even width covers exactly that many rows or columns. A filled polygon covers the pixels inside
// its outline with the top and left edges included and the bottom and right edges left out.
//
// Coordinates are 64-bit device coordinates; only the steps and rows inside the clip rectangle
// are walked, so a shape reaching far beyond the bitmap costs no more than the pixels it can
// light.
#pragma once

#include "platform/win32/src/gdi/device_geometry.h"
#include "platform/win32/src/gdi/surface.h"

#include <vector>

namespace win32 {

class Raster {
public:
    // `clip` is intersected with the surface.
    Raster(Surface& surface, const DeviceRect& clip);

    void Plot(DeviceCoordinate x, DeviceCoordinate y, COLORREF color);
    void FillRect(const DeviceRect& rect, COLORREF color);
    void ThinLine(DevicePoint from, DevicePoint to, COLORREF color);
    void WideLine(DevicePoint from, DevicePoint to, DeviceCoordinate width, COLORREF color);
    void FillPolygon(const std::vector<DevicePoint>& points, bool winding, COLORREF color);
    // Sets the pixels of a width x height mask (rows top-down, non-zero where set) whose first
    // pixel lies at (left, top).
    void FillMask(DeviceCoordinate left, DeviceCoordinate top, int width, int height,
                  const std::uint8_t* mask, COLORREF color);
    // A dotted frame along the outermost pixels of `frame`: every border pixel whose x + y is
    // even is inverted, so that drawing the same frame twice removes it.
    void InvertDottedFrame(const DeviceRect& frame);

private:
    bool Inside(DeviceCoordinate x, DeviceCoordinate y) const;

    Surface& surface_;
    RECT clip_; // within the surface
};

// A ternary raster operation (the byte of a ROP code) on the red, green and blue bits of a
// pattern, a source and a destination colour.
COLORREF ApplyRop3(std::uint8_t rop, COLORREF pattern, COLORREF source, COLORREF destination);

// What a blit needs besides the two surfaces.
struct BlitColors {
    COLORREF brush = 0;                        // the pattern
    COLORREF sourceBackground = 0xFFFFFF;      // colour source to monochrome: this colour is white
    COLORREF destinationText = 0x000000;       // monochrome source to colour: clear bits
    COLORREF destinationBackground = 0xFFFFFF; // and set bits
};

// Copies (width x height of the destination) from (sourceWidth x sourceHeight of the source),
// nearest neighbour, through `rop`. `source` may be null for operations without a source.
void StretchBlit(Surface& destination, const DeviceRect& clip, const DeviceRect& target,
                 const Surface* source, const DeviceRect& sourceRect, std::uint8_t rop,
                 const BlitColors& colors);

} // namespace win32
