#include "family/util/src/host_functions.h"

#include "platform/win32/winuser.h"

#include <dlfcn.h>

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
    const auto messageBox =
        reinterpret_cast<MessageBoxFunction>(dlsym(RTLD_DEFAULT, "_UIMessageBox"));
    if (messageBox == nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return;
    }
    messageBox(owner, text, caption, style);
}

} // namespace umbrant
