// Compiled into every test program by tallowmere_add_test with that program's own definitions.
#include "platform/testing/src/test_program.h"

namespace testkit {

std::filesystem::path TestOutputFolder() {
    return TALLOWMERE_TEST_OUTPUT;
}

std::string TestNamePrefix() {
    return TALLOWMERE_TEST_PREFIX;
}

} // namespace testkit

// Memory that system libraries keep for the life of the process and free only at exit processing
// that LeakSanitizer does not wait for: glibc's search path of a locale named through LOCPATH
// (the decimal-comma runs), fontconfig's configuration, which it reads anew for each sandbox
// home and never frees, and the off-screen renderer's record of each buffer a context was made
// current on, freed only when that library unloads. The sanitizer runtime finds this hook by its
// exported name.
extern "C" [[gnu::used, gnu::visibility("default")]] const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\nleak:libfontconfig.so\nleak:libOSMesa.so\n";
}
