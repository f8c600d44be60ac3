// The gradient of a fade backdrop: a 1 x 48 screen-compatible bitmap, two rows of the top
// colour, 44 rows of steps from the top colour to the bottom one, two rows of the bottom colour.
// The picture is the gradient stretched over it.
#pragma once

#include "output/graph/graph_chart.h"

namespace output {

inline constexpr int kFadeGradientRows = 48;

// Null when the bitmap cannot be made; the caller owns it.
HBITMAP MakeFadeGradient(const GraphBackdrop& backdrop);

} // namespace output
