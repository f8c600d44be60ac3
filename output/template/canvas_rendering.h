// Laying a rich-text document out on the pages of a Canvas object, through its ICanvas
// interface alone (rich_text_reader.h reads the document).
#pragma once

#include "output/output.h"

#include <string_view>

namespace output {

// Reads the page's size and margins from `canvas`, then places the document's margins,
// paragraphs, page breaks and drawing objects on it. What the canvas reports is not looked at.
void RenderOnCanvas(std::string_view document, ICanvas& canvas);

} // namespace output
