// The representative window's design: the personal fields in the frame "Personal", the mailing
// address with the state list in "Mailing Address", each caption beside its field; the hint and
// the buttons under them. The tab order runs down the fields, then Ok and Cancel, so the focus
// starts in the first name.
#include "program/ui/windows/representative/rep_info_form.h"

#include "platform/forms/control_table.h"

namespace ui {

namespace {

using K = forms::ControlKind;

// Twips: the window's size with its frame.
constexpr int kDesignWidth = 6540;
constexpr int kDesignHeight = 5985;

// clang-format off
constexpr forms::ControlRow kControls[] = {
    // name          kind               container  tab  position                 caption
    {"Frame1",       K::Frame,          "",        -1,  {120, 120, 6180, 3120},  "Personal"},
    {"Label1(0)",    K::Label,          "Frame1",  -1,  {120, 285, 1500, 225},   "&First Name*"},
    {"txtInput(0)",  K::TextBox,        "Frame1",  -1,  {1680, 255, 2250, 285}},
    {"Label1(1)",    K::Label,          "Frame1",  -1,  {120, 600, 1500, 225},   "&Initial"},
    {"txtInput(1)",  K::TextBox,        "Frame1",  -1,  {1680, 570, 450, 285}},
    {"Label1(2)",    K::Label,          "Frame1",  -1,  {120, 915, 1500, 225},   "&Last*"},
    {"txtInput(2)",  K::TextBox,        "Frame1",  -1,  {1680, 885, 3000, 285}},
    {"Label1(3)",    K::Label,          "Frame1",  -1,  {120, 1230, 1500, 225},  "Rep. &Number"},
    {"txtInput(3)",  K::TextBox,        "Frame1",  -1,  {1680, 1200, 2250, 285}},
    {"Label1(4)",    K::Label,          "Frame1",  -1,  {120, 1545, 1500, 225},  "&Agency Name"},
    {"txtInput(4)",  K::TextBox,        "Frame1",  -1,  {1680, 1515, 3000, 285}},
    {"Label1(5)",    K::Label,          "Frame1",  -1,  {120, 1860, 1500, 225},  "&Work Phone"},
    {"txtInput(5)",  K::TextBox,        "Frame1",  -1,  {1680, 1830, 3000, 285}},
    {"Label1(6)",    K::Label,          "Frame1",  -1,  {120, 2175, 1500, 225},  "&Mobile Phone"},
    {"txtInput(6)",  K::TextBox,        "Frame1",  -1,  {1680, 2145, 3000, 285}},
    {"Label1(7)",    K::Label,          "Frame1",  -1,  {120, 2490, 1500, 225},  "Fa&x Number"},
    {"txtInput(7)",  K::TextBox,        "Frame1",  -1,  {1680, 2460, 3000, 285}},
    {"Label1(8)",    K::Label,          "Frame1",  -1,  {120, 2805, 1500, 225},  "&Email Address"},
    {"txtInput(8)",  K::TextBox,        "Frame1",  -1,  {1680, 2775, 4380, 285}},
    {"Frame2",       K::Frame,          "",        -1,  {120, 3360, 6180, 1545}, "Mailing Address"},
    {"Label1(9)",    K::Label,          "Frame2",  -1,  {120, 285, 1500, 225},   "&Street / PO Box*"},
    {"txtInput(9)",  K::TextBox,        "Frame2",  -1,  {1680, 255, 4380, 285}},
    {"Label1(10)",   K::Label,          "Frame2",  -1,  {120, 600, 1500, 225},   "&City*"},
    {"txtInput(10)", K::TextBox,        "Frame2",  -1,  {1680, 570, 3000, 285}},
    {"Label1(13)",   K::Label,          "Frame2",  -1,  {120, 915, 1500, 225},   "S&tate*"},
    {"cmboState",    K::ComboBox,       "Frame2",  -1,  {1680, 885, 900, 285}},
    {"Label1(11)",   K::Label,          "Frame2",  -1,  {120, 1230, 1500, 225},  "&Zip*"},
    {"txtInput(11)", K::TextBox,        "Frame2",  -1,  {1680, 1200, 1500, 285}},
    {"Label3",       K::Label,          "",        -1,  {120, 5100, 3000, 225},  "* Required fields"},
    {"cmdOK",        K::CommandButton,  "",        -1,  {3750, 5025, 1215, 375}, "&Ok"},
    {"cmdCancel",    K::CommandButton,  "",        -1,  {5085, 5025, 1215, 375}, "Cancel"},
    // Kept with the record, never shown: the date of the last save and the reserved field.
    {"Label1(12)",   K::Label,          "",        -1,  {},                      "RunDate"},
    {"txtInput(12)", K::TextBox,        "",        -1,  {}},
    {"txtInput(13)", K::TextBox,        "",        -1,  {}},
};
// clang-format on

} // namespace

void frmRepInfo::DesignWindow() {
    Move(0, 0, kDesignWidth, kDesignHeight);
    // Its controls stand where the design puts them: the window keeps its size.
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    for (const int index : forms::ElementIndices(kControls, "txtInput")) {
        txtInput.Add(index);
    }
    for (const int index : forms::ElementIndices(kControls, "Label1")) {
        Label1.Add(index);
    }
    forms::LoadControls(*this, kControls, forms::ExistingNames::Placed);
    cmdOK.SetDefault(true);
    cmdCancel.SetCancel(true);
}

} // namespace ui
