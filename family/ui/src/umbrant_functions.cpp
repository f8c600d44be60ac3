#include "family/ui/src/umbrant_functions.h"

#include <dlfcn.h>

namespace vistel {

void CenterWindow(HWND window) {
    using CenterWindowFunction = BOOL (*)(HWND);
    const auto center =
        reinterpret_cast<CenterWindowFunction>(dlsym(RTLD_DEFAULT, "_UtilCenterWindow"));
    if (center != nullptr) {
        center(window);
    }
}

} // namespace vistel
