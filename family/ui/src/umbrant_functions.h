// What this library uses of the utility library, found by name in the process when called.
//
// The two libraries need each other (the utility library shows its messages in this library's
// message box; this library centres its dialogs with the utility library). Neither links the
// other: each finds the other's export by name at the time of the call, wherever the host loaded
// it (also privately, with RTLD_LOCAL), so each loads alone with dlopen(RTLD_NOW), in either
// order, with no undefined symbol left to the loader, and does without the other's service when
// the other is not loaded.
#pragma once

#include "platform/win32/windows.h"

namespace vistel {

// _UtilCenterWindow of the utility library; leaves the window where it is without it.
void CenterWindow(HWND window);

} // namespace vistel
