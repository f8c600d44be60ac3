#include "family/util/tests/host_windows.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#define HOST_EXPORT extern "C" __attribute__((visibility("default")))

HostWindows& TestHost() {
    static HostWindows host;
    return host;
}

HOST_EXPORT std::intptr_t GetWindowLongPtrA(HWND window, int index) {
    constexpr int kInstanceWindowLong = -6;
    const auto found = TestHost().instances.find(window);
    if (index != kInstanceWindowLong || found == TestHost().instances.end()) {
        return 0;
    }
    return reinterpret_cast<std::intptr_t>(found->second);
}

HOST_EXPORT BOOL SetDlgItemTextA(HWND dialog, int id, const char* text) {
    TestHost().controlTexts[{dialog, id}] = text;
    return TRUE;
}

HOST_EXPORT UINT GetDlgItemTextA(HWND dialog, int id, char* buffer, int size) {
    const std::string& text = TestHost().controlTexts[{dialog, id}];
    const std::size_t length =
        std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<UINT>(length);
}

HOST_EXPORT int _UIMessageBox(HWND owner, const char* text, const char* caption, int style) {
    TestHost().messages.push_back({owner, text, caption, style});
    return 1;
}
