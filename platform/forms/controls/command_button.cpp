#include "platform/forms/controls/command_button.h"

#include "platform/forms/form.h"

namespace forms {

bool CommandButton::Default() const {
    return Get(&ButtonProperties::isDefault);
}

void CommandButton::SetDefault(bool isDefault) {
    SetExclusive(&ButtonProperties::isDefault, isDefault);
}

bool CommandButton::Cancel() const {
    return Get(&ButtonProperties::cancel);
}

void CommandButton::SetCancel(bool cancel) {
    SetExclusive(&ButtonProperties::cancel, cancel);
}

void CommandButton::SetExclusive(bool ButtonProperties::*property, bool value) {
    if (value) {
        for (Control* control : Parent().Controls()) {
            auto* other = control->Kind() == ControlKind::CommandButton
                              ? static_cast<CommandButton*>(control)
                              : nullptr;
            if (other != nullptr && other != this && other->p_.*property) {
                other->Set(property, false);
            }
        }
    }
    Set(property, value);
}

void CommandButton::Press() {
    Raise(Click);
}

void CommandButton::DefaultKeyAction(int keyAscii) {
    if (keyAscii == ' ' || keyAscii == '\r') {
        Press();
    }
}

} // namespace forms
