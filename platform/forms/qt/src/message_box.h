// The runtime's message box shown as a Qt message box.
#pragma once

#include "platform/forms/message_box.h"

namespace forms::qt {

// Shows the box modally and returns the answer of the button pressed; closing it with Escape or
// the close box answers Cancel or No where the box has one, else its only button.
int ShowQtMessageBox(const MessageBoxRequest& request);

} // namespace forms::qt
