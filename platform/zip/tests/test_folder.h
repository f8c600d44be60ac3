// Files for the zip tests: each test works in its own folder under the build folder, emptied
// when the test starts and kept afterwards for a look at what it wrote.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace archive::testing {

// The current test's folder, "<sandbox>/<Suite>.<Test>", fresh and empty.
std::filesystem::path FreshTestFolder();

void WriteTestFile(const std::filesystem::path& path, std::string_view contents);

// The whole content of a file; empty when it cannot be read.
std::string ReadTestFile(const std::filesystem::path& path);

} // namespace archive::testing
