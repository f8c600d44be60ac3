#include "platform/printdoc/src/text_measure.h"

#include "platform/fonts/face_resolution.h"

#include <map>
#include <tuple>

namespace printdoc {

namespace {

constexpr double kTwipsPerPoint = 20;

// A font's face: resolved and opened once, with the face file that drawing uses.
struct KeptFace {
    FT_Face face = nullptr;
    FaceFile file;
};

// Faces by name and style, resolved once. A report measures and draws run after run in one
// font, so the face asked for last is answered without a look-up.
const KeptFace& FaceOf(const FontChoice& font) {
    static std::map<std::tuple<std::string, bool, bool>, KeptFace> kept;
    static const KeptFace* last = nullptr;
    static FontChoice lastFont;
    if (last != nullptr && font.name == lastFont.name && font.bold == lastFont.bold &&
        font.italic == lastFont.italic) {
        return *last;
    }
    auto key = std::make_tuple(font.name, font.bold, font.italic);
    auto found = kept.find(key);
    if (found == kept.end()) {
        const fonts::ResolvedFace resolved =
            fonts::ResolveFace({font.name, fonts::Generic::Sans, font.bold, font.italic});
        found =
            kept.emplace(key, KeptFace{fonts::OpenFace(resolved), {resolved.file, resolved.index}})
                .first;
    }
    last = &found->second;
    lastFont = font;
    return *last;
}

} // namespace

const FaceFile& FaceFileOf(const FontChoice& font) {
    return FaceOf(font).file;
}

double TextWidthTwips(const FontChoice& font, std::string_view text) {
    FT_Face face = FaceOf(font).face;
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
    FT_Face face = FaceOf(font).face;
    if (face == nullptr) {
        return FontMetricsTwips{em, em * 1.2};
    }
    fonts::FaceMetrics metrics = fonts::MetricsOf(face);
    return FontMetricsTwips{metrics.ascent * em, metrics.lineSpacing * em};
}

} // namespace printdoc
