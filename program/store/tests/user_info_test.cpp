#include "program/store/user_info.h"

#include "program/store/backup.h"
#include "program/store/compaction.h"
#include "program/store/illustration_file.h"
#include "program/store/rep_info_record.h"
#include "program/store/tests/store_fixture.h"

#include "platform/system/drives.h"
#include "platform/testing/runtime_errors.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string_view>

namespace {

using namespace store;

namespace fs = std::filesystem;
using store::testing::ReadBytes;
using store::testing::WriteBytes;

class UserInfoTest : public store::testing::StoreTest {};

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

// A folder on a drive letter that is not mapped is used as named: StoreDir answers error 68,
// and each operation on the data reports that as its own failure, under its own title, or
// finds nothing there, as on a missing drive.
TEST_F(UserInfoTest, AFolderOnAnUnmappedDriveFailsEachOperationByItself) {
    WriteBytes(Folder("install") / "dataloc.txt", "C:\\Data\\Quenbrook\r\n");
    WriteBytes(Folder("windows") / "Hux.INI", "[Agent Information]\r\nFirst=Pat\r\n");
    WriteBytes(Folder("data") / "Tallowmere.flt", std::string(kRecordLength, '1'));
    ASSERT_EQ(
        archive::AddFile(Folder("floppy") / "RMDData.zip", Folder("data") / "Tallowmere.flt", ""),
        archive::ZipResult::Success);
    EXPECT_EQ(testkit::ErrorNumberOf([] { StoreDir(); }), 68);
    EXPECT_EQ(StoreFileName("RepInfo.flt"), "C:\\Data\\Quenbrook\\RepInfo.flt");

    EXPECT_EQ(IllustrationRecordCount(), 0);
    EXPECT_EQ(RoundedRecordCount(), 0);
    EXPECT_TRUE(ReadIllustrationRecords().empty());
    EXPECT_EQ(LoadRepInfo([](const std::string&) { return std::string("AL"); }).fields.txtInput[0],
              "Pat");

    CurrentIllustration current = Current();
    struct Operation {
        const char* title;
        std::function<void()> run;
    };
    const Operation operations[] = {
        {"Error Writing to Database",
         [&] { EXPECT_FALSE(SaveIllustration(current, RecordControls{}, driver)); }},
        {"Error in RepWriteFlat", [&] { EXPECT_FALSE(SaveRepInfo(RepInfoFields{}, driver)); }},
        {"Error Reading Database", [&] { CompactDatabase(current, driver); }},
        {"Client Data Backup Failure", [&] { BackupClientData(BackupKind::Internet, driver); }},
        {"Client Data Restore Failure",
         [&] { RestoreClientData(BackupKind::Disk, current, driver); }},
    };
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.title);
        if (std::string_view(operation.title) == "Client Data Restore Failure") {
            driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
        }
        driver.ExpectMessageBox(operation.title, forms::vbOK);
        operation.run();
        EXPECT_NE(driver.MessageBoxes().back().prompt.find("68"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(Folder("data") / "Tallowmere.flt"), std::string(kRecordLength, '1'));
    EXPECT_FALSE(app.Ended());
}

TEST_F(UserInfoTest, PdfFolderAndUserName) {
    EXPECT_EQ(PDFDir(), Folder("documents") / "PDF");
    EXPECT_TRUE(fs::is_directory(Folder("documents") / "PDF"));
    EXPECT_EQ(UserName(), "ann");
    setenv("TALLOWMERE_USER_PROFILE_DIR", (Folder("home") / "ann/").c_str(), 1);
    EXPECT_EQ(UserName(), "Init");
}

// The payroll folder in the application-data folder, the one that holds the data folder,
// written as a Windows path; two folders are turned elsewhere, each named exactly as written.
TEST_F(UserInfoTest, TheTimeClockFolderFollowsItsRulesAndIsNeverMade) {
    std::string root = Folder("").string();
    root.pop_back(); // the separator Folder("") ends with
    std::replace(root.begin(), root.end(), '/', '\\');
    EXPECT_EQ(TimeClockDir(), root + "\\DropBox\\Payroll");
    EXPECT_EQ(sys::ResolvePath(TimeClockDir()), Folder("DropBox/Payroll"));
    EXPECT_FALSE(fs::exists(Folder("DropBox")));

    const std::string kOwnersFolder =
        "c:\\documents and settings\\owner\\my documents\\DropBox\\Payroll";
    struct Case {
        const char* dataFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"/home/ann/.local/share/tallowmere", "\\home\\ann\\.local\\share\\DropBox\\Payroll"},
        {"/home/owner/.local/share/tallowmere", kOwnersFolder},
        {"/home/ann/owner/tallowmere", kOwnersFolder},
        {"/home/Owner/.local/share/tallowmere", "\\home\\Owner\\.local\\share\\DropBox\\Payroll"},
        {"/home/owners/tallowmere", "\\home\\owners\\DropBox\\Payroll"},
        {"/home/ann/AppData/Roaming/tallowmere", "\\home\\ann\\DropBox\\Payroll"},
        {"/home/ann/AppData/Roaming/Quenbrook/tallowmere", "\\home\\ann\\DropBox\\Payroll"},
        {"/home/ann/appdata/roaming/tallowmere", "\\home\\ann\\appdata\\roaming\\DropBox\\Payroll"},
        {"/home/owner/AppData/Roaming/tallowmere", kOwnersFolder},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.dataFolder);
        setenv("TALLOWMERE_DATA_DIR", row.dataFolder, 1);
        EXPECT_EQ(TimeClockDir(), row.expected);
    }
}

} // namespace
