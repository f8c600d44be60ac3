// What the library keeps from its load to its unload: its own instance, under which its string
// table and dialog templates are found.
#pragma once

#include "platform/win32/windows.h"

namespace caddow {

inline constexpr DWORD kProcessDetach = 0; // DLL_PROCESS_DETACH
inline constexpr DWORD kProcessAttach = 1; // DLL_PROCESS_ATTACH

// The instance of this library's own module, where its resources are registered.
HINSTANCE OwnInstance();

// The instance the entry procedure was given at attach.
HINSTANCE LibraryInstance();

} // namespace caddow
