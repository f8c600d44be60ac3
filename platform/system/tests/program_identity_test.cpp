#include "platform/system/program_identity.h"

#include <gtest/gtest.h>

TEST(ProgramIdentity, NamesAndVersion) {
    EXPECT_EQ(sys::ExecutableBaseName(), "Tallowmere");
    EXPECT_FALSE(sys::FileDescription().empty());
    EXPECT_NE(sys::LegalCopyright().find("Copyright"), std::string_view::npos);
    const sys::ProgramVersion version = sys::Version();
    EXPECT_GE(version.major, 1);
    EXPECT_GE(version.minor, 0);
    EXPECT_GE(version.revision, 0);
}
