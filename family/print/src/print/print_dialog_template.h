// The print dialog's template, "Printing": a frame around the status line.
#pragma once

#include "platform/win32/dialog_template.h"

namespace pressel {

inline constexpr char kPrintDialog[] = "PrintDlg";

// The status line.
inline constexpr int kPrintStatus = 200;

const win32::DialogTemplate& PrintDialogTemplate();

} // namespace pressel
