// Compaction: the live entries rebuilt into a fresh file, the old file kept beside it.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/database_validator.h"
#include "family/data/tests/file_bytes.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/stored_file.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace dorrick_test;

namespace fs = std::filesystem;

int RecordPercent(void* percents, int percent) {
    static_cast<std::vector<int>*>(percents)->push_back(percent);
    return 0;
}

// Compares `file` with the stored file of the same name; TALLOWMERE_REGENERATE=1 stores it.
void ExpectSameAsStored(const fs::path& file, const std::string& storedName) {
    const fs::path stored = fs::path(TALLOWMERE_DORRICK_TEST_DATA) / storedName;
    if (testkit::RegeneratingStoredFiles()) {
        fs::copy_file(file, stored, fs::copy_options::overwrite_existing);
    }
    EXPECT_EQ(testkit::ReadFileBytes(file), testkit::ReadFileBytes(stored))
        << file << " differs from " << stored << "; " << testkit::kRegenerateAdvice;
}

class Compaction : public DatabaseTest {
protected:
    // Clients and an agent, with grown data, deleted entries and a lock: garbage of every kind.
    int ClientDatabase(const std::string& name) {
        const int handle = Create(name);
        Put(handle, "Clients.C9", "nine");
        Put(handle, "Clients.C12.Notes", "short");
        Put(handle, "Clients.C12.Notes", "grown longer than before");
        Put(handle, "Clients.C10", "");
        Put(handle, "Clients.C10.Plan", "IRA");
        Put(handle, "Agent", "Representative");
        Put(handle, "Old.Records", std::string(100, 'o'));
        EXPECT_EQ(_DataDeleteEntry(handle, "Old"), kDataSuccess);
        EXPECT_EQ(_DataDeleteEntry(handle, "Clients.C9"), kDataSuccess);
        EXPECT_EQ(_DataLockEntry(handle, "Clients.C12"), kDataSuccess);
        EXPECT_EQ(_DataAddEntry(handle, "Clients.C12.Unwritten"), kDataSuccess);
        return handle;
    }
};

TEST_F(Compaction, KeepsTheLiveEntriesAndTheOldFile) {
    const int handle = ClientDatabase("clients.dat");
    const std::string before = testkit::ReadFileBytes(Path("clients.dat"));
    const auto entries = ReadEntries(Path("clients.dat"));
    std::vector<int> percents;
    ASSERT_EQ(_DataCompact(handle, &percents, RecordPercent), kDataSuccess);

    EXPECT_EQ(testkit::ReadFileBytes(Path("clients.hx$")), before);
    EXPECT_EQ(ReadEntries(Path("clients.dat")), entries);
    EXPECT_LT(fs::file_size(Path("clients.dat")), before.size());
    ExpectSameAsStored(Path("clients.dat"), "compacted-clients.hxd");
    int percent = -1;
    int bytes = -1;
    ASSERT_EQ(_DataGetPercentGarbage(handle, &percent, &bytes), kDataSuccess);
    EXPECT_EQ(bytes, 0);
    // One report per entry copied, rising with the new file's size.
    EXPECT_EQ(percents.size(), entries.size());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    // The handle is open on the new file, at the root, locks carried over.
    EXPECT_EQ(_DataIsEntryLocked(handle, "Clients.C12"), kDataEntryLocked);
    EXPECT_EQ(Get(handle, "Clients.C12.Notes"), "grown longer than before");
    EXPECT_EQ(_DataAddEntry(handle, "Clients.C13"), kDataSuccess);
}

// Every compacted entry has a data area, an empty one right after its record.
TEST_F(Compaction, AnEntryIsItsRecordFollowedByItsData) {
    const int handle = Create("one.hxd");
    ASSERT_EQ(_DataAddEntry(handle, "A.B"), kDataSuccess);
    Put(handle, "A", "xy");
    ASSERT_EQ(_DataCompact(handle, nullptr, nullptr), kDataSuccess);
    const std::string expected =
        HeaderBytes(16, 0) +
        RecordBytes({.name = "A", .firstChild = 48, .dataOffset = 46, .dataLength = 2}) + "xy" +
        RecordBytes({.name = "B", .parent = 16, .dataOffset = 78});
    EXPECT_EQ(testkit::ReadFileBytes(Path("one.hxd")), expected);
}

TEST_F(Compaction, AnEmptyDatabaseBecomesItsHeader) {
    const int handle = Create("empty.hxd");
    std::vector<int> percents;
    ASSERT_EQ(_DataCompact(handle, &percents, RecordPercent), kDataSuccess);
    EXPECT_EQ(testkit::ReadFileBytes(Path("empty.hxd")), HeaderBytes(0, 0));
    EXPECT_TRUE(percents.empty());
    EXPECT_TRUE(fs::exists(Path("empty.hx$")));
}

// Only the last component's extension gives way, whatever dots the folders have.
TEST_F(Compaction, TheOldCopyNameReplacesTheLastExtensionOnly) {
    const struct {
        const char* database;
        const char* oldCopy;
    } cases[] = {
        {"plain.dat", "plain.hx$"},
        {"no-extension", "no-extension.hx$"},
        {"folder.d/clients.dat", "folder.d/clients.hx$"},
        {"folder.d/clients", "folder.d/clients.hx$"},
        {"two.parts.dat", "two.parts.hx$"},
    };
    fs::create_directories(Path("folder.d"));
    for (const auto& row : cases) {
        SCOPED_TRACE(row.database);
        const int handle = Create(row.database);
        Put(handle, "Entry", row.database);
        EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataSuccess);
        EXPECT_TRUE(fs::exists(Path(row.oldCopy)));
        EXPECT_EQ(Get(handle, "Entry"), row.database);
        _DataClose(handle);
    }
}

