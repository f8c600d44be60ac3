// The fixture of the database tests: a sandbox with drive A: mapped into it, and, when the test
// ends, every handle closed and every database file it left in the sandbox checked by the
// validator (files a test damages on purpose are named to it as damaged).
#pragma once

#include "family/data/dorrick.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace dorrick_test {

class DatabaseTest : public ::testing::Test {
protected:
    DatabaseTest();
    void TearDown() override;

    std::filesystem::path Path(const std::string& name) const { return sandbox_.Root() / name; }
    std::filesystem::path DriveA() const { return Path("floppy"); }
    std::filesystem::path BackupFile() const { return DriveA() / "backup.hxd"; }

    // Creates a database and answers its handle (failing the test when it cannot).
    int Create(const std::string& name);
    int Open(const std::string& name);
    // Adds the entry and writes `data` to it.
    void Put(int handle, const std::string& path, const std::string& data);
    std::string Get(int handle, const std::string& path);
    // Writes a file the test means to be damaged, which the end-of-test check leaves alone.
    std::filesystem::path WriteDamaged(const std::string& name, const std::string& bytes);

    testkit::Sandbox sandbox_;

private:
    std::set<std::filesystem::path> damaged_;
};

} // namespace dorrick_test
