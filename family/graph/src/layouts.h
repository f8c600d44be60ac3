// The two layouts of a chart: legend, floor, category labels, value lines and series.
#pragma once

#include "family/graph/src/scene.h"

namespace plotwen {

// Three-dimensional: blocks with depth, stacks one behind the other.
void DrawDepthLayout(Scene& scene);

// Flat: outlined bars and areas, stacks side by side.
void DrawFlatLayout(Scene& scene);

} // namespace plotwen
