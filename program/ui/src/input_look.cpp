#include "program/ui/src/input_look.h"

namespace ui {

void SwitchInput(frmMain& main, int index, bool on) {
    forms::TextBox& field = main.txtInput(index);
    if (!on) {
        field.SetText("");
    }
    field.SetEnabled(on);
    field.SetBackColor(on ? forms::Color::WindowBackground : forms::Color::GrayText);
    if (main.lblInput.Exists(index)) {
        main.lblInput(index).SetForeColor(on ? forms::Color::ButtonText : forms::Color::GrayText);
    }
}

} // namespace ui
