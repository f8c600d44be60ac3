// Reading back what a test wrote, or a fixture it compares with.
#pragma once

#include <filesystem>
#include <string>

namespace testkit {

// Every byte of a file. A file that cannot be read fails the running test and answers empty,
// so that a missing file is never mistaken for an empty one.
std::string ReadFileBytes(const std::filesystem::path& file);

// The SHA-256 digest of a file's bytes in lower-case hex, as sha256sum prints it. A file the tool
// cannot read fails the running test and answers empty.
std::string Sha256Digest(const std::filesystem::path& file);

} // namespace testkit
