#include "platform/gl/quadrics.h"

#include "platform/gl/gl_functions.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace gl {

namespace {

struct Direction {
    double cosine;
    double sine;
};

// The directions of `count` equal steps around a full turn, the first repeated at the end so
// that a strip closes exactly.
std::vector<Direction> AroundTheAxis(int count) {
    std::vector<Direction> directions;
    directions.reserve(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / count;
        directions.push_back({std::cos(angle), std::sin(angle)});
    }
    directions.push_back(directions.front());
    return directions;
}

} // namespace

void Sphere(double radius, int slices, int stacks) {
    if (slices < 3 || stacks < 2) {
        return;
    }
    const std::vector<Direction> around = AroundTheAxis(slices);
    // One band of quads per stack, between the polar angles of its upper and lower edges; the
    // unit normal of a point is its direction from the centre.
    for (int stack = 0; stack < stacks; ++stack) {
        const double upper = std::numbers::pi * stack / stacks;
        const double lower = std::numbers::pi * (stack + 1) / stacks;
        Begin(GL_QUAD_STRIP);
        for (const Direction& direction : around) {
            for (const double polar : {upper, lower}) {
                const double ring = std::sin(polar);
                const double x = ring * direction.cosine;
                const double y = ring * direction.sine;
                const double z = std::cos(polar);
                Normal3d(x, y, z);
                Vertex3d(radius * x, radius * y, radius * z);
            }
        }
        End();
    }
}

void Cylinder(double radius, double height, int slices, int stacks) {
    if (slices < 3 || stacks < 1) {
        return;
    }
    const std::vector<Direction> around = AroundTheAxis(slices);
    for (int stack = 0; stack < stacks; ++stack) {
        const double bottom = height * stack / stacks;
        const double top = height * (stack + 1) / stacks;
        Begin(GL_QUAD_STRIP);
        for (const Direction& direction : around) {
            Normal3d(direction.cosine, direction.sine, 0.0);
            Vertex3d(radius * direction.cosine, radius * direction.sine, bottom);
            Vertex3d(radius * direction.cosine, radius * direction.sine, top);
        }
        End();
    }
}

} // namespace gl
