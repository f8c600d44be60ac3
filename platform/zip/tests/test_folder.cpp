#include "platform/zip/tests/test_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace archive::testing {

namespace fs = std::filesystem;

fs::path FreshTestFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    const fs::path folder = fs::path(TALLOWMERE_TEST_SANDBOX) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void WriteTestFile(const fs::path& path, std::string_view contents) {
    std::ofstream(path, std::ios::binary)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

std::string ReadTestFile(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace archive::testing
