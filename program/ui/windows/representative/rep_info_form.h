// The representative information window: the representative's fields, their captions (a caption
// ending in "*" marks a required field), the state list and the two buttons. The calculations
// read the texts of its fields and of its state list.
#pragma once

#include "platform/forms/control_array.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/form.h"

namespace ui {

class frmRepInfo : public forms::Form {
public:
    explicit frmRepInfo(forms::Application& app);

    // 0 first name, 1 middle initial, 2 last name, 3 representative number, 4 agency, 5 work
    // phone, 6 mobile phone, 7 fax, 8 e-mail, 9 street or post-office box, 10 city, 11 ZIP code;
    // hidden: 12 the date of the last save, 13 the record's reserved field.
    forms::ControlArray<forms::TextBox> txtInput;
    // The captions of fields 0 to 12 and (13) of the state list.
    forms::ControlArray<forms::Label> Label1;
    forms::Frame Frame1; // "Personal": fields 0 to 8
    forms::Frame Frame2; // "Mailing Address": fields 9 to 11 and the state list
    forms::Label Label3; // "* Required fields"
    forms::ComboBox cmboState;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdCancel;

private:
    // Makes the arrays' elements and loads the control table.
    void DesignWindow();
};

} // namespace ui
