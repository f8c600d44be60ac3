// The convert dialog's template, "Creating Document": a frame around the disabled push button
// that shows the progress bar.
#pragma once

#include "family/print/src/dialogs/dialog_style.h"

#include "platform/win32/dialog_template.h"

namespace pressel {

inline constexpr char kConvertDialog[] = "ConvertDlg";

// The disabled push button that shows the progress bar.
inline constexpr int kProgressButton = 300;

inline constexpr win32::DialogItem kConvertItems[] = {
    {"Static", "", kNoId, 8, 8, 148, 20, SS_ETCHEDFRAME},
    {"Button", "", kProgressButton, 12, 16, 140, 8, BS_PUSHBUTTON | WS_DISABLED},
};

inline constexpr win32::DialogTemplate kConvertTemplate{
    kDialogStyle, 0, 0, 0, 164, 60, "Creating Document", kDialogFont, kDialogFontSize,
    kConvertItems};

} // namespace pressel
