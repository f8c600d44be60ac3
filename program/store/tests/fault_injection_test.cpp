// Saving, the representative record, compaction, backup and restore struck in the middle of
// their work. Killed at each file-changing call they make, in turn: whatever the moment, every
// file they change is its last good content whole or the new content whole, and the temporary
// files of killed runs are gone after the next run. Refused by a full disk at any point of
// their writes: the last good content is intact and the user is told.
#include "program/store/backup.h"
#include "program/store/compaction.h"
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/store/rep_info_record.h"
#include "program/store/tests/store_fixture.h"

#include "platform/testing/file_faults.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace store;

namespace fs = std::filesystem;
using store::testing::ReadBytes;
using store::testing::WriteBytes;

// Answers every message box with its first button: Yes, OK.
class AgreeingMessages : public forms::MessageBoxService {
public:
    int ShowMessageBox(const forms::MessageBoxRequest& request) override {
        return request.Answers().front();
    }
    void Beep() override {}
};

// An operation on the files, with the message boxes it shows answered by `messages`.
using Operation = std::function<void(forms::MessageBoxService& messages)>;

// The contents of the files a test watches, by path.
using Files = std::map<fs::path, std::string>;

class FaultInjectionTest : public store::testing::StoreTest {
protected:
    fs::path DiskArchive() const { return Folder("floppy") / "RMDData.zip"; }
    fs::path LocalArchive() const { return Folder("program") / "RMDData.zip"; }

    // The illustration file an archive holds; empty when it holds none.
    std::string ArchivedFile(const fs::path& archivePath) const {
        std::string file;
        archive::ReadMember(archivePath, "Tallowmere.flt", "", file);
        return file;
    }

    // Records numbered in order, every third one deleted.
    static std::string ManyRecords(int count, char filler) {
        std::string bytes;
        for (int number = 1; number <= count; ++number) {
            std::string record(kRecordLength, filler);
            record[0] = number % 3 == 0 ? '0' : '1';
            record[1] = '3';
            record.replace(460, 6, store::testing::Padded(std::to_string(number), 6));
            record.replace(466, 10, "04/01/2011");
            bytes += record;
        }
        return bytes;
    }

    Files Contents(const std::vector<fs::path>& paths) const {
        Files files;
        for (const fs::path& path : paths) {
            files[path] = fs::exists(path) ? ReadBytes(path) : std::string("(none)");
        }
        return files;
    }

    // Temporary files of the atomic writer left in the test's folders.
    std::vector<std::string> Temporaries() const {
        std::vector<std::string> left;
        for (const char* folder : {"data", "program", "floppy"}) {
            for (const auto& entry : fs::directory_iterator(Folder(folder))) {
                if (entry.path().filename().string().starts_with(".tmp-")) {
                    left.push_back(entry.path().string());
                }
            }
        }
        return left;
    }

    // Runs `operation` from the files `reset` writes, killed before each of its file-changing
    // calls in turn. After each run, each watched file (`watched` reads them) is as it was
    // before or as an uncut run leaves it. Answers how many calls the operation makes.
    int KillAtEveryCall(const std::function<void()>& reset, const Operation& operation,
                        const std::function<Files()>& watched) {
        const auto run = [&] {
            AgreeingMessages messages;
            operation(messages);
        };
        reset();
        const Files before = watched();
        if (testkit::RunKilledAt(INT_MAX, run)) {
            ADD_FAILURE() << "a run without a kill was killed";
            return 0;
        }
        const Files after = watched();
        EXPECT_NE(after, before) << "the operation changes what the test watches";
        const int calls = testkit::KillAtEveryCall(reset, run, [&](bool) {
            for (const auto& [path, now] : watched()) {
                EXPECT_TRUE(now == before.at(path) || now == after.at(path)) << path;
            }
        });
        EXPECT_GT(calls, 0);
        EXPECT_TRUE(Temporaries().empty()) << Temporaries().front();
        return calls;
    }

