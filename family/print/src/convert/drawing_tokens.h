// The operand blocks of the picture, line and rectangle tokens of the print file, from the
// drawing object a template defined or the picture a line places.
#pragma once

#include "family/print/src/convert/format_state.h"

#include <cstdint>
#include <vector>

namespace pressel {

// A colour kept as blue, green, red as the COLORREF red + green x 256 + blue x 65536.
std::uint32_t ColourOf(const std::array<std::uint8_t, 3>& blueGreenRed);

// Picture: index u8, width and height int16.
std::vector<std::uint8_t> PictureOperand(int index, std::int16_t width, std::int16_t height);

// Line: the object's offset plus its first and second points (int32 each), the line width
// (int16) and the line colour (int32).
std::vector<std::uint8_t> LineOperand(const DrawingObject& object);

// Rectangle: x, y, x + width, y + height (int32 each), line width (int16), outlined (u8, 1 unless
// hollow), fill pattern (u8), line, fill foreground and fill background colours (int32 each).
std::vector<std::uint8_t> RectangleOperand(const DrawingObject& object);

} // namespace pressel
