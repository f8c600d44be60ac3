// Input validation: the checks that run before every calculation, for the inputs of the current
// illustration type, in a fixed order, stopping at the first failure.
#pragma once

#include "program/ui/main_window/main_form.h"

#include <string>
#include <string_view>

namespace ui {

// Returns true when a check failed and its message was shown, or when a run-time error ended
// the checks (the caller must not calculate); false when every check passed. On success the
// window's `validated` holds the values the calculation reads. Two checks only warn, once in the
// window's life (RateWarned, SpouseWarned).
bool DefineVariables(frmMain& main);

// Puts `sample` into the field with `tag`, brings `tab` forward, focuses and selects the field
// and shows `message` titled `title` with the exclamation icon. A sample is an example, which
// later checks do not take for the user's input until the field is changed; an empty sample
// empties the field, and the empty field is then read as it is. Does nothing while the tab is
// hidden or the saved-illustration browser shows; an unknown tag gets the critical message
// "No field found for tag: <tag>".
void ShowFieldMessage(frmMain& main, const std::string& message, const std::string& title, int tab,
                      std::string_view tag, const std::string& sample);

} // namespace ui
