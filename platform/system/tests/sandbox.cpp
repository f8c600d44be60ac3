#include "platform/system/tests/sandbox.h"

#include "platform/runtime/runtime_error.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sys::testing {

namespace fs = std::filesystem;

Sandbox::Sandbox() : previousFolder_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "tallowmere-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    root_ = pattern;
    SetEnvironment("HOME", (root_ / "home").string());
    SetEnvironment("XDG_CONFIG_HOME", (root_ / "home/.config").string());
    SetEnvironment("XDG_DATA_HOME", (root_ / "home/.local/share").string());
    SetEnvironment("XDG_STATE_HOME", (root_ / "home/.local/state").string());
    for (const char* name :
         {"TALLOWMERE_INSTALL_DIR", "TALLOWMERE_PROGRAM_DIR", "TALLOWMERE_DATA_DIR",
          "TALLOWMERE_DOCUMENTS_DIR", "TALLOWMERE_WINDOWS_DIR", "TALLOWMERE_CONFIG_DIR",
          "TALLOWMERE_USER_PROFILE_DIR"}) {
        SetEnvironment(name, std::nullopt);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SetEnvironment(std::string("TALLOWMERE_DRIVE_") + letter, std::nullopt);
    }
    fs::create_directories(root_ / "home");
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
    fs::remove_all(root_, ignored);
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
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

std::string ReadBack(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream contents;
    contents << stream.rdbuf();
    return contents.str();
}

} // namespace sys::testing
