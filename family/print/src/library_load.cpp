// What the system loader does for a Windows library: run its entry procedure when the library is
// loaded into the process. Linked into the shared library only; tests that link the code
// directly attach it themselves.
#include "family/print/pressel.h"

#include "family/print/src/library_state.h"

namespace {

__attribute__((constructor)) void AttachToProcess() {
    DllEntryPoint(pressel::OwnInstance(), pressel::kProcessAttach, nullptr);
}

} // namespace
