// The option button. Option buttons with the same container (and tab page) form one group:
// choosing one clears the others. The arrow keys move between the showing, enabled buttons of
// the group in tab order, wrapping round: Up and Left to the one before, Down and Right to the
// one after; the button moved to gets the focus and is chosen, as a click chooses it.
#pragma once

#include "platform/forms/controls/button.h"

#include <vector>

namespace forms {

class OptionButton final : public Button {
public:
    using Button::Button;

    ControlKind Kind() const override { return ControlKind::OptionButton; }

    bool Value() const;
    // True chooses this button (Click when it was not chosen) and clears the rest of the group.
    void SetValue(bool value);
    // Only the chosen button of a group is a tab stop (the first one when none is chosen).
    bool IsTabStop() const override;
    std::vector<OptionButton*> Group() const;

private:
    void DefaultKeyDownAction(int keyCode, int shift) override;
};

} // namespace forms
