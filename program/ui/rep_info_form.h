// The representative information window as far as the calculations read it: the texts of its
// fields and of its state list.
#pragma once

#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"
#include "platform/forms/text_box.h"

namespace ui {

class frmRepInfo : public forms::Form {
public:
    explicit frmRepInfo(forms::Application& app);

    // 0 first name, 1 middle initial, 2 last name, 4 agency, 5 work phone, 6 mobile phone,
    // 7 fax, 8 e-mail, 9 street or post-office box, 10 city, 11 ZIP code; 16 fields in all.
    forms::ControlArray<forms::TextBox> txtInput;
    forms::ComboBox cmboState;
};

} // namespace ui
