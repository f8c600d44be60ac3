// The interpreter's formatting state: the state of one group, the format of one character of a
// paragraph, one font-table entry.
#pragma once

#include "program/report/compose/rich_text_surface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace compose {

// Bits of RTFForm::style.
inline constexpr std::int32_t kStyleBold = 1;
inline constexpr std::int32_t kStyleUnderline = 2;
inline constexpr std::int32_t kStyleItalic = 4;
inline constexpr std::int32_t kStyleHidden = 8;

// The format of one character.
struct RTFForm {
    std::int32_t fontIndex = 0;
    std::int32_t fontSize = 0; // half-points
    std::int32_t style = 0;    // kStyle* bits

    bool operator==(const RTFForm&) const = default;
};

// Where a group's text goes. Only the body is drawn, and the font table collects face names;
// the text of every other destination is dropped.
enum class Destination {
    Body,
    Header,
    Footer,
    FontTable,
    ColorTable,
    StyleSheet,
    Picture,
    Info,
    Ignorable, // a group marked with \*
};

enum class TabKind { Left, Centre, Right };

struct TabStop {
    TabKind kind = TabKind::Left;
    std::int32_t position = 0; // from the left margin
};

// The formatting state of one group. A group opened inside it starts as a copy.
struct RTFGroup {
    RTFForm form;
    TextAlignment alignment = TextAlignment::Left;
    std::int32_t spaceBefore = 0;        // twips
    std::int32_t spaceAfter = 0;         // twips
    std::int32_t leftIndent = 0;         // twips from the left margin, every line but the first
    std::int32_t firstLineIndent = 0;    // twips from leftIndent, the first line
    TabKind nextTabKind = TabKind::Left; // the kind of the next stop \tx defines
    std::vector<TabStop> tabStops;       // in the order defined
    Destination destination = Destination::Body;
};

struct RTFFont {
    std::int32_t index = 0;
    std::string name;
};

} // namespace compose
