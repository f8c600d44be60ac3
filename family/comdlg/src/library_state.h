// What the library keeps from its load to its unload: its own instance, under which its string
// table and dialog templates are found.
#pragma once

#include "platform/win32/windows.h"

namespace caddow {

// The instance the entry procedure was given at attach.
HINSTANCE LibraryInstance();

} // namespace caddow
