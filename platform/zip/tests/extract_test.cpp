#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"
#include "platform/zip/tests/archive_fixture.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace archive;

namespace fs = std::filesystem;
using archive::testing::FixtureMember;
using archive::testing::MakeFixtureArchive;
using testkit::ReadFileBytes;

std::set<std::string> FileNamesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// An archive like the resource archive: encrypted members, one stored under a folder, and one
// member without a password.
class ExtractMemberTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(target_);
        MakeFixtureArchive(archive_, {{"pictures/RMDSplash.bmp", "splash", "Brisel"},
                                      {"URL_RMD_Support.txt", "https://example.com/\r\n", "Brisel"},
                                      {"Readme.txt", "plain", ""}});
    }

    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root();
    const fs::path archive_ = folder_ / "Resources.icf";
    const fs::path target_ = folder_ / "program";
};

// A member read into memory, as the restore checks it before it replaces anything; nothing is
// written anywhere.
TEST_F(ExtractMemberTest, ReadMemberReadsAMemberWholeOrNothing) {
    struct Case {
        const char* request;
        const char* password;
        ZipResult result;
        const char* contents;
    };
    const Case cases[] = {
        {"rmdsplash.BMP", "Brisel", ZipResult::Success, "splash"},
        {"Readme.txt", "", ZipResult::Success, "plain"},
        {"Missing.txt", "Brisel", ZipResult::MissingMember, ""},
    };
    // The archive's file, or its bytes already read into memory.
    const std::string archiveBytes = ReadFileBytes(archive_);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        std::string contents = "before";
        EXPECT_EQ(ReadMember(archive_, c.request, c.password, contents), c.result);
        EXPECT_EQ(contents, c.contents);
        contents = "before";
        EXPECT_EQ(ReadMemberFromBytes(archiveBytes, c.request, c.password, contents), c.result);
        EXPECT_EQ(contents, c.contents);
    }
    std::string contents = "before";
    // A wrong password is told as one, or as damage when it passes the one-byte check.
    const ZipResult wrong = ReadMember(archive_, "RMDSplash.bmp", "wrong", contents);
    EXPECT_TRUE(wrong == ZipResult::WrongPassword || wrong == ZipResult::DamagedArchive)
        << ResultText(wrong);
    EXPECT_EQ(contents, "");
    EXPECT_EQ(ReadMember(folder_ / "none.zip", "Readme.txt", "", contents),
              ZipResult::MissingArchive);
    EXPECT_TRUE(fs::is_empty(target_));
}

