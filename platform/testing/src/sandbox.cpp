#include "platform/testing/sandbox.h"

#include "platform/testing/src/test_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testkit {

namespace fs = std::filesystem;

namespace {

// A second run of the same tests (the decimal-comma run) names its tests with a prefix of its
// own through this variable, so that its sandboxes do not meet those of the first run.
constexpr const char* kPrefixVariable = "TALLOWMERE_TEST_PREFIX";

constexpr const char* kFolderVariables[] = {
    "TALLOWMERE_INSTALL_DIR",      "TALLOWMERE_PROGRAM_DIR", "TALLOWMERE_DATA_DIR",
    "TALLOWMERE_DOCUMENTS_DIR",    "TALLOWMERE_WINDOWS_DIR", "TALLOWMERE_CONFIG_DIR",
    "TALLOWMERE_USER_PROFILE_DIR", "TALLOWMERE_REGISTRY",
};

bool sandboxOpen = false;

} // namespace

fs::path SandboxFolderOfRunningTest() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr) {
        throw std::logic_error("a sandbox belongs to a test, and no test is running");
    }
    const char* prefix = std::getenv(kPrefixVariable);
    std::string name = (prefix != nullptr ? std::string(prefix) : TestNamePrefix()) +
                       test->test_suite_name() + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '-');
    return TestOutputFolder() / name;
}

Sandbox::Sandbox() : root_(SandboxFolderOfRunningTest()), previousFolder_(fs::current_path()) {
    if (sandboxOpen) {
        throw std::logic_error("the running test already has a sandbox");
    }
    sandboxOpen = true;
    fs::remove_all(root_);
    fs::create_directories(root_ / "home");
    SetEnvironment("HOME", (root_ / "home").string());
    SetEnvironment("XDG_CONFIG_HOME", (root_ / "home/.config").string());
    SetEnvironment("XDG_DATA_HOME", (root_ / "home/.local/share").string());
    SetEnvironment("XDG_STATE_HOME", (root_ / "home/.local/state").string());
    for (const char* name : kFolderVariables) {
        SetEnvironment(name, std::nullopt);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SetEnvironment(std::string("TALLOWMERE_DRIVE_") + letter, std::nullopt);
    }
    // Whatever a test prints lands here, never on a printer of the machine.
    SetEnvironment("TALLOWMERE_FILE_PRINTER", (root_ / "printer").string());
    fs::current_path(root_);
}

Sandbox::~Sandbox() {
    std::error_code ignored;
    fs::current_path(previousFolder_, ignored);
    for (const auto& [name, value] : saved_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    sandboxOpen = false;
}

void Sandbox::SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
    if (!saved_.contains(name)) {
        const char* previous = std::getenv(name.c_str());
        saved_[name] = previous ? std::optional<std::string>(previous) : std::nullopt;
    }
    if (value) {
        setenv(name.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name.c_str());
    }
}

fs::path Sandbox::WriteFile(const fs::path& relative, const std::string& contents) const {
    const fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream stream(path, std::ios::binary);
    stream << contents;
    stream.close();
    if (!stream) {
        throw std::runtime_error("cannot write " + path.string());
    }
    return path;
}

} // namespace testkit
