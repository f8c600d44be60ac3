// A check of a whole print file against the rules its writer keeps: a complete header, page and
// picture counts within their tables, page ranges in order and inside their line regions, and
// every line of every page pointing at tokens in the stream that end with an end-of-line token,
// name only fonts, colours and pictures the header holds, switch styles only on and off, and
// justify from the line's last move to x (0 without one). The converter's tests and fuzz target
// run it on every file it writes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pressel {

// The faults found, each a sentence; none for a sound file.
std::vector<std::string> ValidatePrintFile(const std::filesystem::path& path);

} // namespace pressel
