#include "family/print/src/dialogs/dialog_templates.h"

#include "family/print/src/preview/page_view.h"
#include "family/print/src/preview/preview_layout.h"
#include "platform/win32/dialog_template.h"

namespace pressel {
namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kResizableDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_SETFONT;

constexpr win32::DialogItem kConvertItems[] = {
    {"Static", "", kNoId, 8, 8, 148, 20, SS_ETCHEDFRAME},
    {"Button", "", kProgressButton, 12, 16, 140, 8, BS_PUSHBUTTON | WS_DISABLED},
};
constexpr win32::DialogItem kPrintItems[] = {
    {"Static", "", kNoId, 8, 8, 92, 28, SS_ETCHEDFRAME},
    {"Static", "Initializing printer...", kPrintStatus, 12, 20, 84, 8, SS_CENTER},
};
// The clipboard button is hidden at initialisation unless the profile asks for it.
constexpr win32::DialogItem kPreviewItems[] = {
    {"Static", "&Page", kPageLabel, 8, 262, 20, 8, SS_LEFT},
    {"ComboBox", "", kPageListBox, 32, 260, 25, 48, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {"Button", "&To Clipboard", kClipboardButton, 64, 260, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "OK", IDOK, 240, 260, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"Button", "Help", kHelpButton, 302, 260, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Static", "", kPageView, 9, 9, 332, 232, SS_GRAYRECT},
    {"Static", "", kPageFrame, 8, 8, 335, 235, SS_BLACKFRAME},
    {"ScrollBar", "", kVerticalScrollBar, 344, 8, 9, 235, SBS_VERT},
    {"ScrollBar", "", kHorizontalScrollBar, 8, 244, 335, 11, SBS_HORZ},
};

constexpr win32::DialogTemplate kConvertTemplate{
    kDialogStyle, 0, 0, 0, 164, 60, "Creating Document", "MS Sans Serif", 8, kConvertItems};
constexpr win32::DialogTemplate kPrintTemplate{
    kDialogStyle, 0, 0, 0, 108, 68, "Printing", "MS Sans Serif", 8, kPrintItems};
constexpr win32::DialogTemplate kPreviewTemplate{
    kResizableDialogStyle, 0, 0, 0, 360, 280, "Print Preview", "MS Sans Serif", 8, kPreviewItems};

} // namespace

void RegisterDialogTemplates(HINSTANCE instance) {
    win32::RegisterDialogTemplate(instance, kConvertDialog, kConvertTemplate);
    win32::RegisterDialogTemplate(instance, kPrintDialog, kPrintTemplate);
    win32::RegisterDialogTemplate(instance, kPreviewDialog, kPreviewTemplate);
}

} // namespace pressel
