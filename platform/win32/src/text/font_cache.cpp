// Realized fonts are kept per logical font, pixel height and source, and reused.
#include "platform/win32/src/text/font_engine.h"

#include <cstring>
#include <map>
#include <tuple>

namespace win32 {

namespace {

FontSource& CurrentSource() {
    static FontSource source = FontSource::System;
    return source;
}

using FontKey = std::tuple<FontSource, std::string, int, int>;

std::map<FontKey, std::shared_ptr<RealizedFont>>& Cache() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static std::map<FontKey, std::shared_ptr<RealizedFont>>& cache =
        *new std::map<FontKey, std::shared_ptr<RealizedFont>>;
    return cache;
}

} // namespace

void UseFontSource(FontSource source) {
    CurrentSource() = source;
}

void SetCommonMetrics(TEXTMETRICA& metrics, const LOGFONTA& font, int dpiY) {
    metrics.tmDigitizedAspectX = dpiY;
    metrics.tmDigitizedAspectY = dpiY;
    metrics.tmFirstChar = 32;
    metrics.tmLastChar = 255;
    metrics.tmDefaultChar = 31;
    metrics.tmBreakChar = 32;
    metrics.tmItalic = font.lfItalic ? 255 : 0;
    metrics.tmUnderlined = font.lfUnderline ? 255 : 0;
    metrics.tmStruckOut = font.lfStrikeOut ? 255 : 0;
    metrics.tmCharSet = ANSI_CHARSET;
}

std::shared_ptr<RealizedFont> RealizeFont(const LOGFONTA& font, int pixelHeight, int dpiY) {
    // The height lives in the key; the rest of the logical font is compared byte for byte.
    LOGFONTA normalized = font;
    normalized.lfHeight = 0;
    std::size_t nameLength = strnlen(font.lfFaceName, LF_FACESIZE);
    std::memset(normalized.lfFaceName + nameLength, 0, LF_FACESIZE - nameLength);
    FontKey key{CurrentSource(),
                std::string(reinterpret_cast<const char*>(&normalized), sizeof normalized),
                pixelHeight, dpiY};
    std::shared_ptr<RealizedFont>& cached = Cache()[key];
    if (!cached) {
        cached = CurrentSource() == FontSource::FixedMetrics
                     ? NewFixedMetricsFont(font, pixelHeight, dpiY)
                     : NewSystemFont(font, pixelHeight, dpiY);
    }
    return cached;
}

} // namespace win32
