#include "platform/zip/tests/archive_fixture.h"
#include "platform/zip/tests/run_program.h"
#include "platform/zip/tests/test_folder.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <chrono>

namespace archive {
namespace {

namespace fs = std::filesystem;
using testing::FreshTestFolder;
using testing::MakeFixtureArchive;
using testing::ReadTestFile;
using testing::RunProgram;
using testing::WriteTestFile;

// A backup of an illustration file kept in a folder of its own, as the data folder is.
class AddFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folder_ / "data");
        for (int record = 1; record <= 3; ++record) {
            records_ += std::string(999, static_cast<char>('0' + record)) + "\xE9";
        }
        WriteTestFile(file_, records_);
    }

    testing::ProgramRun Unzip(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), "unzip");
        return RunProgram(arguments, folder_ / "unzip.out");
    }

    const fs::path folder_ = FreshTestFolder();
    const fs::path file_ = folder_ / "data" / "Tallowmere.flt";
    const fs::path archive_ = folder_ / "RMDData.zip";
    std::string records_;
};

TEST_F(AddFileTest, CreatesAnArchiveThatUnzipReadsWithTheFileUnderItsBareName) {
    ASSERT_EQ(AddFile(archive_, file_, ""), ZipResult::Success);
    EXPECT_EQ(Unzip({"-t", archive_.string()}).exitCode, 0);
    EXPECT_EQ(Unzip({"-Z1", archive_.string()}).output, "Tallowmere.flt\n");
    EXPECT_EQ(Unzip({"-p", archive_.string(), "Tallowmere.flt"}).output, records_);
}

TEST_F(AddFileTest, UpdatingReplacesTheMemberOfThatBareNameAndKeepsTheOthers) {
    MakeFixtureArchive(archive_, {{"old/TALLOWMERE.FLT", "older", ""}, {"Notes.txt", "notes", ""}});
    ASSERT_EQ(AddFile(archive_, file_, ""), ZipResult::Success);
    EXPECT_EQ(Unzip({"-t", archive_.string()}).exitCode, 0);
    EXPECT_EQ(Unzip({"-Z1", archive_.string()}).output, "Notes.txt\nTallowmere.flt\n");
    EXPECT_EQ(Unzip({"-p", archive_.string(), "Notes.txt"}).output, "notes");
    EXPECT_EQ(Unzip({"-p", archive_.string(), "Tallowmere.flt"}).output, records_);
}

TEST_F(AddFileTest, AddingAnotherFileKeepsTheMembersThere) {
    const fs::path notes = folder_ / "data" / "Notes.txt";
    WriteTestFile(notes, "notes");
    for (const char* password : {"", "Brisel"}) {
        SCOPED_TRACE(password);
        fs::remove(archive_);
        ASSERT_EQ(AddFile(archive_, file_, password), ZipResult::Success);
        ASSERT_EQ(AddFile(archive_, notes, password), ZipResult::Success);
        EXPECT_EQ(Unzip({"-P", password, "-t", archive_.string()}).exitCode, 0);
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
    EXPECT_EQ(Unzip({"-P", "Brisel", "-t", archive_.string()}).exitCode, 0);
    EXPECT_NE(Unzip({"-P", "Brisle", "-t", archive_.string()}).exitCode, 0);
    EXPECT_EQ(ExtractMember(archive_, "Tallowmere.flt", folder_, ""), ZipResult::WrongPassword);
    EXPECT_EQ(ExtractMember(archive_, "Tallowmere.flt", folder_, kResourcePassword),
              ZipResult::Success);
    EXPECT_EQ(ReadTestFile(folder_ / "Tallowmere.flt"), records_);
}

TEST_F(AddFileTest, AFailureLeavesTheArchiveAsItWas) {
    MakeFixtureArchive(archive_, {{"Tallowmere.flt", "older", ""}});
    const std::string sound = ReadTestFile(archive_);
    const std::string damaged = "PK\x03\x04 and then nothing of an archive";
    struct Case {
        const char* what;
        std::string before; // the archive's bytes; empty: no archive
        fs::path archive;
        fs::path file;
        ZipResult expected;
    };
    const Case cases[] = {
        {"missing file", sound, archive_, folder_ / "None.flt", ZipResult::MissingFile},
        {"folder for a file", sound, archive_, folder_ / "data", ZipResult::MissingFile},
        {"damaged archive", damaged, archive_, file_, ZipResult::DamagedArchive},
        {"archive in no folder", "", folder_ / "absent" / "RMDData.zip", file_,
         ZipResult::WriteFailure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.before.empty()) {
            WriteTestFile(c.archive, c.before);
        }
        EXPECT_EQ(AddFile(c.archive, c.file, ""), c.expected);
        EXPECT_EQ(ReadTestFile(c.archive), c.before);
        // Nothing is left beside the archive: the folder holds the data folder and the archive.
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
    }
}

} // namespace
} // namespace archive
