#include "platform/forms/controls/resizer.h"

namespace forms {

Resizer::Resizer(Form& form, std::string name) : Control(form, std::move(name)) {
    SetBackColor(Color::kButtonFace);
}

} // namespace forms
