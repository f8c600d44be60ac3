// The window functions this library calls on its callers' windows, and the family's message box.
// The window functions are the Win32 layer's, which the library links. The message box belongs
// to the user-interface library, which itself needs this one: it is found by name in the process
// when called, so that each library loads on its own (dlopen with RTLD_NOW).
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
