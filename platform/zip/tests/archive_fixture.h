// Archives made for the tests straight through libzip, so that a test can hold members the
// component never writes: names with folders, other passwords.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace archive::testing {

struct FixtureMember {
    std::string storedName;
    std::string contents;
    std::string password; // empty: not encrypted
};

// Writes a new archive holding `members` in order; a failure fails the current test.
void MakeFixtureArchive(const std::filesystem::path& path,
                        const std::vector<FixtureMember>& members);

} // namespace archive::testing
