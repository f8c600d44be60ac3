#include "family/comdlg/tests/help_host.h"

#include "family/util/umbrant.h"

#include <gtest/gtest.h>

namespace caddow_test {

namespace {

constexpr char kHostClass[] = "CaddowTestHelpHost";

int gFound = 0;
std::vector<WPARAM> gContexts;

LRESULT HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UM_HELPFOUND) {
        ++gFound;
        return 0;
    }
    if (message == UM_HELPCONTEXT) {
        gContexts.push_back(wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HelpHost::HelpHost() {
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = &HostProcedure;
    hostClass.lpszClassName = kHostClass;
    RegisterClassA(&hostClass);
    window_ = CreateWindowExA(0, kHostClass, "Host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
    Clear();
}

HelpHost::~HelpHost() {
    DestroyWindow(window_);
    UnregisterClassA(kHostClass, nullptr);
}

void HelpHost::Flush() {
    MSG message{};
    while (PeekMessageA(&message, window_, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

void HelpHost::Clear() {
    Flush();
    gFound = 0;
    gContexts.clear();
}

int HelpHost::FoundCount() const {
    return gFound;
}

std::vector<WPARAM> HelpHost::Contexts() const {
    return gContexts;
}

void HelpHost::ExpectContexts(HWND dialog, std::span<const ControlContext> cases) {
    for (const ControlContext& c : cases) {
        SCOPED_TRACE(c.control);
        Clear();
        SetFocus(GetDlgItem(dialog, c.control));
        SendMessageA(dialog, UM_HELPQUERY, 0, 0);
        EXPECT_EQ(FoundCount(), 1);
        SendMessageA(dialog, UM_HELPQUERY, reinterpret_cast<WPARAM>(GetFocus()), 0);
        Flush();
        EXPECT_EQ(Contexts(), std::vector<WPARAM>{c.context});
    }
}

} // namespace caddow_test
