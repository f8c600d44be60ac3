// The drawing operations of the chart on one memory device context, in plain GDI calls: filled
// rectangles (faces are filled one pixel column at a time), lines and aligned text. The painter
// owns the brush and pens it makes and frees them before it goes.
#pragma once

#include "family/graph/src/chart.h"

#include "platform/win32/windows.h"

#include <string>

namespace plotwen {

class Painter {
public:
    explicit Painter(HDC dc) : dc_(dc) {}
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    HDC Dc() const { return dc_; }

    // Fills rows `top` to `bottom` of column x, both included, whichever is the smaller.
    void FillColumn(int x, int top, int bottom, COLORREF colour);
    void FillRectangle(const RECT& rect, COLORREF colour);
    // A solid line as LineTo draws it: the last point is left out.
    void Line(POINT from, POINT to, int width, COLORREF colour);
    void Polyline(const POINT* points, int count, int width, COLORREF colour);

    SIZE MeasureText(HFONT font, const std::string& text);
    // Draws `text` with its reference point at (x, y): moved left by half or all of its width
    // and up by half or all of its height by the alignments. Returns its size.
    SIZE DrawAlignedText(HFONT font, const std::string& text, int x, int y,
                         HorizontalAlignment horizontal, VerticalAlignment vertical,
                         COLORREF colour);
    // Draws `text` with its top left corner at (x, y).
    void DrawTextAt(HFONT font, const std::string& text, int x, int y, COLORREF colour);

private:
    HDC dc_;
    HBRUSH brush_ = nullptr;
    COLORREF brushColour_ = 0;
};

} // namespace plotwen
