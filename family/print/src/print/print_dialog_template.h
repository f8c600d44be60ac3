// The print dialog's template, "Printing": a frame around the status line.
#pragma once

#include "family/print/src/dialogs/dialog_style.h"

#include "platform/win32/dialog_template.h"

namespace pressel {

inline constexpr char kPrintDialog[] = "PrintDlg";

// The status line.
inline constexpr int kPrintStatus = 200;

inline constexpr win32::DialogItem kPrintItems[] = {
    {"Static", "", kNoId, 8, 8, 92, 28, SS_ETCHEDFRAME},
    {"Static", "Initializing printer...", kPrintStatus, 12, 20, 84, 8, SS_CENTER},
};

inline constexpr win32::DialogTemplate kPrintTemplate{
    kDialogStyle, 0, 0, 0, 108, 68, "Printing", kDialogFont, kDialogFontSize, kPrintItems};

} // namespace pressel
