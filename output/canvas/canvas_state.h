// The layout state of a canvas: pages, cursor, margins, font, colours and the pending line. A
// transaction snapshot copies it whole. Positions and sizes are twips from the top-left corner
// of the physical page; font sizes are points; colours are 0x00BBGGRR.
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>
#include <string>
#include <vector>

namespace output {

// Page numbers stop here: a page past it would not fit the 16-bit numbers callers keep.
inline constexpr std::int32_t kMaxCanvasPage = 32767;

// What a page holds, as bits of its flag byte.
enum PageFlag : std::uint8_t {
    kPageHasBlackOrWhite = 1,
    kPageHasColour = 2,
};

enum class Justification : std::int32_t { Left = 0, Centre = 1, Right = 2, Full = 3 };

struct PageSet {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t total = 0; // the highest page number that holds an item
    std::int32_t current = 0;
    std::vector<std::uint8_t> flags; // flags[p - 1] for page p, up to the total
};

struct Margins {
    std::int32_t top = 1440;
    std::int32_t bottom = 1440;
    std::int32_t left = 1440;
    std::int32_t right = 1440;
    std::int32_t indent = 0;     // first-line indent of a paragraph
    std::int32_t rightEdge = 0;  // page width - right
    std::int32_t bottomEdge = 0; // page height - bottom
    Justification justify = Justification::Left;
};

// Font type selects a family for the PDF's standard fonts; on a bitmap or printer only the name
// counts.
enum class FontFamily : std::int32_t { SansSerif = 1, Serif = 2, FixedPitch = 3 };

struct FontChoice {
    std::string name = "Times New Roman";
    std::int32_t type = static_cast<std::int32_t>(FontFamily::Serif);
    std::int32_t size = 12;
    bool bold = false;
    bool underline = false;
    bool italic = false;
};

struct CanvasColours {
    COLORREF text = 0x000000;
    COLORREF line = 0x000000;
    COLORREF fill = 0xFFFFFF;
};

// The run of word items last placed on the current line.
struct LineState {
    std::int32_t words = 0;
    std::int32_t largestSize = 0;
};

struct CanvasState {
    PageSet pages;
    std::int32_t cursorX = 0;
    std::int32_t cursorY = 0;
    Margins margins;
    FontChoice font;
    CanvasColours colours;
    LineState line;
};

} // namespace output
