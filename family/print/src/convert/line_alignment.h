// A finished line's alignment: how far its start moves right, and for a justified line how many
// spaces share how much extra width.
#pragma once

#include "family/print/src/convert/format_state.h"

#include <cstdint>

namespace pressel {

struct LineAlignment {
    std::int32_t shift = 0;      // added to the line's x
    std::int32_t breakCount = 0; // spaces to widen
    std::int32_t breakExtra = 0; // width they share
};

// `room` is the right limit less the x where the line's content ends. A justified line widens
// its counted spaces unless a paragraph end closed it.
LineAlignment AlignLine(std::uint8_t alignment, std::int32_t room, std::int32_t countedSpaces,
                        bool endedByParagraph);

} // namespace pressel
