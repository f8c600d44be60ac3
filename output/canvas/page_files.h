// Canvas pages written as image files, one file a page, through the module's image writers:
// BMP, GIF87a or TIFF (the TIFF recording the canvas's draw scale as its resolution).
#pragma once

#include "output/canvas/canvas.h"
#include "output/error_codes.h"

#include <cstdint>
#include <string_view>

namespace output {

enum class PageFileFormat : std::int32_t { Bmp = 1, Gif = 2, Tiff = 3 };

// Writes page `page` to `name` + the format's extension (".bmp", ".gif", ".tif"; "\" in `name`
// separates folders), or with `page` 0 every page, page N to `name` + "_N" + the extension.
// CannotAccessFile when the name is empty or a page's bitmap or file cannot be made; the pages
// stop there, and files of earlier pages stay written.
CanvasError WritePageFiles(const Canvas& canvas, std::int32_t page, std::string_view name,
                           PageFileFormat format);

} // namespace output
