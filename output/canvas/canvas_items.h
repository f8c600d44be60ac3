// What a canvas page holds. Every item carries its page number; each kind is kept in its own
// list in the order placed, and each item owns the GDI objects it names.
#pragma once

#include "output/canvas/canvas_state.h"
#include "output/canvas/gdi_object.h"
#include "output/canvas/text_command.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace output {

struct ImageItem {
    std::int32_t page = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    OwnedBitmap bitmap;
    std::int32_t pixelWidth = 0;
    std::int32_t pixelHeight = 0;
};

struct PolygonItem {
    std::int32_t page = 0;
    std::vector<CanvasPoint> points;
    std::int32_t width = 1;
    bool outline = false;
    bool fill = false;
    COLORREF lineColour = 0x000000;
    COLORREF fillColour = 0xFFFFFF;
};

struct LineItem {
    std::int32_t page = 0;
    std::int32_t xFrom = 0;
    std::int32_t yFrom = 0;
    std::int32_t xTo = 0;
    std::int32_t yTo = 0;
    std::int32_t width = 1; // 1..360
    COLORREF colour = 0x000000;
};

struct WordItem {
    std::int32_t page = 0;
    std::int32_t x = 0;
    std::int32_t y = 0; // top of the word
    std::string text;
    std::size_t font = 0; // index into the font list
    COLORREF colour = 0x000000;
};

struct FontRecord {
    FontChoice choice;
    std::int32_t blankWidth = 0; // twips
    std::int32_t ascent = 0;     // twips, from the top of a word to its baseline
    OwnedFont deviceFont;        // made for the device's vertical resolution: measuring, printing
    OwnedFont scaleFont;         // made for the drawing scale: page bitmaps
};

struct CanvasItems {
    std::vector<ImageItem> images;
    std::vector<PolygonItem> polygons;
    std::vector<LineItem> lines;
    std::vector<WordItem> words;
    std::vector<FontRecord> fonts;
};

} // namespace output
