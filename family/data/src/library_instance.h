// The library's own module, under which its string table and dialog templates are registered,
// and the instance its entry procedure keeps for the dialogs.
#pragma once

#include "platform/win32/windef.h"

namespace dorrick {

// The instance given to the entry procedure at process attach; the dialogs run from it.
HINSTANCE LibraryInstance();
void KeepLibraryInstance(HINSTANCE instance);

} // namespace dorrick
