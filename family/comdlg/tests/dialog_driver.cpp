#include "family/comdlg/tests/dialog_driver.h"

#include "platform/win32/window_host.h"

#include <deque>

namespace caddow_test {

namespace {

// The family message box's text control.
constexpr int kMessageText = 202;

std::deque<Step> gSteps;

bool RunNextStep(int /*untilMilliseconds*/) {
    if (gSteps.empty()) {
        return false;
    }
    const Step step = std::move(gSteps.front());
    gSteps.pop_front();
    step(win32::VisibleTopLevelWindows().back());
    return true;
}

} // namespace

ScriptedUser::ScriptedUser() {
    gSteps.clear();
    win32::SetMessageWait(&RunNextStep);
}

ScriptedUser::~ScriptedUser() {
    win32::SetMessageWait(nullptr);
    gSteps.clear();
}

ScriptedUser& ScriptedUser::Then(Step step) {
    gSteps.push_back(std::move(step));
    return *this;
}

bool ScriptedUser::Done() const {
    return gSteps.empty();
}

void Key(int virtualKey) {
    win32::PostKeyInput(WM_KEYDOWN, virtualKey);
    win32::PostKeyInput(WM_KEYUP, virtualKey);
}

void Click(HWND dialog, int id) {
    RECT control{};
    RECT frame{};
    GetWindowRect(GetDlgItem(dialog, id), &control);
    GetWindowRect(dialog, &frame);
    const POINT point{(control.left + control.right) / 2 - frame.left,
                      (control.top + control.bottom) / 2 - frame.top};
    win32::PostMouseInput(dialog, WM_LBUTTONDOWN, point);
    win32::PostMouseInput(dialog, WM_LBUTTONUP, point);
}

void DoubleClickFirstLine(HWND list) {
    // Straight to the list: the window layer's hit test gives a point inside a group box to the
    // group box, which lies over the controls it frames.
    const LPARAM point = MAKELPARAM(4, 4);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
    }
}

std::string Caption(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ControlText(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int FocusedControl() {
    const HWND focus = GetFocus();
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

Step RecordMessageAndClose(ShownMessage& shown) {
    return [&shown](HWND box) {
        shown = ShownMessage{Caption(box), ControlText(box, kMessageText)};
        Key(VK_RETURN);
    };
}

} // namespace caddow_test
