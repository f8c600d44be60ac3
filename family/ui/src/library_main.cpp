// The library's entry procedure, its version and the screen's palette capability.
#include "family/ui/src/library_state.h"
#include "family/ui/vistel.h"

#include "platform/win32/library_entry.h"

#include <cstring>

namespace {

constexpr const char kVersionText[] = "99.01";
constexpr int kVersion = 0x9901;

} // namespace

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        vistel::SetUpLibrary(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        vistel::TearDownLibrary();
    }
    return TRUE;
}

int _UIVersion(char* buffer, unsigned length) {
    if (buffer != nullptr) {
        std::strncpy(buffer, kVersionText, length);
    }
    return kVersion;
}

int _UIIsPaletteCapable() {
    return vistel::Library().paletteCapable;
}
