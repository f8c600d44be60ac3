// The system font source: faces chosen through fontconfig by the substitution table of
// font_provider.h, glyphs rendered by FreeType in monochrome, metrics computed as GDI reports
// them for TrueType faces (ascent and descent from the Windows metrics of the OS/2 table).
#include "platform/runtime/windows1252.h"
#include "platform/win32/src/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <strings.h>

namespace win32 {

namespace {

// The order indexes kGenericFaces.
enum class Generic { Sans, Serif, Mono };

struct Substitution {
    const char* name;
    Generic generic;
};

constexpr Substitution kSubstitutions[] = {
    {"Arial", Generic::Sans},
    {"Helvetica", Generic::Sans},
    {"MS Sans Serif", Generic::Sans},
    {"Microsoft Sans Serif", Generic::Sans},
    {"MS Shell Dlg", Generic::Sans},
    {"System", Generic::Sans},
    {"Times New Roman", Generic::Serif},
    {"Times", Generic::Serif},
    {"MS Serif", Generic::Serif},
    {"Courier New", Generic::Mono},
    {"Courier", Generic::Mono},
};

// By Generic: the Liberation face that stands for it, and fontconfig's generic name.
struct GenericFaces {
    const char* liberation;
    const char* fallback;
};
constexpr GenericFaces kGenericFaces[] = {
    {"Liberation Sans", "sans-serif"},
    {"Liberation Serif", "serif"},
    {"Liberation Mono", "monospace"},
};

const char* LiberationFamily(Generic generic) {
    return kGenericFaces[static_cast<int>(generic)].liberation;
}

const char* GenericName(Generic generic) {
    return kGenericFaces[static_cast<int>(generic)].fallback;
}

Generic GenericOf(const LOGFONTA& font) {
    int family = font.lfPitchAndFamily & 0xF0;
    if ((font.lfPitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN)
        return Generic::Mono;
    if (family == FF_ROMAN)
        return Generic::Serif;
    return Generic::Sans;
}

struct FaceChoice {
    FontFace face;
    int index = 0;
    Generic generic = Generic::Sans;
};

FcConfig* Config() {
    static FcConfig* config = [] {
        FcConfig* loaded = FcInitLoadConfigAndFonts();
        // Let go of fontconfig's caches at exit, so that leak checks see a clean process.
        std::atexit([] {
            FcConfigDestroy(Config());
            FcFini();
        });
        return loaded;
    }();
    return config;
}

std::string PatternString(FcPattern* pattern, const char* key) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, key, 0, &value) != FcResultMatch || value == nullptr)
        return "";
    return reinterpret_cast<const char*>(value);
}

FaceChoice ChooseFace(const LOGFONTA& font) {
    FaceChoice choice;
    std::string name(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
    std::string family;
    choice.generic = GenericOf(font);
    if (name.empty()) {
        family = LiberationFamily(choice.generic);
    } else {
        family = name;
        for (const Substitution& s : kSubstitutions) {
            if (strcasecmp(s.name, name.c_str()) == 0) {
                choice.generic = s.generic;
                family = LiberationFamily(s.generic);
            }
        }
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(LiberationFamily(choice.generic)));
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(GenericName(choice.generic)));
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        font.lfWeight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(Config(), pattern, &result);
    if (match != nullptr) {
        choice.face.family = PatternString(match, FC_FAMILY);
        choice.face.style = PatternString(match, FC_STYLE);
        choice.face.file = PatternString(match, FC_FILE);
        FcPatternGetInteger(match, FC_INDEX, 0, &choice.index);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return choice;
}

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        FT_Init_FreeType(&made);
        return made;
    }();
    return library;
}

