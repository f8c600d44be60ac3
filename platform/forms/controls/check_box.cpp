#include "platform/forms/controls/check_box.h"

#include "platform/forms/errors.h"

namespace forms {

int CheckBox::Value() const {
    Touch();
    return p_.value;
}

void CheckBox::SetValue(int value) {
    Touch();
    if (value < vbUnchecked || value > vbGrayed) {
        RaiseInvalidPropertyValue(DisplayName() + ".Value = " + std::to_string(value));
    }
    if (value == p_.value) {
        return;
    }
    p_.value = value;
    Changed();
    Raise(Click);
}

void CheckBox::Toggle() {
    SetValue(p_.value == vbChecked ? vbUnchecked : vbChecked);
}

void CheckBox::DefaultKeyAction(int keyAscii) {
    if (keyAscii == ' ') {
        Toggle();
    }
}

} // namespace forms
