// Linked into a library's shared object and nowhere else: runs the library's DllEntryPoint when
// the library is loaded into a process and when it is unloaded, as the system loader does for a
// Windows library. The unload call gets the instance of the load: by then the layer's module
// table may be gone.
#include "platform/win32/library_entry.h"

extern "C" BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

HINSTANCE gInstance = nullptr;

__attribute__((constructor)) void AttachToProcess() {
    gInstance = win32::ThisModule();
    DllEntryPoint(gInstance, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void DetachFromProcess() {
    DllEntryPoint(gInstance, DLL_PROCESS_DETACH, nullptr);
}

} // namespace
