#include "program/ui/main_window/src/input_look.h"

namespace ui {

void SwitchInput(frmMain& main, int index, bool on) {
    forms::TextBox& field = main.txtInput(index);
    if (!on) {
        field.SetText("");
    }
    field.SetEnabled(on);
    field.SetBackColor(on ? forms::Color::kWindowBackground : forms::Color::kGrayText);
    if (main.lblInput.Exists(index)) {
        main.lblInput(index).SetForeColor(on ? forms::Color::kButtonText : forms::Color::kGrayText);
    }
}

} // namespace ui
