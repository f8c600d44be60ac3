#include "platform/win32/testing/dialog_driver.h"

#include "platform/win32/window_host.h"

#include <algorithm>
#include <utility>

namespace win32::testing {

namespace {

constexpr char kOwnerClass[] = "Win32TestingDialogOwner";
// Posted to the owner until the dialog it waits for shows.
constexpr UINT kProbe = WM_USER + 0x7A1;

DialogOwner* gOwner = nullptr;

} // namespace

std::vector<std::string> CaptionsOf(const std::vector<ShownMessageBox>& boxes) {
    std::vector<std::string> captions;
    captions.reserve(boxes.size());
    for (const ShownMessageBox& box : boxes) {
        captions.push_back(box.caption);
    }
    return captions;
}

DialogDriver::DialogDriver() {
    SetMessageWait([this](int /*untilMilliseconds*/) { return Wait(); });
}

DialogDriver::~DialogDriver() {
    SetMessageWait(nullptr);
}

DialogDriver& DialogDriver::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void DialogDriver::AnswerMessageBoxes(int textId, std::size_t limit, Step look) {
    messageBoxText_ = textId;
    messageBoxLimit_ = limit;
    look_ = std::move(look);
}

bool DialogDriver::Wait() {
    const std::vector<HWND> shown = VisibleTopLevelWindows();
    if (!steps_.empty()) {
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(shown.empty() ? nullptr : shown.back());
        return true;
    }
    if (messageBoxText_ == 0 || shown.empty() || boxes_.size() >= messageBoxLimit_) {
        return false;
    }
    const HWND box = shown.back();
    if (GetDlgItem(box, messageBoxText_) == nullptr) {
        return false;
    }
    boxes_.push_back({WindowText(box), DialogItemText(box, messageBoxText_)});
    if (look_) {
        look_(box);
    }
    PressKey(VK_RETURN);
    return true;
}

DialogOwner::DialogOwner(std::vector<UINT> recorded, DWORD style) : recorded_(std::move(recorded)) {
    gOwner = this;
    WNDCLASSA ownerClass{};
    ownerClass.lpfnWndProc = &DialogOwner::Procedure;
    ownerClass.lpszClassName = kOwnerClass;
    RegisterClassA(&ownerClass);
    window_ = CreateWindowExA(0, kOwnerClass, "Owner", style, 300, 200, 600, 400, nullptr, nullptr,
                              nullptr, nullptr);
}

DialogOwner::~DialogOwner() {
    DestroyWindow(window_);
    UnregisterClassA(kOwnerClass, nullptr);
    gOwner = nullptr;
}

void DialogOwner::WhenDialogShows(std::function<void(HWND dialog)> act) {
    act_ = std::move(act);
    PostMessageA(window_, kProbe, 0, 0);
}

LRESULT CALLBACK DialogOwner::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gOwner == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (std::find(gOwner->recorded_.begin(), gOwner->recorded_.end(), message) !=
        gOwner->recorded_.end()) {
        gOwner->messages_.push_back({message, wParam});
        return 0;
    }
    if (message == kProbe && gOwner->act_) {
        for (const HWND shown : VisibleTopLevelWindows()) {
            if (GetParent(shown) == window) {
                std::exchange(gOwner->act_, nullptr)(shown);
                return 0;
            }
        }
        // Not shown yet: the probe comes round again.
        PostMessageA(window, kProbe, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PressKey(int virtualKey) {
    PostKeyInput(WM_KEYDOWN, virtualKey);
    PostKeyInput(WM_KEYUP, virtualKey);
}

Step TypeKeys(std::vector<int> keys) {
    return [keys = std::move(keys)](HWND /*topmost*/) {
        for (const int key : keys) {
            PressKey(key);
        }
    };
}

void ClickCentre(HWND control) {
    const HWND root = GetAncestor(control, GA_ROOT);
    RECT area{};
    RECT frame{};
    GetWindowRect(control, &area);
    GetWindowRect(root, &frame);
    const POINT point{(area.left + area.right) / 2 - frame.left,
                      (area.top + area.bottom) / 2 - frame.top};
    PostMouseInput(root, WM_LBUTTONDOWN, point);
    PostMouseInput(root, WM_LBUTTONUP, point);
}

void ClickDialogItem(HWND dialog, int id) {
    ClickCentre(GetDlgItem(dialog, id));
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string DialogItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int FocusedControlId() {
    const HWND focus = GetFocus();
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

} // namespace win32::testing
