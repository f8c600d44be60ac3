// Test support: running an outside program (qpdf, pdftotext, pdftoppm) from an argument vector,
// never through a shell.
#pragma once

#include <string>
#include <vector>

struct ToolResult {
    int exitCode = -1;  // -1 when the program could not be started or did not exit normally
    std::string output; // what it wrote to standard output
};

// Finds arguments[0] on PATH.
ToolResult RunTool(const std::vector<std::string>& arguments);
