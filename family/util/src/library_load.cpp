// What the system loader does for a Windows library: run its entry procedure when the library is
// loaded into the process. Linked into the shared library only, so that tests that link the code
// directly read the date format when they choose.
#include "family/util/umbrant.h"

#include "family/util/src/own_module.h"

namespace {

__attribute__((constructor)) void AttachToProcess() {
    DllEntryPoint(umbrant::OwnInstance(), umbrant::kProcessAttach, nullptr);
}

} // namespace
