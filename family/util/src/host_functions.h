// The functions of other modules that this library calls: the window functions of the Win32
// layer and the family's message box. They are found by name in the process when called, so the
// library loads on its own (dlopen with RTLD_NOW) in a process that has neither; where one is
// missing the call fails as it would on a window that does not exist.
#pragma once

#include "platform/win32/libloaderapi.h"

#include <string>

namespace umbrant {

// The instance the window was created with; null when there is none.
HINSTANCE InstanceOfWindow(HWND window);

// Sets the text of a dialog's control; FALSE when it cannot.
BOOL SetControlText(HWND dialog, int controlId, const char* text);

// At most `maximum` characters of a control's text; empty when it cannot be read.
std::string ControlText(HWND dialog, int controlId, int maximum);

// Shows a message box of the family (style as the Windows MessageBox styles). Without the user
// interface library in the process the message goes to standard error, so that it is not lost.
void ShowMessage(HWND owner, const char* text, const char* caption, int style);

} // namespace umbrant
