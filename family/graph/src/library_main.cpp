// The library's version and its entry procedure.
#include "family/graph/plotwen.h"

#include <cstdio>

namespace {

constexpr int kMajorVersion = 98;
constexpr int kMinorVersion = 0;

} // namespace

int _GRAPHVERSION(char* buffer) {
    if (buffer != nullptr) {
        // "98.00" and its NUL.
        std::snprintf(buffer, 6, "%d.%02d", kMajorVersion, kMinorVersion);
    }
    return kMajorVersion * 256 + kMinorVersion;
}

// The library sets nothing up at load and keeps nothing, so every reason is answered alike.
BOOL DllMain(HINSTANCE /*instance*/, DWORD /*reason*/, LPVOID /*reserved*/) {
    return TRUE;
}
