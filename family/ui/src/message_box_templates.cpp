#include "family/ui/src/message_box_templates.h"

#include "platform/win32/dialog_template.h"

namespace vistel {

namespace {

constexpr DWORD kFirstButtonStyle = BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kOtherButtonStyle = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kIconButtonStyle = BS_PUSHBUTTON;

constexpr win32::DialogItem kOneButton[] = {
    {"Static", "", 0xFFFF, 10, 10, 160, 50, SS_ETCHEDFRAME},
    {"Static", "", kMessageText, 15, 15, 150, 40, SS_LEFT},
    {"Button", "", kFirstButton, 120, 70, 50, 14, kFirstButtonStyle},
};
constexpr win32::DialogItem kTwoButtons[] = {
    {"Static", "", 0xFFFF, 10, 10, 160, 50, SS_ETCHEDFRAME},
    {"Static", "", kMessageText, 15, 15, 150, 40, SS_LEFT},
    {"Button", "", kFirstButton, 68, 70, 50, 14, kFirstButtonStyle},
    {"Button", "", kSecondButton, 120, 70, 50, 14, kOtherButtonStyle},
};
constexpr win32::DialogItem kThreeButtons[] = {
    {"Static", "", 0xFFFF, 10, 10, 160, 50, SS_ETCHEDFRAME},
    {"Static", "", kMessageText, 15, 15, 150, 40, SS_LEFT},
    {"Button", "", kFirstButton, 16, 70, 50, 14, kFirstButtonStyle},
    {"Button", "", kSecondButton, 68, 70, 50, 14, kOtherButtonStyle},
    {"Button", "", kThirdButton, 120, 70, 50, 14, kOtherButtonStyle},
};
constexpr win32::DialogItem kOneButtonIcon[] = {
    {"Static", "", 0xFFFF, 10, 10, 160, 55, SS_ETCHEDFRAME},
    {"Button", "", kIconButton, 15, 15, 24, 32, kIconButtonStyle},
    {"Static", "", kMessageText, 45, 15, 120, 45, SS_LEFT},
    {"Button", "", kFirstButton, 120, 70, 50, 14, kFirstButtonStyle},
};
constexpr win32::DialogItem kTwoButtonsIcon[] = {
    {"Static", "", 0xFFFF, 10, 10, 160, 50, SS_ETCHEDFRAME},
    {"Button", "", kIconButton, 15, 15, 24, 32, kIconButtonStyle},
    {"Static", "", kMessageText, 45, 15, 120, 40, SS_LEFT},
    {"Button", "", kFirstButton, 68, 70, 50, 14, kFirstButtonStyle},
    {"Button", "", kSecondButton, 120, 70, 50, 14, kOtherButtonStyle},
};
constexpr win32::DialogItem kThreeButtonsIcon[] = {
    {"Static", "", 0xFFFF, 10, 10, 160, 50, SS_ETCHEDFRAME},
    {"Button", "", kIconButton, 15, 15, 24, 32, kIconButtonStyle},
    {"Static", "", kMessageText, 45, 15, 120, 40, SS_LEFT},
    {"Button", "", kFirstButton, 16, 70, 50, 14, kFirstButtonStyle},
    {"Button", "", kSecondButton, 68, 70, 50, 14, kOtherButtonStyle},
    {"Button", "", kThirdButton, 120, 70, 50, 14, kOtherButtonStyle},
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr win32::DialogTemplate Dialog(std::span<const win32::DialogItem> items) {
    return win32::DialogTemplate{kDialogStyle,    0, 0,    0, 180, 90, "Message Box",
                                 "MS Sans Serif", 8, items};
}

struct NamedTemplate {
    const char* name;
    win32::DialogTemplate dialog;
};

const NamedTemplate kTemplates[] = {
    {"Msg1Btn", Dialog(kOneButton)},          {"Msg2Btn", Dialog(kTwoButtons)},
    {"Msg3Btn", Dialog(kThreeButtons)},       {"Msg1BtnIcon", Dialog(kOneButtonIcon)},
    {"Msg2BtnIcon", Dialog(kTwoButtonsIcon)}, {"Msg3BtnIcon", Dialog(kThreeButtonsIcon)},
};

} // namespace

const char* MessageBoxTemplate(int buttonCount, bool withIcon) {
    const int index = (buttonCount - 1) + (withIcon ? 3 : 0);
    return kTemplates[index].name;
}

void RegisterMessageBoxTemplates(HINSTANCE instance) {
    for (const NamedTemplate& entry : kTemplates) {
        win32::RegisterDialogTemplate(instance, entry.name, entry.dialog);
    }
}

} // namespace vistel
