// A check of a whole print file against the rules its writer keeps: a complete header, page and
// picture counts within their tables, page ranges in order and inside their line regions, and
// every line of every page pointing at tokens in the stream that end with an end-of-line token
// and name only fonts, colours and pictures the header holds. The converter runs it on every
// file it writes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pressel {

// The faults found, each a sentence; none for a sound file.
std::vector<std::string> ValidatePrintFile(const std::filesystem::path& path);

} // namespace pressel
