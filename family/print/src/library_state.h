// What the library keeps from its load to its unload: its module instance, under which its
// strings and dialog templates are found.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

inline constexpr DWORD kProcessDetach = 0; // DLL_PROCESS_DETACH
inline constexpr DWORD kProcessAttach = 1; // DLL_PROCESS_ATTACH

// The instance of the module this code is linked into, where its resources are registered.
HINSTANCE OwnInstance();

// The instance kept at attach (null before).
HINSTANCE LibraryInstance();

// Keeps the instance and registers the dialog templates under it.
void AttachLibrary(HINSTANCE instance);

} // namespace pressel
