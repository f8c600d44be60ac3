// Drives modal dialogs and message boxes as a user would, through the window layer's own input:
// while a driver lives it is the layer's message wait (window_host.h), so each time a modal loop
// waits for input the driver acts on the topmost visible window. A loop that waits when the
// driver has nothing left to do is told that no input will come, so GetMessage fails and the
// loop ends: a test that expects more of a dialog than its script gives fails instead of hanging.
#pragma once

#include "platform/win32/windows.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace win32::testing {

// What a step acts on: the topmost visible window at the wait.
using Step = std::function<void(HWND topmost)>;

struct ShownMessageBox {
    std::string caption;
    std::string text;
};

// The captions of `boxes`, in the order shown.
std::vector<std::string> CaptionsOf(const std::vector<ShownMessageBox>& boxes);

class DialogDriver {
public:
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queues a step; steps run in the order queued, one at each wait.
    DialogDriver& Then(Step step);
    // Whether every queued step has run.
    bool Done() const { return steps_.empty(); }

    // From now on, a wait with no step left whose topmost window is a message box (a window with
    // a control `textId`) records the box and answers it with Enter, at most `limit` times
    // between two takes (a box that never goes away would otherwise keep the loop waiting for
    // ever). `look`, when given, sees each box before it is answered.
    void AnswerMessageBoxes(int textId, std::size_t limit = kMessageBoxLimit, Step look = nullptr);
    const std::vector<ShownMessageBox>& MessageBoxes() const { return boxes_; }
    // The boxes recorded since the last take, which the driver then forgets: what one run of a
    // dialog among several showed.
    std::vector<ShownMessageBox> TakeMessageBoxes() { return std::exchange(boxes_, {}); }

    static constexpr std::size_t kMessageBoxLimit = 20;

private:
    bool Wait();

    std::deque<Step> steps_;
    int messageBoxText_ = 0; // 0: message boxes are not answered
    std::size_t messageBoxLimit_ = 0;
    Step look_;
    std::vector<ShownMessageBox> boxes_;
};

// A window that owns the dialogs under test, as a host's main window does: it runs an action once
// the first window it owns shows (from within the messages the dialog's loop dispatches, so the
// action sees the dialog while its work runs), and keeps the messages of the kinds it is told to
// record, with their wParam.
class DialogOwner {
public:
    explicit DialogOwner(std::vector<UINT> recorded = {}, DWORD style = WS_OVERLAPPEDWINDOW);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    HWND Window() const { return window_; }
    void WhenDialogShows(std::function<void(HWND dialog)> act);

    struct Received {
        UINT message;
        WPARAM wParam;
        bool operator==(const Received&) const = default;
    };
    const std::vector<Received>& Messages() const { return messages_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<UINT> recorded_;
    std::vector<Received> messages_;
    std::function<void(HWND)> act_;
    HWND window_ = nullptr;
};

// Input as a user gives it, posted to the focus window or to the window under the mouse.
void PressKey(int virtualKey);
// The step that presses `keys` one after the other. Keys go to the focus window of the moment they
// are typed, so a key that moves the focus ends what one step should type.
Step TypeKeys(std::vector<int> keys);
// A left click at the centre of `control`, through its top-level window.
void ClickCentre(HWND control);
void ClickDialogItem(HWND dialog, int id);

std::string WindowText(HWND window);
std::string DialogItemText(HWND dialog, int id);
// The control id of the focus window, or 0 when nothing has the focus.
int FocusedControlId();

} // namespace win32::testing
