#include "family/comdlg/tests/client_fixture.h"

#include "family/data/dorrick.h"

#include <cstdint>

namespace caddow_test {

std::string ClientRecordBytes(const Client& client) {
    std::string bytes(386, '\0');
    bytes.replace(0, client.text.size(), client.text);
    bytes.replace(32, client.firstName.size(), client.firstName);
    bytes.replace(64, client.lastName.size(), client.lastName);
    bytes[96] = client.initial;
    const auto suffix = static_cast<std::uint16_t>(client.suffix);
    bytes[97] = static_cast<char>(suffix & 0xFF);
    bytes[98] = static_cast<char>(suffix >> 8);
    bytes.replace(99, 287, std::string(287, '\xEE'));
    return bytes;
}

int ClientDatabaseTest::CreateWith(const std::string& file, const std::vector<Client>& clients,
                                   const std::vector<std::string>& others) {
    const int handle = Create(file);
    for (const Client& client : clients) {
        Put(handle, client.entry, ClientRecordBytes(client));
    }
    for (const std::string& other : others) {
        EXPECT_EQ(_DataAddEntry(handle, other.c_str()), kDataSuccess) << other;
    }
    return handle;
}

std::vector<std::string> ClientDatabaseTest::TopLevel(int handle) {
    std::vector<std::string> names;
    char name[kDataNameBufferSize] = {};
    for (unsigned char result = _DataFindFirstEntry(handle, ".", name); result == kDataSuccess;
         result = _DataFindNextEntry(handle, name)) {
        names.emplace_back(name);
    }
    return names;
}

} // namespace caddow_test
