#include "family/print/tests/dialog_host.h"

#include "family/util/umbrant.h"
#include "platform/win32/window_host.h"

namespace pressel_test {
namespace {

constexpr char kHostClass[] = "PresselTestHost";
constexpr UINT kProbe = WM_USER + 77;
// A box that does not go away after this many answers would keep the test waiting for ever.
constexpr std::size_t kMaxMessageBoxes = 5;

DialogHost* gHost = nullptr;

} // namespace

DialogHost::DialogHost() {
    gHost = this;
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = &DialogHost::Procedure;
    hostClass.lpszClassName = kHostClass;
    RegisterClassA(&hostClass);
    window_ = CreateWindowExA(0, kHostClass, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
    win32::SetMessageWait([this](int) {
        const std::vector<HWND> shown = win32::VisibleTopLevelWindows();
        if (shown.empty() || captions.size() >= kMaxMessageBoxes) {
            return false;
        }
        char caption[64] = {};
        GetWindowTextA(shown.back(), caption, sizeof caption);
        captions.emplace_back(caption);
        win32::PostKeyInput(WM_KEYDOWN, VK_RETURN);
        win32::PostKeyInput(WM_KEYUP, VK_RETURN);
        return true;
    });
}

DialogHost::~DialogHost() {
    win32::SetMessageWait(nullptr);
    DestroyWindow(window_);
    UnregisterClassA(kHostClass, nullptr);
    gHost = nullptr;
}

void DialogHost::WhenDialogShows(std::function<void(HWND dialog)> act) {
    act_ = std::move(act);
    PostMessageA(window_, kProbe, 0, 0);
}

LRESULT DialogHost::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gHost == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == UM_HELPFOUND || message == UM_HELPCONTEXT) {
        gHost->helpMessages.emplace_back(message, wParam);
        return 0;
    }
    if (message == kProbe && gHost->act_) {
        for (const HWND shown : win32::VisibleTopLevelWindows()) {
            if (GetParent(shown) == window) {
                std::exchange(gHost->act_, nullptr)(shown);
                return 0;
            }
        }
        // Not shown yet: the probe comes round again.
        PostMessageA(window, kProbe, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace pressel_test
