// Fonts realized for a device: metrics in device pixels and monochrome glyph images for the 256
// characters of Windows-1252.
#pragma once

#include "platform/win32/font_provider.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace win32 {

struct Glyph {
    int advance = 0;
    // Placement of the image relative to the pen position on the baseline: `left` pixels to the
    // right, its first row `top` pixels above the baseline.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width x height, 1 where ink
};

class RealizedFont {
public:
    virtual ~RealizedFont() = default;
    virtual const Glyph& GlyphFor(unsigned char character) = 0;

    TEXTMETRICA metrics{};
    std::string faceName;
    // Rows are counted down from the baseline: row 0 is the first below the characters.
    int underlineOffset = 1; // centre of the underline
    int underlineThickness = 1;
    int strikeoutOffset = 1; // rows above the baseline row
    int strikeoutThickness = 1;
};

// Sets the metrics every source reports alike: the character range, the break character, the
// digitized aspect, the styles asked for and the character set.
void SetCommonMetrics(TEXTMETRICA& metrics, const LOGFONTA& font, int dpiY);

// `pixelHeight` is the logical font's height in device pixels, negative for a character height;
// 0 is never passed.
std::shared_ptr<RealizedFont> RealizeFont(const LOGFONTA& font, int pixelHeight, int dpiY);

std::unique_ptr<RealizedFont> NewFixedMetricsFont(const LOGFONTA& font, int pixelHeight, int dpiY);
std::unique_ptr<RealizedFont> NewSystemFont(const LOGFONTA& font, int pixelHeight, int dpiY);

} // namespace win32
