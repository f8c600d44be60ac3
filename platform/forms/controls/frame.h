// The frame: a captioned box that holds controls (SetContainer) and gives option buttons their
// group.
#pragma once

#include "platform/forms/controls/label.h"

#include <string>

namespace forms {

class Frame final : public Label {
public:
    Frame(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Frame; }
};

} // namespace forms
