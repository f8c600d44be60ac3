#include "platform/gl/src/osmesa_library.h"

#include <dlfcn.h>

#include <optional>

namespace gl {

namespace {

// The renderer's soname as Debian's libosmesa6 installs it.
constexpr const char* kOsMesaLibrary = "libOSMesa.so.8";

template <class Function>
bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

template <class Function>
bool ResolveGl(decltype(&::OSMesaGetProcAddress) getProcAddress, const char* name,
               Function& function) {
    function = reinterpret_cast<Function>(getProcAddress(name));
    return function != nullptr;
}

std::optional<OsMesaLibrary> Load() {
    // Never closed: the contexts made from it may live until the process ends.
    void* library = dlopen(kOsMesaLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    OsMesaLibrary loaded;
    decltype(&::OSMesaGetProcAddress) getProcAddress = nullptr;
    bool complete = Resolve(library, "OSMesaGetProcAddress", getProcAddress) &&
                    Resolve(library, "OSMesaCreateContextExt", loaded.CreateContextExt) &&
                    Resolve(library, "OSMesaMakeCurrent", loaded.MakeCurrent) &&
                    Resolve(library, "OSMesaDestroyContext", loaded.DestroyContext) &&
                    Resolve(library, "OSMesaGetCurrentContext", loaded.GetCurrentContext);
#define TALLOWMERE_GL_RESOLVE(name)                                                                \
    complete = complete && ResolveGl(getProcAddress, "gl" #name, loaded.gl.name);
    TALLOWMERE_GL_FUNCTIONS(TALLOWMERE_GL_RESOLVE)
#undef TALLOWMERE_GL_RESOLVE
    if (!complete) {
        return std::nullopt;
    }
    return loaded;
}

} // namespace

const OsMesaLibrary* LoadedOsMesa() {
    static std::optional<OsMesaLibrary> library = Load();
    return library ? &*library : nullptr;
}

const Functions& Renderer() {
    return LoadedOsMesa()->gl;
}

} // namespace gl
