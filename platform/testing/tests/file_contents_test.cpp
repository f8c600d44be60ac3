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

TEST(FileContentsTest, Sha256DigestOfKnownBytes) {
    testkit::Sandbox sandbox;
    // FIPS 180-2, appendix B.1, and the digest of no bytes.
    EXPECT_EQ(testkit::Sha256Digest(sandbox.WriteFile("abc", "abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(testkit::Sha256Digest(sandbox.WriteFile("empty", "")),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_NONFATAL_FAILURE(testkit::Sha256Digest(sandbox.Root() / "missing"), "cannot read");
}

} // namespace
