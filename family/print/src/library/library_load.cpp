// What the system loader does for a Windows library: run its entry procedure when the library is
// loaded into the process. Linked into the shared library only.
#include "family/print/pressel.h"

#include "family/print/src/library/library_instance.h"

namespace {

constexpr DWORD kProcessAttach = 1; // DLL_PROCESS_ATTACH

__attribute__((constructor)) void AttachToProcess() {
    DllEntryPoint(pressel::LibraryInstance(), kProcessAttach, nullptr);
}

} // namespace
