// The sandbox: a folder of the test's own under the build folder, fresh at the start and kept at
// the end, with the environment pointing into it while it lives and put back afterwards.
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;
using testkit::Sandbox;

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(SandboxTest, LiesInTheTestOutputFolderUnderTheTestsName) {
    Sandbox sandbox;
    EXPECT_EQ(sandbox.Root().filename(), "SandboxTest.LiesInTheTestOutputFolderUnderTheTestsName");
    EXPECT_EQ(sandbox.Root().parent_path().filename(), "test-output");
    EXPECT_TRUE(fs::is_directory(sandbox.Root()));
    EXPECT_EQ(fs::current_path(), sandbox.Root());
}

TEST(SandboxTest, StartsEmptyAndKeepsWhatTheTestWrote) {
    const fs::path folder = testkit::SandboxFolderOfRunningTest();
    fs::create_directories(folder / "earlier");
    std::ofstream(folder / "earlier/run.txt") << "left by an earlier run";
    const fs::path before = fs::current_path();
    {
        Sandbox sandbox;
        EXPECT_EQ(sandbox.Root(), folder);
        EXPECT_FALSE(fs::exists(folder / "earlier"));
        sandbox.WriteFile("nested/out.txt", "kept");
    }
    EXPECT_TRUE(fs::exists(folder / "nested/out.txt"));
    EXPECT_EQ(fs::current_path(), before);
}

TEST(SandboxTest, PointsTheEnvironmentInsideAndPutsItBack) {
    setenv("TALLOWMERE_DATA_DIR", "/srv/real-data", 1);
    setenv("TALLOWMERE_DRIVE_C", "/srv/c", 1);
    unsetenv("TALLOWMERE_FILE_PRINTER");
    const std::optional<std::string> home = Environment("HOME");
    {
        Sandbox sandbox;
        EXPECT_EQ(Environment("HOME"), (sandbox.Root() / "home").string());
        EXPECT_EQ(Environment("XDG_CONFIG_HOME"), (sandbox.Root() / "home/.config").string());
        EXPECT_EQ(Environment("TALLOWMERE_FILE_PRINTER"), (sandbox.Root() / "printer").string());
        EXPECT_EQ(Environment("TALLOWMERE_DATA_DIR"), std::nullopt);
        EXPECT_EQ(Environment("TALLOWMERE_DRIVE_C"), std::nullopt);
        sandbox.SetEnvironment("TALLOWMERE_DRIVE_C", "/mnt/c");
        sandbox.SetEnvironment("TALLOWMERE_TEST_ONLY", "set by the test");
    }
    EXPECT_EQ(Environment("HOME"), home);
    EXPECT_EQ(Environment("TALLOWMERE_DATA_DIR"), "/srv/real-data");
    EXPECT_EQ(Environment("TALLOWMERE_DRIVE_C"), "/srv/c");
    EXPECT_EQ(Environment("TALLOWMERE_FILE_PRINTER"), std::nullopt);
    EXPECT_EQ(Environment("TALLOWMERE_TEST_ONLY"), std::nullopt);
}

TEST(SandboxTest, ASecondSandboxOfTheSameTestIsRefused) {
    Sandbox sandbox;
    sandbox.WriteFile("first.txt", "x");
    EXPECT_THROW(Sandbox(), std::logic_error);
    EXPECT_TRUE(fs::exists(sandbox.Root() / "first.txt"));
}

} // namespace
