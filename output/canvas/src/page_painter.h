// Internal to the canvas: drawing one page's items onto a device context, shared by page
// bitmaps (at the draw scale) and printing (at the printer's resolution).
#pragma once

#include "output/canvas/canvas.h"

#include <cstdint>

namespace output {

// How twips become pixels on a target: pixels per inch across and down, the device pixels of
// the target's origin on the physical page (a printer's unprintable margin; 0 for a bitmap),
// and which of a font record's fonts draws the words.
struct PageScale {
    std::int32_t pixelsPerInchX = 0;
    std::int32_t pixelsPerInchY = 0;
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    bool deviceFonts = false; // the fonts made for the device, else those made for the scale
};

// Draws page `page`: images, polygons, lines, then words, each kind in the order placed.
void PaintPage(HDC dc, const Canvas& canvas, std::int32_t page, const PageScale& scale);

// Selects an object into a context for the life of the selection and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory context compatible with the screen, deleted with its owner.
class MemoryContext {
public:
    MemoryContext() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryContext() { DeleteDC(dc_); }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

} // namespace output
