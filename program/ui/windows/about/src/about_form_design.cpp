// The about box's design: the icon and the title beside it, the version under the title, the
// engraved separator, the legal notice and the two buttons. Its load (about_form.cpp) puts the
// version, the separator and the notice under the title it fills in.
#include "program/ui/windows/about/src/about_form.h"

#include "platform/forms/control_table.h"

namespace ui {

namespace {

using K = forms::ControlKind;

// Twips: the box's size with its frame.
constexpr int kDesignWidth = 5745;
constexpr int kDesignHeight = 3900;

// clang-format off
constexpr forms::ControlRow kControls[] = {
    // name           kind               container  tab  position                caption
    {"picIcon",       K::PictureBox,     "",        -1,  {240, 240, 480, 480}},
    {"lblTitle",      K::Label,          "",        -1,  {950, 150, 4500, 285},  "Application Title"},
    {"lblVersion",    K::Label,          "",        -1,  {950, 435, 4500, 225},  "Version"},
    {"Line1(1)",      K::Line,           "",        -1,  {60, 858, 5185, 0}},
    {"Line1(0)",      K::Line,           "",        -1,  {60, 860, 5185, 0}},
    {"lblCopyright",  K::Label,          "",        -1,  {150, 1010, 5300, 1300}},
    {"cmdOK",         K::CommandButton,  "",        -1,  {4095, 3000, 1410, 345},  "OK"},
    {"cmdSysInfo",    K::CommandButton,  "",        -1,  {2565, 3000, 1410, 345},  "&System Info..."},
};
// clang-format on

} // namespace

void frmAbout::DesignWindow() {
    Move(0, 0, kDesignWidth, kDesignHeight);
    // Its controls stand where the design puts them: the window keeps its size.
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    for (const int line : forms::ElementIndices(kControls, "Line1")) {
        Line1.Add(line);
    }
    forms::LoadControls(*this, kControls, forms::ExistingNames::Placed);
    // Enter and Esc both close the box.
    cmdOK.SetDefault(true);
    cmdOK.SetCancel(true);
}

} // namespace ui
