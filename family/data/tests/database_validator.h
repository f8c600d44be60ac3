// An independent reading of a database file, for the tests: the validator checks every rule of
// the format, and the snapshot lists what the database holds. Neither uses the library's code.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace dorrick_test {

// Accepts a file when: the header has its magic and zero reserved fields; every record reached
// from it has its magic, a valid name and its NUL, known flags and no deleted mark; every
// offset lies inside the file; each sibling chain is sorted strictly ascending with matching
// previous links and parent fields; no record is reached twice; every data area lies inside
// the file; the garbage count is not negative.
::testing::AssertionResult IsValidDatabase(const std::filesystem::path& file);

struct EntryContents {
    std::string data;
    bool locked = false;

    bool operator==(const EntryContents&) const = default;
};

// Every live entry by its full path (".A.B."). The file must be valid.
std::map<std::string, EntryContents> ReadEntries(const std::filesystem::path& file);

} // namespace dorrick_test
