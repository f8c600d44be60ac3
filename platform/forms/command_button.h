// The command button.
#pragma once

#include "platform/forms/button.h"

namespace forms {

class CommandButton final : public Button {
public:
    using Button::Button;

    ControlKind Kind() const override { return ControlKind::CommandButton; }

    // What a user's click does once the button has the focus: raises Click.
    void Press();

private:
    void DefaultKeyAction(int keyAscii) override;
};

} // namespace forms
