// The about box: the program's title, version and legal notice.
#pragma once

#include "platform/forms/buttons.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/picture_box.h"

namespace ui {

class frmAbout : public forms::Form {
public:
    explicit frmAbout(forms::Application& app);

    forms::Label lblTitle;
    forms::Label lblVersion;
    forms::Label lblCopyright;
    forms::PictureBox picIcon;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdSysInfo;
    forms::ControlArray<forms::Line> Line1; // 1 grey, 0 white: the separator
};

// Shows the about box over `owner`, creating it on first use.
void ShowAboutBox(forms::Form& owner);

} // namespace ui
