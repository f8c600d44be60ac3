// Printing canvas pages on the canvas's printer: one print job named after the document, each
// page drawn at the printer's own resolution and placed so that the printed page matches the
// canvas (the printer's unprintable margin is taken off every position).
#pragma once

#include "output/canvas/canvas.h"
#include "output/error_codes.h"

#include <cstdint>
#include <string>

namespace output {

// Prints page `page`, or with 0 every page. InvalidDevice when the canvas has no printer or no
// printer context or job can be had; CannotAccessFile when a page or the job's end fails (the
// job is then dropped, nothing of it printed).
CanvasError PrintPages(const Canvas& canvas, std::int32_t page, const std::string& documentName);

} // namespace output
