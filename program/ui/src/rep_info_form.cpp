#include "program/ui/rep_info_form.h"

#include <array>

namespace ui {

namespace {

constexpr int kRepresentativeFields = 16;

struct FieldDesign {
    const char* caption;
    const char* key; // the field's key in the shared profile
    int maxLength;
};

// Fields 0 to 13; 13 is the state list's caption over the hidden reserved field.
constexpr std::array<FieldDesign, 14> kFieldDesign = {{
    {"&First Name*", "First", 20},
    {"&Initial", "Initial", 1},
    {"&Last*", "Last", 30},
    {"Rep. &Number", "RepNumber", 20},
    {"&Agency Name", "Agency", 30},
    {"&Work Phone", "Work", 30},
    {"&Mobile Phone", "Home", 30},
    {"Fa&x Number", "Fax", 30},
    {"&Email Address", "EMail", 60},
    {"&Street / PO Box*", "Address", 60},
    {"&City*", "City", 30},
    {"&Zip*", "Zip", 11},
    {"RunDate", "RunDate", 20},
    {"S&tate*", "State", 15},
}};

} // namespace

frmRepInfo::frmRepInfo(forms::Application& app)
    : forms::Form(app, "frmRepInfo"), txtInput(*this, "txtInput"), Label1(*this, "Label1"),
      cmboState(*this, "cmboState", forms::vbComboDropdownList), cmdOK(*this, "cmdOK"),
      cmdCancel(*this, "cmdCancel") {
    SetCaption("Financial Representative Information");
    for (int index = 0; index < kRepresentativeFields; ++index) {
        forms::TextBox& box = txtInput.Add(index);
        if (index < static_cast<int>(kFieldDesign.size())) {
            box.SetMaxLength(kFieldDesign[static_cast<std::size_t>(index)].maxLength);
        }
    }
    for (int index = 0; index < static_cast<int>(kFieldDesign.size()); ++index) {
        forms::Label& label = Label1.Add(index);
        label.SetCaption(kFieldDesign[static_cast<std::size_t>(index)].caption);
        label.SetTag(kFieldDesign[static_cast<std::size_t>(index)].key);
    }
    txtInput(12).SetEnabled(false);
    txtInput(13).SetVisible(false);
    cmdOK.SetCaption("&Ok");
    cmdCancel.SetCaption("Cancel");
}

} // namespace ui