// Through a symbolic link the file it points to is compacted, and the old copy is that file as
// it was, not a second link.
TEST_F(Compaction, ALinkedDatabaseKeepsItsLinkAndItsOldContents) {
    fs::create_directories(Path("real"));
    const int handle = Create("real/clients.dat");
    Put(handle, "Entry", "data");
    ASSERT_EQ(_DataDeleteEntry(handle, "Entry"), kDataSuccess);
    _DataClose(handle);
    const std::string before = testkit::ReadFileBytes(Path("real/clients.dat"));
    fs::create_symlink(Path("real/clients.dat"), Path("link.dat"));
    const int linked = Open("link.dat");
    ASSERT_EQ(_DataCompact(linked, nullptr, nullptr), kDataSuccess);
    EXPECT_TRUE(fs::is_symlink(Path("link.dat")));
    EXPECT_EQ(testkit::ReadFileBytes(Path("real/clients.dat")), HeaderBytes(0, 0));
    EXPECT_FALSE(fs::is_symlink(Path("link.hx$")));
    EXPECT_EQ(testkit::ReadFileBytes(Path("link.hx$")), before);
}

TEST_F(Compaction, IsRefusedWhenTheOldCopyCannotBeMadeOrTheFileIsShared) {
    const int handle = Create("kept.dat");
    Put(handle, "Entry", "data");
    const std::string before = testkit::ReadFileBytes(Path("kept.dat"));
    // A folder in the old copy's place can be neither removed nor linked over.
    fs::create_directories(Path("kept.hx$/inside"));
    EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataCannotOpenFile);
    EXPECT_EQ(testkit::ReadFileBytes(Path("kept.dat")), before);
    EXPECT_EQ(Get(handle, "Entry"), "data");
    fs::remove_all(Path("kept.hx$"));

    const int other = Open("kept.dat");
    EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataCannotOpenFile);
    _DataClose(other);
    EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataSuccess);
    EXPECT_EQ(_DataCompact(0, nullptr, nullptr), kDataBadHandle);
}

// A chain that repeats a name: the copy keeps what comes before the repeat and says it failed;
// the old copy keeps everything.
TEST_F(Compaction, ARepeatedNameEndsItsChainAndFails) {
    const std::string damaged = HeaderBytes(16, 0) + RecordBytes({.name = "A", .next = 46}) +
                                RecordBytes({.name = "B", .next = 76, .previous = 16}) +
                                RecordBytes({.name = "B", .previous = 46});
    WriteDamaged("repeat.hxd", damaged);
    WriteDamaged("repeat.hx$", "");
    const int handle = Open("repeat.hxd");
    EXPECT_EQ(_DataCompactDlg(nullptr, handle), kDataCompactFailed);
    EXPECT_EQ(testkit::ReadFileBytes(Path("repeat.hx$")), damaged);
    EXPECT_EQ((std::vector<std::string>{".A.", ".B."}), [&] {
        std::vector<std::string> paths;
        for (const auto& [path, contents] : ReadEntries(Path("repeat.hxd"))) {
            paths.push_back(path);
        }
        return paths;
    }());
}

// After a compaction that met damage, the old copy is the only whole copy of the database: a
// second compaction refuses with the same result and leaves both files as they are, until the
// user has moved the old copy away.
TEST_F(Compaction, NeverReplacesTheOldCopyOfADamagedDatabase) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"repeat", HeaderBytes(16, 0) + RecordBytes({.name = "A", .next = 46}) +
                       RecordBytes({.name = "B", .next = 76, .previous = 16}) +
                       RecordBytes({.name = "B", .previous = 46})},
        {"loop", HeaderBytes(16, 0) + RecordBytes({.name = "A", .next = 46}) +
                     RecordBytes({.name = "B", .next = 16, .previous = 16})},
        {"data-past-the-end",
         HeaderBytes(16, 0) + RecordBytes({.name = "A", .next = 46}) +
             RecordBytes({.name = "B", .previous = 16, .dataOffset = 76, .dataLength = 10})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string database = std::string(c.name) + ".hxd";
        const std::string oldCopy = std::string(c.name) + ".hx$";
        const std::string saved = std::string(c.name) + ".saved";
        WriteDamaged(database, c.bytes);
        WriteDamaged(oldCopy, "");
        WriteDamaged(saved, "");
        const int handle = Open(database);
        ASSERT_EQ(_DataCompact(handle, nullptr, nullptr), kDataCompactFailed);
        ASSERT_EQ(testkit::ReadFileBytes(Path(oldCopy)), c.bytes);
        const std::string compacted = testkit::ReadFileBytes(Path(database));

        EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataCompactFailed);
        EXPECT_EQ(testkit::ReadFileBytes(Path(oldCopy)), c.bytes);
        EXPECT_EQ(testkit::ReadFileBytes(Path(database)), compacted);
        EXPECT_EQ(Get(handle, "A"), "") << "the handle still reads the database";

        fs::rename(Path(oldCopy), Path(saved));
        EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataSuccess);
        EXPECT_EQ(testkit::ReadFileBytes(Path(oldCopy)), compacted);
        EXPECT_EQ(testkit::ReadFileBytes(Path(saved)), c.bytes);
        _DataClose(handle);
    }
}

// A garbage count as large as the file leaves no live size to divide by.
TEST_F(Compaction, ADamagedGarbageCountStillGivesPercents) {
    const std::string damaged = HeaderBytes(16, 46) + RecordBytes({.name = "A"});
    WriteDamaged("garbage.hxd", damaged);
    const int handle = Open("garbage.hxd");
    std::vector<int> percents;
    EXPECT_EQ(_DataCompact(handle, &percents, RecordPercent), kDataSuccess);
    EXPECT_EQ(percents, (std::vector<int>{100}));
}

} // namespace
