// The resource archive as the build packs it: readable by an independent tool with the resource
// password and by nothing without it, holding the files of resources/ unchanged and pictures the
// program can load.
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/windows.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace {

using namespace archive;

namespace fs = std::filesystem;
using testkit::ReadFileBytes;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;
const fs::path kSources = TALLOWMERE_RESOURCE_SOURCES;

const char* const kTextMembers[] = {"RMDInvisible.txt", "URL_EQUAL_FEDRATES.txt",
                                    "URL_RMD_Support.txt"};

testkit::ToolRun Unzip(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "unzip");
    return testkit::RunTool(arguments);
}

class ResourceArchiveTest : public ::testing::Test {
protected:
    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root();
};

TEST_F(ResourceArchiveTest, UnzipReadsItWithTheResourcePasswordOnly) {
    EXPECT_EQ(Unzip({"-P", std::string(kResourcePassword), "-t", kArchive.string()}).exitStatus, 0);
    EXPECT_NE(Unzip({"-P", "brisel", "-t", kArchive.string()}).exitStatus, 0);

    std::set<std::string> members;
    std::istringstream listing(Unzip({"-Z1", kArchive.string()}).output);
    for (std::string line; std::getline(listing, line);) {
        members.insert(line);
    }
    EXPECT_EQ(members, (std::set<std::string>{
                           "100side.bmp", "Equal.rtf", "GraphBack.bmp", "PileofCashMed.jpg",
                           "RMDBene.rtf", "RMDInvisible.txt", "RMDLogo.gif", "RMDLogo.txt",
                           "RMDPartNone.rtf", "RMDPartSpouse.rtf", "RMDSplash.bmp", "Stretch.rtf",
                           "StretchLogo.gif", "StretchLogo.txt", "URL_EQUAL_FEDRATES.txt",
                           "URL_RMD_Support.txt", "Wrenpic.jpg"}));
    EXPECT_EQ(Unzip({"-P", std::string(kResourcePassword), "-p", kArchive.string(),
                     "URL_RMD_Support.txt"})
                  .output,
              ReadFileBytes(kSources / "URL_RMD_Support.txt"));
}

TEST_F(ResourceArchiveTest, TheTextMembersAreTheFilesOfTheResourceFolder) {
    for (const char* member : kTextMembers) {
        SCOPED_TRACE(member);
        EXPECT_EQ(ExtractMember(kArchive, member, folder_, ""), ZipResult::WrongPassword);
        ASSERT_EQ(ExtractMember(kArchive, member, folder_, kResourcePassword), ZipResult::Success);
        EXPECT_EQ(ReadFileBytes(folder_ / member), ReadFileBytes(kSources / member));
    }
    EXPECT_TRUE(ReadFileBytes(folder_ / "URL_RMD_Support.txt").starts_with("https://"));
    // The Web Lookup button that the 72(t) rate messages recommend opens the Internal Revenue
    // Service's page of the applicable federal rates.
    EXPECT_TRUE(ReadFileBytes(folder_ / "URL_EQUAL_FEDRATES.txt")
                    .starts_with("https://www.irs.gov/applicable-federal-rates"));
}

TEST_F(ResourceArchiveTest, ThePicturesAreBitmapsOfTheirSize) {
    struct Case {
        const char* member;
        int width;
        int height;
    };
    const Case cases[] = {
        {"RMDSplash.bmp", 400, 150},
        {"GraphBack.bmp", 320, 240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        ASSERT_EQ(ExtractMember(kArchive, c.member, folder_, kResourcePassword),
                  ZipResult::Success);
        const win32::BmpReadResult read = win32::ReadBmpFile(folder_ / c.member);
        ASSERT_NE(read.bitmap, nullptr) << read.error;
        BITMAP info{};
        GetObjectA(read.bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        DeleteObject(read.bitmap);
    }
}

} // namespace
