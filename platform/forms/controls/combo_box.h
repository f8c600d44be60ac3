// The combo box: a drop-down combo (an edit line over the list) or a drop-down list.
//
// Typing into a drop-down combo edits the end of its text (backspace removes the last
// character) and leaves no item selected; a paste goes through KeyPress character by character,
// as typing does, and raises one Change.
#pragma once

#include "platform/forms/controls/list_control.h"

#include <string>

namespace forms {

inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboDropdownList = 2;

class ComboBox final : public ListControl {
public:
    ComboBox(Form& form, std::string name, int style = vbComboDropdown);

    ControlKind Kind() const override { return ControlKind::ComboBox; }

    int Style() const;
    const std::string& Text() const;
    // Drop-down combo: sets the edit text (Change when it differs) and selects the item of
    // exactly that text, or none. Drop-down list: selects the item of that text (any case) and
    // raises Click; a text that no item has raises error 380.
    void SetText(std::string text);

    // What a user's paste into the edit line does: each character through KeyPress, the ones
    // let through added at the end, one Change. A drop-down list takes no paste.
    void Paste(const std::string& text);

    Event<> Change;

private:
    void SelectionChanged() override;
    bool KeepsLineKeys() const override { return p_.style == vbComboDropdown; }
    void DefaultKeyAction(int keyAscii) override;
    void SetEditText(std::string text);
};

} // namespace forms
