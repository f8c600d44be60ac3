// Entries' data and lock marks, and the garbage they leave.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/file_bytes.h"

#include "platform/testing/file_contents.h"

#include <array>
#include <filesystem>

namespace {

using namespace dorrick_test;

class EntryData : public DatabaseTest {
protected:
    int Garbage(int handle) {
        int percent = 0;
        int bytes = 0;
        EXPECT_EQ(_DataGetPercentGarbage(handle, &percent, &bytes), kDataSuccess);
        return bytes;
    }
};

TEST_F(EntryData, ShorterDataIsWrittenInPlaceAndLongerDataMovesToTheEnd) {
    const int handle = Create("data.hxd");
    Put(handle, "Entry", std::string(20, 'a'));
    const auto size = std::filesystem::file_size(Path("data.hxd"));
    Put(handle, "Entry", std::string(10, 'b'));
    EXPECT_EQ(std::filesystem::file_size(Path("data.hxd")), size);
    EXPECT_EQ(Get(handle, "Entry"), std::string(10, 'b'));
    EXPECT_EQ(Garbage(handle), 0);

    Put(handle, "Entry", std::string(30, 'c'));
    EXPECT_EQ(std::filesystem::file_size(Path("data.hxd")), size + 30);
    EXPECT_EQ(Get(handle, "Entry"), std::string(30, 'c'));
    // The entry's stored size before the move: 29, its name of 5 and its 10 bytes.
    EXPECT_EQ(Garbage(handle), 29 + 5 + 10);
}

TEST_F(EntryData, ReadsCopyAtMostTheBufferAndNeverWriteAnEmptyOne) {
    const int handle = Create("read.hxd");
    Put(handle, "Full", "abcdef");
    ASSERT_EQ(_DataAddEntry(handle, "Empty"), kDataSuccess);
    std::array<char, 8> buffer{};
    buffer.fill('x');
    int reserved = -1;
    EXPECT_EQ(_DataRead(handle, "Full", buffer.data(), 3, &reserved), kDataSuccess);
    EXPECT_EQ(std::string(buffer.data(), 4), "abcx");
    EXPECT_EQ(reserved, 0);
    buffer.fill('x');
    EXPECT_EQ(_DataRead(handle, "Empty", buffer.data(), 8, &reserved), kDataSuccess);
    EXPECT_EQ(std::string(buffer.data(), 2), std::string("\0x", 2));
    buffer.fill('x');
    EXPECT_EQ(_DataRead(handle, "Full", buffer.data(), 0, &reserved), kDataSuccess);
    EXPECT_EQ(_DataRead(handle, "Missing", buffer.data(), 0, &reserved), kDataNoSuchEntry);
    EXPECT_EQ(buffer[0], 'x');
    int size = -1;
    EXPECT_EQ(_DataGetEntrySize(handle, "Empty", &size), kDataSuccess);
    EXPECT_EQ(size, 0);
}

TEST_F(EntryData, DataLongerThanTheLengthFieldIsRefusedWhole) {
    const int handle = Create("long-data.hxd");
    Put(handle, "Entry", "kept");
    const std::string longest(65535, 'l');
    int reserved = -1;
    EXPECT_EQ(_DataWrite(handle, "Entry", longest.data(), 65536, &reserved), kDataWriteFailed);
    EXPECT_EQ(Get(handle, "Entry"), "kept");
    Put(handle, "Entry", longest);
    EXPECT_EQ(Get(handle, "Entry"), longest);
}

TEST_F(EntryData, ALockStopsDeletionOnly) {
    const int handle = Create("lock.hxd");
    Put(handle, "Locked", "before");
    EXPECT_EQ(_DataLockEntry(handle, "Locked"), kDataSuccess);
    EXPECT_EQ(_DataLockEntry(handle, "Locked"), kDataEntryLocked);
    EXPECT_EQ(_DataIsEntryLocked(handle, "Locked"), kDataEntryLocked);
    EXPECT_EQ(_DataDeleteEntry(handle, "Locked"), kDataEntryLocked);
    Put(handle, "Locked", "written while locked");
    EXPECT_EQ(Get(handle, "Locked"), "written while locked");
    EXPECT_EQ(_DataAddEntry(handle, "Locked.Child"), kDataSuccess);
    EXPECT_EQ(_DataDeleteEntry(handle, "Locked.Child"), kDataSuccess);
    EXPECT_EQ(_DataUnlockEntry(handle, "Locked"), kDataSuccess);
    EXPECT_EQ(_DataUnlockEntry(handle, "Locked"), kDataEntryNotLocked);
    EXPECT_EQ(_DataDeleteEntry(handle, "Locked"), kDataSuccess);
    EXPECT_EQ(_DataIsEntryLocked(handle, "Locked"), kDataNoSuchEntry);
}

// The find cursor keeps a copy of its entry; a write through another path, or through another
// handle, must not leave it stale.
TEST_F(EntryData, TheCursorCopySeesWritesAndLocks) {
    const int handle = Create("cursor-copy.hxd");
    Put(handle, "A", "1");
    const int other = Open("cursor-copy.hxd");
    std::array<char, kDataNameBufferSize> name{};
    ASSERT_EQ(_DataFindFirstEntry(handle, ".", name.data()), kDataSuccess);
    Put(other, ".A", "grown data");
    EXPECT_EQ(_DataLockEntry(other, "A"), kDataSuccess);
    EXPECT_EQ(Get(handle, ".A"), "grown data");
    EXPECT_EQ(_DataIsEntryLocked(handle, ".A"), kDataEntryLocked);
}

TEST_F(EntryData, OutParametersAreEmptiedBeforeAnyCheck) {
    int size = -1;
    int percent = -1;
    int bytes = -1;
    int reserved = -1;
    std::array<char, kDataPathBufferSize> text{};
    text[0] = 'x';
    EXPECT_EQ(_DataGetEntrySize(7, "A", &size), kDataBadHandle);
    EXPECT_EQ(_DataGetPercentGarbage(7, &percent, &bytes), kDataBadHandle);
    EXPECT_EQ(_DataWrite(7, "A", "x", 1, &reserved), kDataBadHandle);
    EXPECT_EQ(_DataGetCurrentWorkingEntry(7, text.data()), kDataBadHandle);
    EXPECT_EQ((std::array{size, percent, bytes, reserved}), (std::array{0, 0, 0, 0}));
    EXPECT_EQ(text[0], '\0');
}

} // namespace
