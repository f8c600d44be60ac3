// What the system loader does for a Windows library: run its entry procedure when the library is
// loaded into the process and when it is unloaded.
#include "family/data/dorrick.h"
#include "family/data/src/library_instance.h"

namespace {

__attribute__((constructor)) void AttachToProcess() {
    DllEntryPoint(dorrick::OwnInstance(), dorrick::kProcessAttach, nullptr);
}

__attribute__((destructor)) void DetachFromProcess() {
    // The instance kept at attach: the Win32 layer's module table may be gone by now.
    DllEntryPoint(dorrick::LibraryInstance(), dorrick::kProcessDetach, nullptr);
}

} // namespace