    // Runs `operation` under a full disk that strikes after each of `byteCounts` bytes in turn
    // (from `reset`): each time the message boxes `boxes` show, answered as they say, the last
    // one telling the user of the full disk, and the watched files are as they were.
    void FullDiskAtEachPoint(const std::function<void()>& reset, const Operation& operation,
                             const std::function<Files()>& watched,
                             const std::vector<std::pair<const char*, int>>& boxes,
                             const std::vector<std::size_t>& byteCounts) {
        for (const std::size_t bytes : byteCounts) {
            SCOPED_TRACE("disk full after " + std::to_string(bytes) + " bytes");
            reset();
            const Files before = watched();
            for (const auto& [title, answer] : boxes) {
                driver.ExpectMessageBox(title, answer);
            }
            {
                const testkit::ScopedWriteFault full(testkit::WriteFault::DiskFull, bytes);
                operation(driver);
                EXPECT_TRUE(full.Struck());
            }
            EXPECT_NE(driver.MessageBoxes().back().prompt.find("61"), std::string::npos)
                << driver.MessageBoxes().back().prompt;
            EXPECT_EQ(watched(), before);
            EXPECT_TRUE(Temporaries().empty());
        }
    }

    // The current illustration: record 2 of the file, changed, or a new one.
    void HoldRecord(const std::string& number, const std::string& first) {
        for (int index = 0; index < illustration::kInputEndMarker; ++index) {
            fields.SetText(index, "");
        }
        fields.SetText(0, first);
        fields.SetText(kDatabaseIndexField, number);
        fields.SetText(19, "04/01/2011");
        type = illustration::IllustrationType::Stretch;
        saved = false;
    }

    Operation Save() {
        return [this](forms::MessageBoxService& messages) {
            CurrentIllustration current = Current();
            SaveIllustration(current, RecordControls{}, messages);
        };
    }

    static RepInfoFields Representative(const std::string& first) {
        RepInfoFields fields;
        fields.txtInput = {first, "", "Agent", "",          "",       "",
                           "",    "", "",      "1 Main St", "Denver", "80202"};
        fields.state = "CO";
        return fields;
    }

    const std::string kOriginal = ManyRecords(30, 'o');
};

TEST_F(FaultInjectionTest, SavingLeavesTheOldFileOrTheNewRecord) {
    const auto watched = [this] { return Contents({DataFile()}); };
    for (const char* number : {"2", "0"}) { // over record 2; a new one appended
        SCOPED_TRACE(number);
        KillAtEveryCall(
            [&] {
                WriteBytes(DataFile(), kOriginal);
                HoldRecord(number, "Changed");
            },
            Save(), watched);
        FullDiskAtEachPoint(
            [&] {
                WriteBytes(DataFile(), kOriginal);
                HoldRecord(number, "Changed");
            },
            Save(), watched, {{"Error Writing to Database", forms::vbOK}}, {0, 1, 500, 999});
        EXPECT_FALSE(saved);
    }
}

TEST_F(FaultInjectionTest, TheRepresentativeRecordIsTheOldOneOrTheNewOne) {
    const fs::path record = Folder("data") / "RepInfo.flt";
    const auto reset = [&] { WriteBytes(record, RepFormToRecord(Representative("Old"))); };
    const Operation write = [](forms::MessageBoxService& messages) {
        SaveRepInfo(Representative("New"), messages);
    };
    const auto watched = [&] { return Contents({record}); };
    KillAtEveryCall(reset, write, watched);
    FullDiskAtEachPoint(reset, write, watched, {{"Error in RepWriteFlat", forms::vbOK}},
                        {0, 1, 500, 999});
}

// Over a damaged record, killed anywhere: the damaged bytes are never lost, lying either where
// they were or beside the record as "RepInfo.flt.damaged", and the record is the damaged one,
// none (the next start is a first start) or the new one whole.
TEST_F(FaultInjectionTest, ADamagedRepresentativeRecordIsNeverLost) {
    const fs::path record = Folder("data") / "RepInfo.flt";
    const fs::path kept = Folder("data") / "RepInfo.flt.damaged";
    const std::string damaged(500, '\xFF');
    const std::string written = RepFormToRecord(Representative("New"));
    const int calls = testkit::KillAtEveryCall(
        [&] {
            fs::remove(kept);
            WriteBytes(record, damaged);
        },
        [] {
            AgreeingMessages messages;
            SaveRepInfo(Representative("New"), messages);
        },
        [&](bool) {
            const Files files = Contents({record, kept});
            EXPECT_TRUE(files.at(record) == damaged || files.at(kept) == damaged);
            EXPECT_TRUE(files.at(record) == damaged || files.at(record) == "(none)" ||
                        files.at(record) == written)
                << files.at(record).size();
        });
    EXPECT_GT(calls, 1);
    EXPECT_EQ(ReadBytes(record), written);
    EXPECT_EQ(ReadBytes(kept), damaged);
}

