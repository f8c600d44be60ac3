// The button family: command button, check box and option button.
//
// Programmatic changes raise Click as the original runtime does: setting a check box's Value to
// a different value, or setting an option button's Value to true when it was false, raises
// Click exactly as a user's click does. Clearing an option button from code raises nothing, and
// neither do the other buttons of the group that a chosen option button clears.
#pragma once

#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

struct ButtonProperties {
    std::string caption;
    int value = 0; // check box 0, 1 or 2 (greyed); option button 0 or 1
};

// What the three buttons share: a caption, the focus, and Click.
class Button : public ControlWith<ButtonProperties> {
public:
    Button(Form& form, std::string name);

    const std::string& Caption() const;
    void SetCaption(std::string caption);
    bool TakesFocus() const override { return true; }

    Event<> Click;
};

class CommandButton : public Button {
public:
    using Button::Button;

    // What a user's click does once the button has the focus: raises Click.
    void Press();

private:
    void DefaultKeyAction(int keyAscii) override;
};

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

class CheckBox : public Button {
public:
    using Button::Button;

    int Value() const;
    // 0, 1 or 2; another value raises error 380. A different value raises Click.
    void SetValue(int value);

    // What a user's click or the space bar does: checked becomes unchecked, anything else
    // checked; then Click.
    void Toggle();

private:
    void DefaultKeyAction(int keyAscii) override;
};

// Option buttons with the same container (and tab page) form one group: choosing one clears the
// others.
class OptionButton : public Button {
public:
    using Button::Button;

    bool Value() const;
    // True chooses this button (Click when it was not chosen) and clears the rest of the group.
    void SetValue(bool value);
    // Only the chosen button of a group is a tab stop (the first one when none is chosen).
    bool IsTabStop() const override;
    std::vector<OptionButton*> Group() const;
};

} // namespace forms
