#include "platform/printdoc/src/text_measure.h"

#include "platform/fonts/face_resolution.h"

#include <map>
#include <tuple>

namespace printdoc {

namespace {

constexpr double kTwipsPerPoint = 20;

// Faces by name and style, resolved once.
FT_Face FaceOf(const FontChoice& font, fonts::ResolvedFace* resolvedOut = nullptr) {
    static std::map<std::tuple<std::string, bool, bool>, fonts::ResolvedFace> resolved;
    auto key = std::make_tuple(font.name, font.bold, font.italic);
    auto found = resolved.find(key);
    if (found == resolved.end()) {
        found = resolved
                    .emplace(key, fonts::ResolveFace(
                                      {font.name, fonts::Generic::Sans, font.bold, font.italic}))
                    .first;
    }
    if (resolvedOut != nullptr) {
        *resolvedOut = found->second;
    }
    return fonts::OpenFace(found->second);
}

} // namespace

FaceFile FaceFileOf(const FontChoice& font) {
    fonts::ResolvedFace resolved;
    FaceOf(font, &resolved);
    return FaceFile{resolved.file, resolved.index};
}

double TextWidthTwips(const FontChoice& font, std::string_view text) {
    FT_Face face = FaceOf(font);
    if (face == nullptr) {
        return 0;
    }
    double ems = 0;
    for (char character : text) {
        ems += fonts::AdvanceOf(face, static_cast<unsigned char>(character));
    }
    return ems * font.size * kTwipsPerPoint;
}

FontMetricsTwips MetricsTwips(const FontChoice& font) {
    double em = font.size * kTwipsPerPoint;
    FT_Face face = FaceOf(font);
    if (face == nullptr) {
        return FontMetricsTwips{em, em * 1.2};
    }
    fonts::FaceMetrics metrics = fonts::MetricsOf(face);
    return FontMetricsTwips{metrics.ascent * em, metrics.lineSpacing * em};
}

} // namespace printdoc
