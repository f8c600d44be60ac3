// The about box: the program's title, version and legal notice.
#pragma once

#include "platform/forms/control_array.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/line.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/form.h"

namespace ui {

class frmAbout : public forms::Form {
public:
    // The box of the main window `main`, over which it is centred when it loads.
    frmAbout(forms::Application& app, forms::Form& main);

    forms::Label lblTitle;
    forms::Label lblVersion;
    forms::Label lblCopyright;
    forms::PictureBox picIcon;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdSysInfo;
    forms::ControlArray<forms::Line> Line1; // 1 grey, 0 white: the separator

private:
    // Makes the line array's elements and loads the control table.
    void DesignWindow();

    forms::Form& main_;
};

// Shows the about box of the main window `main`, creating it on first use.
void ShowAboutBox(forms::Form& main);

} // namespace ui
