// What the system loader does for a Windows library: run its entry procedure when the library is
// loaded into the process and when it is unloaded. Linked into the shared library only, so that
// the tests that link the code directly set it up when they choose.
#include "family/ui/vistel.h"

#include "family/ui/src/library_state.h"

namespace {

__attribute__((constructor)) void AttachToProcess() {
    DllEntryPoint(vistel::OwnInstance(), vistel::kProcessAttach, nullptr);
}

__attribute__((destructor)) void DetachFromProcess() {
    DllEntryPoint(vistel::OwnInstance(), vistel::kProcessDetach, nullptr);
}

} // namespace
