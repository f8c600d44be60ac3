#include "family/print/src/library_state.h"

#include "family/print/src/dialog_templates.h"
#include "platform/win32/module_resources.h"

namespace pressel {
namespace {

HINSTANCE& KeptInstance() {
    static HINSTANCE instance = nullptr;
    return instance;
}

} // namespace

HINSTANCE OwnInstance() {
    static const char kInThisModule = 0;
    return win32::ModuleOfAddress(&kInThisModule);
}

HINSTANCE LibraryInstance() {
    return KeptInstance();
}

void AttachLibrary(HINSTANCE instance) {
    KeptInstance() = instance;
    RegisterDialogTemplates(instance);
}

} // namespace pressel