TEST_F(ExtractMemberTest, FindsAMemberByItsBareNameInEitherCase) {
    struct Case {
        const char* request;
        const char* password;
        const char* contents;
    };
    const Case cases[] = {
        {"RMDSplash.bmp", "Brisel", "splash"},
        {"rmdsplash.BMP", "Brisel", "splash"},
        {"URL_RMD_Support.txt", "Brisel", "https://example.com/\r\n"},
        {"Readme.txt", "Brisel", "plain"},
        {"Readme.txt", "", "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(ExtractMember(archive_, c.request, target_, c.password), ZipResult::Success);
        // Written under the name asked for, which the caller opens next.
        EXPECT_EQ(ReadFileBytes(target_ / c.request), c.contents);
    }
}

TEST_F(ExtractMemberTest, EachFailureGivesItsOwnCodeAndWritesNothing) {
    sandbox_.WriteFile("NotAZip.icf", "This is a text file, not an archive.\r\n");
    struct Case {
        const char* what;
        fs::path archive;
        const char* member;
        fs::path folder;
        const char* password;
        ZipResult expected;
    };
    const Case cases[] = {
        {"missing archive", folder_ / "None.icf", "RMDSplash.bmp", target_, "Brisel",
         ZipResult::MissingArchive},
        {"not an archive", folder_ / "NotAZip.icf", "RMDSplash.bmp", target_, "Brisel",
         ZipResult::DamagedArchive},
        {"missing member", archive_, "RMDSplash.jpg", target_, "Brisel", ZipResult::MissingMember},
        {"part of a name", archive_, "Splash.bmp", target_, "Brisel", ZipResult::MissingMember},
        {"no password", archive_, "RMDSplash.bmp", target_, "", ZipResult::WrongPassword},
        {"missing folder", archive_, "RMDSplash.bmp", folder_ / "absent", "Brisel",
         ZipResult::MissingFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ExtractMember(c.archive, c.member, c.folder, c.password), c.expected);
        EXPECT_TRUE(fs::is_empty(target_));
    }
}

// The traditional encryption checks a password against one byte, so about one wrong password in
// 256 passes the check and fails only on the data, which then reads as damage: a wrong password
// is told as one nearly always, and never extracts anything.
TEST_F(ExtractMemberTest, NoWrongPasswordExtractsAnything) {
    int toldAsWrongPassword = 0;
    for (int attempt = 0; attempt < 2000; ++attempt) {
        const std::string password = "wrong" + std::to_string(attempt);
        const ZipResult result = ExtractMember(archive_, "RMDSplash.bmp", target_, password);
        ASSERT_TRUE(result == ZipResult::WrongPassword || result == ZipResult::DamagedArchive)
            << password;
        toldAsWrongPassword += result == ZipResult::WrongPassword ? 1 : 0;
    }
    EXPECT_GE(toldAsWrongPassword, 1900);
    EXPECT_TRUE(fs::is_empty(target_));
}

TEST_F(ExtractMemberTest, ReplacesAFileOfTheSameName) {
    sandbox_.WriteFile("program/RMDSplash.bmp", "an older and longer splash picture");
    EXPECT_EQ(ExtractMember(archive_, "RMDSplash.bmp", target_, kResourcePassword),
              ZipResult::Success);
    EXPECT_EQ(ReadFileBytes(target_ / "RMDSplash.bmp"), "splash");
    EXPECT_EQ(FileNamesIn(target_), std::set<std::string>{"RMDSplash.bmp"});
}

TEST_F(ExtractMemberTest, AFailedExtractionLeavesTheOlderFileAlone) {
    sandbox_.WriteFile("program/RMDSplash.bmp", "older");
    // A wrong password is told as one, or as damage when it passes the one-byte check.
    const ZipResult result = ExtractMember(archive_, "RMDSplash.bmp", target_, "wrong");
    EXPECT_TRUE(result == ZipResult::WrongPassword || result == ZipResult::DamagedArchive)
        << ResultText(result);
    EXPECT_EQ(ReadFileBytes(target_ / "RMDSplash.bmp"), "older");
    EXPECT_EQ(FileNamesIn(target_), std::set<std::string>{"RMDSplash.bmp"});
}

TEST_F(ExtractMemberTest, APatternExtractsEveryMemberItMatches) {
    MakeFixtureArchive(archive_, {{"logos/StretchLogo.gif", "GIF89a", "Brisel"},
                                  {"StretchLogo.txt", "0, 0, 1440, 0", "Brisel"},
                                  {"StretchLogo", "no extension", "Brisel"},
                                  {"StretchLogoOld.gif", "old", "Brisel"},
                                  {"RMDLogo.gif", "other", "Brisel"}});
    std::vector<fs::path> written;
    EXPECT_EQ(ExtractMember(archive_, "stretchlogo.*", target_, kResourcePassword,
                            sys::Durability::Scratch, &written),
              ZipResult::Success);
    // A pattern's matches keep their own bare names; the files written are named in archive
    // order.
    EXPECT_EQ(FileNamesIn(target_),
              (std::set<std::string>{"StretchLogo", "StretchLogo.gif", "StretchLogo.txt"}));
    EXPECT_EQ(written,
              (std::vector<fs::path>{target_ / "StretchLogo.gif", target_ / "StretchLogo.txt",
                                     target_ / "StretchLogo"}));
    EXPECT_EQ(ReadFileBytes(target_ / "StretchLogo.txt"), "0, 0, 1440, 0");

    EXPECT_EQ(ExtractMember(archive_, "Missing.*", target_, kResourcePassword),
              ZipResult::MissingMember);
}

// A pattern's extraction that fails at a member names the files it wrote before it, and only
// those.
TEST_F(ExtractMemberTest, AFailedPatternNamesTheFilesItWroteBeforeTheFailure) {
    MakeFixtureArchive(archive_, {{"RMDLogo.txt", "0, 0, 1440, 0", ""},
                                  {"RMDLogo.gif", "GIF89a", "Brisel"},
                                  {"RMDLogo.bmp", "BM", ""}});
    std::vector<fs::path> written;
    EXPECT_NE(ExtractMember(archive_, "RMDLogo.*", target_, "", sys::Durability::Scratch, &written),
              ZipResult::Success);
    EXPECT_EQ(written, std::vector<fs::path>{target_ / "RMDLogo.txt"});
    EXPECT_EQ(FileNamesIn(target_), std::set<std::string>{"RMDLogo.txt"});
}

// A member long enough to be deflated, so that damage can fall inside its compressed data.
std::string RepeatedRecords() {
    std::string records;
    for (int record = 0; record < 60; ++record) {
        records += "Record " + std::to_string(record) + " of the illustration file; ";
    }
    return records;
}

// The bytes with the byte at `offset` inverted.
std::string Flipped(std::string bytes, std::size_t offset) {
    bytes.at(offset) = static_cast<char>(~bytes.at(offset));
    return bytes;
}

// Where things lie in an archive of one member named "Data.flt", far below 64 KiB: a 30-byte
// local header (flags at 6, method at 8), the 8-byte name, the data (led by the 12-byte
// encryption header when encrypted), a data descriptor; the central directory (flags at 8,
// method at 10, CRC at 16, data size at 20); the 22-byte end record (central directory size at
// 12, its offset at 16).
struct OneMemberLayout {
    explicit OneMemberLayout(const std::string& bytes)
        : endRecord(bytes.size() - 22), centralDirectory(Word(bytes, endRecord + 16)),
          dataMiddle(30 + 8 + Word(bytes, centralDirectory + 20) / 2) {}

    static std::size_t Word(const std::string& bytes, std::size_t offset) {
        return static_cast<std::size_t>(static_cast<unsigned char>(bytes.at(offset))) |
               static_cast<std::size_t>(static_cast<unsigned char>(bytes.at(offset + 1))) << 8;
    }

    std::size_t endRecord;
    std::size_t centralDirectory;
    std::size_t dataMiddle;
};

// The bytes with a 16-bit field set to `value` in both the local and the central header.
std::string WithHeaderField(std::string bytes, std::size_t localOffset, std::uint16_t value) {
    const OneMemberLayout layout(bytes);
    for (const std::size_t offset : {localOffset, layout.centralDirectory + localOffset + 2}) {
        bytes.at(offset) = static_cast<char>(value & 0xFF);
        bytes.at(offset + 1) = static_cast<char>(value >> 8);
    }
    return bytes;
}

TEST(ExtractMemberDamage, DamagedArchivesGiveTheDamageCode) {
    const testkit::Sandbox sandbox;
    const fs::path folder = sandbox.Root();
    const fs::path target = folder / "data";
    fs::create_directory(target);
    for (const char* password : {"", "Brisel"}) {
        SCOPED_TRACE(*password ? "encrypted" : "plain");
        const fs::path sound = folder / "Sound.zip";
        MakeFixtureArchive(sound, {{"Data.flt", RepeatedRecords(), password}});
        const std::string bytes = ReadFileBytes(sound);
        ASSERT_EQ(ExtractMember(sound, "Data.flt", target, password), ZipResult::Success);
        fs::remove(target / "Data.flt");

        const auto [endRecord, centralDirectory, dataMiddle] = OneMemberLayout(bytes);
        struct Case {
            const char* what;
            std::string damaged;
        };
        const Case cases[] = {
            {"cut to nothing", bytes.substr(0, 0)},
            {"cut inside the local header", bytes.substr(0, 10)},
            {"cut inside the data", bytes.substr(0, centralDirectory / 2)},
            {"cut before the end record", bytes.substr(0, endRecord)},
            {"last byte cut", bytes.substr(0, bytes.size() - 1)},
            {"data byte flipped", Flipped(bytes, dataMiddle)},
            {"central CRC flipped", Flipped(bytes, centralDirectory + 16)},
            {"central offset flipped", Flipped(bytes, endRecord + 16)},
            {"central size flipped", Flipped(bytes, endRecord + 12)},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            const fs::path damaged = sandbox.WriteFile("Damaged.zip", c.damaged);
            EXPECT_EQ(ExtractMember(damaged, "Data.flt", target, password),
                      ZipResult::DamagedArchive);
            EXPECT_TRUE(fs::is_empty(target));
            std::string contents = "before";
            EXPECT_EQ(ReadMemberFromBytes(c.damaged, "Data.flt", password, contents),
                      ZipResult::DamagedArchive);
            EXPECT_EQ(contents, "");
        }
    }
}

TEST(ExtractMemberDamage, AMemberOfAMethodThatCannotBeReadGivesItsCode) {
    const testkit::Sandbox sandbox;
    const fs::path folder = sandbox.Root();
    const fs::path target = folder / "data";
    fs::create_directory(target);
    const fs::path sound = folder / "Sound.zip";
    MakeFixtureArchive(sound, {{"Data.flt", RepeatedRecords(), ""}});
    const std::string bytes = ReadFileBytes(sound);
    struct Case {
        const char* what;
        std::string archive;
    };
    // The flags' bit 0 marks encryption, bit 6 strong encryption; method 6 is imploding.
    const Case cases[] = {
        {"strong encryption", WithHeaderField(bytes, 6, 0x0049)},
        {"imploded", WithHeaderField(bytes, 8, 6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path archive = sandbox.WriteFile("Unreadable.zip", c.archive);
        EXPECT_EQ(ExtractMember(archive, "Data.flt", target, kResourcePassword),
                  ZipResult::UnsupportedMethod);
        EXPECT_TRUE(fs::is_empty(target));
    }
}

TEST(ZipResultText, EveryResultHasItsOwnText) {
    std::set<std::string> texts;
    for (int code = 0; code <= static_cast<int>(ZipResult::WriteFailure); ++code) {
        texts.insert(ResultText(static_cast<ZipResult>(code)));
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(ZipResult::WriteFailure) + 1);
    EXPECT_EQ(ResultText(static_cast<ZipResult>(99)), "Unknown result code 99.");
}

} // namespace
