// The fixed-metrics font source (its rules are in font_provider.h).
#include "platform/win32/src/text/font_engine.h"

#include <algorithm>

namespace win32 {

namespace {

class FixedMetricsFont : public RealizedFont {
public:
    FixedMetricsFont(const LOGFONTA& font, int pixelHeight, int dpiY) {
        int h = pixelHeight < 0 ? -pixelHeight : pixelHeight - pixelHeight / 5;
        h = std::max(h, 1);
        advance_ = std::max(1, h / 2);
        boxHeight_ = std::max(1, 3 * h / 4);
        TEXTMETRICA& m = metrics;
        m.tmAscent = h;
        m.tmDescent = h / 4;
        m.tmHeight = m.tmAscent + m.tmDescent;
        m.tmInternalLeading = h / 4;
        m.tmExternalLeading = 0;
        m.tmAveCharWidth = advance_;
        m.tmMaxCharWidth = advance_;
        m.tmWeight = font.lfWeight == 0 ? FW_NORMAL : font.lfWeight;
        SetCommonMetrics(m, font, dpiY);
        m.tmPitchAndFamily = TMPF_VECTOR | TMPF_TRUETYPE | (font.lfPitchAndFamily & 0xF0);
        faceName = font.lfFaceName[0] ? font.lfFaceName : "Fixed Metrics";
        underlineOffset = 0;
        strikeoutOffset = std::max(1, h / 3);
    }

    const Glyph& GlyphFor(unsigned char character) override {
        if (character == ' ') {
            return blank_.advance ? blank_ : (blank_ = Glyph{advance_, 0, 0, 0, 0, {}});
        }
        if (box_.advance == 0) {
            int width = std::max(advance_ - 1, 1);
            box_ =
                Glyph{advance_,
                      0,
                      boxHeight_,
                      width,
                      boxHeight_,
                      std::vector<std::uint8_t>(static_cast<std::size_t>(width) * boxHeight_, 1)};
        }
        return box_;
    }

private:
    int advance_;
    int boxHeight_;
    Glyph blank_;
    Glyph box_;
};

} // namespace

std::unique_ptr<RealizedFont> NewFixedMetricsFont(const LOGFONTA& font, int pixelHeight, int dpiY) {
    return std::make_unique<FixedMetricsFont>(font, pixelHeight, dpiY);
}

} // namespace win32
