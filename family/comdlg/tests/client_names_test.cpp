// A client's full name and the next free client entry name.
#include "family/comdlg/caddow.h"
#include "family/comdlg/tests/client_fixture.h"
#include "family/data/dorrick.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using caddow_test::Client;
using caddow_test::ClientDatabaseTest;
using caddow_test::ClientRecordBytes;

TEST(ComMakeFullName, JoinsFirstInitialLastAndSuffix) {
    struct Case {
        Client client;
        const char* expected;
    };
    const std::string longest(32, 'L'); // a field the host left without its terminator
    const Case cases[] = {
        {{"", "John", "Public", 'Q', 2, ""}, "John Q. Public Jr."},
        {{"", "John", "Public", ' ', 6, "text"}, "John Public V"},
        {{"", "John", "Public", '\0', 0, ""}, "John Public"},
        {{"", "Ann", "Smith", 'B', 3, "Acme"}, "Ann B. Smith II"},
        // A suffix outside the table is no suffix.
        {{"", "Ann", "Smith", 'B', 7, ""}, "Ann B. Smith"},
        {{"", "Ann", "Smith", 'B', -1, ""}, "Ann B. Smith"},
        {{"", "", "", '\0', 0, ""}, " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ClientRecord record{};
        std::memcpy(&record, ClientRecordBytes(c.client).data(), sizeof record);
        char out[73];
        std::memset(out, '#', sizeof out);
        _ComMakeFullName(out, &record);
        EXPECT_STREQ(out, c.expected);
    }

    ClientRecord unterminated{};
    std::memcpy(unterminated.firstName, longest.data(), sizeof unterminated.firstName);
    std::memcpy(unterminated.lastName, longest.data(), sizeof unterminated.lastName);
    unterminated.middleInitial = 'M';
    unterminated.suffix = 4;
    char out[73];
    _ComMakeFullName(out, &unterminated);
    EXPECT_EQ(std::string(out), longest + " M. " + longest + " III");
}

TEST_F(ClientDatabaseTest, NewClientIsOneMoreThanTheLargestClientNumber) {
    struct Case {
        std::vector<std::string> entries;
        const char* expected;
    };
    const Case cases[] = {
        {{}, "C0"},
        {{"C3", "C10", "X5"}, "C11"},
        {{"X5", "D12"}, "C0"},
        {{"C007", "C2"}, "C8"},
        // No digits after the "C" count as 0.
        {{"C", "Clients"}, "C1"},
        {{"C9x", "C12abc"}, "C13"},
        // Numbers beyond any machine integer still count.
        {{"C18446744073709551615", "C99"}, "C18446744073709551616"},
    };
    int file = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const int handle = CreateWith("new" + std::to_string(++file) + ".hxd", {}, c.entries);
        char name[kDataNameBufferSize];
        std::memset(name, '#', sizeof name);
        EXPECT_EQ(_ComCreateNewClient(handle, name), 0);
        EXPECT_STREQ(name, c.expected);
        EXPECT_EQ(_DataClose(handle), kDataSuccess);
    }
}

TEST_F(ClientDatabaseTest, NewClientLooksAtTheTopLevelWhereverTheWorkingEntryIs) {
    const int handle = CreateWith("working.hxd", {}, {"C4", "Folder", "Folder.C40"});
    ASSERT_EQ(_DataSetCurrentWorkingEntry(handle, "Folder"), kDataSuccess);
    char name[kDataNameBufferSize] = {};
    EXPECT_EQ(_ComCreateNewClient(handle, name), 0);
    EXPECT_STREQ(name, "C5");
}

TEST_F(ClientDatabaseTest, NewClientNameThatCannotBeAnEntryNameIsRefused) {
    const int handle = CreateWith("long.hxd", {}, {"C" + std::string(253, '9')});
    char name[kDataNameBufferSize];
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(_ComCreateNewClient(handle, name), kDataPathTooLong);
    EXPECT_STREQ(name, "");
}

} // namespace
