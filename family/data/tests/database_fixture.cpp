#include "family/data/tests/database_fixture.h"

#include "family/data/tests/database_validator.h"

#include <fstream>
#include <vector>

namespace dorrick_test {

namespace fs = std::filesystem;

DatabaseTest::DatabaseTest() {
    fs::create_directories(DriveA());
    sandbox_.SetEnvironment("TALLOWMERE_DRIVE_A", DriveA().string());
}

void DatabaseTest::TearDown() {
    for (int handle = 1; handle <= 9; ++handle) {
        _DataClose(handle);
    }
    for (const auto& entry : fs::recursive_directory_iterator(sandbox_.Root())) {
        if (!entry.is_regular_file() || damaged_.contains(entry.path())) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::string magic(4, '\0');
        if (in.read(magic.data(), 4) && magic == "HuxD") {
            EXPECT_TRUE(IsValidDatabase(entry.path()));
        }
    }
}

int DatabaseTest::Create(const std::string& name) {
    int handle = 0;
    EXPECT_EQ(_DataCreate(Path(name).c_str(), &handle), kDataSuccess) << name;
    return handle;
}

int DatabaseTest::Open(const std::string& name) {
    int handle = 0;
    EXPECT_EQ(_DataOpen(Path(name).c_str(), &handle), kDataSuccess) << name;
    return handle;
}

void DatabaseTest::Put(int handle, const std::string& path, const std::string& data) {
    const unsigned char added = _DataAddEntry(handle, path.c_str());
    EXPECT_TRUE(added == kDataSuccess || added == kDataEntryExists) << path;
    int reserved = -1;
    EXPECT_EQ(_DataWrite(handle, path.c_str(), data.data(), static_cast<unsigned>(data.size()),
                         &reserved),
              kDataSuccess)
        << path;
    EXPECT_EQ(reserved, 0);
}

std::string DatabaseTest::Get(int handle, const std::string& path) {
    int size = -1;
    EXPECT_EQ(_DataGetEntrySize(handle, path.c_str(), &size), kDataSuccess) << path;
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, 'x');
    int reserved = -1;
    EXPECT_EQ(
        _DataRead(handle, path.c_str(), buffer.data(), static_cast<unsigned>(size), &reserved),
        kDataSuccess);
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

fs::path DatabaseTest::WriteDamaged(const std::string& name, const std::string& bytes) {
    const fs::path file = sandbox_.WriteFile(name, bytes);
    damaged_.insert(file);
    return file;
}

} // namespace dorrick_test
