// The help engine: WinHelpA hands a request for a help file to the viewer that the host has
// installed. Without a viewer no help can be shown and WinHelpA answers FALSE, as it does when
// the viewer refuses the request.
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

// Installs the viewer that WinHelpA calls; an empty one removes it.
WIN32_EXPORT void SetHelpViewer(HelpViewer viewer);

} // namespace win32
