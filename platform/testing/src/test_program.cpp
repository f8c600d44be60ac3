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
