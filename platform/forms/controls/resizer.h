// The resizer container: a borderless container moved and sized with its window.
#pragma once

#include "platform/forms/control.h"

#include <string>

namespace forms {

class Resizer final : public Control {
public:
    Resizer(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Resizer; }
};

} // namespace forms
