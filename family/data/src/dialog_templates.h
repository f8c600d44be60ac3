// The dialog templates of the library: the backup and the compaction progress dialogs.
#pragma once

#include "platform/win32/windows.h"

namespace dorrick {

inline constexpr char kBackupTemplate[] = "BackupDlg";
inline constexpr char kCompactTemplate[] = "CompactDlg";

// The disabled push button of both dialogs that shows the progress bitmap.
inline constexpr int kProgressControl = 300;

// Makes the templates known under the library's instance.
void RegisterDialogTemplates(HINSTANCE instance);

} // namespace dorrick
