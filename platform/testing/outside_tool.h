// Running an independent tool (Pillow through python3, qpdf, pdftotext, unzip, nm, a generator
// of the build) the way a test checks an output: an argument vector, never a shell, so that
// paths and scripts reach the tool exactly as given.
#pragma once

#include <string>
#include <vector>

namespace testkit {

// Debian's interpreter, which has Pillow (python3-pil); a python3 found first on PATH may not.
inline constexpr const char* kSystemPython = "/usr/bin/python3";

struct ToolRun {
    // The tool's exit status; 128 + the signal's number when a signal ended it; -1 when it
    // could not be started.
    int exitStatus = -1;
    std::string output; // standard output
    std::string errors; // standard error, or why the tool could not be started
};

// Runs arguments[0] (looked up on PATH when it holds no slash) with the rest as its arguments,
// standard input empty, and waits for it to end.
ToolRun RunTool(const std::vector<std::string>& arguments);

} // namespace testkit
