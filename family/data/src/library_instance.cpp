#include "family/data/src/library_instance.h"

namespace dorrick {

namespace {

HINSTANCE keptInstance = nullptr;

} // namespace

HINSTANCE LibraryInstance() {
    return keptInstance;
}

void KeepLibraryInstance(HINSTANCE instance) {
    keptInstance = instance;
}

} // namespace dorrick
