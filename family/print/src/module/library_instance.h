// The library's own module, where its string table and dialog templates are registered: the
// instance its entry procedure keeps at process attach, or, in a program that links the library's
// code without attaching it, the module that holds that code.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

HINSTANCE LibraryInstance();
void KeepLibraryInstance(HINSTANCE instance);

} // namespace pressel
