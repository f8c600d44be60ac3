// A kill at any moment of compaction, backup or restore leaves each file either as it was or as
// the operation makes it, whole: the operation runs in a child process that is killed at many
// points spread over its run.
#include "program/store/backup.h"
#include "program/store/compaction.h"
#include "program/store/illustration_record.h"
#include "program/store/tests/store_fixture.h"

#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

namespace store {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr int kKillPoints = 30;

// Answers every message box with its first button: Yes, OK.
class AgreeingMessages : public forms::MessageBoxService {
public:
    int ShowMessageBox(const forms::MessageBoxRequest& request) override {
        return request.Answers().front();
    }
    void Beep() override {}
};

// Runs the operation in a child process and kills it after `delay`, unless it ended before;
// answers whether it ended by itself.
bool RunInChild(const std::function<void(forms::MessageBoxService&)>& operation,
                std::chrono::nanoseconds delay) {
    const pid_t child = fork();
    if (child == 0) {
        AgreeingMessages messages;
        operation(messages);
        _exit(0);
    }
    const auto deadline = Clock::now() + delay;
    int status = 0;
    while (Clock::now() < deadline) {
        if (waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return WIFEXITED(status);
}

class FaultInjectionTest : public testing::StoreTest {
protected:
    // Runs the operation once whole, then again from `reset` with a kill at each point of its
    // run, checking `intact` after every run. Expects some runs to have been cut short.
    void KillAtManyPoints(const std::function<void()>& reset,
                          const std::function<void(forms::MessageBoxService&)>& operation,
                          const std::function<void()>& intact) {
        reset();
        const auto start = Clock::now();
        ASSERT_TRUE(RunInChild(operation, std::chrono::seconds(60)));
        const auto whole = Clock::now() - start;
        intact();
        int cut = 0;
        for (int point = 0; point < kKillPoints; ++point) {
            SCOPED_TRACE(point);
            reset();
            if (!RunInChild(operation, whole * point / kKillPoints)) {
                ++cut;
            }
            intact();
        }
        EXPECT_GT(cut, 0);
    }

    fs::path DiskArchive() const { return Folder("floppy") / "RMDData.zip"; }

    std::string ArchivedFile(const fs::path& archivePath) {
        const fs::path folder = Folder("unpacked");
        fs::create_directories(folder);
        fs::remove(folder / "Tallowmere.flt");
        const auto result = archive::ExtractMember(archivePath, "Tallowmere.flt", folder, "");
        return result == archive::ZipResult::Success ? ReadBytes(folder / "Tallowmere.flt") : "";
    }

    // Records numbered in order, every third one deleted.
    static std::string ManyRecords(int count, char filler) {
        std::string bytes;
        for (int number = 1; number <= count; ++number) {
            std::string record(kRecordLength, filler);
            record[0] = number % 3 == 0 ? '0' : '1';
            record[1] = '3';
            record.replace(460, 6, testing::Padded(std::to_string(number), 6));
            record.replace(466, 10, "04/01/2011");
            bytes += record;
        }
        return bytes;
    }
};

TEST_F(FaultInjectionTest, CompactionLeavesTheOldFileOrTheNewOne) {
    const std::string original = ManyRecords(4000, 'c');
    std::string compacted;
    KillAtManyPoints([&] { WriteBytes(DataFile(), original); },
                     [&](forms::MessageBoxService& messages) {
                         CurrentIllustration current = Current();
                         CompactDatabase(current, messages);
                     },
                     [&] {
                         const std::string now = ReadBytes(DataFile());
                         if (compacted.empty()) {
                             compacted = now; // the run that was not killed
                             EXPECT_EQ(compacted.size(), 2667 * kRecordLength);
                         }
                         EXPECT_TRUE(now == original || now == compacted);
                     });
}

TEST_F(FaultInjectionTest, BackupLeavesTheDiskArchiveOldOrNew) {
    const std::string records = ManyRecords(4000, 'b');
    const std::string older = ManyRecords(10, 'o');
    const fs::path olderFile = Folder("install") / "Tallowmere.flt";
    WriteBytes(olderFile, older);
    ASSERT_EQ(archive::AddFile(Folder("install") / "Old.zip", olderFile, ""),
              archive::ZipResult::Success);
    const std::string oldArchive = ReadBytes(Folder("install") / "Old.zip");
    WriteBytes(DataFile(), records);
    KillAtManyPoints(
        [&] {
            WriteBytes(DiskArchive(), oldArchive);
            fs::remove(Folder("program") / "RMDData.zip");
        },
        [](forms::MessageBoxService& messages) { BackupClientData(BackupKind::Disk, messages); },
        [&] {
            EXPECT_EQ(ReadBytes(DataFile()), records);
            const std::string onDisk = ArchivedFile(DiskArchive());
            EXPECT_TRUE(onDisk == older || onDisk == records);
        });
}

TEST_F(FaultInjectionTest, RestoreLeavesTheOldFileOrTheArchivedOne) {
    const std::string original = ManyRecords(100, 'r');
    const std::string archived = ManyRecords(4000, 'a');
    const fs::path source = Folder("install") / "Tallowmere.flt";
    WriteBytes(source, archived);
    ASSERT_EQ(archive::AddFile(DiskArchive(), source, ""), archive::ZipResult::Success);
    KillAtManyPoints([&] { WriteBytes(DataFile(), original); },
                     [&](forms::MessageBoxService& messages) {
                         CurrentIllustration current = Current();
                         RestoreClientData(BackupKind::Disk, current, messages);
                     },
                     [&] {
                         const std::string now = ReadBytes(DataFile());
                         EXPECT_TRUE(now == original || now == archived);
                     });
}

} // namespace
} // namespace store
