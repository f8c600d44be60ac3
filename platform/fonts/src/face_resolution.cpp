// fontconfig chooses the file; FreeType opens it. Both are set up once for the process and let
// go of at exit, so that leak checks see a clean process.
#include "platform/fonts/face_resolution.h"

#include "platform/runtime/windows1252.h"

#include <fontconfig/fontconfig.h>
#include FT_TRUETYPE_TABLES_H

#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace fonts {

namespace {

FcConfig* Config() {
    static FcConfig* config = [] {
        FcConfig* loaded = FcInitLoadConfigAndFonts();
        std::atexit([] {
            FcConfigDestroy(Config());
            FcFini();
        });
        return loaded;
    }();
    return config;
}

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0) {
            made = nullptr;
        }
        return made;
    }();
    return library;
}

std::string PatternString(FcPattern* pattern, const char* key) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, key, 0, &value) != FcResultMatch || value == nullptr) {
        return "";
    }
    return reinterpret_cast<const char*>(value);
}

void AddFamily(FcPattern* pattern, const std::string& family) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
}

// The faces OpenFace opened, by file and index; they stay open for the process.
std::map<std::pair<std::string, int>, FT_Face>& OpenedFaces() {
    static std::map<std::pair<std::string, int>, FT_Face> faces;
    return faces;
}

// The advances of each character of the faces OpenFace opened, loaded from the glyph at the
// first measurement: text is measured a word at a time, over and over the same characters.
using Advances = std::array<std::optional<double>, 256>;
std::map<FT_Face, Advances>& KeptAdvances() {
    static std::map<FT_Face, Advances> advances;
    return advances;
}

} // namespace

ResolvedFace ResolveFace(const FaceRequest& request) {
    // The fonts are loaded once for the process, so a request chooses one face for all of it:
    // fontconfig is asked once for each request, not again at every font a drawing makes.
    static std::map<std::tuple<std::string, Generic, bool, bool>, ResolvedFace> chosen;
    const auto key = std::make_tuple(request.name, request.generic, request.bold, request.italic);
    if (const auto kept = chosen.find(key); kept != chosen.end()) {
        return kept->second;
    }
    ResolvedFace resolved;
    resolved.generic = GenericOfFaceName(request.name).value_or(request.generic);
    const bool substituted = request.name.empty() || GenericOfFaceName(request.name).has_value();
    // fontconfig knows names in UTF-8; the system's names are Windows-1252.
    std::string family =
        substituted ? LiberationFamily(resolved.generic) : runtime::Windows1252ToUtf8(request.name);
    FcPattern* pattern = FcPatternCreate();
    AddFamily(pattern, family);
    AddFamily(pattern, LiberationFamily(resolved.generic));
    AddFamily(pattern, GenericFamilyName(resolved.generic));
    FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(Config(), pattern, &result);
    if (match != nullptr) {
        resolved.family = PatternString(match, FC_FAMILY);
        resolved.style = PatternString(match, FC_STYLE);
        resolved.file = PatternString(match, FC_FILE);
        FcPatternGetInteger(match, FC_INDEX, 0, &resolved.index);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    chosen.emplace(key, resolved);
    return resolved;
}

FT_Face OpenFace(const ResolvedFace& face) {
    auto key = std::make_pair(face.file, face.index);
    auto found = OpenedFaces().find(key);
    if (found != OpenedFaces().end()) {
        return found->second;
    }
    FT_Face opened = nullptr;
    if (face.file.empty() || Library() == nullptr ||
        FT_New_Face(Library(), face.file.c_str(), face.index, &opened) != 0) {
        opened = nullptr;
    }
    OpenedFaces()[key] = opened;
    if (opened != nullptr) {
        KeptAdvances().emplace(opened, Advances{});
    }
    return opened;
}

FaceMetrics MetricsOf(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    double unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    double ascent = os2 ? os2->usWinAscent : face->ascender;
    double descent = os2 ? os2->usWinDescent : -face->descender;
    if (ascent + descent <= 0) {
        ascent = unitsPerEm;
        descent = 0;
    }
    double gap = 0;
    if (hhea != nullptr) {
        gap = hhea->Line_Gap - ((ascent + descent) - (hhea->Ascender - hhea->Descender));
        gap = gap > 0 ? gap : 0;
    }
    return FaceMetrics{ascent / unitsPerEm, descent / unitsPerEm,
                       (ascent + descent + gap) / unitsPerEm};
}

double AdvanceOf(FT_Face face, unsigned char character) {
    const auto kept = KeptAdvances().find(face);
    if (kept != KeptAdvances().end() && kept->second[character]) {
        return *kept->second[character];
    }
    double advance = 0;
    FT_UInt index = FT_Get_Char_Index(face, runtime::Windows1252Character(character));
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) == 0) {
        double unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
        advance = static_cast<double>(face->glyph->metrics.horiAdvance) / unitsPerEm;
    }
    if (kept != KeptAdvances().end()) {
        kept->second[character] = advance;
    }
    return advance;
}

} // namespace fonts
