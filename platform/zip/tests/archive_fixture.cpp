#include "platform/zip/tests/archive_fixture.h"

#include <gtest/gtest.h>

#include <zip.h>

namespace archive::testing {

void MakeFixtureArchive(const std::filesystem::path& path,
                        const std::vector<FixtureMember>& members) {
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr) << "libzip error " << error;
    for (const FixtureMember& member : members) {
        zip_source_t* source =
            zip_source_buffer(zip, member.contents.data(), member.contents.size(), 0);
        const zip_int64_t index = zip_file_add(zip, member.storedName.c_str(), source, 0);
        ASSERT_GE(index, 0) << zip_strerror(zip);
        if (!member.password.empty()) {
            ASSERT_EQ(zip_file_set_encryption(zip, static_cast<zip_uint64_t>(index),
                                              ZIP_EM_TRAD_PKWARE, member.password.c_str()),
                      0);
        }
    }
    ASSERT_EQ(zip_close(zip), 0) << zip_strerror(zip);
}

} // namespace archive::testing
