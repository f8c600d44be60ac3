#include "platform/gl/src/glyph_contours.h"

namespace gl {

namespace {

// Lines per curve: enough that the chord of a glyph's largest curves at 24 pixels to the em
// stays within a fraction of a pixel.
constexpr int kSegmentsPerCurve = 8;

struct Flattening {
    GlyphContours result;
    ContourPoint current{0.0, 0.0};
    double scale = 1.0;

    ContourPoint Scaled(const FT_Vector* point) const {
        return {static_cast<double>(point->x) * scale, static_cast<double>(point->y) * scale};
    }

    void Add(ContourPoint point) {
        if (!result.contours.empty()) {
            result.contours.back().push_back(point);
        }
        current = point;
    }
};

Flattening& StateOf(void* user) {
    return *static_cast<Flattening*>(user);
}

int MoveTo(const FT_Vector* to, void* user) {
    Flattening& state = StateOf(user);
    state.result.contours.emplace_back();
    state.Add(state.Scaled(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    Flattening& state = StateOf(user);
    state.Add(state.Scaled(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    Flattening& state = StateOf(user);
    const ContourPoint p0 = state.current;
    const ContourPoint p1 = state.Scaled(control);
    const ContourPoint p2 = state.Scaled(to);
    for (int i = 1; i <= kSegmentsPerCurve; ++i) {
        const double t = static_cast<double>(i) / kSegmentsPerCurve;
        const double u = 1.0 - t;
        state.Add({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                   u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    }
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
    Flattening& state = StateOf(user);
    const ContourPoint p0 = state.current;
    const ContourPoint p1 = state.Scaled(control1);
    const ContourPoint p2 = state.Scaled(control2);
    const ContourPoint p3 = state.Scaled(to);
    for (int i = 1; i <= kSegmentsPerCurve; ++i) {
        const double t = static_cast<double>(i) / kSegmentsPerCurve;
        const double u = 1.0 - t;
        const double a = u * u * u;
        const double b = 3 * u * u * t;
        const double c = 3 * u * t * t;
        const double d = t * t * t;
        state.Add(
            {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    return 0;
}

} // namespace

GlyphContours FlattenOutline(FT_Outline& outline, double scale) {
    Flattening state;
    state.scale = scale;
    const FT_Outline_Funcs funcs{MoveTo, LineTo, ConicTo, CubicTo, /*shift*/ 0, /*delta*/ 0};
    if (FT_Outline_Decompose(&outline, &funcs, &state) != 0) {
        return {};
    }
    // A contour that returns to its start repeats the first point; the polygon closes anyway.
    for (auto& contour : state.result.contours) {
        if (contour.size() > 1 && contour.front().x == contour.back().x &&
            contour.front().y == contour.back().y) {
            contour.pop_back();
        }
    }
    std::erase_if(state.result.contours, [](const auto& contour) { return contour.size() < 3; });
    state.result.filledOnTheRight =
        FT_Outline_Get_Orientation(&outline) != FT_ORIENTATION_POSTSCRIPT;
    return state.result;
}

} // namespace gl
