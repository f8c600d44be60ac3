// Text measured with the faces of platform/fonts: the faces the rendering draws with.
#pragma once

#include "platform/printdoc/src/display_list.h"

#include <string>

namespace printdoc {

struct FontMetricsTwips {
    double ascent = 0;
    double lineSpacing = 0;
};

// The face file chosen for a font: the same for measuring and for drawing. Kept for the process.
struct FaceFile {
    std::string file;
    int index = 0;
};

const FaceFile& FaceFileOf(const FontChoice& font);
double TextWidthTwips(const FontChoice& font, std::string_view text);
FontMetricsTwips MetricsTwips(const FontChoice& font);

} // namespace printdoc
