// The browser's design: the grid of saved illustrations and the line under it over the row of
// buttons, and the grid's columns. The Type and Illustration Date columns are wide enough for
// "Stretch" and for their title in the grid's font.
#include "program/ui/windows/browser/data_form.h"

#include "platform/forms/control_table.h"

#include <array>

namespace ui {

namespace {

using K = forms::ControlKind;

// Twips: the window's size with its frame.
constexpr int kDesignWidth = 10740;
constexpr int kDesignHeight = 6000;

// clang-format off
constexpr forms::ControlRow kControls[] = {
    // name            kind               container  tab  position                  caption
    {"VSFlexGrid1",    K::Grid,           "",        -1,  {120, 120, 10380, 4440}},
    {"lblUnreadable",  K::Label,          "",        -1,  {120, 4650, 10380, 285}},
    {"cmdOK",          K::CommandButton,  "",        -1,  {120, 5040, 1380, 375},   "&Ok"},
    {"cmdNew",         K::CommandButton,  "",        -1,  {1620, 5040, 1380, 375},  "&New"},
    {"cmdCopy",        K::CommandButton,  "",        -1,  {3120, 5040, 1380, 375},  "&Copy"},
    {"cmdDelete",      K::CommandButton,  "",        -1,  {4620, 5040, 1380, 375},  "&Delete"},
    {"cmdUndelete",    K::CommandButton,  "",        -1,  {6120, 5040, 1380, 375},  "&Undelete"},
    {"cmdCancel",      K::CommandButton,  "",        -1,  {7620, 5040, 1380, 375},  "Cancel"},
    {"cmdHelp",        K::CommandButton,  "",        -1,  {9120, 5040, 1380, 375},  "&Help"},
};

using A = forms::Alignment;
using D = forms::GridDataKind;
const std::array<forms::GridColumn, 8> kGridColumns = {{
    // title                 key         width  alignment  data kind       hidden
    {"Name",                 "Name",     2100,  A::Left,   D::Text,        false},
    {"Illustration Date",    "Date",     1740,  A::Center, D::Date,        false},
    {"Type",                 "Type",     810,   A::Left,   D::Text,        false},
    {"Plan Type",            "PlanType", 1200,  A::Left,   D::Text,        false},
    {"Plan Name",            "Plan",     2200,  A::Left,   D::Text,        false},
    {"Year",                 "Year",     600,   A::Left,   D::Text,        false},
    {"Distribution",         "RMD",      1400,  A::Right,  D::Currency,    false},
    {"Record",               "Record",   800,   A::Right,  D::WholeNumber, true},
}};
// clang-format on

} // namespace

void frmData::DesignWindow() {
    Move(0, 0, kDesignWidth, kDesignHeight);
    // Its controls stand where the design puts them: the window keeps its size.
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    forms::LoadControls(*this, kControls, forms::ExistingNames::Placed);
    // Enter opens the selected illustration, Esc closes the browser.
    cmdOK.SetDefault(true);
    cmdCancel.SetCancel(true);
}

std::span<const forms::GridColumn> frmData::GridColumns() {
    return kGridColumns;
}

} // namespace ui
