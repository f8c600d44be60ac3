// Drawing a chart: the 3-D scene rendered with OpenGL into an off-screen bitmap, laid over the
// backdrop and the wallpaper through a transparency mask, with the 2-D title and legend on top.
#pragma once

#include "output/error_codes.h"
#include "output/graph/graph_chart.h"

#include "platform/win32/wingdi.h"

#include <cstdint>
#include <string>

namespace output {

// The largest picture side drawn. A picture is held three times while it is made (the render
// buffer, the scene's bitmap and the picture), about 11 bytes a pixel: 4096 x 4096 keeps that
// under 200 MB, and covers every screen the program sizes its graph for.
inline constexpr std::int32_t kMaxPictureSide = 4096;

// The picture of `chart` as a screen-compatible bitmap of xSize x ySize, owned by the caller.
// Sizes of 0 or less or above kMaxPictureSide, and bitmaps that cannot be made, give 4021;
// 4031 and 4041 come from the rendering context.
GraphError RenderGraph(const GraphChart& chart, std::int32_t xSize, std::int32_t ySize,
                       HBITMAP& picture);

enum class GraphFormat : std::int32_t { Handle = 0, Bmp = 1, Gif = 2 };

// Graph.Draw: renders, then by `format` hands the bitmap back in `handle` (Handle), writes
// name + ".bmp" (Bmp) or name + ".gif" (Gif), or reports 4001 for any other format. "\" in
// `name` separates folders. A file that cannot be written is 4011 and leaves any earlier file
// whole.
GraphError DrawGraph(const GraphChart& chart, std::int32_t xSize, std::int32_t ySize,
                     const std::string& name, std::int32_t format, HBITMAP& handle);

} // namespace output
