// What the main window's field array does with the focus and the keyboard: the window's
// txtInput GotFocus, KeyPress and LostFocus handlers call these with the element's index, and the
// S&EPP controls call ShowFieldHint with their fixed numbers.
#pragma once

#include "program/ui/main_window/main_form.h"

namespace ui {

// Clears the illustration's saved flag and discards the key (sets it to 0) when the field's kind
// does not accept it.
void FilterFieldKey(frmMain& main, int index, int& keyAscii);

// Shows the field's edit form and selects its whole text; on the Equal type the payment options
// are refreshed when the first name is entered, and the hint line follows the field.
void EnterField(frmMain& main, int index);

// Shows the field's display form; on the Equal type the payment options are refreshed after
// every field.
void LeaveField(frmMain& main, int index);

// Sets the S&EPP tab's hint line (Label3 element 3) for the element or control numbered `index`:
// the note on the account balances for 27 and 29, on the interest rate for 31, else
// "* Required fields".
void ShowFieldHint(frmMain& main, int index);

} // namespace ui
