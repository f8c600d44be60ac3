// The help engine: WinHelpA hands a request for a help file to the viewer, and answers FALSE
// when the viewer refuses it. The viewer is the desktop's unless a host installs its own: for
// HELP_CONTEXT it hands the help file to the desktop (xdg-open, platform/system), which opens it
// in the user's program for its kind, at its start, since the desktop knows no context numbers;
// it answers whether the file could be handed over, and refuses every other command.
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>
#include <functional>

// Commands of WinHelpA.
#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002

WIN32API BOOL WinHelpA(HWND window, LPCSTR helpFile, UINT command, std::uintptr_t data);

namespace win32 {

// Shows help: the window asking, the help file, the command and its data (the context number
// for HELP_CONTEXT). Answers whether the help was shown.
using HelpViewer =
    std::function<bool(HWND window, LPCSTR helpFile, UINT command, std::uintptr_t data)>;

// Installs the viewer that WinHelpA calls; an empty one puts the desktop's back.
WIN32_EXPORT void SetHelpViewer(HelpViewer viewer);

} // namespace win32
