// Access keys: the character after a single "&" in a caption ("&Ok", "S&EPP"), which the user
// presses with Alt to act on the control; "&&" shows one "&" and marks nothing.
#pragma once

#include <string>

namespace forms {

// The caption's access key, a letter as its capital, 0 when the caption has none.
char AccessKeyOf(const std::string& caption);

} // namespace forms
