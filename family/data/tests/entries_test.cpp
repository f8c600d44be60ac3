// Paths, the find cursor, the working entry and several handles on one file.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/database_validator.h"

#include <array>
#include <vector>

namespace {

using namespace dorrick_test;

class Entries : public DatabaseTest {
protected:
    // The names FindFirst and FindNext list below `path`.
    std::vector<std::string> List(int handle, const char* path) {
        std::vector<std::string> names;
        std::array<char, kDataNameBufferSize> name{};
        for (unsigned char result = _DataFindFirstEntry(handle, path, name.data());
             result == kDataSuccess; result = _DataFindNextEntry(handle, name.data())) {
            names.emplace_back(name.data());
        }
        return names;
    }

    std::string WorkingPath(int handle) {
        std::array<char, kDataPathBufferSize> path{};
        EXPECT_EQ(_DataGetCurrentWorkingEntry(handle, path.data()), kDataSuccess);
        return path.data();
    }
};

TEST_F(Entries, NamesSortByTheirBytesAsUnsignedValues) {
    const int handle = Create("order.hxd");
    for (const char* name : {"alpha", "C9", "Zeta", "C10", "\xE9t\xE9", "C", "C1"}) {
        ASSERT_EQ(_DataAddEntry(handle, name), kDataSuccess) << name;
    }
    EXPECT_EQ(List(handle, "."),
              (std::vector<std::string>{"C", "C1", "C10", "C9", "Zeta", "alpha", "\xE9t\xE9"}));
}

TEST_F(Entries, PathsAreAbsoluteOrRelativeToTheWorkingEntry) {
    const int handle = Create("paths.hxd");
    ASSERT_EQ(_DataAddEntry(handle, ".Clients.C12.Notes"), kDataSuccess);
    ASSERT_EQ(_DataAddEntry(handle, "Clients..C13."), kDataSuccess);
    EXPECT_EQ(_DataSetCurrentWorkingEntry(handle, "Clients"), kDataSuccess);
    EXPECT_EQ(WorkingPath(handle), ".Clients.");
    EXPECT_EQ(List(handle, ""), (std::vector<std::string>{"C12", "C13"}));
    EXPECT_EQ(List(handle, "C12"), (std::vector<std::string>{"Notes"}));
    EXPECT_EQ(List(handle, "."), (std::vector<std::string>{"Clients"}));
    EXPECT_EQ(_DataIsEntryLocked(handle, "C12.Notes"), kDataEntryNotLocked);
    EXPECT_EQ(_DataIsEntryLocked(handle, ".Clients.C12.Notes"), kDataEntryNotLocked);
    EXPECT_EQ(_DataIsEntryLocked(handle, ".C12"), kDataNoSuchEntry);

    EXPECT_EQ(_DataSetCurrentWorkingEntry(handle, "C12"), kDataSuccess);
    EXPECT_EQ(WorkingPath(handle), ".Clients.C12.");
    EXPECT_EQ(_DataSetCurrentWorkingEntry(handle, "Missing"), kDataNoSuchEntry);
    EXPECT_EQ(WorkingPath(handle), ".Clients.C12.");
    for (const char* expected : {".Clients.", ".", "."}) {
        EXPECT_EQ(_DataSetCurrentWorkingEntry(handle, ".."), kDataSuccess);
        EXPECT_EQ(WorkingPath(handle), expected);
    }
}

TEST_F(Entries, PathsLongerThanTheLimitAreRefused) {
    const int handle = Create("long.hxd");
    const std::string longest(254, 'n');
    EXPECT_EQ(_DataAddEntry(handle, longest.c_str()), kDataSuccess);
    EXPECT_EQ(_DataAddEntry(handle, (longest + "n").c_str()), kDataPathTooLong);
    EXPECT_EQ(_DataAddEntry(handle, std::string(256, 'n').c_str()), kDataPathTooLong);
    ASSERT_EQ(_DataAddEntry(handle, "A"), kDataSuccess);
    ASSERT_EQ(_DataSetCurrentWorkingEntry(handle, "A"), kDataSuccess);
    EXPECT_EQ(_DataAddEntry(handle, std::string(253, 'n').c_str()), kDataPathTooLong);
    EXPECT_EQ(_DataAddEntry(handle, std::string(252, 'n').c_str()), kDataSuccess);
}

TEST_F(Entries, FindingOnAnEmptyDatabaseAndPastTheLastEntry) {
    const int handle = Create("find.hxd");
    std::array<char, kDataNameBufferSize> name{};
    name[0] = 'x';
    EXPECT_EQ(_DataFindFirstEntry(handle, ".", name.data()), kDataNoSuchEntry);
    EXPECT_EQ(name[0], '\0');
    EXPECT_EQ(_DataSetCurrentWorkingEntry(handle, "."), kDataNoSuchEntry);
    EXPECT_EQ(_DataFindNextEntry(handle, name.data()), kDataNoMoreEntries);
    ASSERT_EQ(_DataAddEntry(handle, "A"), kDataSuccess);
    EXPECT_EQ(_DataFindFirstEntry(handle, "A", name.data()), kDataNoMoreEntries);
    EXPECT_EQ(_DataFindNextEntry(handle, name.data()), kDataNoMoreEntries);
    EXPECT_EQ(_DataSetCurrentWorkingEntry(handle, "."), kDataSuccess);
}

// After FindFirst answered A and FindNext answered B, the path A names A again, not the
// cursor's entry.
TEST_F(Entries, FindNextMovesTheCursorPathWithTheCursor) {
    const int handle = Create("cursor.hxd");
    Put(handle, "A", "one");
    Put(handle, "B", "second");
    std::array<char, kDataNameBufferSize> name{};
    ASSERT_EQ(_DataFindFirstEntry(handle, ".", name.data()), kDataSuccess);
    ASSERT_EQ(_DataFindNextEntry(handle, name.data()), kDataSuccess);
    EXPECT_EQ(Get(handle, "A"), "one");
    EXPECT_EQ(Get(handle, "B"), "second");
}

// The root is where paths start, not an entry: it has no data, size or lock, cannot be
// deleted, and a path without a name adds nothing.
TEST_F(Entries, TheRootTakesNoEntryOperations) {
    const int handle = Create("root.hxd");
    Put(handle, "A", "data");
    int number = -1;
    char byte = 'x';
    int reserved = 0;
    const struct {
        const char* operation;
        unsigned char result;
    } cases[] = {
        {"delete", _DataDeleteEntry(handle, ".")},
        {"write", _DataWrite(handle, ".", "x", 1, &reserved)},
        {"read", _DataRead(handle, ".", &byte, 1, &reserved)},
        {"size", _DataGetEntrySize(handle, ".", &number)},
        {"lock", _DataLockEntry(handle, ".")},
        {"unlock", _DataUnlockEntry(handle, ".")},
        {"is locked", _DataIsEntryLocked(handle, ".")},
        {"add", _DataAddEntry(handle, ".")},
        {"add empty", _DataAddEntry(handle, "")},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(row.result, kDataNoSuchEntry) << row.operation;
    }
    EXPECT_EQ(Get(handle, "A"), "data");
    EXPECT_EQ(_DataIsEntryLocked(handle, "A"), kDataEntryNotLocked);
}

TEST_F(Entries, DeletingTheWorkingEntryOrAnAncestorMovesEveryHandleToTheRoot) {
    const int first = Create("working.hxd");
    ASSERT_EQ(_DataAddEntry(first, "A.B.C"), kDataSuccess);
    ASSERT_EQ(_DataAddEntry(first, "AB"), kDataSuccess);
    const int second = Open("working.hxd");
    const int third = Open("working.hxd");
    ASSERT_EQ(_DataSetCurrentWorkingEntry(first, "A.B"), kDataSuccess);
    ASSERT_EQ(_DataSetCurrentWorkingEntry(second, "A.B.C"), kDataSuccess);
    ASSERT_EQ(_DataSetCurrentWorkingEntry(third, "AB"), kDataSuccess);

    ASSERT_EQ(_DataDeleteEntry(first, ".A"), kDataSuccess);
    EXPECT_EQ(WorkingPath(first), ".");
    EXPECT_EQ(WorkingPath(second), ".");
    EXPECT_EQ(WorkingPath(third), ".AB.");
    // The first top-level entry went too; each handle's root is the new one.
    EXPECT_EQ(List(first, "."), (std::vector<std::string>{"AB"}));
    EXPECT_EQ(List(second, ""), (std::vector<std::string>{"AB"}));
    EXPECT_EQ(_DataAddEntry(second, "B"), kDataSuccess);
    EXPECT_EQ(_DataIsEntryLocked(first, "B"), kDataEntryNotLocked);
}

TEST_F(Entries, AFirstEntryAddedThroughOneHandleIsSeenThroughAnother) {
    const int first = Create("shared.hxd");
    const int second = Open("shared.hxd");
    ASSERT_EQ(_DataAddEntry(first, "M"), kDataSuccess);
    EXPECT_EQ(List(second, "."), (std::vector<std::string>{"M"}));
    ASSERT_EQ(_DataAddEntry(second, "A"), kDataSuccess);
    EXPECT_EQ(List(first, "."), (std::vector<std::string>{"A", "M"}));
}

TEST_F(Entries, DeletingASubtreeMarksEveryEntryAndCountsItsSize) {
    const int handle = Create("delete.hxd");
    Put(handle, "Keep", "kept");
    Put(handle, "Gone", "12345");
    Put(handle, "Gone.Child", "");
    Put(handle, "Gone.Child.Grandchild", "ab");
    const auto sizeBefore = std::filesystem::file_size(Path("delete.hxd"));
    ASSERT_EQ(_DataDeleteEntry(handle, "Gone"), kDataSuccess);
    EXPECT_EQ(std::filesystem::file_size(Path("delete.hxd")), sizeBefore);
    int percent = -1;
    int bytes = -1;
    ASSERT_EQ(_DataGetPercentGarbage(handle, &percent, &bytes), kDataSuccess);
    // Each entry's record (29 bytes and its name) and data.
    EXPECT_EQ(bytes, (29 + 4 + 5) + (29 + 5 + 0) + (29 + 10 + 2));
    EXPECT_EQ(percent, bytes * 100 / static_cast<int>(sizeBefore));
    EXPECT_EQ(_DataDeleteEntry(handle, "Gone.Child"), kDataNoSuchEntry);
    EXPECT_EQ(List(handle, "."), (std::vector<std::string>{"Keep"}));
    EXPECT_EQ(ReadEntries(Path("delete.hxd")).size(), 1u);
}

TEST_F(Entries, HandlesRunOutAtNineAndCloseOnce) {
    Create("handles.hxd");
    std::vector<int> handles{1};
    for (int count = 2; count <= 9; ++count) {
        handles.push_back(Open("handles.hxd"));
    }
    EXPECT_EQ(handles, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    int handle = -1;
    EXPECT_EQ(_DataOpen(Path("handles.hxd").c_str(), &handle), kDataNoFreeHandle);
    EXPECT_EQ(handle, 0);
    EXPECT_EQ(_DataClose(4), kDataSuccess);
    EXPECT_EQ(_DataClose(4), kDataBadHandle);
    EXPECT_EQ(_DataClose(0), kDataBadHandle);
    EXPECT_EQ(_DataClose(10), kDataBadHandle);
    EXPECT_EQ(_DataCreate(Path("other.hxd").c_str(), &handle), kDataSuccess);
    EXPECT_EQ(handle, 4);
    EXPECT_EQ(_DataCreate(Path("other.hxd").c_str(), &handle), kDataNoFreeHandle);
    _DataClose(4);
    EXPECT_EQ(_DataCreate(Path("other.hxd").c_str(), &handle), kDataFileExists);
    EXPECT_EQ(_DataAddEntry(4, "A"), kDataBadHandle);
}

} // namespace
