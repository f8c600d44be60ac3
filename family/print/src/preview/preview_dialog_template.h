// The preview dialog's template, "Print Preview": resizable, the page view in its frame with its
// scroll bars, the page list, the clipboard, OK and Help buttons (the ids in preview_layout.h
// and page_view.h).
#pragma once

#include "platform/win32/dialog_template.h"

namespace pressel {

inline constexpr char kPreviewDialog[] = "PreviewDlg";

const win32::DialogTemplate& PreviewDialogTemplate();

} // namespace pressel
