#include "platform/forms/menu.h"

namespace forms {

Menu::Menu(Form& form, std::string name, Menu* parent)
    : ControlWith(form, std::move(name)), parent_(parent) {
    SetTabStop(false);
    if (parent != nullptr) {
        parent->items_.push_back(this);
    }
}

const std::string& Menu::Caption() const {
    Touch();
    return p_.caption;
}

void Menu::SetCaption(std::string caption) {
    Touch();
    p_.caption = std::move(caption);
    Changed();
}

bool Menu::Checked() const {
    Touch();
    return p_.checked;
}

void Menu::SetChecked(bool checked) {
    Touch();
    if (checked != p_.checked) {
        p_.checked = checked;
        Changed();
    }
}

void Menu::Choose() {
    Raise(Click);
}

} // namespace forms
