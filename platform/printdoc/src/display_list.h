// A page as a display list: what was drawn on it, in order, in twips. Rendering replays it.
#pragma once

#include "platform/printdoc/print_document.h"

#include <variant>

namespace printdoc {

struct FontChoice {
    std::string name = "Arial";
    float size = 10;
    bool bold = false;
    bool italic = false;
};

struct TextItem {
    double x = 0;
    double baseline = 0;
    FontChoice font;
    std::string text; // Windows-1252, without control characters
};

struct LineItem {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};

struct PictureItem {
    Picture picture;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

using Item = std::variant<TextItem, LineItem, PictureItem>;

struct Page {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<Item> items;
};

} // namespace printdoc
