#include "family/util/src/own_module.h"

namespace umbrant {

HINSTANCE OwnInstance() {
    static const char kInThisModule = 0;
    return win32::ModuleOfAddress(&kInThisModule);
}

} // namespace umbrant
