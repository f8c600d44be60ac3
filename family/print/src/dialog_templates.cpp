#include "family/print/src/dialog_templates.h"

#include "platform/win32/dialog_template.h"

namespace pressel {
namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr win32::DialogItem kConvertItems[] = {
    {"Static", "", kNoId, 8, 8, 148, 20, SS_ETCHEDFRAME},
    {"Button", "", kProgressButton, 12, 16, 140, 8, BS_PUSHBUTTON | WS_DISABLED},
};
constexpr win32::DialogItem kPrintItems[] = {
    {"Static", "", kNoId, 8, 8, 92, 28, SS_ETCHEDFRAME},
    {"Static", "Initializing printer...", kPrintStatus, 12, 20, 84, 8, SS_CENTER},
};

constexpr win32::DialogTemplate kConvertTemplate{
    kDialogStyle, 0, 0, 0, 164, 60, "Creating Document", "MS Sans Serif", 8, kConvertItems};
constexpr win32::DialogTemplate kPrintTemplate{
    kDialogStyle, 0, 0, 0, 108, 68, "Printing", "MS Sans Serif", 8, kPrintItems};

} // namespace

void RegisterDialogTemplates(HINSTANCE instance) {
    win32::RegisterDialogTemplate(instance, kConvertDialog, kConvertTemplate);
    win32::RegisterDialogTemplate(instance, kPrintDialog, kPrintTemplate);
}

} // namespace pressel
