#include "program/ui/rep_info_form.h"

namespace ui {

namespace {

constexpr int kRepresentativeFields = 16;

} // namespace

frmRepInfo::frmRepInfo(forms::Application& app)
    : forms::Form(app, "frmRepInfo"), txtInput(*this, "txtInput"),
      cmboState(*this, "cmboState", forms::vbComboDropdownList) {
    for (int index = 0; index < kRepresentativeFields; ++index) {
        txtInput.Add(index);
    }
}

} // namespace ui
