// Spheres and open cylinders as lit solids, drawn through gl_functions.h into the current
// context, in place of GLU's quadrics (which call the plain gl* functions and so could bind to
// another OpenGL library the process holds). Both have smooth outward normals, as a GLU quadric
// with its default fill style and normals has.
#pragma once

namespace gl {

// A sphere of `radius` about the origin: `slices` around the z axis, `stacks` from the +z pole
// to the -z pole.
void Sphere(double radius, int slices, int stacks);

// The wall of a cylinder of `radius` along the z axis from z = 0 to z = height, without end
// caps: `slices` around the axis, `stacks` along it.
void Cylinder(double radius, double height, int slices, int stacks);

} // namespace gl
