// The library's own module, where its string table is registered. Kept when the library is
// attached to the process, and found from the library's own code before that.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

HINSTANCE LibraryInstance();
void KeepLibraryInstance(HINSTANCE instance);

} // namespace pressel
