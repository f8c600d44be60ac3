// What tallowmere_add_test compiles into each test program (src/test_program.cpp): where its
// tests keep their output and the prefix of their CTest names.
#pragma once

#include <filesystem>
#include <string>

namespace testkit {

// <build folder of the component>/test-output
std::filesystem::path TestOutputFolder();

// The TEST_PREFIX the program's tests were registered with ("" or e.g. "dlopen.").
std::string TestNamePrefix();

} // namespace testkit
