// The check box: unchecked, checked or greyed.
#pragma once

#include "platform/forms/controls/button.h"

namespace forms {

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

class CheckBox final : public Button {
public:
    using Button::Button;

    ControlKind Kind() const override { return ControlKind::CheckBox; }

    int Value() const;
    // 0, 1 or 2; another value raises error 380. A different value raises Click.
    void SetValue(int value);

    // What a user's click or the space bar does: checked becomes unchecked, anything else
    // checked; then Click.
    void Toggle();

private:
    void DefaultKeyAction(int keyAscii) override;
};

} // namespace forms
