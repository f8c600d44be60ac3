// The head of an arrow on a drawn line: a triangle with its tip on the line's end and wings 20
// degrees either side of the line, and the end pulled back inside the head so that a wide line
// does not poke through the tip. Coordinates are twips.
#pragma once

#include "platform/win32/windef.h"

#include <array>
#include <cstdint>
#include <string>

namespace output {

struct ArrowHead {
    std::array<POINT, 3> corners; // the tip, then the two wing ends
    POINT lineEnd;                // where the line now ends
};

// The head at `tip` of a line of width `lineWidth` that comes from `from`. Any direction works,
// straight up and down included; a line of no length points its head along the x axis.
ArrowHead MakeArrowHead(POINT tip, POINT from, std::int32_t lineWidth);

// The corners as a point list for a polygon: "X:Y|X:Y|X:Y".
std::string PointListText(const std::array<POINT, 3>& corners);

} // namespace output
