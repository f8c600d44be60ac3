#include "program/store/user_info.h"

#include "program/store/illustration_file.h"
#include "program/store/tests/store_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace store {
namespace {

namespace fs = std::filesystem;
using testing::WriteBytes;

class UserInfoTest : public testing::StoreTest {};

TEST_F(UserInfoTest, DataFolderFollowsTheOverrideFileWhenItNamesOne) {
    fs::remove(Folder("data"));
    EXPECT_EQ(StoreDir(), Folder("data"));
    EXPECT_TRUE(fs::is_directory(Folder("data"))); // its last level is created

    struct Case {
        const char* name;
        std::string contents;
        fs::path expected;
    };
    const Case cases[] = {
        {"blank first line", "   \r\n/elsewhere\r\n", Folder("data")},
        {"empty first line", "\r\n/elsewhere\r\n", Folder("data")},
        {"folder and CR LF", (Folder("shared") / "data").string() + "\r\n",
         Folder("shared") / "data"},
        {"folder alone", "/srv/quenbrook", "/srv/quenbrook"},
        {"Windows path on drive A:", "A:\\Data\\Clients\r\n", Folder("floppy") / "Data/Clients"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        WriteBytes(Folder("install") / "dataloc.txt", row.contents);
        EXPECT_EQ(StoreDir(), row.expected);
    }
    EXPECT_FALSE(fs::exists(Folder("shared"))); // a named folder is used as it is
    EXPECT_EQ(IllustrationFilePath(), Folder("floppy") / "Data/Clients/Tallowmere.flt");

    fs::remove(Folder("install") / "dataloc.txt");
    EXPECT_EQ(StoreDir(), Folder("data")); // every call looks again
}

TEST_F(UserInfoTest, PdfFolderAndUserName) {
    EXPECT_EQ(PDFDir(), Folder("documents") / "PDF");
    EXPECT_TRUE(fs::is_directory(Folder("documents") / "PDF"));
    EXPECT_EQ(UserName(), "ann");
    setenv("TALLOWMERE_USER_PROFILE_DIR", (Folder("home") / "ann/").c_str(), 1);
    EXPECT_EQ(UserName(), "Init");
}

} // namespace
} // namespace store
