// The exports of the library loaded at run time and looked up by name, as the program binds it.
// This test program does not link the library.
#include "factors/tests/exports.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace {

template <typename Function>
void Bind(void* library, const char* name, Function& function) {
    void* address = dlsym(library, name);
    if (address == nullptr) {
        throw std::runtime_error(std::string("the library does not export ") + name);
    }
    function = reinterpret_cast<Function>(address);
}

FactorExports Load() {
    void* library = dlopen(TALLOWMERE_FACTORS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw std::runtime_error(std::string("cannot load the library: ") + dlerror());
    }
    FactorExports exports{};
    Bind(library, "RMDSINGLEFACTOR", exports.RMDSINGLEFACTOR);
    Bind(library, "RMDSINGLEFACTOR2001", exports.RMDSINGLEFACTOR2001);
    Bind(library, "RMDJOINTFACTOR", exports.RMDJOINTFACTOR);
    Bind(library, "RMDJOINTFACTOR2001", exports.RMDJOINTFACTOR2001);
    Bind(library, "CALCULATEAGE", exports.CALCULATEAGE);
    Bind(library, "CALCDATEHALFAGE", exports.CALCDATEHALFAGE);
    Bind(library, "LIBMAIN", exports.LIBMAIN);
    Bind(library, "_c_rmdsinglefactor", exports._c_rmdsinglefactor);
    Bind(library, "_c_rmdsinglefactor2001", exports._c_rmdsinglefactor2001);
    Bind(library, "_c_rmdjointfactor", exports._c_rmdjointfactor);
    Bind(library, "_c_rmdjointfactor2001", exports._c_rmdjointfactor2001);
    Bind(library, "_c_calculateage", exports._c_calculateage);
    return exports;
}

} // namespace

const FactorExports& Exports() {
    // The library stays loaded for the life of the test program, as it does in the program.
    static const FactorExports kExports = Load();
    return kExports;
}
