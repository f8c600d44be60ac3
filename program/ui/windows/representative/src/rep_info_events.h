// The representative window's handlers: its load from the representative record (or the
// shared profile), the state list's checks, and OK and Cancel.
#pragma once

#include "program/ui/support/program_state.h"
#include "program/ui/windows/representative/rep_info_form.h"

#include "platform/forms/message_box.h"

namespace ui {

void WireRepresentativeWindow(frmRepInfo& window, ProgramState& program,
                              forms::MessageBoxService& messages);

// True when every required field (a caption with "*", fields 0 to 11) holds more than blanks.
// Otherwise, with `showMessage`, says so and puts the focus on the first empty one.
bool CheckRequiredFields(frmRepInfo& window, bool showMessage);

} // namespace ui
