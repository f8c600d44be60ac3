#include "family/ui/src/umbrant_functions.h"

#include "platform/win32/libloaderapi.h"

namespace vistel {

void CenterWindow(HWND window) {
    using CenterWindowFunction = BOOL (*)(HWND);
    const auto center = reinterpret_cast<CenterWindowFunction>(
        GetProcAddress(GetModuleHandleA("libumbrant.so"), "_UtilCenterWindow"));
    if (center != nullptr) {
        center(window);
    }
}

} // namespace vistel
