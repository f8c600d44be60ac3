// What the three buttons (command button, check box, option button) share: a caption, the
// focus, and Click.
//
// Programmatic changes raise Click as the original runtime does: setting a check box's Value to
// a different value, or setting an option button's Value to true when it was false, raises
// Click exactly as a user's click does. Clearing an option button from code raises nothing, and
// neither do the other buttons of the group that a chosen option button clears.
#pragma once

#include "platform/forms/control.h"

#include <string>

namespace forms {

struct ButtonProperties {
    std::string caption;
    int value = 0;          // check box 0, 1 or 2 (greyed); option button 0 or 1
    bool isDefault = false; // command button only: Enter presses it
    bool cancel = false;    // command button only: Esc presses it
};

class Button : public ControlWith<ButtonProperties> {
public:
    Button(Form& form, std::string name);

    const std::string& Caption() const;
    void SetCaption(std::string caption);
    bool TakesFocus() const override { return true; }

    Event<> Click;
};

} // namespace forms
