// The look of an input that a rule switches on or off, with its caption label.
#pragma once

#include "program/ui/main_window/main_form.h"

namespace ui {

// On: the text stays, the field is enabled on the window background and its label has the
// button-text colour. Off: the field is emptied, disabled and greyed, and its label greyed.
void SwitchInput(frmMain& main, int index, bool on);

} // namespace ui
