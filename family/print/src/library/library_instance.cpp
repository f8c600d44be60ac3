#include "family/print/src/library/library_instance.h"

#include "platform/win32/module_resources.h"

namespace pressel {
namespace {

HINSTANCE gInstance = nullptr;

} // namespace

HINSTANCE LibraryInstance() {
    if (gInstance == nullptr) {
        static const char kInThisModule = 0;
        gInstance = win32::ModuleOfAddress(&kInThisModule);
    }
    return gInstance;
}

void KeepLibraryInstance(HINSTANCE instance) {
    gInstance = instance;
}

} // namespace pressel
