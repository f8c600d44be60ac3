// The export-list check of a shared library: its dynamic symbol table defines exactly the names
// the library documents, and nothing else leaks out.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace testkit {

// The names that the dynamic symbol table of `library` defines, as `nm -D --defined-only` lists
// them, C++ names demangled ("automation::Registry::Load(...)").
std::set<std::string> DefinedExports(const std::filesystem::path& library);

// Whether the defined exports of `library` are exactly `expected`. An entry "ns::*" stands for
// every C++ name in namespace ns, as a linker version script writes it, and must match at least
// one export; any other entry is one name.
::testing::AssertionResult ExportsExactly(const std::filesystem::path& library,
                                          const std::set<std::string>& expected);

} // namespace testkit
