#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(FileContentsTest, ReadsEveryByte) {
    testkit::Sandbox sandbox;
    const std::string bytes("a\0b\r\n\x1a\xff", 7);
    EXPECT_EQ(testkit::ReadFileBytes(sandbox.WriteFile("binary", bytes)), bytes);
    EXPECT_EQ(testkit::ReadFileBytes(sandbox.WriteFile("empty", "")), "");
}

TEST(FileContentsTest, AFileThatCannotBeReadFailsTheTest) {
    testkit::Sandbox sandbox;
    EXPECT_NONFATAL_FAILURE(testkit::ReadFileBytes(sandbox.Root() / "missing"), "cannot read");
    EXPECT_NONFATAL_FAILURE(testkit::ReadFileBytes(sandbox.Root()), "cannot read");
}

} // namespace
