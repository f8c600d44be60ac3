// A logo's placement file ("<logo>.txt" beside "<logo>.gif" in the resource archive): four whole
// numbers separated by commas, blanks or line breaks.
//
//   # | meaning
//   1 | not used (the logo's top edge is always half an inch from the page's top)
//   2 | left edge, twips; 0 centres the logo on the page
//   3 | height, twips
//   4 | width, twips; 0 follows the picture's proportions from the height
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace compose {

struct LogoPlacement {
    std::int32_t left = 0;
    std::int32_t height = 0;
    std::int32_t width = 0;
};

struct LogoPlacementRead {
    std::optional<LogoPlacement> placement;
    std::string error; // names the fault; empty when read
};

// Reads the file's text. Each number is read by the leading-number rule and rounded to a whole
// number; a text with fewer than four numbers, or a number beyond 32 bits, is refused.
LogoPlacementRead ReadLogoPlacement(std::string_view text);

} // namespace compose
