#include "family/graph/src/painter.h"

#include <algorithm>

namespace plotwen {

Painter::~Painter() {
    if (brush_ != nullptr) {
        DeleteObject(brush_);
    }
}

void Painter::FillColumn(int x, int top, int bottom, COLORREF colour) {
    FillRectangle(RECT{x, std::min(top, bottom), x + 1, std::max(top, bottom) + 1}, colour);
}

void Painter::FillRectangle(const RECT& rect, COLORREF colour) {
    // One brush serves runs of fills in the same colour, as faces are filled column by column.
    if (brush_ == nullptr || brushColour_ != colour) {
        if (brush_ != nullptr) {
            DeleteObject(brush_);
        }
        brush_ = CreateSolidBrush(colour);
        brushColour_ = colour;
    }
    FillRect(dc_, &rect, brush_);
}

void Painter::Line(POINT from, POINT to, int width, COLORREF colour) {
    const POINT points[] = {from, to};
    Polyline(points, 2, width, colour);
}

void Painter::Polyline(const POINT* points, int count, int width, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ previous = SelectObject(dc_, pen);
    ::Polyline(dc_, points, count);
    SelectObject(dc_, previous);
    DeleteObject(pen);
}

SIZE Painter::MeasureText(HFONT font, const std::string& text) {
    HGDIOBJ previous = SelectObject(dc_, font);
    SIZE size{0, 0};
    GetTextExtentPoint32(dc_, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, previous);
    return size;
}

SIZE Painter::DrawAlignedText(HFONT font, const std::string& text, int x, int y,
                              HorizontalAlignment horizontal, VerticalAlignment vertical,
                              COLORREF colour) {
    const SIZE size = MeasureText(font, text);
    if (horizontal == HorizontalAlignment::Centre) {
        x -= size.cx / 2;
    } else if (horizontal == HorizontalAlignment::Right) {
        x -= size.cx;
    }
    if (vertical == VerticalAlignment::Middle) {
        y -= size.cy / 2;
    } else if (vertical == VerticalAlignment::Bottom) {
        y -= size.cy;
    }
    DrawTextAt(font, text, x, y, colour);
    return size;
}

void Painter::DrawTextAt(HFONT font, const std::string& text, int x, int y, COLORREF colour) {
    HGDIOBJ previous = SelectObject(dc_, font);
    SetTextColor(dc_, colour);
    TextOut(dc_, x, y, text.data(), static_cast<int>(text.size()));
    SelectObject(dc_, previous);
}

} // namespace plotwen
