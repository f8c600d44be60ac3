// The library as a host sees it: loaded by name, its exports and its version.
#include "family/data/dorrick.h"
#include "platform/testing/export_list.h"

#include <dlfcn.h>

#include <array>
#include <string>

namespace {

TEST(DorrickLibrary, ExportsExactlyItsNames) {
    EXPECT_TRUE(testkit::ExportsExactly(TALLOWMERE_DORRICK_LIBRARY, {"BackupDlgProc",
                                                                     "CompactDlgProc",
                                                                     "DllEntryPoint",
                                                                     "_DataAddEntry",
                                                                     "_DataBackup",
                                                                     "_DataBackupDlg",
                                                                     "_DataClose",
                                                                     "_DataCompact",
                                                                     "_DataCompactDlg",
                                                                     "_DataCreate",
                                                                     "_DataDeleteEntry",
                                                                     "_DataFindFirstEntry",
                                                                     "_DataFindNextEntry",
                                                                     "_DataGetCurrentWorkingEntry",
                                                                     "_DataGetEntrySize",
                                                                     "_DataGetPercentGarbage",
                                                                     "_DataIsEntryLocked",
                                                                     "_DataLockEntry",
                                                                     "_DataOpen",
                                                                     "_DataRead",
                                                                     "_DataSetCurrentWorkingEntry",
                                                                     "_DataSetNotificationFunction",
                                                                     "_DataUnlockEntry",
                                                                     "_DataVersion",
                                                                     "_DataWrite"}));
}

TEST(DorrickLibrary, LoadsAloneAndNamesItsVersion) {
    void* library = dlopen(TALLOWMERE_DORRICK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto version =
        reinterpret_cast<unsigned (*)(char*, unsigned)>(dlsym(library, "_DataVersion"));
    ASSERT_NE(version, nullptr);
    // Copied as strncpy copies: padded with NULs, unterminated when the buffer is short.
    const struct {
        unsigned length;
        std::string expected;
    } cases[] = {
        {8, std::string("99.01\0\0\0", 8) + "#"},
        {5, "99.01####"},
        {3, "99.######"},
        {0, "#########"},
    };
    for (const auto& row : cases) {
        std::array<char, 9> buffer{};
        buffer.fill('#');
        EXPECT_EQ(version(buffer.data(), row.length), 0x9901u);
        EXPECT_EQ(std::string(buffer.data(), 9), row.expected) << row.length;
    }
    EXPECT_EQ(version(nullptr, 8), 0x9901u);
    EXPECT_EQ(dlclose(library), 0);
}

TEST(DorrickLibrary, EntryPointAndNotificationAnswerSuccess) {
    EXPECT_EQ(_DataSetNotificationFunction(nullptr), kDataSuccess);
    EXPECT_EQ(DllEntryPoint(nullptr, 1, nullptr), TRUE);
    EXPECT_EQ(DllEntryPoint(nullptr, 0, nullptr), TRUE);
}

} // namespace
