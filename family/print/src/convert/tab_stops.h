// Where a tab moves the line's x, and how a centred or right tab pulls back the text written
// after it once that text's width is known.
#pragma once

#include "family/print/src/convert/format_state.h"

#include <cstdint>

namespace pressel {

struct TabMove {
    std::int32_t x = 0; // relative to the left margin
    std::uint8_t kind = kTabLeft;
};

// From x (relative to the left margin): to the left indent when x lies left of it; else to the
// first stop beyond x (a stop at 0 is a free slot); else to the next multiple of the default tab
// width as a left tab (x stays when that width is 0).
TabMove NextTabStop(std::int32_t x, const ParagraphFormat& paragraph, std::int32_t defaultTab);

// How far the text written since a tab of `kind` moves left once its width is known: all of it
// for a right tab, half of it (rounded toward zero) for a centred one, none for a left one.
std::int32_t TabPullBack(std::uint8_t kind, std::int32_t widthSinceTab);

} // namespace pressel
