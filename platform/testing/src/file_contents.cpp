#include "platform/testing/file_contents.h"

#include "platform/testing/outside_tool.h"

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

std::string Sha256Digest(const std::filesystem::path& file) {
    const ToolRun run = RunTool({"sha256sum", "--", file.string()});
    constexpr std::size_t kHexDigits = 64;
    if (run.exitStatus != 0 || run.output.size() < kHexDigits) {
        ADD_FAILURE() << "sha256sum cannot read " << file << ": " << run.errors;
        return {};
    }
    return run.output.substr(0, kHexDigits);
}

} // namespace testkit
