// The OpenGL 1.1 functions the project draws with, called through the pointers that the
// off-screen renderer itself hands out.
//
// A process may have loaded another OpenGL library before the renderer: a Qt program loads the
// system's OpenGL dispatcher at start. The plain gl* names would then bind to that library,
// which has no context current and draws nothing. So platform_gl links no OpenGL library at all
// (a plain gl* call does not link), and every call goes through the functions here: gl::Begin
// for glBegin, gl::Vertex3d for glVertex3d, and so on. They may be called only while a context
// of bitmap_context.h is current; the renderer is loaded when the first context is made.
#pragma once

#include <GL/gl.h>

namespace gl {

// Every function used, by its OpenGL name without the "gl" prefix. A function added here is
// resolved with the others when the renderer is loaded.
#define TALLOWMERE_GL_FUNCTIONS(X)                                                                 \
    X(Begin)                                                                                       \
    X(CallList)                                                                                    \
    X(Clear)                                                                                       \
    X(ClearColor)                                                                                  \
    X(Color3f)                                                                                     \
    X(Color4f)                                                                                     \
    X(ColorMaterial)                                                                               \
    X(DeleteLists)                                                                                 \
    X(Enable)                                                                                      \
    X(End)                                                                                         \
    X(EndList)                                                                                     \
    X(Finish)                                                                                      \
    X(GenLists)                                                                                    \
    X(Lightfv)                                                                                     \
    X(LoadIdentity)                                                                                \
    X(Materialf)                                                                                   \
    X(Materialfv)                                                                                  \
    X(MatrixMode)                                                                                  \
    X(NewList)                                                                                     \
    X(Normal3d)                                                                                    \
    X(Ortho)                                                                                       \
    X(PopMatrix)                                                                                   \
    X(PushMatrix)                                                                                  \
    X(Rectf)                                                                                       \
    X(Rotated)                                                                                     \
    X(Rotatef)                                                                                     \
    X(Scalef)                                                                                      \
    X(ShadeModel)                                                                                  \
    X(Translated)                                                                                  \
    X(Translatef)                                                                                  \
    X(Vertex3d)                                                                                    \
    X(Vertex3dv)                                                                                   \
    X(Vertex3i)                                                                                    \
    X(Viewport)

// The renderer's entry points, each typed as gl.h declares the function.
struct Functions {
#define TALLOWMERE_GL_POINTER(name) decltype(&::gl##name) name = nullptr;
    TALLOWMERE_GL_FUNCTIONS(TALLOWMERE_GL_POINTER)
#undef TALLOWMERE_GL_POINTER
};

// The renderer's functions. Only with a context current (the first context loads them).
const Functions& Renderer();

// gl::Name(arguments) calls the renderer's glName.
#define TALLOWMERE_GL_CALL(name)                                                                   \
    template <class... Arguments>                                                                  \
    auto name(Arguments... arguments) {                                                            \
        return Renderer().name(arguments...);                                                      \
    }
TALLOWMERE_GL_FUNCTIONS(TALLOWMERE_GL_CALL)
#undef TALLOWMERE_GL_CALL

} // namespace gl
