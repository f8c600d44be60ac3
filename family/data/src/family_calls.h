// What the dialogs ask of the family's utility and user-interface libraries: running a modal
// dialog, showing its progress, the message box and context help. Those libraries are not
// built yet, so for now each call here does nothing visible: a dialog runs its procedure
// through its messages without a window, progress goes nowhere, the message box answers OK and
// help queries go unanswered. The library loads and works alone meanwhile.
#pragma once

#include "platform/win32/windef.h"

#include <string_view>

namespace dorrick::family {

using DialogProcedure = LRESULT (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

constexpr UINT kInitDialog = 0x0110;
constexpr UINT kCommand = 0x0111;
constexpr UINT kDestroy = 0x0002;
// Posted by a dialog to itself at initialisation, so that it is seen before the work starts.
constexpr UINT kStartWork = 1277;
constexpr UINT kHelpQuery = 2219;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdMessageOk = 1;

// Runs the dialog of `templateName` owned by `owner` until its procedure calls EndDialog, and
// answers the result it gave.
LRESULT RunModalDialog(HWND owner, std::string_view templateName, DialogProcedure procedure,
                       LPARAM parameter);
void EndDialog(HWND dialog, LRESULT result);

void ShowProgress(HWND dialog, int percent);

// A message box with the platform's style numbers; answers the button pressed.
int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned style);

// Answers the help protocol's query with the dialog's context number.
void AnswerHelpQuery(HWND dialog, WPARAM wParam, int context);

} // namespace dorrick::family
