// The 3-D half of a graph: the scene drawn with OpenGL into a 24-bit bitmap.
#pragma once

#include "output/error_codes.h"
#include "output/graph/graph_chart.h"

namespace output {

// Renders the scene of `chart` into `image`, a 24-bit bottom-up DIB section of xSize x ySize whose
// pixels lie at `bits`. Pixels no surface covers keep the mask colour.
GraphError RenderScene(const GraphChart& chart, int xSize, int ySize, void* bits);

} // namespace output
