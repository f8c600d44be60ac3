// The start-up window's design: the splash picture, the frame of type options and the buttons,
// all in the resizer that fills the window; the focus starts on Ok. The picture's size sets the
// window's, and the window's layout (start_form.cpp) places the frame, the buttons and the
// copyright line from it.
#include "program/ui/windows/start/start_form.h"

#include "program/ui/support/src/illustration_type_names.h"

#include "platform/forms/control_table.h"

#include <string>

namespace ui {

namespace {

using K = forms::ControlKind;

// Twips.
constexpr int kDesignWidth = 6600;
constexpr int kDesignHeight = 5250;

// clang-format off
constexpr forms::ControlRow kControls[] = {
    // name                   kind               container      tab  position                  caption
    {"ElasticOne1",           K::Resizer,        "",            -1,  {0, 0, 6480, 4785}},
    {"cmdOK",                 K::CommandButton,  "ElasticOne1", -1,  {5025, 4170, 1215, 375},  "&Ok"},
    {"cmdCancel",             K::CommandButton,  "ElasticOne1", -1,  {3570, 4170, 1215, 375},  "&Cancel"},
    {"Picture1",              K::PictureBox,     "ElasticOne1", -1,  {240, 240, 6000, 2250}},
    {"Frame1",                K::Frame,          "ElasticOne1", -1,  {240, 2610, 6000, 1440}},
    {"optIllustrationType(0)", K::OptionButton,  "Frame1",      -1,  {120, 200, 5760, 255}},
    {"optIllustrationType(1)", K::OptionButton,  "Frame1",      -1,  {120, 500, 5760, 255}},
    {"optIllustrationType(2)", K::OptionButton,  "Frame1",      -1,  {120, 800, 5760, 255}},
    {"optIllustrationType(3)", K::OptionButton,  "Frame1",      -1,  {120, 1100, 5760, 255},  "&Stretch"},
    {"lblCopyright",          K::Label,          "ElasticOne1", -1,  {240, 4110, 3210, 435}},
};
// clang-format on

} // namespace

void frmStart::DesignWindow() {
    Move(0, 0, kDesignWidth, kDesignHeight);
    // Its controls stand where the design puts them: the window keeps its size.
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    for (const int option : forms::ElementIndices(kControls, "optIllustrationType")) {
        // The Stretch option's caption is the table's; the others name their type in full.
        optIllustrationType.Add(option).SetCaption(
            IllustrationTypeCaption(static_cast<illustration::IllustrationType>(option)));
    }
    forms::LoadControls(*this, kControls, forms::ExistingNames::Placed);
    Picture1.SetAutoSize(true);
    // Enter takes the chosen type, Esc ends the program.
    cmdOK.SetDefault(true);
    cmdCancel.SetCancel(true);
}

} // namespace ui
