// A temporary home for one test: a fresh folder, with HOME, the XDG variables and every
// TALLOWMERE_* folder variable pointing into it, so that nothing a test does reaches the real
// user's files. Everything is put back and removed when the sandbox ends.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace sys::testing {

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::filesystem::path& Root() const { return root_; }

    // Sets (or, with nothing, unsets) an environment variable until the sandbox ends.
    void SetEnvironment(const std::string& name, const std::optional<std::string>& value);

    // Writes a file below the root (folders made as needed) and answers its path.
    std::filesystem::path WriteFile(const std::filesystem::path& relative,
                                    const std::string& contents) const;

private:
    std::filesystem::path root_;
    std::filesystem::path previousFolder_;
    std::map<std::string, std::optional<std::string>> saved_;
};

// The number of the runtime error that `action` throws; 0 when it throws none.
int ErrorNumberOf(const std::function<void()>& action);

// The whole content of a file, for checks.
std::string ReadBack(const std::filesystem::path& path);

} // namespace sys::testing
