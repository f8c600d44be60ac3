// The library's entry procedure and its version.
#include "family/comdlg/caddow.h"
#include "family/comdlg/src/dialog_templates.h"
#include "family/comdlg/src/library_state.h"

#include "platform/win32/library_entry.h"

#include <cstring>

namespace caddow {

namespace {

constexpr const char kVersionText[] = "99.01";
constexpr unsigned kVersion = 0x9901;

HINSTANCE gInstance = nullptr;

} // namespace

HINSTANCE LibraryInstance() {
    return gInstance;
}

} // namespace caddow

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        caddow::gInstance = instance;
        caddow::RegisterDialogTemplates(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        caddow::gInstance = nullptr;
    }
    return TRUE;
}

unsigned _ComVersion(char* buffer, unsigned length) {
    if (buffer != nullptr) {
        std::strncpy(buffer, caddow::kVersionText, length);
    }
    return caddow::kVersion;
}
