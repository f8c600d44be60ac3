// The sandbox of one test: a folder of its own under the build folder of the test's component,
// <component build folder>/test-output/<CTest name of the test>/, made fresh when the sandbox
// starts and kept afterwards so that a person can look at what the test wrote. While the sandbox
// lives it is the current folder, HOME and the XDG folders point into it, the TALLOWMERE_*
// folder and drive variables are unset (so that every folder the system derives lies inside it),
// and the file printer prints into it. The environment and the current folder are put back when
// the sandbox ends.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace testkit {

class Sandbox {
public:
    // The sandbox of the running test. One test holds at most one sandbox at a time.
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

// The folder of the running test's sandbox: the test output folder of its program (compiled in
// by tallowmere_add_test) and the test's CTest name, e.g. "dlopen.FactorLookup.Single"; a
// parameterised test's slashes become dashes.
std::filesystem::path SandboxFolderOfRunningTest();

} // namespace testkit
