#include "platform/testing/file_contents.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace testkit {

std::string ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!std::filesystem::is_regular_file(file) || !stream) {
        ADD_FAILURE() << "cannot read " << file;
        return {};
    }
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace testkit
