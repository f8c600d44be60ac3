#include "family/comdlg/src/dialog_templates.h"

#include "platform/win32/dialog_template.h"

namespace caddow {

namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kGroupStyle = BS_GROUPBOX;
constexpr DWORD kLabelStyle = SS_LEFT;
constexpr DWORD kEditStyle = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kDefaultButtonStyle = BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kButtonStyle = BS_PUSHBUTTON | WS_TABSTOP;

// Each label stands before its field, so that its mnemonic moves the focus to the field.
constexpr win32::DialogItem kAgentItems[] = {
    {"Button", " Personal ", kNoId, 7, 6, 286, 130, kGroupStyle},
    {"Static", "N&ame", kNoId, 16, 22, 70, 8, kLabelStyle},
    {"Edit", "", kNameField, 90, 20, 194, 12, kEditStyle | WS_GROUP},
    {"Static", "&Number", kNoId, 16, 38, 70, 8, kLabelStyle},
    {"Edit", "", kNumberField, 90, 36, 194, 12, kEditStyle},
    {"Static", "&License Number", kNoId, 16, 54, 70, 8, kLabelStyle},
    {"Edit", "", kLicenseField, 90, 52, 194, 12, kEditStyle},
    {"Static", "A&gency", kNoId, 16, 70, 70, 8, kLabelStyle},
    {"Edit", "", kAgencyField, 90, 68, 194, 12, kEditStyle},
    {"Static", "&Work", kNoId, 16, 86, 70, 8, kLabelStyle},
    {"Edit", "", kWorkField, 90, 84, 194, 12, kEditStyle},
    {"Static", "&Home", kNoId, 16, 102, 70, 8, kLabelStyle},
    {"Edit", "", kHomeField, 90, 100, 194, 12, kEditStyle},
    {"Static", "&Fax", kNoId, 16, 118, 70, 8, kLabelStyle},
    {"Edit", "", kFaxField, 90, 116, 194, 12, kEditStyle},
    {"Button", " Mailing Address ", kNoId, 7, 142, 286, 82, kGroupStyle},
    {"Static", "S&treet", kNoId, 16, 158, 70, 8, kLabelStyle},
    {"Edit", "", kStreetField, 90, 156, 194, 12, kEditStyle},
    {"Static", "&City", kNoId, 16, 174, 70, 8, kLabelStyle},
    {"Edit", "", kCityField, 90, 172, 194, 12, kEditStyle},
    {"Static", "&State", kNoId, 16, 190, 70, 8, kLabelStyle},
    {"ComboBox", "", kStateList, 90, 188, 40, 120,
     CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
    {"Static", "&Zip", kNoId, 16, 206, 70, 8, kLabelStyle},
    {"Edit", "", kZipField, 90, 204, 60, 12, kEditStyle},
    {"Button", "&OK", IDOK, 68, 234, 50, 14, kDefaultButtonStyle},
    {"Button", "Cancel", IDCANCEL, 125, 234, 50, 14, kButtonStyle},
    {"Button", "Help", kHelpButton, 182, 234, 50, 14, kButtonStyle},
};

constexpr win32::DialogItem kOpenClientItems[] = {
    {"Button", " &Select a Client ", kNoId, 7, 6, 150, 112, kGroupStyle},
    {"ListBox", "", kClientList, 14, 20, 136, 92,
     LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER | WS_GROUP | WS_TABSTOP},
    {"Button", "Ok", IDOK, 166, 10, 50, 14, kDefaultButtonStyle},
    {"Button", "Cancel", IDCANCEL, 166, 30, 50, 14, kButtonStyle},
    {"Button", "&Delete", kDeleteButton, 166, 50, 50, 14, kButtonStyle},
    {"Button", "Help", kHelpButton, 166, 104, 50, 14, kButtonStyle},
};

constexpr win32::DialogTemplate kAgentTemplate{
    kDialogStyle,    0, 0,          0, 300, 256, "Financial Representative Information",
    "MS Sans Serif", 8, kAgentItems};

constexpr win32::DialogTemplate kOpenClientTemplate{
    kDialogStyle, 0, 0, 0, 224, 124, "Open Client", "MS Sans Serif", 8, kOpenClientItems};

} // namespace

void RegisterDialogTemplates(HINSTANCE instance) {
    win32::RegisterDialogTemplate(instance, kAgentDialog, kAgentTemplate);
    win32::RegisterDialogTemplate(instance, kOpenClientDialog, kOpenClientTemplate);
}

} // namespace caddow
