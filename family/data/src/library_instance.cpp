#include "family/data/src/library_instance.h"

#include "platform/win32/module_resources.h"

namespace dorrick {

namespace {

HINSTANCE keptInstance = nullptr;

} // namespace

HINSTANCE OwnInstance() {
    static const char kInThisModule = 0;
    return win32::ModuleOfAddress(&kInThisModule);
}

HINSTANCE LibraryInstance() {
    return keptInstance;
}

void KeepLibraryInstance(HINSTANCE instance) {
    keptInstance = instance;
}

} // namespace dorrick
