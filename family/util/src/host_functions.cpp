#include "family/util/src/host_functions.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace umbrant {

namespace {

// GWLP_HINSTANCE: the instance a window was created with.
constexpr int kInstanceWindowLong = -6;

using GetWindowLongPtrFunction = std::intptr_t (*)(HWND, int);
using SetDlgItemTextFunction = BOOL (*)(HWND, int, const char*);
using GetDlgItemTextFunction = UINT (*)(HWND, int, char*, int);
using MessageBoxFunction = int (*)(HWND, const char*, const char*, int);

template <typename Function>
Function Find(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

} // namespace

HINSTANCE InstanceOfWindow(HWND window) {
    const auto getWindowLong = Find<GetWindowLongPtrFunction>("GetWindowLongPtrA");
    if (window == nullptr || getWindowLong == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<HINSTANCE>(getWindowLong(window, kInstanceWindowLong));
}

BOOL SetControlText(HWND dialog, int controlId, const char* text) {
    const auto setText = Find<SetDlgItemTextFunction>("SetDlgItemTextA");
    return setText == nullptr ? FALSE : setText(dialog, controlId, text);
}

std::string ControlText(HWND dialog, int controlId, int maximum) {
    const auto getText = Find<GetDlgItemTextFunction>("GetDlgItemTextA");
    if (getText == nullptr || maximum <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(maximum) + 1, '\0');
    const UINT length = getText(dialog, controlId, buffer.data(), maximum + 1);
    return std::string(buffer.data(), std::min<std::size_t>(length, maximum));
}

void ShowMessage(HWND owner, const char* text, const char* caption, int style) {
    const auto messageBox = Find<MessageBoxFunction>("_UIMessageBox");
    if (messageBox == nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return;
    }
    messageBox(owner, text, caption, style);
}

} // namespace umbrant
