// Centres a window over its owner.
#pragma once

#include "platform/forms/form.h"

namespace ui {

// Moves `form` (its size unchanged) to the middle of `owner`'s inside, or of the screen when the
// form is at least as wide as that inside, halves rounded to even; a place less than 100 twips
// from the screen's top or left edge, or one that runs off the screen, becomes 100.
void CenterForm(forms::Form& form, const forms::Form& owner);

} // namespace ui
