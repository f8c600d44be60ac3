// A library's entry procedure as the system loader calls it: DllEntryPoint(instance, reason,
// reserved) with DLL_PROCESS_ATTACH when the library is loaded into a process and
// DLL_PROCESS_DETACH when it is unloaded. A library gets these calls by linking the layer's
// library entry (the CMake target platform_win32_library_entry) into its shared library only, so
// that tests that link the library's code directly attach it when they choose.
#pragma once

#include "platform/win32/module_resources.h"
#include "platform/win32/windef.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

namespace win32 {

namespace this_module {
// One per translation unit, so that every module holding code that includes this header holds
// one: its address lies in that module.
[[maybe_unused]] static const char kMarker = 0;
} // namespace this_module

// The module (a library, or the program) that the calling code is linked into, where the
// resources that module registered are found.
[[maybe_unused]] static HINSTANCE ThisModule() {
    return ModuleOfAddress(&this_module::kMarker);
}

} // namespace win32
