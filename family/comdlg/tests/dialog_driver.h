// Drives the library's modal dialogs as a user would: each step of a script runs when the windows
// wait for input, on the topmost window shown (the dialog, or a message box over it).
#pragma once

#include "platform/win32/windows.h"

#include <functional>
#include <string>

namespace caddow_test {

using Step = std::function<void(HWND window)>;

// Installs itself as the message wait; a script that runs out ends the dialog's loop, so a test
// that expects more of the dialog than the script gives fails instead of hanging.
class ScriptedUser {
public:
    ScriptedUser();
    ~ScriptedUser();
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    ScriptedUser& Then(Step step);
    // Whether every step has run.
    bool Done() const;
};

// A press and release of a key, to the focus window.
void Key(int virtualKey);
// A click on the control `id` of `dialog`, which lies outside any group box.
void Click(HWND dialog, int id);
// A double click on the first line of a list box.
void DoubleClickFirstLine(HWND list);

std::string Caption(HWND window);
std::string ControlText(HWND dialog, int id);
// The focus window's control id, or 0.
int FocusedControl();

// What a family message box says, and the step that closes it with Enter after recording it.
struct ShownMessage {
    std::string caption;
    std::string text;
};
Step RecordMessageAndClose(ShownMessage& shown);

} // namespace caddow_test
