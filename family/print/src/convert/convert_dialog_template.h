// The convert dialog's template, "Creating Document": a frame around the disabled push button
// that shows the progress bar.
#pragma once

#include "platform/win32/dialog_template.h"

namespace pressel {

inline constexpr char kConvertDialog[] = "ConvertDlg";

// The disabled push button that shows the progress bar.
inline constexpr int kProgressButton = 300;

const win32::DialogTemplate& ConvertDialogTemplate();

} // namespace pressel
