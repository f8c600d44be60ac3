#include "program/ui/windows/representative/rep_info_form.h"

#include <array>

namespace ui {

namespace {

struct FieldData {
    const char* key; // the field's key in the shared profile, kept as its caption's tag
    int maxLength;
};

// Fields 0 to 12 and the hidden reserved field 13, whose caption is the state list's.
constexpr std::array<FieldData, 14> kFieldData = {{
    {"First", 20},
    {"Initial", 1},
    {"Last", 30},
    {"RepNumber", 20},
    {"Agency", 30},
    {"Work", 30},
    {"Home", 30},
    {"Fax", 30},
    {"EMail", 60},
    {"Address", 60},
    {"City", 30},
    {"Zip", 11},
    {"RunDate", 20},
    {"State", 15},
}};

} // namespace

frmRepInfo::frmRepInfo(forms::Application& app)
    : forms::Form(app, "frmRepInfo"), txtInput(*this, "txtInput"), Label1(*this, "Label1"),
      Frame1(*this, "Frame1"), Frame2(*this, "Frame2"), Label3(*this, "Label3"),
      cmboState(*this, "cmboState", forms::vbComboDropdownList), cmdOK(*this, "cmdOK"),
      cmdCancel(*this, "cmdCancel") {
    SetCaption("Financial Representative Information");
    DesignWindow();
    for (int index = 0; index < static_cast<int>(kFieldData.size()); ++index) {
        const FieldData& field = kFieldData[static_cast<std::size_t>(index)];
        txtInput(index).SetMaxLength(field.maxLength);
        Label1(index).SetTag(field.key);
    }
    Label1(12).SetVisible(false);
    txtInput(12).SetVisible(false);
    txtInput(13).SetVisible(false);
}

} // namespace ui
