// Rendering one canvas page into a bitmap at the canvas's draw scale (pixels per inch): images,
// then polygons, lines and words, each kind in the order placed, on white. A page that holds
// only black and white items gets a monochrome bitmap, any other a bitmap of the screen's depth.
#pragma once

#include "output/canvas/canvas.h"
#include "output/canvas/gdi_object.h"

#include <cstdint>

namespace output {

// Pages wider or taller than this many pixels are not made.
inline constexpr std::int64_t kMaxPageBitmapSide = 16384;

// Empty when `page` is not a page of the canvas or the bitmap cannot be made.
OwnedBitmap RenderPage(const Canvas& canvas, std::int32_t page);

} // namespace output
