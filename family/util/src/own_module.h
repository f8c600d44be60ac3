// This library's own module: its instance handle, which holds its string table, and the reason
// its entry procedure is called with at load.
#pragma once

#include "platform/win32/module_resources.h"

namespace umbrant {

HINSTANCE OwnInstance();

inline constexpr DWORD kProcessAttach = 1; // DLL_PROCESS_ATTACH

} // namespace umbrant
