// The library's version and its entry procedure.
#include "family/print/pressel.h"

#include "family/print/src/library/library_instance.h"

#include <cstring>

namespace {

constexpr const char kVersionText[] = "99.13";
constexpr int kVersion = 0x9913;
constexpr DWORD kProcessAttach = 1; // DLL_PROCESS_ATTACH

} // namespace

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == kProcessAttach) {
        pressel::KeepLibraryInstance(instance);
    }
    return TRUE;
}

int _PrintVersion(char* buffer, unsigned length) {
    if (buffer != nullptr) {
        std::strncpy(buffer, kVersionText, length);
    }
    return kVersion;
}
