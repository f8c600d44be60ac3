// The command button, and the form's default and cancel buttons.
//
// Enter presses the form's default button and Esc its cancel button, as long as that button is
// showing and enabled; the control with the focus then gets no key events for the key. Enter on
// a command button with the focus presses that button instead. At most one button of a form is
// the default and one the cancel button: making one so clears the others.
#pragma once

#include "platform/forms/controls/button.h"

namespace forms {

class CommandButton final : public Button {
public:
    using Button::Button;

    ControlKind Kind() const override { return ControlKind::CommandButton; }

    bool Default() const;
    void SetDefault(bool isDefault);
    bool Cancel() const;
    void SetCancel(bool cancel);

    // What a user's click does once the button has the focus: raises Click.
    void Press();

private:
    void DefaultKeyAction(int keyAscii) override;
    // Makes this button the form's only one with `property` set, or clears it here.
    void SetExclusive(bool ButtonProperties::*property, bool value);
};

} // namespace forms
