// Backup, restore and compaction killed at every file-changing call they make: whatever the
// moment, the database is a valid database holding every entry it held, and each file the
// operation replaces is either the old one or the new one whole.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/database_validator.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/file_faults.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

namespace {

using namespace dorrick_test;

namespace fs = std::filesystem;

// More than enough for any of the operations below.
constexpr int kMostKillPoints = 1000;

class KilledOperation : public DatabaseTest {
protected:
    // A database of 300 entries with 2,000 bytes each, some deleted: many chunks and pieces.
    void MakePristine(const std::string& name) {
        const int handle = Create(name);
        for (int number = 0; number < 300; ++number) {
            const std::string path = "Clients.C" + std::to_string(number);
            Put(handle, path, std::string(2000, static_cast<char>('a' + number % 26)));
            if (number % 7 == 0) {
                ASSERT_EQ(_DataDeleteEntry(handle, path.c_str()), kDataSuccess);
            }
        }
        ASSERT_EQ(_DataClose(handle), kDataSuccess);
    }

    // Runs `operation` on the database in a child process killed before its `point`+1-th
    // file-changing call. True when the kill struck; false when the operation ran to its end.
    bool RunKilledAt(int point, const std::string& database,
                     const std::function<unsigned char(int)>& operation) {
        const pid_t child = fork();
        if (child == 0) {
            int handle = 0;
            if (_DataOpen(Path(database).c_str(), &handle) != kDataSuccess) {
                _exit(2);
            }
            testkit::ArmKillSwitch(point);
            _exit(operation(handle) == kDataSuccess ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFSIGNALED(status)) {
            EXPECT_EQ(WTERMSIG(status), SIGKILL);
            return true;
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "at point " << point;
        return false;
    }

    // The temporary files a killed process left; nothing reads them.
    void RemoveTemporaries() {
        for (const auto& folder : {sandbox_.Root(), DriveA()}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                if (entry.path().filename().string().starts_with(".tmp-")) {
                    fs::remove(entry.path());
                }
            }
        }
    }

    // Kills `operation` at each point in turn until it runs to its end; `check` looks at the
    // files after each run, `reset` puts them back before the next. Answers the points.
    int KillAtEveryPoint(const std::string& database,
                         const std::function<unsigned char(int)>& operation,
                         const std::function<void(bool killed)>& check,
                         const std::function<void()>& reset) {
        for (int point = 0; point < kMostKillPoints; ++point) {
            reset();
            const bool killed = RunKilledAt(point, database, operation);
            RemoveTemporaries();
            SCOPED_TRACE("killed before file-changing call " + std::to_string(point + 1));
            EXPECT_TRUE(IsValidDatabase(Path(database)));
            check(killed);
            if (!killed) {
                return point;
            }
        }
        ADD_FAILURE() << "the operation never finished";
        return kMostKillPoints;
    }
};

TEST_F(KilledOperation, BackupLeavesTheOldBackupOrTheWholeNewOne) {
    MakePristine("old-backup.hxd");
    fs::copy_file(Path("old-backup.hxd"), Path("pristine-backup"));
    MakePristine("backed-up.hxd");
    const int handle = Open("old-backup.hxd");
    ASSERT_EQ(_DataDeleteEntry(handle, "Clients.C1"), kDataSuccess);
    ASSERT_EQ(_DataClose(handle), kDataSuccess);
    const std::string database = testkit::ReadFileBytes(Path("backed-up.hxd"));
    const std::string oldBackup = testkit::ReadFileBytes(Path("old-backup.hxd"));
    fs::remove(Path("pristine-backup"));

    const int points = KillAtEveryPoint(
        "backed-up.hxd", [](int h) { return _DataBackup(h, nullptr, nullptr, 0); },
        [&](bool killed) {
            EXPECT_EQ(testkit::ReadFileBytes(Path("backed-up.hxd")), database);
            const std::string backup = testkit::ReadFileBytes(BackupFile());
            EXPECT_TRUE(backup == database || (killed && backup == oldBackup));
        },
        [&] {
            fs::copy_file(Path("old-backup.hxd"), BackupFile(),
                          fs::copy_options::overwrite_existing);
        });
    EXPECT_GT(points, 10);
}

TEST_F(KilledOperation, RestoreLeavesTheOldDatabaseOrTheWholeBackup) {
    MakePristine("pristine.hxd");
    fs::copy_file(Path("pristine.hxd"), BackupFile());
    const int handle = Open("pristine.hxd");
    Put(handle, "Added.After.Backup", "x");
    ASSERT_EQ(_DataDeleteEntry(handle, "Clients.C2"), kDataSuccess);
    ASSERT_EQ(_DataClose(handle), kDataSuccess);
    const auto before = ReadEntries(Path("pristine.hxd"));
    const auto backedUp = ReadEntries(BackupFile());

    const int points = KillAtEveryPoint(
        "restored.hxd", [](int h) { return _DataBackup(h, nullptr, nullptr, 1); },
        [&](bool killed) {
            const auto entries = ReadEntries(Path("restored.hxd"));
            EXPECT_TRUE(entries == backedUp || (killed && entries == before));
        },
        [&] {
            fs::copy_file(Path("pristine.hxd"), Path("restored.hxd"),
                          fs::copy_options::overwrite_existing);
        });
    EXPECT_GT(points, 10);
}

TEST_F(KilledOperation, CompactionLeavesEveryEntryInPlace) {
    MakePristine("pristine.dat");
    const std::string pristine = testkit::ReadFileBytes(Path("pristine.dat"));
    const auto entries = ReadEntries(Path("pristine.dat"));

    const int points = KillAtEveryPoint(
        "compacted.dat", [](int h) { return _DataCompact(h, nullptr, nullptr); },
        [&](bool /*killed*/) {
            EXPECT_EQ(ReadEntries(Path("compacted.dat")), entries);
            if (fs::exists(Path("compacted.hx$"))) {
                EXPECT_EQ(testkit::ReadFileBytes(Path("compacted.hx$")), pristine);
            }
        },
        [&] {
            fs::remove(Path("compacted.hx$"));
            fs::copy_file(Path("pristine.dat"), Path("compacted.dat"),
                          fs::copy_options::overwrite_existing);
        });
    EXPECT_GT(points, 5);
}

} // namespace
