// What the backup and compaction dialogs share: a modal dialog of the library that runs one
// operation on a database handle once it is visible, shows the operation's progress on its bar,
// records the user's request to stop and answers context help with its number.
//
// The dialog's window properties: "hBitmap" (the bar's bitmap, which the progress button owns),
// "LastPercent" (the percent last drawn) and "Abort" (1 once the user pressed Enter, Esc or the
// close box).
#pragma once

#include "platform/win32/windows.h"

namespace dorrick {

struct ProgressDialog {
    int helpContext;
    // Runs the operation on `handle` with the dialog as its progress argument, tells the user
    // the outcome and ends the dialog with the operation's result.
    void (*work)(HWND dialog, int handle);
};

// The progress callback of the operations, with the dialog as its argument: draws the percent,
// lets the thread's waiting messages through and answers the "Abort" property.
int DialogProgress(void* dialog, int percent);

// The messages both dialogs answer alike; FALSE for the others.
INT_PTR ProgressDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                              const ProgressDialog& kind);

// Runs the library's dialog `templateName` owned by `owner` on `handle`, gives the focus back to
// the window that had it, and answers the dialog's result.
unsigned char RunProgressDialog(HWND owner, LPCSTR templateName, DLGPROC procedure, int handle);

} // namespace dorrick
