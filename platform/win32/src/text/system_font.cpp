// The system font source: faces chosen by platform/fonts, glyphs rendered by FreeType in
// monochrome, metrics computed as GDI reports them for TrueType faces (ascent and descent from
// the Windows metrics of the OS/2 table).
#include "platform/fonts/face_resolution.h"
#include "platform/runtime/windows1252.h"
#include "platform/win32/src/text/font_engine.h"

#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace win32 {

namespace {

fonts::Generic GenericOf(const LOGFONTA& font) {
    int family = font.lfPitchAndFamily & 0xF0;
    if ((font.lfPitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN) {
        return fonts::Generic::Mono;
    }
    if (family == FF_ROMAN) {
        return fonts::Generic::Serif;
    }
    return fonts::Generic::Sans;
}

fonts::ResolvedFace ChooseFace(const LOGFONTA& font) {
    return fonts::ResolveFace({std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)),
                               GenericOf(font), font.lfWeight >= 600, font.lfItalic != 0});
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
        if (!cached) {
            cached = Render(character);
        }
        return *cached;
    }

private:
    Glyph Render(unsigned char character) {
        Glyph glyph;
        FT_Activate_Size(size_);
        FT_UInt index = FT_Get_Char_Index(face_, runtime::Windows1252Character(character));
        if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
            return glyph;
        }
        FT_GlyphSlot slot = face_->glyph;
        glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
            return glyph;
        }
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.height = static_cast<int>(bitmap.rows);
        glyph.pixels.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row =
                bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x) {
                glyph.pixels[static_cast<std::size_t>(y) * glyph.width + x] =
                    (row[x >> 3] >> (7 - (x & 7))) & 1;
            }
        }
        return glyph;
    }

    FT_Face face_;
    FT_Size size_;
    std::optional<Glyph> glyphs_[256];
};

} // namespace

FontFace ResolveFontFace(const LOGFONTA& font) {
    fonts::ResolvedFace face = ChooseFace(font);
    return FontFace{face.family, face.style, face.file};
}

std::unique_ptr<RealizedFont> NewSystemFont(const LOGFONTA& font, int pixelHeight, int dpiY) {
    fonts::ResolvedFace choice = ChooseFace(font);
    FT_Face face = fonts::OpenFace(choice);
    if (face == nullptr) {
        return NewFixedMetricsFont(font, pixelHeight, dpiY);
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    double unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    fonts::FaceMetrics ems = fonts::MetricsOf(face);
    // A cell height scales the face so that ascent + descent fill it; a character height is
    // the em size.
    double emPixels = pixelHeight < 0 ? -pixelHeight : pixelHeight / (ems.ascent + ems.descent);
    FT_Size size = nullptr;
    if (FT_New_Size(face, &size) != 0) {
        return NewFixedMetricsFont(font, pixelHeight, dpiY);
    }
    FT_Activate_Size(size);
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(emPixels * 64)), 72, 72);
    auto realized = std::make_unique<SystemFont>(face, size);

    double scale = emPixels / unitsPerEm;
    TEXTMETRICA& m = realized->metrics;
    m.tmAscent = Round(ems.ascent * emPixels);
    m.tmDescent = pixelHeight < 0 ? Round(ems.descent * emPixels) : pixelHeight - m.tmAscent;
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - Round(emPixels));
    m.tmExternalLeading = Round((ems.lineSpacing - ems.ascent - ems.descent) * emPixels);
    m.tmAveCharWidth = os2 ? Round(os2->xAvgCharWidth * scale) : Round(emPixels / 2);
    m.tmMaxCharWidth = Round((face->bbox.xMax - face->bbox.xMin) * scale);
    m.tmWeight = os2 ? os2->usWeightClass : (font.lfWeight >= 600 ? FW_BOLD : FW_NORMAL);
    SetCommonMetrics(m, font, dpiY);
    m.tmItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) ? 255 : 0;
    int family = choice.generic == fonts::Generic::Mono    ? FF_MODERN
                 : choice.generic == fonts::Generic::Serif ? FF_ROMAN
                                                           : FF_SWISS;
    m.tmPitchAndFamily = static_cast<BYTE>((FT_IS_FIXED_WIDTH(face) ? 0 : TMPF_FIXED_PITCH) |
                                           TMPF_VECTOR | TMPF_TRUETYPE | family);
    realized->faceName = choice.family;
    realized->underlineOffset = std::max(1, Round(-face->underline_position * scale));
    realized->underlineThickness = std::max(1, Round(face->underline_thickness * scale));
    if (os2 != nullptr) {
        realized->strikeoutOffset = std::max(1, Round(os2->yStrikeoutPosition * scale));
        realized->strikeoutThickness = std::max(1, Round(os2->yStrikeoutSize * scale));
    }
    return realized;
}

} // namespace win32
