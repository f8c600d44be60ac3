#include "platform/system/external_programs.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace {

namespace fs = std::filesystem;

using testkit::ReadFileBytes;
using testkit::Sandbox;

TEST(ExternalPrograms, BrowserCanBeReplaced) {
    std::string opened;
    {
        sys::ScopedBrowser browser([&](const std::string& url) {
            opened = url;
            return true;
        });
        EXPECT_TRUE(sys::OpenUrlInBrowser("https://example.test/support"));
    }
    EXPECT_EQ(opened, "https://example.test/support");
}

// A stand-in xdg-open on PATH records how many arguments it got and the first one, so the test
// sees exactly what a real one would have been given.
TEST(ExternalPrograms, XdgOpenGetsTheAddressAsOneUninterpretedArgument) {
    Sandbox sandbox;
    const fs::path xdgOpen =
        sandbox.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n%s' \"$#\" \"$1\" > \"$0.tmp\"\n"
                                          "mv \"$0.tmp\" \"$0.out\"\n");
    chmod(xdgOpen.c_str(), 0755);
    sandbox.SetEnvironment("PATH", (sandbox.Root() / "bin").string() + ":/usr/bin:/bin");

    const std::string url = "https://example.test/a b?x=1&y='2' ; touch pwned $(touch pwned2) `x`";
    ASSERT_TRUE(sys::OpenUrlInBrowser(url));
    const fs::path output = sandbox.Root() / "bin/xdg-open.out";
    for (int wait = 0; wait < 500 && !fs::exists(output); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(ReadFileBytes(output), "1\n" + url);
    EXPECT_FALSE(fs::exists(sandbox.Root() / "pwned"));
    EXPECT_FALSE(fs::exists(sandbox.Root() / "pwned2"));
}

TEST(ExternalPrograms, WithoutXdgOpenNothingStarts) {
    Sandbox sandbox;
    sandbox.SetEnvironment("PATH", (sandbox.Root() / "empty").string());
    EXPECT_FALSE(sys::OpenUrlInBrowser("https://example.test/"));
}

TEST(ExternalPrograms, NoSystemInformationTool) {
    EXPECT_EQ(sys::SystemInformationTool(), std::nullopt);
}

} // namespace
