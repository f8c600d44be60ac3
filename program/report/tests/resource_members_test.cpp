// The resource archive's members read once and kept while the archive stays the same.
#include "program/report/resource_members.h"

#include "platform/testing/sandbox.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

namespace {

using namespace report;

namespace fs = std::filesystem;
using archive::ZipResult;

class ResourceMembersTest : public ::testing::Test {
protected:
    // Adds (or replaces) the member `name` holding `contents`.
    void Add(const std::string& name, const std::string& contents) {
        const fs::path file = sandbox_.WriteFile("members/" + name, contents);
        ASSERT_EQ(archive::AddFile(archive_, file, archive::kResourcePassword), ZipResult::Success);
    }

    testkit::Sandbox sandbox_;
    const fs::path archive_ = sandbox_.Root() / "Tallowmere.icf";
    ResourceMembers members_;
};

TEST_F(ResourceMembersTest, AMemberIsReadOnceWhileTheArchiveStaysTheSame) {
    Add("Stretch.rtf", "{\\rtf1 first}");
    Add("RMDLogo.txt", "0, 0, 720, 0");
    members_.Open(archive_);
    const ResourceMembers::Member first = members_.Read("Stretch.rtf");
    ASSERT_EQ(first.result, ZipResult::Success);
    ASSERT_NE(first.bytes, nullptr);
    EXPECT_EQ(*first.bytes, "{\\rtf1 first}");
    // Read again, and after another member, and in the archive opened again unchanged: the
    // bytes kept, not a new reading.
    EXPECT_EQ(members_.Read("RMDLogo.txt").result, ZipResult::Success);
    EXPECT_EQ(members_.Read("Stretch.rtf").bytes, first.bytes);
    members_.Open(archive_);
    EXPECT_EQ(members_.Read("Stretch.rtf").bytes, first.bytes);
    // Names match as the archive matches them.
    EXPECT_EQ(*members_.Read("stretch.RTF").bytes, "{\\rtf1 first}");

    // A replaced archive is read anew at its next opening, whatever changed in it.
    Add("Stretch.rtf", "{\\rtf1 second}");
    members_.Open(archive_);
    const ResourceMembers::Member second = members_.Read("Stretch.rtf");
    ASSERT_EQ(second.result, ZipResult::Success);
    EXPECT_EQ(*second.bytes, "{\\rtf1 second}");
    EXPECT_NE(second.bytes, first.bytes);
}

TEST_F(ResourceMembersTest, EachFailureIsTheArchivesOwn) {
    EXPECT_EQ(members_.Read("Stretch.rtf").result, ZipResult::MissingArchive); // none opened
    members_.Open(archive_);
    EXPECT_EQ(members_.Read("Stretch.rtf").result, ZipResult::MissingArchive);
    Add("RMDLogo.txt", "0, 0, 720, 0");
    members_.Open(archive_);
    const ResourceMembers::Member missing = members_.Read("Stretch.rtf");
    EXPECT_EQ(missing.result, ZipResult::MissingMember);
    EXPECT_EQ(missing.bytes, nullptr);
    // The member added later is found: the archive changed.
    Add("Stretch.rtf", "{\\rtf1}");
    members_.Open(archive_);
    EXPECT_EQ(members_.Read("Stretch.rtf").result, ZipResult::Success);

    sandbox_.WriteFile("Tallowmere.icf", "PK but no archive");
    members_.Open(archive_);
    EXPECT_EQ(members_.Read("Stretch.rtf").result, ZipResult::DamagedArchive);
    fs::remove(archive_);
    members_.Open(archive_);
    EXPECT_EQ(members_.Read("Stretch.rtf").result, ZipResult::MissingArchive);
}

} // namespace
