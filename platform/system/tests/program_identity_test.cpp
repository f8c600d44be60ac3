#include "platform/system/program_identity.h"

#include "platform/system/windows_version.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramIdentity, NamesAndVersion) {
    EXPECT_EQ(sys::ExecutableBaseName(), "Tallowmere");
    EXPECT_FALSE(sys::FileDescription().empty());
    EXPECT_NE(sys::LegalCopyright().find("Copyright"), std::string_view::npos);
    const sys::ProgramVersion version = sys::Version();
    EXPECT_GE(version.major, 1);
    EXPECT_GE(version.minor, 0);
    EXPECT_GE(version.revision, 0);
}

TEST(WindowsVersion, NeverTheOldestWindows) {
    const sys::WindowsVersion version = sys::ReportedWindowsVersion();
    EXPECT_FALSE(version.major == 4 && version.minor < 1);
    EXPECT_GE(version.major, 10);
    EXPECT_EQ(version.platformId, 2);
}

} // namespace