TEST_F(FaultInjectionTest, CompactionLeavesTheOldFileOrTheNewOne) {
    const auto reset = [this] { WriteBytes(DataFile(), kOriginal); };
    const Operation compact = [this](forms::MessageBoxService& messages) {
        CurrentIllustration current = Current();
        CompactDatabase(current, messages);
    };
    const auto watched = [this] { return Contents({DataFile()}); };
    EXPECT_GT(KillAtEveryCall(reset, compact, watched), 20); // a write per record kept
    FullDiskAtEachPoint(
        reset, compact, watched,
        {{"Compact Database", forms::vbYes}, {"Error Reading Database", forms::vbOK}},
        {0, 999, 10 * kRecordLength, 19 * kRecordLength + 1});
}

TEST_F(FaultInjectionTest, BackupLeavesTheDiskArchiveOldOrNew) {
    const std::string older = ManyRecords(10, 'p');
    const fs::path olderFile = Folder("install") / "Tallowmere.flt";
    WriteBytes(olderFile, older);
    ASSERT_EQ(archive::AddFile(Folder("install") / "Old.zip", olderFile, ""),
              archive::ZipResult::Success);
    const std::string oldArchive = ReadBytes(Folder("install") / "Old.zip");
    WriteBytes(DataFile(), kOriginal);
    const auto reset = [&] {
        WriteBytes(DiskArchive(), oldArchive);
        fs::remove(LocalArchive());
    };
    const Operation backup = [](forms::MessageBoxService& messages) {
        BackupClientData(BackupKind::Disk, messages);
    };
    KillAtEveryCall(reset, backup, [&] {
        Files files = Contents({DataFile()});
        files[DiskArchive()] = ArchivedFile(DiskArchive());
        return files;
    });
    EXPECT_EQ(ReadBytes(DataFile()), kOriginal);
    EXPECT_EQ(ArchivedFile(DiskArchive()), kOriginal);

    // A full disk while the local archive is made, or while it is copied to the disk: the disk
    // keeps its old archive.
    reset();
    ASSERT_EQ(archive::AddFile(LocalArchive(), DataFile(), ""), archive::ZipResult::Success);
    const std::size_t archiveSize = ReadBytes(LocalArchive()).size();
    struct Case {
        std::size_t bytes;
        std::vector<const char*> titles;
    };
    const Case cases[] = {
        {0, {"Error creating Zip File"}},
        {archiveSize / 2, {"Error creating Zip File"}},
        {archiveSize + 100, {"Backup Client Data", "Client Data Backup Failure"}},
    };
    for (const auto& [bytes, titles] : cases) {
        SCOPED_TRACE(bytes);
        reset();
        for (const char* title : titles) {
            driver.ExpectMessageBox(title, forms::vbOK);
        }
        {
            const testkit::ScopedWriteFault full(testkit::WriteFault::DiskFull, bytes);
            BackupClientData(BackupKind::Disk, driver);
            EXPECT_TRUE(full.Struck());
        }
        EXPECT_EQ(ReadBytes(DiskArchive()), oldArchive);
        EXPECT_EQ(ReadBytes(DataFile()), kOriginal);
        EXPECT_TRUE(Temporaries().empty());
    }
}

TEST_F(FaultInjectionTest, RestoreLeavesTheOldFileOrTheArchivedOne) {
    const std::string archived = ManyRecords(40, 'a');
    const fs::path source = Folder("install") / "Tallowmere.flt";
    WriteBytes(source, archived);
    ASSERT_EQ(archive::AddFile(DiskArchive(), source, ""), archive::ZipResult::Success);
    const auto reset = [this] { WriteBytes(DataFile(), kOriginal); };
    const Operation restore = [this](forms::MessageBoxService& messages) {
        CurrentIllustration current = Current();
        RestoreClientData(BackupKind::Disk, current, messages);
    };
    const auto watched = [this] { return Contents({DataFile()}); };
    KillAtEveryCall(reset, restore, watched);
    for (const std::size_t bytes : {std::size_t{0}, std::size_t{20000}}) {
        SCOPED_TRACE(bytes);
        reset();
        driver.ExpectMessageBox("Restore Client Data", forms::vbOK);
        driver.ExpectMessageBox("Client Data Restore Failure", forms::vbOK);
        {
            const testkit::ScopedWriteFault full(testkit::WriteFault::DiskFull, bytes);
            restore(driver);
            EXPECT_TRUE(full.Struck());
        }
        EXPECT_EQ(ReadBytes(DataFile()), kOriginal);
        EXPECT_TRUE(Temporaries().empty());
    }
}

} // namespace
