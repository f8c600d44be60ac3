#include "platform/forms/buttons.h"

#include "platform/forms/errors.h"
#include "platform/forms/form.h"

namespace forms {

Button::Button(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetBackColor(Color::ButtonFace);
    SetForeColor(Color::ButtonText);
}

const std::string& Button::Caption() const {
    return Get(&ButtonProperties::caption);
}

void Button::SetCaption(std::string caption) {
    Set(&ButtonProperties::caption, std::move(caption));
}

void CommandButton::Press() {
    Raise(Click);
}

void CommandButton::DefaultKeyAction(int keyAscii) {
    if (keyAscii == ' ' || keyAscii == '\r') {
        Press();
    }
}

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

bool OptionButton::Value() const {
    Touch();
    return p_.value != 0;
}

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    for (Control* control : Parent().Controls()) {
        auto* option = dynamic_cast<OptionButton*>(control);
        if (option != nullptr && option->Container() == Container() &&
            option->ContainerPage() == ContainerPage()) {
            group.push_back(option);
        }
    }
    return group;
}

void OptionButton::SetValue(bool value) {
    Touch();
    if (!value) {
        if (p_.value != 0) {
            p_.value = 0;
            Changed();
        }
        return;
    }
    if (p_.value != 0) {
        return;
    }
    for (OptionButton* other : Group()) {
        if (other != this && other->p_.value != 0) {
            other->p_.value = 0;
            other->Changed();
        }
    }
    p_.value = 1;
    Changed();
    Raise(Click);
}

bool OptionButton::IsTabStop() const {
    if (!Control::IsTabStop()) {
        return false;
    }
    if (p_.value != 0) {
        return true;
    }
    for (const OptionButton* option : Group()) {
        if (option->p_.value != 0) {
            return false;
        }
    }
    const std::vector<OptionButton*> group = Group();
    return !group.empty() && group.front() == this;
}

} // namespace forms
