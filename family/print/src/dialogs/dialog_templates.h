// The library's dialog templates and the ids of their controls (the preview's in
// preview_layout.h and page_view.h).
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

inline constexpr char kConvertDialog[] = "ConvertDlg";
inline constexpr char kPrintDialog[] = "PrintDlg";
inline constexpr char kPreviewDialog[] = "PreviewDlg";

// The convert dialog's disabled push button that shows the progress bar.
inline constexpr int kProgressButton = 300;
// The print dialog's status line.
inline constexpr int kPrintStatus = 200;

// Makes the templates findable under the library's instance; registering again changes nothing.
void RegisterDialogTemplates(HINSTANCE instance);

} // namespace pressel
