// The bytes the library writes, and what it makes of files it did not write.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/file_bytes.h"

#include "platform/testing/file_contents.h"

#include <array>

namespace {

using namespace dorrick_test;

class FileFormat : public DatabaseTest {};

TEST_F(FileFormat, ANewDatabaseIsTheSixteenByteHeader) {
    Create("new.hxd");
    EXPECT_EQ(testkit::ReadFileBytes(Path("new.hxd")), HeaderBytes(0, 0));
}

// Each record goes where the file ended: B at 16 (30 bytes), A at 46, C at 76; the chain and
// the header follow the names' order.
TEST_F(FileFormat, SiblingsAreChainedInNameOrderWhereverTheyLie) {
    const int handle = Create("abc.hxd");
    for (const char* name : {"B", "A", "C"}) {
        ASSERT_EQ(_DataAddEntry(handle, name), kDataSuccess);
    }
    const std::string expected =
        HeaderBytes(46, 0) + RecordBytes({.name = "B", .next = 76, .previous = 46}) +
        RecordBytes({.name = "A", .next = 16}) + RecordBytes({.name = "C", .previous = 16});
    EXPECT_EQ(testkit::ReadFileBytes(Path("abc.hxd")), expected);
}

TEST_F(FileFormat, AMissingPathIsAddedAncestorsFirst) {
    const int handle = Create("xyz.hxd");
    ASSERT_EQ(_DataAddEntry(handle, "X.Y.Z"), kDataSuccess);
    EXPECT_EQ(_DataAddEntry(handle, "X.Y"), kDataEntryExists);
    const std::string expected = HeaderBytes(16, 0) + RecordBytes({.name = "X", .firstChild = 46}) +
                                 RecordBytes({.name = "Y", .parent = 16, .firstChild = 76}) +
                                 RecordBytes({.name = "Z", .parent = 46});
    EXPECT_EQ(testkit::ReadFileBytes(Path("xyz.hxd")), expected);
}

// A name that cannot even be looked at (below a file) is taken for an existing file.
TEST_F(FileFormat, CreateRefusesANameItCannotLookAt) {
    sandbox_.WriteFile("plain-file", "not a folder");
    int handle = -1;
    EXPECT_EQ(_DataCreate(Path("plain-file/new.hxd").c_str(), &handle), kDataFileExists);
    EXPECT_EQ(handle, 0);
}

TEST_F(FileFormat, FilesThatAreNoDatabaseAreRefused) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"short header", HeaderBytes(0, 0).substr(0, 15)},
        {"wrong magic", "HuxE" + HeaderBytes(0, 0).substr(4)},
        {"first reserved field", HeaderBytes(0, 0).replace(4, 1, "\1")},
        {"second reserved field", HeaderBytes(0, 0).replace(7, 1, "\1")},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const auto file = WriteDamaged("refused.hxd", row.bytes);
        int handle = -1;
        EXPECT_EQ(_DataOpen(file.c_str(), &handle), kDataNotADatabase);
        EXPECT_EQ(handle, 0);
    }
    int handle = -1;
    EXPECT_EQ(_DataOpen(Path("missing.hxd").c_str(), &handle), kDataNoSuchFile);
    EXPECT_EQ(_DataOpen(Path("").c_str(), &handle), kDataCannotOpenFile);
}

// Two top-level records whose next links point at each other, A before B; anything after B in
// the chain is looked for for ever unless the walk notices the loop.
std::string LoopedChain() {
    return HeaderBytes(16, 0) + RecordBytes({.name = "A", .next = 46, .previous = 46}) +
           RecordBytes({.name = "B", .next = 16, .previous = 16});
}

TEST_F(FileFormat, ALoopInAChainIsReportedAsDamageNotFollowed) {
    const auto file = WriteDamaged("loop.hxd", LoopedChain());
    int handle = 0;
    ASSERT_EQ(_DataOpen(file.c_str(), &handle), kDataSuccess);
    int size = 0;
    EXPECT_EQ(_DataGetEntrySize(handle, "C", &size), kDataNotADatabase);
    EXPECT_EQ(_DataAddEntry(handle, "C"), kDataNotADatabase);

    std::array<char, kDataNameBufferSize> name{};
    ASSERT_EQ(_DataFindFirstEntry(handle, ".", name.data()), kDataSuccess);
    ASSERT_EQ(_DataFindNextEntry(handle, name.data()), kDataSuccess);
    EXPECT_EQ(_DataFindNextEntry(handle, name.data()), kDataNotADatabase);
    EXPECT_EQ(_DataFindNextEntry(handle, name.data()), kDataNoMoreEntries);
}

// A's first child is A itself: listing, looking up or deleting below A must not go round for
// ever (a host walking the tree would meet A.A.A... without end).
TEST_F(FileFormat, AnEntryThatIsItsOwnChildIsReportedAsDamage) {
    const auto file = WriteDamaged(
        "child-loop.hxd", HeaderBytes(16, 0) + RecordBytes({.name = "A", .firstChild = 16}));
    int handle = 0;
    ASSERT_EQ(_DataOpen(file.c_str(), &handle), kDataSuccess);
    std::array<char, kDataNameBufferSize> name{};
    EXPECT_EQ(_DataFindFirstEntry(handle, "A", name.data()), kDataNotADatabase);
    int size = 0;
    EXPECT_EQ(_DataGetEntrySize(handle, "A.A", &size), kDataNotADatabase);
    EXPECT_EQ(_DataAddEntry(handle, "A.B"), kDataNotADatabase);
    EXPECT_EQ(_DataDeleteEntry(handle, "A"), kDataNotADatabase);
}

TEST_F(FileFormat, RecordsOutsideTheFileEndALookupAsNotFound) {
    const auto file =
        WriteDamaged("outside.hxd", HeaderBytes(16, 0) + RecordBytes({.name = "A",
                                                                      .firstChild = 9999,
                                                                      .next = 5,
                                                                      .dataOffset = 9000,
                                                                      .dataLength = 40}));
    int handle = 0;
    ASSERT_EQ(_DataOpen(file.c_str(), &handle), kDataSuccess);
    int size = 0;
    EXPECT_EQ(_DataGetEntrySize(handle, "B", &size), kDataNoSuchEntry);
    EXPECT_EQ(_DataGetEntrySize(handle, "A.C", &size), kDataNoSuchEntry);
    std::array<char, 40> data{};
    int reserved = 0;
    EXPECT_EQ(_DataRead(handle, "A", data.data(), data.size(), &reserved), kDataSuccess);
    EXPECT_EQ(data[0], '\0');
}

} // namespace
