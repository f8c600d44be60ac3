// The resizer container: a borderless container moved and sized with its window.
#pragma once

#include <string>

#include "platform/forms/control.h"

namespace forms {

class Resizer final : public Control {
public:
    Resizer(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Resizer; }
};

} // namespace forms
