#include "platform/forms/option_button.h"

#include "platform/forms/form.h"

namespace forms {

bool OptionButton::Value() const {
    Touch();
    return p_.value != 0;
}

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    for (Control* control : Parent().Controls()) {
        if (control->Kind() != ControlKind::OptionButton) {
            continue;
        }
        auto* option = static_cast<OptionButton*>(control);
        if (option->Container() == Container() && option->ContainerPage() == ContainerPage()) {
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
    const std::vector<OptionButton*> group = Group();
    for (const OptionButton* option : group) {
        if (option->p_.value != 0) {
            return false;
        }
    }
    return !group.empty() && group.front() == this;
}

} // namespace forms
