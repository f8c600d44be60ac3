// The start-up window ("Choose an Option"): checks the resource archive, shows its splash
// picture, hides the features the archive's list names, and lets the user choose the
// illustration type; its OK shows the main window. A start-up switch ("/0" to "/3") chooses
// without showing it.
//
// The layout is compacted once, when the window loads, from the base sizes: every hidden type
// option takes its row out of the frame and the window. Activating the window again changes
// nothing.
#pragma once

#include "program/ui/support/program_state.h"

#include "platform/forms/control_array.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/resizer.h"
#include "platform/forms/form.h"

namespace ui {

class frmMain;

class frmStart : public forms::Form {
public:
    frmStart(forms::Application& app, ProgramState& program, frmMain& main);

    // Loads the window (which may end the program or, with a switch, go straight on to the
    // main window) and shows it when the user still has to choose.
    void Start();

    forms::PictureBox Picture1;
    forms::Frame Frame1;
    forms::ControlArray<forms::OptionButton> optIllustrationType; // 0 to 3: the type
    forms::CommandButton cmdOK;
    forms::CommandButton cmdCancel;
    forms::Label lblCopyright;
    forms::Resizer ElasticOne1;

private:
    // Makes the option array's elements and loads the control table.
    void DesignWindow();
    void FormLoad();
    // The window as large as its picture asks: the frame under the picture, the buttons and the
    // copyright line under the frame.
    void LayOut();
    void CompactOptions();
    // False after the fatal message, when the program ends.
    bool ExtractSplashPicture();
    void ReadSupportAddress();
    bool ApplyInvisibleFeatures();
    void HideFeature(const std::string& name);
    void ChooseType();

    ProgramState& program_;
    frmMain& main_;
};

} // namespace ui
