// Character outlines as OpenGL display lists, in place of the outline fonts that Windows builds
// for a rendering context.
//
// Each character of a font file becomes one display list that draws the glyph as a solid:
// the outline in the plane z = 0 facing +z, the same outline at z = -extrusion facing -z, and
// side walls joining them. Coordinates are in ems (the font's em square is 1.0 high), the
// baseline at y = 0 and the glyph's origin at x = 0; every list ends by moving the current
// position right by the glyph's advance, so that calling the lists of a text in turn lays it
// out. Curves are flattened into short lines; the faces are tessellated by the GLU tessellator
// with the non-zero winding rule, so that holes stay open whatever the font's contour order.
// A code the font has no glyph for gets a list that only advances.
#pragma once

#include <filesystem>
#include <string>

namespace gl {

// The lists of a font: for the codes `first` to `first + count - 1` of `file`, extruded by
// `extrusion` ems.
struct OutlineFontRequest {
    std::filesystem::path file;
    unsigned first = 0;
    unsigned count = 0;
    float extrusion = 0.0f;
};

class OutlineFont {
public:
    // Builds `count` lists for the codes `first` to `first + count - 1` in the current context.
    // Fails, with a message in error, when the font file cannot be read or the context gives no
    // lists.
    bool Build(const std::filesystem::path& fontFile, unsigned first, unsigned count,
               float extrusion, std::string& error);

    // Frees the lists in the context that is current; also done by the destructor, which must
    // then run with the same context current.
    void Release();
    ~OutlineFont() { Release(); }

    OutlineFont() = default;
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;

    // The list of `code`'s glyph, 0 for a code outside the lists built.
    unsigned ListOf(unsigned code) const;

    // Draws the characters of a text (single-byte codes) one after another from the current
    // position; codes outside the lists built are skipped.
    void DrawText(const std::string& text) const;

private:
    unsigned base_ = 0;
    unsigned first_ = 0;
    unsigned count_ = 0;
};

} // namespace gl
