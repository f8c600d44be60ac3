// A glyph's outline as closed polygons: FreeType's contours with their curves flattened.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <vector>

namespace gl {

struct ContourPoint {
    double x;
    double y;
};

struct GlyphContours {
    // Each contour closed implicitly: the last point joins the first.
    std::vector<std::vector<ContourPoint>> contours;
    // True when the filled side lies right of the contour's direction (outer contours clockwise),
    // which decides where the side walls face.
    bool filledOnTheRight = true;
};

// The contours of `outline` with every coordinate multiplied by `scale`.
GlyphContours FlattenOutline(FT_Outline& outline, double scale);

} // namespace gl
