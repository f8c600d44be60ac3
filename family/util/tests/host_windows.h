// A stand-in for the window functions the library calls on its callers' windows and for the
// family's message box, defined by the test program itself, whose definitions take precedence
// over the window layer's: windows are numbers with an instance and control texts, and every
// message box shown is recorded.
#pragma once

#include "platform/win32/windef.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    int style;
};

struct HostWindows {
    std::map<HWND, HINSTANCE> instances;
    std::map<std::pair<HWND, int>, std::string> controlTexts;
    std::vector<ShownMessage> messages;
};

// The host of the running test; emptied by ScopedHostWindows.
HostWindows& TestHost();

class ScopedHostWindows {
public:
    ScopedHostWindows() { TestHost() = {}; }
    ~ScopedHostWindows() { TestHost() = {}; }
    ScopedHostWindows(const ScopedHostWindows&) = delete;
    ScopedHostWindows& operator=(const ScopedHostWindows&) = delete;
};

inline HWND TestWindow(int number) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(number));
}
