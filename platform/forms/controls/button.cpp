#include "platform/forms/controls/button.h"

namespace forms {

Button::Button(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetBackColor(Color::kButtonFace);
    SetForeColor(Color::kButtonText);
}

const std::string& Button::Caption() const {
    return Get(&ButtonProperties::caption);
}

void Button::SetCaption(std::string caption) {
    Set(&ButtonProperties::caption, std::move(caption));
}

} // namespace forms
