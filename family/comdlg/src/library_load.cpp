// What the system loader does for a Windows library: run its entry procedure when the library is
// loaded into the process and when it is unloaded.
#include "family/comdlg/caddow.h"

#include "family/comdlg/src/library_state.h"

namespace {

__attribute__((constructor)) void AttachToProcess() {
    DllEntryPoint(caddow::OwnInstance(), caddow::kProcessAttach, nullptr);
}

__attribute__((destructor)) void DetachFromProcess() {
    DllEntryPoint(caddow::OwnInstance(), caddow::kProcessDetach, nullptr);
}

} // namespace
