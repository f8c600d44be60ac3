// The chart's background: a solid colour or a gradient in stripes, then the wallpaper bitmap.
#pragma once

#include "family/graph/src/chart.h"
#include "family/graph/src/painter.h"

namespace plotwen {

// A gradient runs in n + 1 stripes, n being the largest difference of a colour component
// between the two colours; equal colours make one stripe in the start colour.
void DrawBackground(Painter& painter, const Chart& chart, int width, int height);

// Centred on the bitmap, or tiled from the top left corner over all of it. A handle that is no
// bitmap, or one selected elsewhere, draws nothing.
void DrawWallpaper(Painter& painter, const Chart& chart, int width, int height);

} // namespace plotwen
