#include "family/data/src/dialog_templates.h"

#include "platform/win32/dialog_template.h"

namespace dorrick {

namespace {

constexpr WORD kNoId = 0xFFFF;

// A group box framing the progress button; no buttons of their own, so the user's Enter, Esc
// and close box reach the dialog as IDOK and IDCANCEL.
constexpr win32::DialogItem kProgressItems[] = {
    {"Button", "", kNoId, 8, 8, 148, 20, BS_GROUPBOX},
    {"Button", "", kProgressControl, 12, 16, 140, 8, BS_PUSHBUTTON | WS_DISABLED},
};

constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;

constexpr win32::DialogTemplate ProgressDialog(LPCSTR caption) {
    return win32::DialogTemplate{kDialogStyle,  0, 0, 0, 164, 40, caption, "MS Sans Serif", 8,
                                 kProgressItems};
}

const win32::DialogTemplate kBackupDialog = ProgressDialog("Backup Database");
const win32::DialogTemplate kCompactDialog = ProgressDialog("Compacting Database");

} // namespace

void RegisterDialogTemplates(HINSTANCE instance) {
    win32::RegisterDialogTemplate(instance, kBackupTemplate, kBackupDialog);
    win32::RegisterDialogTemplate(instance, kCompactTemplate, kCompactDialog);
}

} // namespace dorrick
