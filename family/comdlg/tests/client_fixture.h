// A database of client entries for the tests, left valid at the end of each test by the database
// fixture, and the bytes of client records as a host writes them.
#pragma once

#include "family/data/tests/database_fixture.h"

#include <string>
#include <vector>

namespace caddow_test {

struct Client {
    std::string entry;
    std::string firstName;
    std::string lastName;
    char initial = '\0';
    int suffix = 0;
    std::string text;
};

// The 386 bytes of a client record: texts NUL-padded, the suffix little-endian at byte 97, and
// the host's own part filled with 0xEE.
std::string ClientRecordBytes(const Client& client);

class ClientDatabaseTest : public dorrick_test::DatabaseTest {
protected:
    // A new database holding the clients and `others` (entries without data).
    int CreateWith(const std::string& file, const std::vector<Client>& clients,
                   const std::vector<std::string>& others = {});
    // The top-level entry names.
    std::vector<std::string> TopLevel(int handle);
};

} // namespace caddow_test
