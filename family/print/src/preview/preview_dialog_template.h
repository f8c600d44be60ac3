// The preview dialog's template, "Print Preview": resizable, the page view in its frame with its
// scroll bars, the page list, the clipboard, OK and Help buttons (the ids in preview_layout.h
// and page_view.h).
#pragma once

#include "family/print/src/dialogs/dialog_style.h"
#include "family/print/src/preview/page_view.h"
#include "family/print/src/preview/preview_layout.h"

#include "platform/win32/dialog_template.h"

namespace pressel {

inline constexpr char kPreviewDialog[] = "PreviewDlg";

inline constexpr DWORD kResizableDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_SETFONT;

// The clipboard button is hidden at initialisation unless the profile asks for it.
inline constexpr win32::DialogItem kPreviewItems[] = {
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

inline constexpr win32::DialogTemplate kPreviewTemplate{
    kResizableDialogStyle, 0, 0, 0, 360, 280, "Print Preview", kDialogFont, kDialogFontSize,
    kPreviewItems};

} // namespace pressel
