// What the tests of the library's dialogs add to the Win32 tests' dialog driver
// (platform/win32/testing/dialog_driver.h): the client list's double click and the family message
// box recorded and closed.
#pragma once

#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/windows.h"

namespace caddow_test {

using namespace win32::testing;

// A double click on the first line of a list box.
void DoubleClickFirstLine(HWND list);

// The step that records what a family message box says and closes it with Enter.
Step RecordMessageAndClose(ShownMessageBox& shown);

} // namespace caddow_test
