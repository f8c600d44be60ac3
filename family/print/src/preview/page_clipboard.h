// The page shown in the preview, copied to the clipboard as a bitmap.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

// Puts a copy of `page` (compatible with the dialog's context) on the clipboard as CF_BITMAP,
// which then owns it. False, with the copy deleted, when the clipboard cannot be opened.
bool CopyPageToClipboard(HWND dialog, HBITMAP page);

} // namespace pressel
