#include "family/print/src/module/library_instance.h"

#include "platform/win32/library_entry.h"

namespace pressel {
namespace {

HINSTANCE gInstance = nullptr;

} // namespace

HINSTANCE LibraryInstance() {
    return gInstance != nullptr ? gInstance : win32::ThisModule();
}

void KeepLibraryInstance(HINSTANCE instance) {
    gInstance = instance;
}

} // namespace pressel
