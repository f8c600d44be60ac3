#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/zip/tests/archive_fixture.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace archive;

namespace fs = std::filesystem;
using archive::testing::MakeFixtureArchive;
using testkit::ReadFileBytes;

testkit::ToolRun Unzip(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "unzip");
    return testkit::RunTool(arguments);
}

// A backup of an illustration file kept in a folder of its own, as the data folder is.
class AddFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int record = 1; record <= 3; ++record) {
            records_ += std::string(999, static_cast<char>('0' + record)) + "\xE9";
        }
        sandbox_.WriteFile("data/Tallowmere.flt", records_);
    }

    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root();
    const fs::path file_ = folder_ / "data" / "Tallowmere.flt";
    const fs::path archive_ = folder_ / "RMDData.zip";
    std::string records_;
};

TEST_F(AddFileTest, CreatesAnArchiveThatUnzipReadsWithTheFileUnderItsBareName) {
    ASSERT_EQ(AddFile(archive_, file_, ""), ZipResult::Success);
    EXPECT_EQ(Unzip({"-t", archive_.string()}).exitStatus, 0);
    EXPECT_EQ(Unzip({"-Z1", archive_.string()}).output, "Tallowmere.flt\n");
    EXPECT_EQ(Unzip({"-p", archive_.string(), "Tallowmere.flt"}).output, records_);
}

TEST_F(AddFileTest, UpdatingReplacesTheMemberOfThatBareNameAndKeepsTheOthers) {
    MakeFixtureArchive(archive_, {{"old/TALLOWMERE.FLT", "older", ""}, {"Notes.txt", "notes", ""}});
    ASSERT_EQ(AddFile(archive_, file_, ""), ZipResult::Success);
    EXPECT_EQ(Unzip({"-t", archive_.string()}).exitStatus, 0);
    EXPECT_EQ(Unzip({"-Z1", archive_.string()}).output, "Notes.txt\nTallowmere.flt\n");
    EXPECT_EQ(Unzip({"-p", archive_.string(), "Notes.txt"}).output, "notes");
    EXPECT_EQ(Unzip({"-p", archive_.string(), "Tallowmere.flt"}).output, records_);
}

TEST_F(AddFileTest, AddingAnotherFileKeepsTheMembersThere) {
    const fs::path notes = sandbox_.WriteFile("data/Notes.txt", "notes");
    for (const char* password : {"", "Brisel"}) {
        SCOPED_TRACE(password);
        fs::remove(archive_);
        ASSERT_EQ(AddFile(archive_, file_, password), ZipResult::Success);
        ASSERT_EQ(AddFile(archive_, notes, password), ZipResult::Success);
        EXPECT_EQ(Unzip({"-P", password, "-t", archive_.string()}).exitStatus, 0);
        EXPECT_EQ(Unzip({"-Z1", archive_.string()}).output, "Tallowmere.flt\nNotes.txt\n");
        EXPECT_EQ(Unzip({"-P", password, "-p", archive_.string(), "Tallowmere.flt"}).output,
                  records_);
    }
}

TEST_F(AddFileTest, APasswordEncryptsTheMember) {
    // A file written long before the archive, as the resources and data files are, at another
    // hour of the day: the encrypted member's check byte depends on the hour of its date.
    fs::last_write_time(file_, fs::last_write_time(file_) - std::chrono::hours(24 * 365 + 5));
    ASSERT_EQ(AddFile(archive_, file_, kResourcePassword), ZipResult::Success);
    EXPECT_EQ(Unzip({"-P", "Brisel", "-t", archive_.string()}).exitStatus, 0);
    EXPECT_NE(Unzip({"-P", "Brisle", "-t", archive_.string()}).exitStatus, 0);
    EXPECT_EQ(ExtractMember(archive_, "Tallowmere.flt", folder_, ""), ZipResult::WrongPassword);
    EXPECT_EQ(ExtractMember(archive_, "Tallowmere.flt", folder_, kResourcePassword),
              ZipResult::Success);
    EXPECT_EQ(ReadFileBytes(folder_ / "Tallowmere.flt"), records_);
}

TEST_F(AddFileTest, AFailureLeavesTheArchiveAsItWas) {
    MakeFixtureArchive(archive_, {{"Tallowmere.flt", "older", ""}});
    const std::string sound = ReadFileBytes(archive_);
    const std::string damaged = "PK\x03\x04 and then nothing of an archive";
    struct Case {
        const char* what;
        std::string before; // the archive's bytes; empty: no archive
        fs::path archive;   // below the sandbox
        fs::path file;
        ZipResult expected;
    };
    const Case cases[] = {
        {"missing file", sound, "RMDData.zip", folder_ / "None.flt", ZipResult::MissingFile},
        {"folder for a file", sound, "RMDData.zip", folder_ / "data", ZipResult::MissingFile},
        {"damaged archive", damaged, "RMDData.zip", file_, ZipResult::DamagedArchive},
        {"archive in no folder", "", "absent/RMDData.zip", file_, ZipResult::WriteFailure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path archive = folder_ / c.archive;
        if (!c.before.empty()) {
            sandbox_.WriteFile(c.archive, c.before);
        }
        EXPECT_EQ(AddFile(archive, c.file, ""), c.expected);
        if (c.before.empty()) {
            EXPECT_FALSE(fs::exists(archive));
        } else {
            EXPECT_EQ(ReadFileBytes(archive), c.before);
        }
        // Nothing is left beside the archive: the folder holds the data folder, the archive and
        // the sandbox's home folder.
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3);
    }
}

} // namespace
