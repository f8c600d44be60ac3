// Backup to drive A: and restore from it, alone and under the dialog.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/database_validator.h"
#include "family/data/tests/file_bytes.h"

#include "platform/testing/file_contents.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

using namespace dorrick_test;

int RecordPercent(void* percents, int percent) {
    static_cast<std::vector<int>*>(percents)->push_back(percent);
    return 0;
}

// Asks to stop at every report; the operations go on to the end all the same.
int AskToStop(void* percents, int percent) {
    RecordPercent(percents, percent);
    return 1;
}

class Backup : public DatabaseTest {
protected:
    // A database of exactly `size` bytes: one entry whose data fills it up.
    int DatabaseOfSize(const std::string& name, std::size_t size) {
        const int handle = Create(name);
        Put(handle, "E", std::string(size - 16 - 30, 'e'));
        EXPECT_EQ(std::filesystem::file_size(Path(name)), size);
        return handle;
    }
};

TEST_F(Backup, CopiesTheDatabaseInChunksAndReportsEachStep) {
    const int handle = DatabaseOfSize("backed-up.hxd", 20000);
    std::vector<int> percents;
    ASSERT_EQ(_DataBackup(handle, &percents, RecordPercent, 0), kDataSuccess);
    // Chunks of 8,192, 8,192 and 3,616 bytes, reported before each and once at the end.
    EXPECT_EQ(percents, (std::vector<int>{0, 40, 81, 100}));
    EXPECT_EQ(testkit::ReadFileBytes(BackupFile()), testkit::ReadFileBytes(Path("backed-up.hxd")));
}

// Past 21,474,836 bytes, done × 100 no longer fits 32 bits.
TEST_F(Backup, PercentsOfALargeDatabaseRiseFromZeroToAHundred) {
    const int handle = Create("large.hxd");
    for (int number = 0; number < 330; ++number) {
        Put(handle, "E" + std::to_string(number), std::string(65535, 'l'));
    }
    ASSERT_GT(std::filesystem::file_size(Path("large.hxd")), 21474836u);
    std::vector<int> percents;
    ASSERT_EQ(_DataBackup(handle, &percents, AskToStop, 0), kDataSuccess);
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(std::filesystem::file_size(BackupFile()),
              std::filesystem::file_size(Path("large.hxd")));
}

TEST_F(Backup, RestoreReplacesTheDatabaseAndLeavesTheHandleAtTheRoot) {
    const int handle = Create("restored.hxd");
    Put(handle, "Before.Backup", "saved");
    ASSERT_EQ(_DataBackup(handle, nullptr, nullptr, 0), kDataSuccess);
    const auto saved = ReadEntries(Path("restored.hxd"));
    Put(handle, "After", "lost by the restore");
    ASSERT_EQ(_DataDeleteEntry(handle, "Before"), kDataSuccess);
    ASSERT_EQ(_DataSetCurrentWorkingEntry(handle, "After"), kDataSuccess);

    std::vector<int> percents;
    ASSERT_EQ(_DataBackup(handle, &percents, RecordPercent, 1), kDataSuccess);
    EXPECT_EQ(percents, (std::vector<int>{0, 100}));
    EXPECT_EQ(ReadEntries(Path("restored.hxd")), saved);
    EXPECT_EQ(Get(handle, "Before.Backup"), "saved");
    EXPECT_EQ(_DataIsEntryLocked(handle, "After"), kDataNoSuchEntry);
    EXPECT_EQ(_DataAddEntry(handle, "Again"), kDataSuccess);
}

TEST_F(Backup, ABadOrMissingBackupLeavesTheDatabaseUntouched) {
    const int handle = Create("untouched.hxd");
    Put(handle, "Entry", "data");
    const std::string before = testkit::ReadFileBytes(Path("untouched.hxd"));
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 1), kDataCannotOpenFile);
    WriteDamaged("floppy/backup.hxd", HeaderBytes(0, 0).substr(0, 15));
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 1), kDataNotADatabase);
    WriteDamaged("floppy/backup.hxd", "HuxE" + HeaderBytes(0, 0).substr(4));
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 1), kDataNotADatabase);
    EXPECT_EQ(testkit::ReadFileBytes(Path("untouched.hxd")), before);
    EXPECT_EQ(Get(handle, "Entry"), "data");
}

TEST_F(Backup, RestoreIsRefusedWhileAnotherHandleHasTheFileOpen) {
    const int handle = Create("busy.hxd");
    Put(handle, "Entry", "data");
    ASSERT_EQ(_DataBackup(handle, nullptr, nullptr, 0), kDataSuccess);
    const int other = Open("busy.hxd");
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 1), kDataCannotOpenFile);
    ASSERT_EQ(_DataClose(other), kDataSuccess);
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 1), kDataSuccess);
}

TEST_F(Backup, WithoutDriveAThereIsNowhereToBackUp) {
    const int handle = Create("no-drive.hxd");
    sandbox_.SetEnvironment("TALLOWMERE_DRIVE_A", std::nullopt);
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 0), kDataCannotOpenFile);
    EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 1), kDataCannotOpenFile);
    EXPECT_EQ(_DataBackup(0, nullptr, nullptr, 0), kDataBadHandle);
}

TEST_F(Backup, TheDialogAnswersTheOperationsResult) {
    const int handle = Create("dialog.hxd");
    Put(handle, "Entry", "data");
    EXPECT_EQ(_DataBackupDlg(nullptr, handle, 0), kDataSuccess);
    EXPECT_EQ(testkit::ReadFileBytes(BackupFile()), testkit::ReadFileBytes(Path("dialog.hxd")));
    Put(handle, "Later", "");
    EXPECT_EQ(_DataBackupDlg(nullptr, handle, 1), kDataSuccess);
    EXPECT_EQ(_DataIsEntryLocked(handle, "Later"), kDataNoSuchEntry);
    EXPECT_EQ(_DataBackupDlg(nullptr, 0, 0), kDataBadHandle);
    EXPECT_EQ(BackupDlgProc(nullptr, 0x0200, 0, 0), FALSE);
}

} // namespace