// Faces are opened once per file and shared; each realized font has its own size object.
FT_Face OpenFace(const std::string& file, int index) {
    static std::map<std::pair<std::string, int>, FT_Face> faces;
    auto key = std::make_pair(file, index);
    auto found = faces.find(key);
    if (found != faces.end())
        return found->second;
    FT_Face face = nullptr;
    if (Library() == nullptr || FT_New_Face(Library(), file.c_str(), index, &face) != 0)
        face = nullptr;
    faces[key] = face;
    return face;
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

class SystemFont : public RealizedFont {
public:
    SystemFont(FT_Face face, FT_Size size) : face_(face), size_(size) {}
    ~SystemFont() override { FT_Done_Size(size_); }

    const Glyph& GlyphFor(unsigned char character) override {
        std::optional<Glyph>& cached = glyphs_[character];
        if (!cached)
            cached = Render(character);
        return *cached;
    }

private:
    Glyph Render(unsigned char character) {
        Glyph glyph;
        FT_Activate_Size(size_);
        FT_UInt index = FT_Get_Char_Index(face_, runtime::Windows1252Character(character));
        if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
            return glyph;
        FT_GlyphSlot slot = face_->glyph;
        glyph.advance = int((slot->linearHoriAdvance + 0x8000) >> 16);
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
            return glyph;
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = int(bitmap.width);
        glyph.height = int(bitmap.rows);
        glyph.pixels.resize(std::size_t(glyph.width) * glyph.height);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x)
                glyph.pixels[std::size_t(y) * glyph.width + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
        }
        return glyph;
    }

    FT_Face face_;
    FT_Size size_;
    std::optional<Glyph> glyphs_[256];
};

} // namespace

FontFace ResolveFontFace(const LOGFONTA& font) {
    return ChooseFace(font).face;
}

std::unique_ptr<RealizedFont> NewSystemFont(const LOGFONTA& font, int pixelHeight, int dpiY) {
    FaceChoice choice = ChooseFace(font);
    FT_Face face = choice.face.file.empty() ? nullptr : OpenFace(choice.face.file, choice.index);
    if (face == nullptr)
        return NewFixedMetricsFont(font, pixelHeight, dpiY);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    double unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    double winAscent = os2 ? os2->usWinAscent : face->ascender;
    double winDescent = os2 ? os2->usWinDescent : -face->descender;
    if (winAscent + winDescent <= 0) {
        winAscent = unitsPerEm;
        winDescent = 0;
    }
    // A cell height scales the face so that ascent + descent fill it; a character height is
    // the em size.
    double emPixels =
        pixelHeight < 0 ? -pixelHeight : pixelHeight * unitsPerEm / (winAscent + winDescent);
    FT_Size size = nullptr;
    if (FT_New_Size(face, &size) != 0)
        return NewFixedMetricsFont(font, pixelHeight, dpiY);
    FT_Activate_Size(size);
    FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(emPixels * 64)), 72, 72);
    auto realized = std::make_unique<SystemFont>(face, size);

    double scale = emPixels / unitsPerEm;
    TEXTMETRICA& m = realized->metrics;
    m.tmAscent = Round(winAscent * scale);
    m.tmDescent = pixelHeight < 0 ? Round(winDescent * scale) : pixelHeight - m.tmAscent;
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - Round(emPixels));
    if (hhea != nullptr) {
        double gap =
            hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
        m.tmExternalLeading = std::max(0, Round(gap * scale));
    }
    m.tmAveCharWidth = os2 ? Round(os2->xAvgCharWidth * scale) : Round(emPixels / 2);
    m.tmMaxCharWidth = Round((face->bbox.xMax - face->bbox.xMin) * scale);
    m.tmWeight = os2 ? os2->usWeightClass : (font.lfWeight >= 600 ? FW_BOLD : FW_NORMAL);
    SetCommonMetrics(m, font, dpiY);
    m.tmItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) ? 255 : 0;
    int family = choice.generic == Generic::Mono    ? FF_MODERN
                 : choice.generic == Generic::Serif ? FF_ROMAN
                                                    : FF_SWISS;
    m.tmPitchAndFamily = BYTE((FT_IS_FIXED_WIDTH(face) ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR |
                              TMPF_TRUETYPE | family);
    realized->faceName = choice.face.family;
    realized->underlineOffset = std::max(1, Round(-face->underline_position * scale));
    realized->underlineThickness = std::max(1, Round(face->underline_thickness * scale));
    if (os2 != nullptr) {
        realized->strikeoutOffset = std::max(1, Round(os2->yStrikeoutPosition * scale));
        realized->strikeoutThickness = std::max(1, Round(os2->yStrikeoutSize * scale));
    }
    return realized;
}

} // namespace win32
