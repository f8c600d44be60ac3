// Running an outside tool (unzip) from a test: the program is found on PATH and started with an
// argument vector, never through a shell.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace archive::testing {

struct ProgramRun {
    int exitCode = -1;  // -1 when the program could not be started or did not exit normally
    std::string output; // standard output and standard error together
};

// Runs `arguments` (the program's name first) and waits for it; its output goes through
// `outputFile`, which is replaced.
ProgramRun RunProgram(const std::vector<std::string>& arguments,
                      const std::filesystem::path& outputFile);

} // namespace archive::testing
