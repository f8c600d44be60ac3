// Mesa's off-screen renderer, loaded by its file name at the first use and kept loaded for the
// life of the process. It is opened with its symbols kept local, and every OpenGL function is
// taken from the renderer's own OSMesaGetProcAddress, so that neither this code nor the
// renderer's users can bind to another OpenGL library the process holds.
#pragma once

#include "platform/gl/gl_functions.h"

#include <GL/osmesa.h>

namespace gl {

struct OsMesaLibrary {
    decltype(&::OSMesaCreateContextExt) CreateContextExt = nullptr;
    decltype(&::OSMesaMakeCurrent) MakeCurrent = nullptr;
    decltype(&::OSMesaDestroyContext) DestroyContext = nullptr;
    decltype(&::OSMesaGetCurrentContext) GetCurrentContext = nullptr;
    Functions gl;
};

// The loaded renderer; null when the library or one of its functions cannot be found.
const OsMesaLibrary* LoadedOsMesa();

} // namespace gl
