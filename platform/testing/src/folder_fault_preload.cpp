// The file calls with their faults, preloaded into a program a test starts: the folder fault
// named by TALLOWMERE_TEST_FOLDER_FAULT is armed before the program's own code runs.
#include "platform/testing/src/file_call_faults.h"

#include <cstdio>
#include <cstdlib>

namespace {

__attribute__((constructor)) void ArmFromEnvironment() {
    const char* setting = std::getenv("TALLOWMERE_TEST_FOLDER_FAULT");
    if (setting != nullptr && !testkit::calls::ArmFolderFault(setting)) {
        std::fprintf(stderr, "folder fault: cannot read the setting \"%s\"\n", setting);
    }
}

} // namespace
