// Keeping a dialog alive while its work runs on the dialog's own thread: the messages waiting for
// the thread are let through between steps of the work, so that the dialog paints and takes the
// user's keys (Enter and Esc reach it as OK and Cancel) before the work goes on.
#pragma once

#include "platform/win32/windows.h"

namespace progress {

// Dispatches every message waiting for this thread, giving the dialog's keyboard handling the
// first look when a dialog is named. A quit message met on the way is posted again, so that the
// loop that owns the thread still sees it.
void LetMessagesThrough(HWND dialog);

} // namespace progress
