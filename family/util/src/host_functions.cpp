#include "family/util/src/host_functions.h"

#include "platform/win32/winuser.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace umbrant {

namespace {

using MessageBoxFunction = int (*)(HWND, const char*, const char*, int);

} // namespace

HINSTANCE InstanceOfWindow(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

BOOL SetControlText(HWND dialog, int controlId, const char* text) {
    return SetDlgItemTextA(dialog, controlId, text);
}

std::string ControlText(HWND dialog, int controlId, int maximum) {
    if (maximum <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(maximum) + 1, '\0');
    const UINT length = GetDlgItemTextA(dialog, controlId, buffer.data(), maximum + 1);
    return std::string(buffer.data(), std::min<std::size_t>(length, maximum));
}

void ShowMessage(HWND owner, const char* text, const char* caption, int style) {
    // The user-interface library's, wherever the host loaded it, else one the program provides.
    FARPROC found = GetProcAddress(GetModuleHandleA("libvistel.so"), "_UIMessageBox");
    if (found == nullptr) {
        found = GetProcAddress(GetModuleHandleA(nullptr), "_UIMessageBox");
    }
    const auto messageBox = reinterpret_cast<MessageBoxFunction>(found);
    if (messageBox == nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return;
    }
    messageBox(owner, text, caption, style);
}

} // namespace umbrant
