#include "platform/gl/outline_font.h"

#include "platform/gl/gl_functions.h"
#include "platform/gl/src/glyph_contours.h"

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <deque>
#include <memory>

namespace gl {

namespace {

using Vertex = std::array<GLdouble, 3>;

struct FreeTypeLibrary {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeLibrary() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

struct TessellatorDeleter {
    void operator()(GLUtesselator* tessellator) const { gluDeleteTess(tessellator); }
};
using Tessellator = std::unique_ptr<GLUtesselator, TessellatorDeleter>;

// Points the tessellator makes where contours cross; they must live until the polygon ends.
struct CombinedVertices {
    std::deque<Vertex> vertices;
};

void CombineVertices(GLdouble coordinates[3], void* /*neighbours*/[4], GLfloat /*weights*/[4],
                     void** out, void* polygonData) {
    auto& combined = *static_cast<CombinedVertices*>(polygonData);
    combined.vertices.push_back({coordinates[0], coordinates[1], coordinates[2]});
    *out = combined.vertices.back().data();
}

Tessellator NewTessellator() {
    Tessellator tessellator(gluNewTess());
    if (tessellator == nullptr) {
        return tessellator;
    }
    gluTessProperty(tessellator.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    // The tessellator itself draws nothing: it hands its triangles to the renderer's functions.
    const Functions& renderer = Renderer();
    gluTessCallback(tessellator.get(), GLU_TESS_BEGIN,
                    reinterpret_cast<_GLUfuncptr>(renderer.Begin));
    gluTessCallback(tessellator.get(), GLU_TESS_VERTEX,
                    reinterpret_cast<_GLUfuncptr>(renderer.Vertex3dv));
    gluTessCallback(tessellator.get(), GLU_TESS_END, reinterpret_cast<_GLUfuncptr>(renderer.End));
    gluTessCallback(tessellator.get(), GLU_TESS_COMBINE_DATA,
                    reinterpret_cast<_GLUfuncptr>(&CombineVertices));
    return tessellator;
}

// One face of the glyph: its contours at depth z, facing along normalZ (+1 or -1).
void DrawFace(GLUtesselator* tessellator, const GlyphContours& glyph, double z, double normalZ) {
    std::deque<Vertex> vertices;
    CombinedVertices combined;
    Normal3d(0.0, 0.0, normalZ);
    gluTessNormal(tessellator, 0.0, 0.0, normalZ);
    gluTessBeginPolygon(tessellator, &combined);
    for (const auto& contour : glyph.contours) {
        gluTessBeginContour(tessellator);
        for (const ContourPoint& point : contour) {
            vertices.push_back({point.x, point.y, z});
            gluTessVertex(tessellator, vertices.back().data(), vertices.back().data());
        }
        gluTessEndContour(tessellator);
    }
    gluTessEndPolygon(tessellator);
}

// The walls between the front face at z = 0 and the back face at z = -extrusion, one quad per
// edge, each facing away from the filled side.
void DrawSideWalls(const GlyphContours& glyph, double extrusion) {
    const double outward = glyph.filledOnTheRight ? 1.0 : -1.0;
    Begin(GL_QUADS);
    for (const auto& contour : glyph.contours) {
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const ContourPoint& from = contour[i];
            const ContourPoint& to = contour[(i + 1) % contour.size()];
            const double dx = to.x - from.x;
            const double dy = to.y - from.y;
            const double length = std::hypot(dx, dy);
            if (length == 0.0) {
                continue;
            }
            // With the fill on the right, the left of the direction (-dy, dx) is outside.
            Normal3d(-dy / length * outward, dx / length * outward, 0.0);
            Vertex3d(from.x, from.y, 0.0);
            Vertex3d(from.x, from.y, -extrusion);
            Vertex3d(to.x, to.y, -extrusion);
            Vertex3d(to.x, to.y, 0.0);
        }
    }
    End();
}

} // namespace

bool OutlineFont::Build(const std::filesystem::path& fontFile, unsigned first, unsigned count,
                        float extrusion, std::string& error) {
    Release();
    FreeTypeLibrary freeType;
    if (FT_Init_FreeType(&freeType.library) != 0) {
        error = "FreeType cannot start";
        return false;
    }
    if (FT_New_Face(freeType.library, fontFile.c_str(), 0, &freeType.face) != 0 ||
        freeType.face->units_per_EM == 0 || !FT_IS_SCALABLE(freeType.face)) {
        error = "no scalable font in " + fontFile.string();
        return false;
    }
    const Tessellator tessellator = NewTessellator();
    if (tessellator == nullptr) {
        error = "no tessellator";
        return false;
    }
    const GLuint base = GenLists(static_cast<GLsizei>(count));
    if (base == 0) {
        error = "no display lists";
        return false;
    }
    base_ = base;
    first_ = first;
    count_ = count;

    const double scale = 1.0 / freeType.face->units_per_EM;
    for (unsigned i = 0; i < count; ++i) {
        NewList(base + i, GL_COMPILE);
        const FT_UInt glyphIndex = FT_Get_Char_Index(freeType.face, first + i);
        double advance = 0.0;
        if (glyphIndex != 0 &&
            FT_Load_Glyph(freeType.face, glyphIndex,
                          FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0 &&
            freeType.face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            const GlyphContours glyph = FlattenOutline(freeType.face->glyph->outline, scale);
            advance = static_cast<double>(freeType.face->glyph->advance.x) * scale;
            if (!glyph.contours.empty()) {
                DrawFace(tessellator.get(), glyph, 0.0, 1.0);
                DrawFace(tessellator.get(), glyph, -extrusion, -1.0);
                DrawSideWalls(glyph, extrusion);
            }
        }
        Translated(advance, 0.0, 0.0);
        EndList();
    }
    return true;
}

void OutlineFont::Release() {
    if (base_ != 0) {
        DeleteLists(base_, static_cast<GLsizei>(count_));
    }
    base_ = 0;
    first_ = 0;
    count_ = 0;
}

unsigned OutlineFont::ListOf(unsigned code) const {
    if (base_ == 0 || code < first_ || code - first_ >= count_) {
        return 0;
    }
    return base_ + (code - first_);
}

void OutlineFont::DrawText(const std::string& text) const {
    for (const char character : text) {
        const unsigned list = ListOf(static_cast<unsigned char>(character));
        if (list != 0) {
            CallList(list);
        }
    }
}

} // namespace gl
