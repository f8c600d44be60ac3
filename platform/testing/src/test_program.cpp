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

// The sanitizer runtime's watch on __tls_get_addr takes the two words before a library's dynamic
// thread-local block for a header that glibc stopped writing in 2.25, whenever the block starts
// 16 bytes into a page. The off-screen renderer's compiler library has such a block, and where
// the allocations before it put it on that offset the leak check at exit reads a range of garbage
// and crashes. The leak check needs no watch to scan those blocks: it already counts everything
// the dynamic loader allocates, the blocks among it, as reachable.
extern "C" [[gnu::used, gnu::visibility("default")]] const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
