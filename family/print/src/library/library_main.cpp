// The library's version and its entry procedure.
#include "family/print/pressel.h"
#include "family/print/src/module/library_instance.h"

#include "platform/win32/library_entry.h"

#include <cstring>

namespace {

constexpr const char kVersionText[] = "99.13";
constexpr int kVersion = 0x9913;

} // namespace

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
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
