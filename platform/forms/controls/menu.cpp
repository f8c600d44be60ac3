#include "platform/forms/controls/menu.h"

namespace forms {

Menu::Menu(Form& form, std::string name, Menu* parent)
    : ControlWith(form, std::move(name)), parent_(parent) {
    SetTabStop(false);
    if (parent != nullptr) {
        parent->items_.push_back(this);
    }
}

const std::string& Menu::Caption() const {
    return Get(&MenuProperties::caption);
}

void Menu::SetCaption(std::string caption) {
    Set(&MenuProperties::caption, std::move(caption));
}

bool Menu::Checked() const {
    return Get(&MenuProperties::checked);
}

void Menu::SetChecked(bool checked) {
    Set(&MenuProperties::checked, checked);
}

void Menu::Choose() {
    Raise(Click);
}

} // namespace forms
