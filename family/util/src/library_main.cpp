// The library's version and its entry procedure.
#include "family/util/src/date_format.h"
#include "family/util/umbrant.h"

#include "platform/win32/library_entry.h"

#include <cstring>

namespace {

constexpr const char kVersionText[] = "2001.01";
constexpr int kVersion = 0x200101;

} // namespace

BOOL DllEntryPoint(HINSTANCE /*instance*/, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        umbrant::ReadDateFormat();
    }
    return TRUE;
}

int _UtilVersion(char* buffer, unsigned length) {
    if (buffer != nullptr) {
        std::strncpy(buffer, kVersionText, length);
    }
    return kVersion;
}
