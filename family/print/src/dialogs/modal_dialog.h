// What the library's dialogs share: running modally for an export, the start message with which
// a dialog begins its work once it is visible, the user's stop request, and the help protocol.
#pragma once

#include "family/print/pressel.h"

#include "platform/win32/dialog_template.h"
#include "platform/win32/windows.h"

namespace pressel {

// Posted by a dialog to itself at initialisation, with the job; its work runs on it.
inline constexpr UINT kStartMessage = 1277;
// The window property that says the user asked to stop (1) or not (0).
inline constexpr char kAbortProperty[] = "Abort";

inline constexpr int kConvertHelpContext = 32000;
inline constexpr int kPreviewHelpContext = 32100;
inline constexpr int kPrintHelpContext = 32200;

// Registers `design` under the library's instance as `templateName`, runs that dialog modally
// for `owner` with the job as the initialisation parameter, and gives the focus back to the
// window that had it.
INT_PTR RunModalDialog(HWND owner, LPCSTR templateName, const win32::DialogTemplate& design,
                       DLGPROC procedure, PrintJob* job);
// The same with any initialisation parameter.
INT_PTR RunModalDialog(HWND owner, LPCSTR templateName, const win32::DialogTemplate& design,
                       DLGPROC procedure, LPARAM parameter);

// The family look, the dialog centred, "Abort" 0, and the start message posted with the job.
void StartDialog(HWND dialog, LPARAM job);

// Shows the dialog when it has a parent window, so that it is seen while its work runs.
void ShowDialogForWork(HWND dialog);

bool StopRequested(HWND dialog);
// OK and Cancel (which the Escape key sends) ask to stop; true when `command` was one of them.
bool RequestStopOnCommand(HWND dialog, WPARAM command);

// Answers UM_HELPQUERY: tells the top-level ancestor that help is here (wParam 0) or posts it
// the dialog's help context.
void AnswerHelpQuery(HWND dialog, WPARAM wParam, int context);

// Asks the top-level ancestor for the help of `context` (UM_HELPCONTEXT, posted).
void PostHelpContext(HWND dialog, int context);

} // namespace pressel
